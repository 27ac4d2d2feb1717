#include "store/StringListFiles.h"

#include "store/AtomicFile.h"
#include "store/PropertyListCodec.h"
#include "store/StoreLog.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIODevice>

namespace tavrin {

namespace {

ListFileRead damaged(const QString &reason)
{
    return ListFileRead{ListFileRead::Status::damaged, {}, reason};
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

ListFileRead readListFile(const QString &path, qint64 maxSize)
{
    const QFileInfo info(path);
    if (!info.exists())
        return {};
    if (info.isDir())
        return damaged(QStringLiteral("it is a folder"));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return damaged(file.errorString());
    // Checked on the open file, so that nothing larger is ever read.
    if (file.size() > maxSize)
        return damaged(
            QStringLiteral("it holds %1 bytes, more than the %2 a list file may have").arg(file.size()).arg(maxSize));
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return damaged(file.errorString());
    std::optional<QStringList> strings = plist::parseStringArray(bytes);
    if (!strings)
        return damaged(QStringLiteral("it is not a property list of strings"));
    return ListFileRead{ListFileRead::Status::read, std::move(*strings), {}};
}

QStringList readStringListAtPath(const QString &path)
{
    return readListFile(path).strings;
}

bool writeStringListAtPath(const QString &path, const QStringList &strings, QString *error)
{
    // A folder that went missing (or a remembered path elsewhere) would otherwise fail every later write.
    ensurePrivateDirectory(QFileInfo(path).absolutePath());
    return writeFileAtomically(
        path,
        [&strings](QIODevice &device) {
            return plist::writeStringArray(
                strings, [&device](const QByteArray &chunk) { return device.write(chunk) == chunk.size(); });
        },
        error);
}

ListFolder::ListFolder(const QString &directory, qint64 maxFileSize)
    : m_directory(directory), m_maxFileSize(maxFileSize)
{
}

QString ListFolder::pathFor(const QString &name) const
{
    return m_directory + QLatin1Char('/') + name + QStringLiteral(".plist");
}

ListFileRead ListFolder::read(const QString &path)
{
    ListFileRead result = readListFile(path, m_maxFileSize);
    const bool isDamaged = result.status == ListFileRead::Status::damaged;
    remember(path, isDamaged ? Knowledge::damaged : Knowledge::known);
    if (isDamaged)
        qCWarning(lcStore).noquote() << "cannot read" << path << QStringLiteral("(%1);").arg(result.reason)
                                     << "it reads as empty and is kept aside before anything replaces it";
    return result;
}

bool ListFolder::write(const QString &path, const QStringList &strings, QString *error)
{
    if (!clearTheWay(path, error))
        return false;
    if (!writeStringListAtPath(path, strings, error))
        return false;
    remember(path, Knowledge::known);
    return true;
}

bool ListFolder::remove(const QString &path, QString *error)
{
    std::lock_guard lock(m_mutex);
    const QFileInfo info(path);
    if (!info.exists())
        return true;
    if (info.isDir()) {
        setError(error, QStringLiteral("it is a folder"));
        return false;
    }
    const QString key = keyFor(path);
    Knowledge knowledge = m_knowledge.value(key, Knowledge::unknown);
    if (knowledge == Knowledge::unknown) {
        const bool readable = readListFile(path, m_maxFileSize).status != ListFileRead::Status::damaged;
        knowledge = readable ? Knowledge::known : Knowledge::damaged;
    }
    m_knowledge.remove(key);
    if (knowledge == Knowledge::damaged) {
        QString reason;
        const QString aside = moveAside(path, QStringLiteral("damaged"), &reason);
        if (aside.isEmpty()) {
            setError(error, reason);
            qCWarning(lcStore).noquote() << "cannot move" << path << "aside:" << reason;
            return false;
        }
        qCInfo(lcStore).noquote() << "kept" << path << "as" << aside << "instead of removing it";
        return true;
    }
    QFile file(path);
    if (!file.remove()) {
        setError(error, file.errorString());
        qCWarning(lcStore).noquote() << "cannot remove" << path << ":" << file.errorString();
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

void ListFolder::remember(const QString &path, Knowledge knowledge)
{
    std::lock_guard lock(m_mutex);
    m_knowledge.insert(keyFor(path), knowledge);
}

bool ListFolder::clearTheWay(const QString &path, QString *error)
{
    std::lock_guard lock(m_mutex);
    const QString key = keyFor(path);
    const Knowledge knowledge = m_knowledge.value(key, Knowledge::unknown);
    const QFileInfo info(path);
    // A folder in the way is never moved: the write fails and says so.
    if (knowledge == Knowledge::known || !info.exists() || info.isDir())
        return true;
    const QString label = knowledge == Knowledge::damaged ? QStringLiteral("damaged") : QStringLiteral("replaced");
    QString reason;
    const QString aside = moveAside(path, label, &reason);
    if (aside.isEmpty()) {
        setError(error, QStringLiteral("the file there cannot be moved aside (%1)").arg(reason));
        return false;
    }
    qCWarning(lcStore).noquote() << "kept" << path << "as" << aside << "before replacing it";
    m_knowledge.insert(key, Knowledge::known);
    return true;
}

}  // namespace tavrin
