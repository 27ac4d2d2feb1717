// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/wayland/WaylandCapabilities.h"

#include "platform/wayland/DataControlProtocol.h"
#include "platform/wayland/WaylandClipboard.h"
#include "platform/wayland/WaylandDisplay.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>

namespace tavrin {

namespace {

// Only names that have an owner now: asking for one that is merely activatable would start a service.
bool hasOwner(const QString &name)
{
    const QDBusConnectionInterface *bus = QDBusConnection::sessionBus().interface();
    return bus && bus->isServiceRegistered(name).value();
}

}  // namespace

WaylandProtocols probeWaylandProtocols(const char *display)
{
    WaylandProtocols protocols;
    WaylandDisplay connection(display);
    if (!connection.isValid()) {
        protocols.connectionProblem = connection.errorText();
        return protocols;
    }
    for (const dataControl::Family *family : {&dataControl::extFamily(), &dataControl::wlrFamily()}) {
        if (const auto global = connection.find(family->managerInterface)) {
            protocols.dataControl = family->managerInterface;
            protocols.primarySelection = global->version >= family->primarySince;
            break;
        }
    }
    protocols.virtualKeyboard = connection.find("zwp_virtual_keyboard_manager_v1").has_value();
    return protocols;
}

DesktopCapabilities describeWaylandSession(const WaylandClipboard &clipboard, const DesktopCapabilities::Feature &paste,
                                           const DesktopCapabilities::Feature &globalShortcuts)
{
    DesktopCapabilities capabilities;
    capabilities.backend = QStringLiteral("Wayland");

    capabilities.capture.available = clipboard.isValid();
    capabilities.capture.detail =
        clipboard.isValid()
            ? QStringLiteral("the compositor reports every copy (%1)").arg(clipboard.protocolName())
            : QStringLiteral("this desktop does not let programs watch the clipboard: %1").arg(clipboard.problem());

    capabilities.paste = paste;
    capabilities.globalShortcuts = globalShortcuts;

    capabilities.tray.available = hasOwner(QStringLiteral("org.kde.StatusNotifierWatcher"));
    capabilities.tray.detail =
        capabilities.tray.available
            ? QStringLiteral(QT_TRANSLATE_NOOP("DesktopReasons", "the panel shows status icons (StatusNotifierItem)"))
            : QStringLiteral(QT_TRANSLATE_NOOP("DesktopReasons", "no panel on this desktop shows status icons"));
    return capabilities;
}

}  // namespace tavrin
