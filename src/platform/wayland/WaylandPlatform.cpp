#include "platform/wayland/WaylandPlatform.h"

#include "platform/Accessibility.h"
#include "platform/common/CanberraSoundPlayer.h"
#include "platform/common/XkbKeyPositions.h"
#include "platform/freedesktop/DBusNotificationCenter.h"
#include "platform/freedesktop/DBusNotifier.h"
#include "platform/freedesktop/XdgAutostartLoginItems.h"
#include "platform/freedesktop/XdgLocations.h"
#include "platform/qt/DesktopSystemInfo.h"
#include "platform/qt/QtDispatcher.h"
#include "platform/qt/QtFileIcons.h"
#include "platform/qt/QtScheduler.h"
#include "platform/wayland/UnofferedGlobalShortcuts.h"
#include "platform/wayland/WaylandCapabilities.h"
#include "platform/wayland/WaylandClipboard.h"
#include "platform/wayland/WaylandKeyEventPoster.h"
#include "platform/wayland/WaylandWorkspace.h"

#include <QDBusConnection>

namespace tavrin {

namespace {
// Pasting is possible exactly while the virtual keyboard works; there is no permission to ask for.
class VirtualKeyboardAccessibility final : public Accessibility {
public:
    explicit VirtualKeyboardAccessibility(const WaylandKeyEventPoster &keys) : m_keys(keys) {}
    bool isProcessTrusted(bool) override { return m_keys.isValid(); }

private:
    const WaylandKeyEventPoster &m_keys;
};
}  // namespace

std::unique_ptr<Platform> createWaylandPlatform(DesktopCapabilities *capabilities)
{
    auto platform = std::make_unique<Platform>();
    platform->scheduler = std::make_unique<QtScheduler>();
    platform->dispatcher = std::make_unique<QtDispatcher>();
    platform->systemInfo = std::make_unique<DesktopSystemInfo>();
    platform->fileIcons = std::make_unique<QtFileIcons>();
    platform->globalShortcuts = std::make_unique<UnofferedGlobalShortcuts>();
    auto clipboard = std::make_unique<WaylandClipboard>();
    auto keys = std::make_unique<WaylandKeyEventPoster>();
    const DesktopCapabilities found = describeWaylandSession(*clipboard, *keys);
    auto loginItems = XdgAutostartLoginItems::forRunningProgram();
    platform->capabilities = found;
    platform->capabilities.startAtLogin = loginItems->availability();
    platform->loginItems = std::move(loginItems);
    platform->notificationCenter = std::make_unique<DBusNotificationCenter>(QDBusConnection::sessionBus());
    if (capabilities)
        *capabilities = platform->capabilities;
    platform->accessibility = std::make_unique<VirtualKeyboardAccessibility>(*keys);
    platform->clipboard = std::move(clipboard);
    platform->keyEventPoster = std::move(keys);
    platform->keyPositions = std::make_unique<XkbKeyPositions>();  // Qt reports xkb keycodes here too
    platform->workspace = std::make_unique<WaylandWorkspace>();
    platform->soundPlayer = std::make_unique<CanberraSoundPlayer>();
    platform->locations = std::make_unique<XdgLocations>();
    platform->notifier = std::make_unique<DBusNotifier>(QDBusConnection::sessionBus(), QStringLiteral("Tavrin"));
    return platform;
}

}  // namespace tavrin
