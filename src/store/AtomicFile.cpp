#include "store/AtomicFile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tavrin {

namespace {

void syncDirectory(const QString &directory)
{
    const int fd = ::open(QFile::encodeName(directory).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

void setError(QString *error, const QString &reason)
{
    if (error)
        *error = reason;
}

}  // namespace

bool writeFileAtomically(const QString &path, const QByteArray &data, QString *error)
{
    return writeFileAtomically(
        path, [&data](QIODevice &device) { return device.write(data) == data.size(); }, error);
}

bool writeFileAtomically(const QString &path, const std::function<bool(QIODevice &)> &produce, QString *error)
{
    if (path.isEmpty()) {
        setError(error, QStringLiteral("no file name"));
        return false;
    }
    if (QFileInfo(path).isDir()) {
        // QSaveFile would report only that it cannot open a temporary file.
        setError(error, QStringLiteral("it is a folder"));
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        setError(error, file.errorString());
        return false;
    }
    // The temporary file becomes the target, so its mode is the file's mode.
    if (::fchmod(file.handle(), S_IRUSR | S_IWUSR) != 0) {
        setError(error, QString::fromLocal8Bit(std::strerror(errno)));
        file.cancelWriting();
        return false;
    }
    if (!produce(file)) {
        setError(error, file.errorString().isEmpty() ? QStringLiteral("the content could not be written")
                                                     : file.errorString());
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        setError(error, file.errorString());
        return false;
    }
    syncDirectory(QFileInfo(path).absolutePath());
    return true;
}

QString moveAside(const QString &path, const QString &label, QString *error)
{
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    const QString base = path + QLatin1Char('.') + label + QLatin1Char('-') + stamp;
    QString target = base;
    for (int n = 1; QFileInfo::exists(target); ++n)
        target = base + QLatin1Char('-') + QString::number(n);
    QFile file(path);
    if (!file.rename(target)) {
        setError(error, file.errorString());
        return QString();
    }
    syncDirectory(QFileInfo(path).absolutePath());
    return target;
}

bool ensurePrivateDirectory(const QString &path)
{
    if (path.isEmpty())
        return false;
    if (QFileInfo(path).isDir())
        return true;
    if (!QDir().mkpath(path))
        return false;
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return true;
}

}  // namespace tavrin
