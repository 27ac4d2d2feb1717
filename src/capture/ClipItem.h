// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace tavrin {

struct ClipboardContents;

// A history entry is one string: a text, or the absolute path of a file or folder. Which one it is gets decided
// at each use by looking at the file system.

/// True when the entry is an absolute path at which a file or folder exists.
bool isExistingFile(const QString &entry);
/// True when the entry is an absolute path of an existing folder.
bool isExistingFolder(const QString &entry);

/// The local path of one file-URL item: UTF-8 text, a file: URL with an empty or local host, percent escapes
/// decoded, no trailing slash. Nothing for anything else.
std::optional<QString> filePathFromUrl(const QByteArray &urlItem);

/// What a clipboard read yields for the history: the path of the last file-URL item that is one, else the plain
/// string (empty included), else nothing.
std::optional<QString> capturedEntry(const ClipboardContents &contents);

}  // namespace tavrin
