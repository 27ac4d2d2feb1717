// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/BackendRequest.h"

#include <QString>

namespace tavrin {

/// The desktop backends one build carries.
enum class BackendKind { X11, Wayland, Gnome };

/// What the session offers for the choice of backend, found at start.
struct SessionFacts {
    /// $WAYLAND_DISPLAY is set: the desktop is a Wayland compositor.
    bool waylandSession = false;
    /// $DISPLAY is set: an X server is there (XWayland in a Wayland session).
    bool x11Display = false;
    /// The compositor's data-control manager; empty when it offers none or was not asked.
    QString waylandClipboard;
    /// Why the compositor could not be asked; empty when it answered or was not asked.
    QString waylandProblem;
    /// $XDG_CURRENT_DESKTOP names GNOME: its Shell keeps the clipboard to itself and lends it to our extension.
    bool gnomeDesktop = false;
};

struct BackendSelection {
    BackendKind kind = BackendKind::X11;
    /// Why this one, a sentence for the log.
    QString reason;
};

/// True when the choice depends on what the compositor offers: only then is it worth connecting to ask.
bool needsCompositorProbe(BackendRequest request, const SessionFacts &facts);

/// The backend asked for; without a request the Wayland one where the compositor lets programs follow and set the
/// clipboard from the background, the GNOME one in a GNOME Wayland session without that, X11 where an X server is there
/// (in a Wayland session without that, XWayland is still better than nothing), and the Wayland one in a Wayland session
/// without an X server, so that it says what does not work.
BackendSelection selectBackend(BackendRequest request, const SessionFacts &facts);

/// True when $XDG_CURRENT_DESKTOP (a colon-separated list) names GNOME.
bool isGnomeDesktop(const QString &currentDesktop);

/// The backend's name as the log and the user see it.
QString backendName(BackendKind kind);

}  // namespace tavrin
