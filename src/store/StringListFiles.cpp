// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/StringListFiles.h"

#include "store/AtomicFile.h"
#include "store/FastStringArrayReader.h"
#include "store/PropertyListCodec.h"
#include "store/StoreLog.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIODevice>

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace tavrin {

namespace {

ListFileRead damaged(const QString &reason)
{
    return ListFileRead{ListFileRead::Status::damaged, {}, reason, {}, {}};
}

bool writeList(const QString &path, const EntryList &strings, QString *error, FileChecksum *written = nullptr)
{
    FileChecksum checksum;
    const bool ok = writeFileAtomically(
        path,
        [&strings, &checksum](QIODevice &device) {
            return plist::writeStringArray(strings, [&device, &checksum](const QByteArray &chunk) {
                checksum.checksum = crc32(chunk.constData(), chunk.size(), checksum.checksum);
                checksum.size += chunk.size();
                return device.write(chunk) == chunk.size();
            });
        },
        error);
    if (ok && written)
        *written = checksum;
    return ok;
}

QString keyFor(const QString &path)
{
    return QFileInfo(path).absoluteFilePath();
}

void setError(QString *error, const QString &reason)
{
    if (error)
        *error = reason;
}

}  // namespace

ListFileRead readListFile(const QString &path, qint64 maxSize, bool withChecksum)
{
    const OpenedFile opened = openFileForReading(path, maxSize);
    // A long list file in our own form is read straight from the file, so that its bytes are never all in memory
    // beside the entries; anything else is read whole.
    if (opened.status == FileContent::Status::read && opened.size >= plist::kMinPieceBytes) {
        FileChecksum checksum;
        std::optional<EntryList> strings =
            plist::readStringArrayFile(opened.fd, opened.size, plist::kMinPieceBytes, 0, plist::kChunkBytes, nullptr,
                                       withChecksum ? &checksum : nullptr);
        if (strings) {
            ::close(opened.fd);
            ListFileRead read{ListFileRead::Status::read, std::move(*strings), {}, {}, {}};
            if (withChecksum)
                read.checksum = checksum;
            return read;
        }
    }
    const FileContent file = readOpenedFile(opened, maxSize);
    if (file.status == FileContent::Status::missing)
        return {};
    if (file.status == FileContent::Status::failed)
        return damaged(file.error);
    const QByteArray &bytes = file.bytes;
    if (std::optional<EntryList> strings = plist::parseStringArray(bytes)) {
        ListFileRead read{ListFileRead::Status::read, std::move(*strings), {}, {}, {}};
        if (withChecksum)
            read.checksum = FileChecksum{bytes.size(), crc32(bytes.constData(), bytes.size())};
        return read;
    }
    // A well-formed list of something else is another program's: nothing of it is taken.
    if (plist::parse(bytes))
        return damaged(QStringLiteral("it is not a property list of strings"));
    std::optional<plist::SalvagedStrings> salvaged = plist::salvageStringArray(bytes);
    if (!salvaged || salvaged->strings.isEmpty())
        return damaged(QStringLiteral("it is not a property list of strings"));
    const qsizetype readable = salvaged->strings.size();
    return ListFileRead{ListFileRead::Status::partlyRead,
                        EntryList(salvaged->strings),
                        readable == 1 ? QStringLiteral("it is damaged; 1 entry could still be read")
                                      : QStringLiteral("it is damaged; %1 entries could still be read").arg(readable),
                        std::move(salvaged->problems),
                        {}};
}

QStringList readStringListAtPath(const QString &path)
{
    return readListFile(path).strings.toStringList();
}

bool writeStringListAtPath(const QString &path, const EntryList &strings, QString *error)
{
    ensurePrivateDirectory(QFileInfo(path).absolutePath());
    return writeList(path, strings, error);
}

ListFolder::ListFolder(const QString &directory, qint64 maxFileSize, QObject *parent)
    : QObject(parent), m_directory(directory), m_maxFileSize(maxFileSize)
{
}

QString ListFolder::pathFor(const QString &name) const
{
    return m_directory + QLatin1Char('/') + name + QStringLiteral(".plist");
}

ListFileRead ListFolder::read(const QString &path, bool withChecksum)
{
    ListFileRead result = readListFile(path, m_maxFileSize, withChecksum);
    remember(path, result.isDamaged() ? Knowledge::damaged : Knowledge::known, result.reason);
    if (result.status == ListFileRead::Status::damaged) {
        qCWarning(lcStore).noquote() << "cannot read" << path << QStringLiteral("(%1);").arg(result.reason)
                                     << "it reads as empty and is kept aside before anything replaces it";
    } else if (result.status == ListFileRead::Status::partlyRead) {
        qCWarning(lcStore).noquote() << "cannot read all of" << path << QStringLiteral("(%1);").arg(result.reason)
                                     << "it is kept aside before anything replaces it";
        // A file damaged throughout could name a problem per entry; the first ones say what happened.
        constexpr qsizetype kProblemsLogged = 20;
        for (const QString &problem : result.problems.first(std::min(result.problems.size(), kProblemsLogged)))
            qCWarning(lcStore).noquote() << " " << problem;
        if (result.problems.size() > kProblemsLogged)
            qCWarning(lcStore).noquote() << " " << result.problems.size() - kProblemsLogged << "more problems";
    }
    return result;
}

bool ListFolder::write(const QString &path, const EntryList &strings, QString *error, FileChecksum *written)
{
    if (!clearTheWay(path, error))
        return false;
    // The data folder is ours to create; any other folder is never made because a path names it.
    if (QFileInfo(path).absolutePath() == QFileInfo(m_directory).absoluteFilePath())
        ensurePrivateDirectory(m_directory);
    if (!writeList(path, strings, error, written))
        return false;
    remember(path, Knowledge::known);
    bool tidy = false;
    {
        std::lock_guard lock(m_mutex);
        tidy = !m_tidied.contains(keyFor(path));
        m_tidied.insert(keyFor(path));
    }
    if (tidy)
        removeLeftoverTemporaries(path);
    return true;
}

bool ListFolder::remove(const QString &path, QString *error)
{
    std::unique_lock lock(m_mutex);
    struct stat st {};
    if (::lstat(QFile::encodeName(path).constData(), &st) != 0)
        return true;
    const QString key = keyFor(path);
    Known known = m_knowledge.value(key);
    if (known.knowledge == Knowledge::unknown || !whyNotARegularFile(path).isEmpty()) {
        const ListFileRead read = readListFile(path, m_maxFileSize);
        known = Known{read.isDamaged() ? Knowledge::damaged : Knowledge::known, read.reason};
    }
    m_knowledge.remove(key);
    if (known.knowledge == Knowledge::damaged) {
        QString reason;
        const QString aside = moveAside(path, QStringLiteral("damaged"), &reason);
        if (aside.isEmpty()) {
            setError(error, reason);
            qCWarning(lcStore).noquote() << "cannot move" << path << "aside:" << reason;
            return false;
        }
        qCWarning(lcStore).noquote() << "kept" << path << "as" << aside << "instead of removing it";
        lock.unlock();
        Q_EMIT keptAside(path, aside, known.reason);
        return true;
    }
    if (::unlink(QFile::encodeName(path).constData()) != 0) {
        const QString reason = systemErrorText(errno);
        setError(error, reason);
        qCWarning(lcStore).noquote() << "cannot remove" << path << ":" << reason;
        return false;
    }
    return true;
}

QStringList ListFolder::listNames() const
{
    const QString suffix = QStringLiteral(".plist");
    QStringList names;
    // Hidden files too: a group may have an empty name, whose file is ".plist".
    const QStringList files = QDir(m_directory).entryList({QLatin1Char('*') + suffix}, QDir::Files | QDir::Hidden);
    for (const QString &file : files)
        names.append(file.chopped(suffix.size()));
    return names;
}

void ListFolder::remember(const QString &path, Knowledge knowledge, const QString &reason)
{
    std::lock_guard lock(m_mutex);
    m_knowledge.insert(keyFor(path), Known{knowledge, reason});
}

bool ListFolder::clearTheWay(const QString &path, QString *error)
{
    std::unique_lock lock(m_mutex);
    const QString key = keyFor(path);
    Known known = m_knowledge.value(key);
    // Anything but a file (a folder, a pipe) is in the way whatever was known of it: a write cannot replace it, and
    // what it holds is the user's.
    if (const QString why = whyNotARegularFile(path); !why.isEmpty())
        known = Known{Knowledge::damaged, why};
    else if (known.knowledge == Knowledge::known || !QFileInfo::exists(path))
        return true;
    const bool damaged = known.knowledge == Knowledge::damaged;
    QString reason;
    const QString aside = moveAside(path, damaged ? QStringLiteral("damaged") : QStringLiteral("replaced"), &reason);
    if (aside.isEmpty()) {
        setError(error, QStringLiteral("what is there (%1) cannot be moved aside: %2")
                            .arg(damaged ? known.reason : QStringLiteral("a file"), reason));
        return false;
    }
    qCWarning(lcStore).noquote() << "kept" << path << "as" << aside << "before replacing it";
    m_knowledge.insert(key, Known{Knowledge::known, {}});
    lock.unlock();
    if (damaged)
        Q_EMIT keptAside(path, aside, known.reason);
    return true;
}

}  // namespace tavrin
