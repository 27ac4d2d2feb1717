// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/DesktopCapabilities.h"

#include <string>

namespace tavrin {

class WaylandClipboard;

// The protocols a Wayland compositor offers for what the program needs.
struct WaylandProtocols {
    /// Why no connection could be made; empty once connected.
    std::string connectionProblem;
    /// The data-control manager the clipboard would use, empty when there is none.
    std::string dataControl;
    bool primarySelection = false;
    bool virtualKeyboard = false;

    /// True when the clipboard can be followed and set from the background: the Wayland backend is of use.
    bool supportsClipboard() const { return connectionProblem.empty() && !dataControl.empty(); }
};

/// Asks the compositor ($WAYLAND_DISPLAY when display is null) which globals it offers; quick, one round trip.
WaylandProtocols probeWaylandProtocols(const char *display = nullptr);

/// The session's capabilities as the assembled backend found them, with the desktop services on the session bus:
/// paste and shortcuts as chosen among the ways the session offers (WaylandInput).
DesktopCapabilities describeWaylandSession(const WaylandClipboard &clipboard, const DesktopCapabilities::Feature &paste,
                                           const DesktopCapabilities::Feature &globalShortcuts);

}  // namespace tavrin
