// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/DesktopCapabilities.h"

namespace tavrin {

class GnomeShellLink;

/// What a GNOME Wayland session lets the program do through the Shell extension, and, where the extension is
/// missing, what to run to turn it on. startAtLogin is left to the caller.
DesktopCapabilities describeGnomeSession(const GnomeShellLink &link, bool trayHostRuns);

/// The desktop notice shown at start when the extension is missing: its summary and body.
struct GnomeExtensionNotice {
    QString summary;
    QString body;
};
GnomeExtensionNotice missingExtensionNotice();

}  // namespace tavrin
