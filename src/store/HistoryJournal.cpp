// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/HistoryJournal.h"

#include "store/AtomicFile.h"
#include "store/PropertyListCodec.h"
#include "store/StoreLog.h"
#include "store/StringListFiles.h"

#include <QCryptographicHash>
#include <QFile>
#include <QSysInfo>
#include <QtEndian>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tavrin {

namespace {

constexpr char kMagic[4] = {'T', 'V', 'R', 'J'};
constexpr quint8 kRecordVersion = 1;
// Before the text: version, operation, 2 reserved bytes, a, b, 4 reserved bytes, pin count, device, time.
constexpr qsizetype kRecordFixedSize = 40;
// Length and checksum before each record's payload.
constexpr qsizetype kRecordPrefixSize = 8;

template <typename T> void put(QByteArray &out, T value)
{
    char bytes[sizeof(T)];
    qToLittleEndian(value, bytes);
    out.append(bytes, sizeof(T));
}

template <typename T> T get(const char *at)
{
    return qFromLittleEndian<T>(at);
}

void setError(QString *error, const QString &reason)
{
    if (error)
        *error = reason;
}

std::optional<JournalRecord> decodePayload(const char *data, qsizetype size, QString *why)
{
    if (size < kRecordFixedSize) {
        *why = QStringLiteral("it is too short");
        return std::nullopt;
    }
    if (quint8(data[0]) != kRecordVersion) {
        *why = QStringLiteral("it is of record version %1").arg(quint8(data[0]));
        return std::nullopt;
    }
    const quint8 op = quint8(data[1]);
    if (op < quint8(JournalRecord::Op::insert) || op > quint8(JournalRecord::Op::clear)) {
        *why = QStringLiteral("it names an unknown change (%1)").arg(op);
        return std::nullopt;
    }
    JournalRecord record;
    record.op = JournalRecord::Op(op);
    record.a = get<qint32>(data + 4);
    record.b = get<qint32>(data + 8);
    record.pinCount = get<qint64>(data + 16);
    record.device = get<quint64>(data + 24);
    record.time = get<qint64>(data + 32);
    record.text = plist::textFromUtf8(data + kRecordFixedSize, size - kRecordFixedSize);
    return record;
}

}  // namespace

quint64 thisDeviceId(const QString &dataFolder)
{
    // The machine id is stable for an installation; the data folder tells two users of one machine apart. It is
    // hashed so that the journal does not carry the machine id itself.
    QByteArray machine = QSysInfo::machineUniqueId();
    if (machine.isEmpty())
        machine = QSysInfo::machineHostName().toUtf8();
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(QByteArrayView("tavrin journal device\n"));
    hash.addData(machine);
    hash.addData(QByteArrayView("\n"));
    hash.addData(dataFolder.toUtf8());
    return get<quint64>(hash.result().constData());
}

QString journalPathFor(const QString &historyPath)
{
    return historyPath + QStringLiteral(".journal");
}

QByteArray encodeJournalHeader(quint64 device, const JournalBase &base)
{
    QByteArray out;
    out.reserve(kJournalHeaderSize);
    out.append(kMagic, sizeof kMagic);
    put<quint16>(out, kJournalVersion);
    put<quint16>(out, kJournalHeaderSize);
    put<quint64>(out, device);
    put<quint64>(out, quint64(base.size));
    put<quint32>(out, base.checksum);
    put<quint32>(out, crc32(out.constData(), out.size()));
    return out;
}

QByteArray encodeJournalRecord(const JournalRecord &record)
{
    const QByteArray text = plist::escapeUnencodable(record.text).toUtf8();
    QByteArray payload;
    payload.reserve(kRecordFixedSize + text.size());
    put<quint8>(payload, kRecordVersion);
    put<quint8>(payload, quint8(record.op));
    put<quint16>(payload, 0);
    put<qint32>(payload, record.a);
    put<qint32>(payload, record.b);
    put<quint32>(payload, 0);
    put<qint64>(payload, record.pinCount);
    put<quint64>(payload, record.device);
    put<qint64>(payload, record.time);
    payload.append(text);
    QByteArray out;
    out.reserve(kRecordPrefixSize + payload.size());
    put<quint32>(out, quint32(payload.size()));
    put<quint32>(out, crc32(payload.constData(), payload.size()));
    out.append(payload);
    return out;
}

