// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/EntryList.h"
#include "store/FileChecksum.h"

#include <QHash>
#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>

#include <mutex>
#include <optional>

namespace tavrin {

/// Stored files beyond this size are not read at all: no history or settings are that large, and reading one would hold
/// the program for many seconds and gigabytes first.
inline constexpr qint64 kMaxStoredFileSize = qint64(1) << 30;

/// What reading a list file found.
struct ListFileRead {
    enum class Status {
        missing,  // no file at the path: an empty list
        read,  // the strings it holds
        damaged,  // a file that could not be read (not an array of strings, unreadable, too large, a folder)
        partlyRead,  // a damaged file of which some entries could still be read: those, in order
    };
    Status status = Status::missing;
    EntryList strings;
    /// Why a damaged or partly read file could not be read whole.
    QString reason;
    /// For a partly read file, each problem met (an entry left out, a reference kept as it stands).
    QStringList problems;
    /// For a file read whole, when asked for: the checksum of the bytes that were read.
    std::optional<FileChecksum> checksum;

    /// True when the file is not as it was written: it is kept aside before anything replaces it.
    bool isDamaged() const { return status == Status::damaged || status == Status::partlyRead; }
};

/// Reads the strings of a list file as it stands; nothing is remembered or moved.
ListFileRead readListFile(const QString &path, qint64 maxSize = kMaxStoredFileSize, bool withChecksum = false);
/// The strings only: empty for a missing or damaged file.
QStringList readStringListAtPath(const QString &path);
/// Writes the strings atomically at a full path, replacing the file there, and creates the folder (0700) when it is
/// missing; false with the reason on failure. For tools and tests: the program writes through ListFolder, which
/// creates no folder but its own.
bool writeStringListAtPath(const QString &path, const EntryList &strings, QString *error = nullptr);

// The program's list files (the history and one file per group), all in one folder.
//
// A file that is in the way of a write or a removal is never lost: one that could not be read is moved aside to
// "<file>.damaged-<time>", as is anything there that is not a file (a folder, a pipe), and one that this object never
// read nor wrote (so its content is unknown to the program) to "<file>.replaced-<time>". Writes may come from any
// thread. The folder itself is created (0700) when a write finds it missing.
class ListFolder : public QObject {
    Q_OBJECT
public:
    explicit ListFolder(const QString &directory, qint64 maxFileSize = kMaxStoredFileSize, QObject *parent = nullptr);
    ListFolder(const ListFolder &) = delete;
    ListFolder &operator=(const ListFolder &) = delete;

    QString directory() const { return m_directory; }
    /// directory() + "/" + name + ".plist"; the name is used unchanged.
    QString pathFor(const QString &name) const;

    /// Reads a file and remembers whether it could be read.
    ListFileRead read(const QString &path, bool withChecksum = false);
    /// Writes atomically, first moving aside a file in the way as above; written gets the checksum of what was written.
    bool write(const QString &path, const EntryList &strings, QString *error = nullptr,
               FileChecksum *written = nullptr);
    /// Removes a file whose content was read; one that cannot be read is moved aside instead. True when it is gone.
    bool remove(const QString &path, QString *error = nullptr);
    /// The names of the list files in the folder ("<name>.plist"), in no particular order.
    QStringList listNames() const;

Q_SIGNALS:
    /// What was at path could not be read (reason) and was moved to aside before a write or removal; emitted on the
    /// thread of that write.
    void keptAside(const QString &path, const QString &aside, const QString &reason);

private:
    enum class Knowledge { unknown, known, damaged };
    struct Known {
        Knowledge knowledge = Knowledge::unknown;
        QString reason;  // why a damaged file could not be read
    };
    void remember(const QString &path, Knowledge knowledge, const QString &reason = QString());
    bool clearTheWay(const QString &path, QString *error);

    const QString m_directory;
    const qint64 m_maxFileSize;
    // Guards m_knowledge. A write itself runs outside it, so a long write of the history on its own thread never
    // holds up a group's write on the GUI thread; no path is written from two threads.
    mutable std::mutex m_mutex;
    QHash<QString, Known> m_knowledge;
    // Paths whose leftover temporary files were looked for.
    QSet<QString> m_tidied;
};

}  // namespace tavrin
