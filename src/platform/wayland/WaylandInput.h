// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/DesktopCapabilities.h"
#include "platform/GlobalShortcuts.h"

#include <QDBusConnection>

#include <memory>

namespace tavrin {

class RemoteDesktopKeyboard;
class WaylandKeyEventPoster;

// How the Wayland backend types keys and takes shortcuts in this session, each the first way the session offers:
// keys through the compositor's virtual keyboard, else the desktop's RemoteDesktop portal; shortcuts through KDE's
// shortcut service, else the desktop's GlobalShortcuts portal. A portal counts only where a portal backend of this
// desktop implements it (one lent from another desktop answers, then fails).
struct WaylandInput {
    WaylandInput();
    WaylandInput(WaylandInput &&) noexcept;
    WaylandInput &operator=(WaylandInput &&) noexcept;
    ~WaylandInput();

    /// Always made: it says why it does not work where it does not.
    std::unique_ptr<WaylandKeyEventPoster> virtualKeyboard;
    /// Made, and its session started, when it is the way keys are typed.
    std::unique_ptr<RemoteDesktopKeyboard> portalKeyboard;
    /// KDE's service or the portal; null where the session offers neither.
    std::unique_ptr<GlobalShortcuts> shortcuts;
    DesktopCapabilities::Feature paste;
    DesktopCapabilities::Feature globalShortcuts;
};

/// Asks the session, way by way in order, and makes the ways chosen. display null is $WAYLAND_DISPLAY.
WaylandInput chooseWaylandInput(const QDBusConnection &bus = QDBusConnection::sessionBus(),
                                const char *display = nullptr);

}  // namespace tavrin
