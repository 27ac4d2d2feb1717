#include "store/StringListFiles.h"

#include "store/AtomicFile.h"
#include "store/PropertyListCodec.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIODevice>
#include <QMutex>
#include <QSet>

namespace tavrin {

namespace {

// Paths read as damaged in this process, shared by the GUI thread and the history writer.
QMutex damagedMutex;
QSet<QString> damagedPaths;

void markDamaged(const QString &path)
{
    QMutexLocker lock(&damagedMutex);
    damagedPaths.insert(QFileInfo(path).absoluteFilePath());
}

// Moves a damaged file aside before it would be replaced; false when it is still in the way.
bool clearDamaged(const QString &path)
{
    const QString key = QFileInfo(path).absoluteFilePath();
    QMutexLocker lock(&damagedMutex);
    if (!damagedPaths.contains(key))
        return true;
    if (QFileInfo::exists(path) && moveAside(path).isEmpty())
        return false;
    damagedPaths.remove(key);
    return true;
}

}  // namespace

QString documentsDirectory()
{
    QString base = qEnvironmentVariable("XDG_DATA_HOME");
    // Relative values are invalid by the XDG base directory rules and are ignored.
    if (base.isEmpty() || QDir::isRelativePath(base))
        base = QDir::homePath() + QStringLiteral("/.local/share");
    const QString directory = base + QStringLiteral("/tavrin");
    ensurePrivateDirectory(directory);
    return directory;
}

QString listFilePath(const QString &name)
{
    return documentsDirectory() + QLatin1Char('/') + name + QStringLiteral(".plist");
}

QStringList readStringList(const QString &name)
{
    return readStringListAtPath(listFilePath(name));
}

bool writeStringList(const QString &name, const QStringList &strings)
{
    return writeStringListAtPath(listFilePath(name), strings);
}

QStringList readStringListAtPath(const QString &path)
{
    QFile file(path);
    if (!file.exists())
        return {};
    if (!file.open(QIODevice::ReadOnly)) {
        markDamaged(path);
        return {};
    }
    const std::optional<QStringList> strings = plist::parseStringArray(file.readAll());
    if (!strings) {
        markDamaged(path);
        return {};
    }
    return *strings;
}

bool writeStringListAtPath(const QString &path, const QStringList &strings)
{
    if (!clearDamaged(path))
        return false;
    // A remembered path whose folder went missing would otherwise fail every later write.
    ensurePrivateDirectory(QFileInfo(path).absolutePath());
    return writeFileAtomically(path, [&strings](QIODevice &device) {
        return plist::writeStringArray(
            strings, [&device](const QByteArray &chunk) { return device.write(chunk) == chunk.size(); });
    });
}

}  // namespace tavrin