JournalRead readJournal(const QString &path)
{
    JournalRead result;
    const FileContent file = readWholeFile(path, kMaxStoredFileSize);
    if (file.status == FileContent::Status::missing)
        return result;
    if (file.status == FileContent::Status::failed) {
        result.status = JournalRead::Status::unreadable;
        result.damage = file.error;
        return result;
    }
    const QByteArray &bytes = file.bytes;
    if (bytes.size() < kJournalHeaderSize) {
        // A journal being created when the program ended holds part of its header at most.
        const bool torn =
            QByteArrayView(kMagic, sizeof kMagic).startsWith(bytes.first(std::min<qsizetype>(bytes.size(), 4)));
        result.status = torn ? JournalRead::Status::empty : JournalRead::Status::unreadable;
        if (!torn)
            result.damage = QStringLiteral("it is not a journal of the history");
        return result;
    }
    const char *data = bytes.constData();
    if (QByteArrayView(data, 4) != QByteArrayView(kMagic, sizeof kMagic)) {
        result.status = JournalRead::Status::unreadable;
        result.damage = QStringLiteral("it is not a journal of the history");
        return result;
    }
    if (get<quint32>(data + 28) != crc32(data, 28)) {
        result.status = JournalRead::Status::unreadable;
        result.damage = QStringLiteral("its header is damaged");
        return result;
    }
    const quint16 version = get<quint16>(data + 4);
    const quint16 headerSize = get<quint16>(data + 6);
    if (version > kJournalVersion || headerSize < kJournalHeaderSize || headerSize > bytes.size()) {
        result.status = JournalRead::Status::unreadable;
        result.damage = QStringLiteral("it is of journal version %1, newer than this program").arg(version);
        return result;
    }
    result.status = JournalRead::Status::read;
    result.device = get<quint64>(data + 8);
    result.base = JournalBase{qint64(get<quint64>(data + 16)), get<quint32>(data + 24)};
    qsizetype at = headerSize;
    while (at < bytes.size()) {
        const qsizetype left = bytes.size() - at;
        if (left < kRecordPrefixSize) {
            result.tornTail = true;
            break;
        }
        const qsizetype length = get<quint32>(data + at);
        if (length > left - kRecordPrefixSize) {
            result.tornTail = true;
            break;
        }
        const char *payload = data + at + kRecordPrefixSize;
        if (get<quint32>(data + at + 4) != crc32(payload, length)) {
            result.damage =
                QStringLiteral("record %1 (at byte %2) has a bad checksum").arg(result.records.size() + 1).arg(at);
            break;
        }
        QString why;
        std::optional<JournalRecord> record = decodePayload(payload, length, &why);
        if (!record) {
            result.damage = QStringLiteral("record %1 (at byte %2) cannot be read: %3")
                                .arg(result.records.size() + 1)
                                .arg(at)
                                .arg(why);
            break;
        }
        result.records.append(std::move(*record));
        at += kRecordPrefixSize + length;
    }
    return result;
}

bool applyJournalRecord(const JournalRecord &record, EntryList &items, std::int64_t &pinCount)
{
    const qsizetype size = items.size();
    switch (record.op) {
    case JournalRecord::Op::insert:
        if (record.a < 0 || record.a > size || record.pinCount < 0 || record.pinCount > size + 1)
            return false;
        items.insert(record.a, record.text);
        break;
    case JournalRecord::Op::remove:
        if (record.a < 0 || record.a >= size || record.pinCount < 0 || record.pinCount > size - 1)
            return false;
        items.removeAt(record.a);
        break;
    case JournalRecord::Op::move:
        if (record.a < 0 || record.a >= size || record.b < 0 || record.b >= size || record.pinCount < 0 ||
            record.pinCount > size)
            return false;
        items.move(record.a, record.b);
        break;
    case JournalRecord::Op::clear: items.clear(); break;
    }
    pinCount = record.op == JournalRecord::Op::clear ? 0 : record.pinCount;
    return true;
}

JournalReplay replayJournal(const QString &historyPath, EntryList &items, std::int64_t &pinCount)
{
    return replayJournal(readJournal(journalPathFor(historyPath)), historyPath, items, pinCount, std::nullopt);
}

JournalReplay replayJournal(const JournalRead &journal, const QString &historyPath, EntryList &items,
                            std::int64_t &pinCount, const std::optional<FileChecksum> &historyChecksum)
{
    JournalReplay replay;
    replay.tornTail = journal.tornTail;
    replay.damage = journal.damage;
    if (journal.status == JournalRead::Status::unreadable) {
        replay.outcome = JournalReplay::Outcome::unreadable;
        return replay;
    }
    if (!journal.hasChanges())
        return replay;
    // The checksum of the bytes the entries came from, when the reader took it: reading the file again would cost
    // as much once more, and could meet another file put there in between.
    FileChecksum base = historyChecksum.value_or(FileChecksum{});
    QString error;
    if (!historyChecksum && !checksumOfFile(historyPath, &base, &error)) {
        replay.outcome = JournalReplay::Outcome::unreadable;
        replay.damage = QStringLiteral("%1 cannot be read again: %2").arg(historyPath, error);
        return replay;
    }
    if (base != journal.base) {
        replay.outcome = JournalReplay::Outcome::unmatched;
        return replay;
    }
    replay.outcome = JournalReplay::Outcome::applied;
    for (const JournalRecord &change : journal.records) {
        if (!applyJournalRecord(change, items, pinCount)) {
            replay.damage = QStringLiteral("change %1 does not fit the history").arg(replay.applied + 1);
            break;
        }
        ++replay.applied;
    }
    return replay;
}

