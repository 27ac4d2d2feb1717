// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace tavrin {

// The file lists of X11 clipboards: text/uri-list and GNOME's x-special/gnome-copied-files.

/// The URIs of a text/uri-list: one per line, CRLF or LF, "#" comment lines and blank lines dropped.
QList<QByteArray> splitUriList(const QByteArray &data);
/// The URIs of x-special/gnome-copied-files: the first line says "copy" or "cut", the URIs follow.
QList<QByteArray> splitGnomeCopiedFiles(const QByteArray &data);

/// A text/uri-list naming one local file or folder.
QByteArray uriListForPath(const QString &path);
/// x-special/gnome-copied-files copying one local file or folder.
QByteArray gnomeCopiedFilesForPath(const QString &path);

}  // namespace tavrin
