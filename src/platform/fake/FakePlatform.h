// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Platform.h"

namespace tavrin {

class FakeAccessibility;
class FakeDispatcher;
class FakeFileIcons;
class FakeGlobalShortcuts;
class FakeKeyEventPoster;
class FakeKeyPositions;
class FakeLocations;
class FakeLoginItems;
class FakeNotificationCenter;
class FakeNotifier;
class FakeClipboard;
class FakeScheduler;
class FakeSoundPlayer;
class FakeSystemInfo;
class FakeWorkspace;

// The in-memory backend with typed access to each fake, for tests of the layers above. Every capability is on;
// tests turn them off one by one.
struct FakePlatform final : Platform {
    FakePlatform();

    FakeScheduler *fakeScheduler = nullptr;
    FakeDispatcher *fakeDispatcher = nullptr;
    FakeSystemInfo *fakeSystemInfo = nullptr;
    FakeClipboard *fakeClipboard = nullptr;
    FakeKeyEventPoster *fakeKeyEventPoster = nullptr;
    FakeKeyPositions *fakeKeyPositions = nullptr;
    FakeAccessibility *fakeAccessibility = nullptr;
    FakeLoginItems *fakeLoginItems = nullptr;
    FakeWorkspace *fakeWorkspace = nullptr;
    FakeNotificationCenter *fakeNotificationCenter = nullptr;
    FakeSoundPlayer *fakeSoundPlayer = nullptr;
    FakeGlobalShortcuts *fakeGlobalShortcuts = nullptr;
    FakeFileIcons *fakeFileIcons = nullptr;
    FakeLocations *fakeLocations = nullptr;
    FakeNotifier *fakeNotifier = nullptr;
};

}  // namespace tavrin