JournalFile::JournalFile(QString path, quint64 device) : m_path(std::move(path)), m_device(device) {}

QString JournalFile::path() const
{
    std::lock_guard lock(m_mutex);
    return m_path;
}

void JournalFile::setPath(const QString &path)
{
    std::lock_guard lock(m_mutex);
    if (path == m_path)
        return;
    m_path = path;
    m_verified = false;
}

void JournalFile::add(quint64 change, const QByteArray &record)
{
    std::lock_guard lock(m_mutex);
    m_chunks.push_back(Chunk{change, record, false});
}

bool JournalFile::appendPending(const QString &historyPath, QString *error)
{
    QByteArray data;
    quint64 last = 0;
    QString path;
    bool verified = false;
    {
        std::lock_guard lock(m_mutex);
        for (const Chunk &chunk : m_chunks) {
            if (!chunk.written) {
                data.append(chunk.bytes);
                last = chunk.change;
            }
        }
        path = m_path;
        verified = m_verified;
    }
    if (data.isEmpty())
        return true;
    const auto markWritten = [this, last] {
        std::lock_guard lock(m_mutex);
        for (Chunk &chunk : m_chunks) {
            if (chunk.change <= last)
                chunk.written = true;
        }
        m_verified = true;
    };
    if (!verified) {
        // The journal left by an earlier run was either replayed and started over, or set aside; what is there now
        // is only reused when it belongs to the history file as it is on disk.
        JournalBase base;
        if (!checksumOfFile(historyPath, &base, error))
            return false;
        const JournalRead existing = readJournal(path);
        const bool fits = existing.status == JournalRead::Status::read && existing.base == base &&
                          existing.records.isEmpty() && !existing.tornTail && existing.damage.isEmpty();
        if (!fits) {
            if (!existing.records.isEmpty() || existing.status == JournalRead::Status::unreadable) {
                const QString aside = moveAside(path, QStringLiteral("unmatched"));
                qCWarning(lcStore).noquote()
                    << "kept the journal" << path << "as" << aside << "before starting it over";
            }
            if (!startOver(base, data, error))
                return false;
            markWritten();
            return true;
        }
    }
    const QByteArray encoded = QFile::encodeName(path);
    const int fd = ::open(encoded.constData(), O_WRONLY | O_APPEND | O_CLOEXEC);
    if (fd < 0) {
        setError(error, systemErrorText(errno));
        std::lock_guard lock(m_mutex);
        m_verified = false;  // gone: started over at the next append
        return false;
    }
    struct stat st {};
    ::fstat(fd, &st);
    qsizetype done = 0;
    int failure = 0;
    while (done < data.size()) {
        const ssize_t written = ::write(fd, data.constData() + done, size_t(data.size() - done));
        if (written < 0 && errno == EINTR)
            continue;
        if (written < 0) {
            failure = errno;
            break;
        }
        done += written;
    }
    if (failure == 0 && ::fdatasync(fd) != 0)
        failure = errno;
    if (failure != 0) {
        // A part of a record left at the end would be read as torn, and so would everything appended after it.
        if (::ftruncate(fd, st.st_size) != 0)
            qCWarning(lcStore).noquote() << "cannot cut" << path << "back to its last whole record";
        ::close(fd);
        setError(error, systemErrorText(failure));
        return false;
    }
    ::close(fd);
    markWritten();
    return true;
}

bool JournalFile::restart(const JournalBase &base, quint64 folded, QString *error)
{
    QByteArray data;
    quint64 last = 0;
    {
        std::lock_guard lock(m_mutex);
        while (!m_chunks.empty() && m_chunks.front().change <= folded)
            m_chunks.pop_front();
        for (const Chunk &chunk : m_chunks) {
            data.append(chunk.bytes);
            last = chunk.change;
        }
    }
    if (!startOver(base, data, error)) {
        std::lock_guard lock(m_mutex);
        m_verified = false;
        return false;
    }
    std::lock_guard lock(m_mutex);
    for (Chunk &chunk : m_chunks) {
        if (chunk.change <= last)
            chunk.written = true;
    }
    m_verified = true;
    return true;
}

bool JournalFile::startOver(const JournalBase &base, const QByteArray &records, QString *error)
{
    return writeFileAtomically(path(), encodeJournalHeader(m_device, base) + records, error);
}

qint64 JournalFile::size() const
{
    std::lock_guard lock(m_mutex);
    qint64 bytes = 0;
    for (const Chunk &chunk : m_chunks)
        bytes += chunk.bytes.size();
    return bytes;
}

qsizetype JournalFile::recordCount() const
{
    std::lock_guard lock(m_mutex);
    return qsizetype(m_chunks.size());
}

}  // namespace tavrin
