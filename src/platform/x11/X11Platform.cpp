// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/x11/X11Platform.h"

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
#include "platform/x11/X11Accessibility.h"
#include "platform/x11/X11Clipboard.h"
#include "platform/x11/X11GlobalShortcuts.h"
#include "platform/x11/X11KeyEventPoster.h"
#include "platform/x11/X11Log.h"
#include "platform/x11/X11Workspace.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QtGlobal>

#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>

namespace tavrin {

namespace {
DesktopCapabilities::Feature feature(bool available, const char *how, const char *whyNot)
{
    return DesktopCapabilities::Feature{available, QString::fromLatin1(available ? how : whyNot)};
}

// Qt shows the tray icon through a StatusNotifierItem watcher when one runs, else in an XEmbed system tray.
DesktopCapabilities::Feature trayNow()
{
    QDBusConnectionInterface *bus = QDBusConnection::sessionBus().interface();
    if (bus && bus->isServiceRegistered(QStringLiteral("org.kde.StatusNotifierWatcher")).value())
        return feature(true, QT_TRANSLATE_NOOP("DesktopReasons", "the panel shows status icons (StatusNotifierItem)"),
                       "");
    int screen = 0;
    xcb_connection_t *c = xcb_connect(nullptr, &screen);
    bool owned = false;
    if (!xcb_connection_has_error(c)) {
        const QByteArray name = "_NET_SYSTEM_TRAY_S" + QByteArray::number(screen);
        std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> atom(
            xcb_intern_atom_reply(c, xcb_intern_atom(c, 1, uint16_t(name.size()), name.constData()), nullptr),
            &std::free);
        if (atom && atom->atom != XCB_ATOM_NONE) {
            std::unique_ptr<xcb_get_selection_owner_reply_t, decltype(&std::free)> owner(
                xcb_get_selection_owner_reply(c, xcb_get_selection_owner(c, atom->atom), nullptr), &std::free);
            owned = owner && owner->owner != XCB_WINDOW_NONE;
        }
    }
    xcb_disconnect(c);
    return feature(
        owned, QT_TRANSLATE_NOOP("DesktopReasons", "a system tray shows the icon"),
        QT_TRANSLATE_NOOP("DesktopReasons",
                          "no system tray was running at start; the list opens with its shortcut or a second start"));
}
}  // namespace

std::unique_ptr<Platform> createX11Platform()
{
    auto platform = std::make_unique<Platform>();
    platform->scheduler = std::make_unique<QtScheduler>();
    platform->dispatcher = std::make_unique<QtDispatcher>();
    platform->systemInfo = std::make_unique<DesktopSystemInfo>();
    platform->fileIcons = std::make_unique<QtFileIcons>();

    auto shortcuts = std::make_unique<X11GlobalShortcuts>();
    // Without an X server at all (the X11 backend forced in a Wayland session without XWayland) nothing works, and
    // that one reason is the true one for every feature.
    const bool reachable = shortcuts->hasDisplay();
    const char *unreachable = QT_TRANSLATE_NOOP("DesktopReasons", "no X server could be reached");
    if (!reachable)
        qCWarning(lcX11, "no X server could be reached (DISPLAY \"%s\"): copies will not be recorded nor pasted",
                  qgetenv("DISPLAY").constData());
    DesktopCapabilities &capabilities = platform->capabilities;
    capabilities.backend = QStringLiteral("X11");
    capabilities.globalShortcuts =
        feature(shortcuts->isConnected(), QT_TRANSLATE_NOOP("DesktopReasons", "key grabs on the X server"),
                reachable ? QT_TRANSLATE_NOOP("DesktopReasons", "the keyboard layout of the X server cannot be read")
                          : unreachable);
    platform->globalShortcuts = std::move(shortcuts);

    auto clipboard = std::make_unique<X11Clipboard>();
    capabilities.capture = feature(
        clipboard->isValid(), QT_TRANSLATE_NOOP("DesktopReasons", "XFixes tells every change of the clipboard's owner"),
        reachable ? QT_TRANSLATE_NOOP("DesktopReasons", "the display offers no XFixes extension") : unreachable);
    if (reachable && !clipboard->isValid())
        qCWarning(lcX11, "the display offers no usable clipboard (XFixes missing); copies will not be recorded");
    platform->clipboard = std::move(clipboard);

    auto keys = std::make_unique<X11KeyEventPoster>();
    capabilities.paste =
        feature(keys->hasXTest(), QT_TRANSLATE_NOOP("DesktopReasons", "the paste keys are typed through XTEST"),
                reachable ? QT_TRANSLATE_NOOP("DesktopReasons", "the display offers no XTEST extension") : unreachable);
    if (reachable && !keys->hasXTest())
        qCWarning(lcX11, "the display offers no XTEST; entries are put on the clipboard but not pasted");
    platform->keyEventPoster = std::move(keys);
    platform->keyPositions = std::make_unique<XkbKeyPositions>();

    platform->accessibility = std::make_unique<X11Accessibility>();
    platform->workspace = std::make_unique<X11Workspace>();
    platform->soundPlayer = std::make_unique<CanberraSoundPlayer>();
    capabilities.tray = trayNow();
    auto loginItems = XdgAutostartLoginItems::forRunningProgram();
    capabilities.startAtLogin = loginItems->availability();
    platform->loginItems = std::move(loginItems);
    platform->notificationCenter = std::make_unique<DBusNotificationCenter>(QDBusConnection::sessionBus());
    platform->locations = std::make_unique<XdgLocations>();
    platform->notifier = std::make_unique<DBusNotifier>(QDBusConnection::sessionBus(), QStringLiteral("Tavrin"));
    return platform;
}

}  // namespace tavrin
