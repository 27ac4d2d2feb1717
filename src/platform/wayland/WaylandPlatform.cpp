// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/wayland/WaylandPlatform.h"

#include "platform/Accessibility.h"
#include "platform/common/CanberraSoundPlayer.h"
#include "platform/common/XkbKeyPositions.h"
#include "platform/freedesktop/DBusNotificationCenter.h"
#include "platform/freedesktop/DBusNotifier.h"
#include "platform/freedesktop/XdgAutostartLoginItems.h"
#include "platform/freedesktop/XdgLocations.h"
#include "platform/portal/RemoteDesktopKeyboard.h"
#include "platform/qt/DesktopSystemInfo.h"
#include "platform/qt/QtDispatcher.h"
#include "platform/qt/QtFileIcons.h"
#include "platform/qt/QtScheduler.h"
#include "platform/wayland/UnofferedGlobalShortcuts.h"
#include "platform/wayland/WaylandCapabilities.h"
#include "platform/wayland/WaylandClipboard.h"
#include "platform/wayland/WaylandInput.h"
#include "platform/wayland/WaylandKeyEventPoster.h"
#include "platform/wayland/WaylandWorkspace.h"

#include <QDBusConnection>

#include <functional>

namespace tavrin {

namespace {
// Pasting is possible while the way keys are typed works (for the portal: its session is there or starting); there is
// no permission to ask for beyond what the desktop asks itself.
class KeysAccessibility final : public Accessibility {
public:
    explicit KeysAccessibility(std::function<bool()> works) : m_works(std::move(works)) {}
    bool isProcessTrusted(bool) override { return m_works(); }

private:
    std::function<bool()> m_works;
};
}  // namespace

std::unique_ptr<Platform> createWaylandPlatform(DesktopCapabilities *capabilities)
{
    auto platform = std::make_unique<Platform>();
    platform->scheduler = std::make_unique<QtScheduler>();
    platform->dispatcher = std::make_unique<QtDispatcher>();
    platform->systemInfo = std::make_unique<DesktopSystemInfo>();
    platform->fileIcons = std::make_unique<QtFileIcons>();
    auto clipboard = std::make_unique<WaylandClipboard>();
    WaylandInput input = chooseWaylandInput();
    if (input.shortcuts)
        platform->globalShortcuts = std::move(input.shortcuts);
    else
        platform->globalShortcuts = std::make_unique<UnofferedGlobalShortcuts>();
    // The accessibility check watches the keys' way; Platform ends it before the keys.
    if (input.portalKeyboard) {
        const RemoteDesktopKeyboard *portal = input.portalKeyboard.get();
        platform->accessibility = std::make_unique<KeysAccessibility>([portal] {
            return portal->state() == RemoteDesktopKeyboard::State::Ready ||
                   portal->state() == RemoteDesktopKeyboard::State::Starting;
        });
        platform->keyEventPoster = std::move(input.portalKeyboard);
    } else {
        const WaylandKeyEventPoster *keyboard = input.virtualKeyboard.get();
        platform->accessibility = std::make_unique<KeysAccessibility>([keyboard] { return keyboard->isValid(); });
        platform->keyEventPoster = std::move(input.virtualKeyboard);
    }
    const DesktopCapabilities found = describeWaylandSession(*clipboard, input.paste, input.globalShortcuts);
    auto loginItems = XdgAutostartLoginItems::forRunningProgram();
    platform->capabilities = found;
    platform->capabilities.startAtLogin = loginItems->availability();
    platform->loginItems = std::move(loginItems);
    platform->notificationCenter = std::make_unique<DBusNotificationCenter>(QDBusConnection::sessionBus());
    if (capabilities)
        *capabilities = platform->capabilities;
    platform->clipboard = std::move(clipboard);
    platform->keyPositions = std::make_unique<XkbKeyPositions>();  // Qt reports xkb keycodes here too
    platform->workspace = std::make_unique<WaylandWorkspace>();
    platform->soundPlayer = std::make_unique<CanberraSoundPlayer>();
    platform->locations = std::make_unique<XdgLocations>();
    platform->notifier = std::make_unique<DBusNotifier>(QDBusConnection::sessionBus(), QStringLiteral("Tavrin"));
    return platform;
}

}  // namespace tavrin
