// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/fake/FakePlatform.h"

#include "platform/fake/FakeAccessibility.h"
#include "platform/fake/FakeClipboard.h"
#include "platform/fake/FakeDispatcher.h"
#include "platform/fake/FakeFileIcons.h"
#include "platform/fake/FakeGlobalShortcuts.h"
#include "platform/fake/FakeKeyEventPoster.h"
#include "platform/fake/FakeKeyPositions.h"
#include "platform/fake/FakeLocations.h"
#include "platform/fake/FakeLoginItems.h"
#include "platform/fake/FakeNotificationCenter.h"
#include "platform/fake/FakeNotifier.h"
#include "platform/fake/FakeScheduler.h"
#include "platform/fake/FakeSoundPlayer.h"
#include "platform/fake/FakeSystemInfo.h"
#include "platform/fake/FakeWorkspace.h"

namespace tavrin {

namespace {
template <typename Fake, typename Interface> Fake *install(std::unique_ptr<Interface> &slot)
{
    auto fake = std::make_unique<Fake>();
    Fake *raw = fake.get();
    slot = std::move(fake);
    return raw;
}
}  // namespace

FakePlatform::FakePlatform()
{
    fakeScheduler = install<FakeScheduler>(scheduler);
    fakeDispatcher = install<FakeDispatcher>(dispatcher);
    fakeSystemInfo = install<FakeSystemInfo>(systemInfo);
    fakeClipboard = install<FakeClipboard>(clipboard);
    fakeKeyEventPoster = install<FakeKeyEventPoster>(keyEventPoster);
    fakeKeyPositions = install<FakeKeyPositions>(keyPositions);
    fakeAccessibility = install<FakeAccessibility>(accessibility);
    fakeLoginItems = install<FakeLoginItems>(loginItems);
    fakeWorkspace = install<FakeWorkspace>(workspace);
    fakeNotificationCenter = install<FakeNotificationCenter>(notificationCenter);
    fakeSoundPlayer = install<FakeSoundPlayer>(soundPlayer);
    fakeGlobalShortcuts = install<FakeGlobalShortcuts>(globalShortcuts);
    fakeFileIcons = install<FakeFileIcons>(fileIcons);
    capabilities.backend = QStringLiteral("fake");
    for (DesktopCapabilities::Feature *feature :
         {&capabilities.capture, &capabilities.paste, &capabilities.globalShortcuts, &capabilities.tray,
          &capabilities.startAtLogin})
        feature->available = true;
    fakeLocations = install<FakeLocations>(locations);
    fakeNotifier = install<FakeNotifier>(notifier);
}

}  // namespace tavrin
