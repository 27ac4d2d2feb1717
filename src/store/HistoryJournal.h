// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/EntryList.h"
#include "store/FileChecksum.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <deque>
#include <mutex>
#include <optional>

namespace tavrin {

// The history's changes since its file was last written whole, appended to "<history file>.journal" beside it, so
// that each change reaches the disk with a few hundred bytes instead of the whole history. The format is described in
// docs/STORAGE.md.

/// What a journal was written against: the history file as it was then.
using JournalBase = FileChecksum;

/// This installation's id, the same at every start: a hash of the machine id and the data folder.
quint64 thisDeviceId(const QString &dataFolder);

/// The journal of the history file at historyPath.
QString journalPathFor(const QString &historyPath);

struct JournalRecord {
    enum class Op : quint8 {
        insert = 1,  // text inserted at a
        remove = 2,  // the entry at a removed
        move = 3,  // the entry at a moved to b (pinning and unpinning)
        clear = 4,  // every entry removed
    };
    Op op = Op::insert;
    qint32 a = 0;
    qint32 b = 0;
    /// The number of pinned entries after the change.
    qint64 pinCount = 0;
    quint64 device = 0;
    /// When the change was made, in milliseconds since 1970 (UTC).
    qint64 time = 0;
    QString text;
};

inline constexpr quint16 kJournalVersion = 1;
inline constexpr int kJournalHeaderSize = 32;

QByteArray encodeJournalHeader(quint64 device, const JournalBase &base);
QByteArray encodeJournalRecord(const JournalRecord &record);

/// What reading a journal found.
struct JournalRead {
    enum class Status {
        missing,  // no journal
        empty,  // nothing, or a header cut short: no changes
        read,  // a header and the records that could be read
        unreadable,  // not a journal of this program, or of a later version
    };
    Status status = Status::missing;
    JournalBase base;
    quint64 device = 0;
    QList<JournalRecord> records;
    /// The last record was cut short (the program ended while appending it) and was left out.
    bool tornTail = false;
    /// Why reading stopped before the end, when it did for another reason than a torn last record.
    QString damage;

    /// True when it holds changes to replay.
    bool hasChanges() const { return status == Status::read && !records.isEmpty(); }
};
JournalRead readJournal(const QString &path);

/// Applies one change to the entries; false (nothing changed) when it does not fit them.
bool applyJournalRecord(const JournalRecord &record, EntryList &items, std::int64_t &pinCount);

/// What applying a journal to the entries read from its history file did.
struct JournalReplay {
    enum class Outcome {
        none,  // no journal, or one without changes
        applied,  // its changes up to the first damage, if any, were applied
        unreadable,  // not a journal that can be read (damage says why): nothing applied
        unmatched,  // written for another version of the history file: nothing applied
    };
    Outcome outcome = Outcome::none;
    qsizetype applied = 0;
    bool tornTail = false;
    /// Why the changes after the applied ones were left out (other than a torn last record).
    QString damage;
};
/// Applies the journal beside the history file at historyPath to the entries read from it. Nothing is written.
JournalReplay replayJournal(const QString &historyPath, EntryList &items, std::int64_t &pinCount);
/// The same with the journal already read; historyChecksum is that of the history file's bytes the entries were read
/// from, when known, otherwise the file is read again for it.
JournalReplay replayJournal(const JournalRead &journal, const QString &historyPath, EntryList &items,
                            std::int64_t &pinCount, const std::optional<FileChecksum> &historyChecksum);

// The journal file as the writer thread sees it. The GUI thread adds encoded records; the writer thread appends them
// (appendPending) or starts the journal over after the history file was written whole (restart). Records are kept
// until a rewrite of the history file holds them, so that a restart can carry those it does not hold.
class JournalFile {
public:
    JournalFile(QString path, quint64 device);

    QString path() const;
    void setPath(const QString &path);

    /// Adds the record of change number change (GUI thread).
    void add(quint64 change, const QByteArray &record);
    /// Appends the records not written yet and syncs them; a journal that does not belong to the history file at
    /// historyPath is started over first. False with the reason on failure, the file then as it was.
    bool appendPending(const QString &historyPath, QString *error);
    /// Starts the journal over for a history file just written whole (base) holding changes up to folded; the records
    /// of later changes go into the new journal.
    bool restart(const JournalBase &base, quint64 folded, QString *error);
    /// Bytes and records in the journal file, header aside, written or not.
    qint64 size() const;
    qsizetype recordCount() const;

private:
    struct Chunk {
        quint64 change = 0;
        QByteArray bytes;
        bool written = false;
    };
    bool startOver(const JournalBase &base, const QByteArray &records, QString *error);

    mutable std::mutex m_mutex;
    QString m_path;
    const quint64 m_device;
    std::deque<Chunk> m_chunks;
    // Whether the file at m_path is known to start with a header for the history file as it is on disk.
    bool m_verified = false;
};

}  // namespace tavrin
