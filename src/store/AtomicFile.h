// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

class QIODevice;

namespace tavrin {

/// Replaces the file at path with data in one step (temporary file, fsync, rename, directory fsync). A link to a file
/// is followed: the file it points to is replaced. The file gets mode 0600. Returns false, with the system's reason
/// in error ("No space left on device"), and leaves any old file untouched on failure.
bool writeFileAtomically(const QString &path, const QByteArray &data, QString *error = nullptr);
/// The same with the content produced piece by piece: produce writes into the device and returns false to give up.
bool writeFileAtomically(const QString &path, const std::function<bool(QIODevice &)> &produce,
                         QString *error = nullptr);

/// A whole file as read by readWholeFile.
struct FileContent {
    enum class Status { missing, read, failed };
    Status status = Status::missing;
    QByteArray bytes;
    /// Why it could not be read: the system's reason, or what is there instead of a file.
    QString error;
};
/// Reads the regular file at path (a link to one is followed) of at most maxSize bytes, with the system's reason on
/// failure. Nothing at path, or a link to nothing, is missing; a folder, a pipe or a device is never opened.
FileContent readWholeFile(const QString &path, qint64 maxSize);
/// readWholeFile in two steps, for a reader that reads some files its own way: the file opened with its checks (read:
/// fd is open and size is what it holds; missing; failed with the reason)...
struct OpenedFile {
    FileContent::Status status = FileContent::Status::missing;
    int fd = -1;
    qint64 size = 0;
    QString error;
};
OpenedFile openFileForReading(const QString &path, qint64 maxSize);
/// ...then what it holds from its current offset on, the descriptor closed (or the outcome of the opening).
FileContent readOpenedFile(const OpenedFile &file, qint64 maxSize);

/// Renames whatever is at path (a file, a folder, a link) to "<path>.<label>-<time>" beside it, so that what it holds
/// is kept for the user. Returns the new path, or an empty string (with the reason in error) when it could not be
/// moved.
QString moveAside(const QString &path, const QString &label = QStringLiteral("damaged"), QString *error = nullptr);

/// Removes the temporary files that writes of path left behind when the program was killed in the middle of one.
void removeLeftoverTemporaries(const QString &path);

/// Creates a directory (and its parents) with mode 0700 when missing; true when it exists afterwards.
bool ensurePrivateDirectory(const QString &path);

/// The system's text for an errno value ("Permission denied").
QString systemErrorText(int error);

/// Why nothing can be written into the folder that holds path: it is missing, not a folder, or not writable by this
/// process (with the system's reason); empty when files can be written there.
QString whyFolderIsUnwritable(const QString &path);

/// What is at path when it is not a regular file nor a link to one ("it is a folder", "it is a named pipe", ...);
/// empty for a regular file, a link to nothing and nothing at all.
QString whyNotARegularFile(const QString &path);

}  // namespace tavrin
