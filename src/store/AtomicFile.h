#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

class QIODevice;

namespace tavrin {

/// Replaces the file at path with data in one step (temporary file, fsync, rename, directory fsync).
/// The file gets mode 0600. Returns false and leaves any old file untouched on failure.
bool writeFileAtomically(const QString &path, const QByteArray &data);
/// The same with the content produced piece by piece: produce writes into the device and returns false to give up.
bool writeFileAtomically(const QString &path, const std::function<bool(QIODevice &)> &produce);

/// Renames a file that could not be read to "<path>.damaged-<time>" so it is kept for the user.
/// Returns the new path, or an empty string when it could not be moved.
QString moveAside(const QString &path);

/// Creates a directory (and its parents) with mode 0700 when missing; true when it exists afterwards.
bool ensurePrivateDirectory(const QString &path);

}  // namespace tavrin
