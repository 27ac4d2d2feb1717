#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

class QIODevice;

namespace tavrin {

/// Replaces the file at path with data in one step (temporary file, fsync, rename, directory fsync).
/// The file gets mode 0600. Returns false, with the reason in error, and leaves any old file untouched on failure.
bool writeFileAtomically(const QString &path, const QByteArray &data, QString *error = nullptr);
/// The same with the content produced piece by piece: produce writes into the device and returns false to give up.
bool writeFileAtomically(const QString &path, const std::function<bool(QIODevice &)> &produce,
                         QString *error = nullptr);

/// Renames a file to "<path>.<label>-<time>" beside it, so that what it holds is kept for the user.
/// Returns the new path, or an empty string (with the reason in error) when it could not be moved.
QString moveAside(const QString &path, const QString &label = QStringLiteral("damaged"), QString *error = nullptr);

/// Creates a directory (and its parents) with mode 0700 when missing; true when it exists afterwards.
bool ensurePrivateDirectory(const QString &path);

}  // namespace tavrin
