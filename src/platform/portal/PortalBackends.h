// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace tavrin::portal {

// Which of the installed portal backends (xdg-desktop-portal's *.portal files) serve this desktop. The portal
// front end lends an interface that no backend of the running desktop implements to any backend that does: KDE's
// RemoteDesktop or GlobalShortcuts lent to sway or GNOME answers, and then fails, for they need KWin. Only a
// backend made for the desktop is worth a session.

/// The backends (their file names without ".portal") that implement the interface ("org.freedesktop.impl.portal.
/// RemoteDesktop") and name one of the desktops (as $XDG_CURRENT_DESKTOP lists them) in their UseIn, looked for in
/// xdg-desktop-portal/portals under each data folder.
QStringList backendsFor(const QString &interface, const QStringList &desktops, const QStringList &dataFolders);

/// The same for this session: $XDG_CURRENT_DESKTOP, and $XDG_DATA_DIRS (else /usr/local/share and /usr/share).
QStringList sessionBackendsFor(const QString &interface);

}  // namespace tavrin::portal
