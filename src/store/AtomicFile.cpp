// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/AtomicFile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIODevice>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tavrin {

namespace {

// Temporary files are "<file>.saving-XXXXXX" beside the file they become.
const QString kTemporaryInfix = QStringLiteral(".saving-");

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

// A file descriptor as a device: writes go straight to the file, and a failed one keeps the system's reason, which
// QFile and QSaveFile often lose ("Unknown error").
class DescriptorDevice final : public QIODevice {
public:
    explicit DescriptorDevice(int fd) : m_fd(fd) { open(QIODevice::WriteOnly | QIODevice::Unbuffered); }

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *data, qint64 size) override
    {
        qint64 done = 0;
        while (done < size) {
            const ssize_t written = ::write(m_fd, data + done, size_t(size - done));
            if (written < 0 && errno == EINTR)
                continue;
            if (written < 0) {
                setErrorString(systemErrorText(errno));
                return done > 0 ? done : -1;
            }
            done += written;
        }
        return done;
    }

private:
    int m_fd;
};

// The file a write of path replaces: what a link (or a chain of them) points to, else path itself.
QString writeTarget(const QString &path)
{
    QFileInfo info(path);
    for (int depth = 0; depth < 40 && info.isSymLink(); ++depth)
        info.setFile(info.symLinkTarget());
    return info.isSymLink() ? path : info.filePath();
}

}  // namespace

QString systemErrorText(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

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
    const QString target = writeTarget(path);
    if (const QString why = whyNotARegularFile(target); !why.isEmpty()) {
        setError(error, why);
        return false;
    }
    QByteArray temporary = QFile::encodeName(target + kTemporaryInfix) + "XXXXXX";
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0) {
        setError(error, systemErrorText(errno));
        return false;
    }
    auto fail = [&](const QString &reason, bool open) {
        if (open)
            ::close(fd);
        ::unlink(temporary.constData());
        setError(error, reason);
        return false;
    };
    // The temporary file becomes the target, so its mode is the file's mode.
    if (::fchmod(fd, S_IRUSR | S_IWUSR) != 0)
        return fail(systemErrorText(errno), true);
    {
        DescriptorDevice device(fd);
        if (!produce(device)) {
            const QString reason = device.errorString();
            // QIODevice's default text when nothing failed in the device itself.
            const bool deviceFailed = !reason.isEmpty() && reason != QStringLiteral("Unknown error");
            return fail(deviceFailed ? reason : QStringLiteral("the content could not be written"), true);
        }
    }
    if (::fsync(fd) != 0)
        return fail(systemErrorText(errno), true);
    if (::close(fd) != 0)
        return fail(systemErrorText(errno), false);
    if (::rename(temporary.constData(), QFile::encodeName(target).constData()) != 0)
        return fail(systemErrorText(errno), false);
    syncDirectory(QFileInfo(target).absolutePath());
    return true;
}

namespace {

QString tooLargeReason(qint64 size, qint64 maxSize)
{
    return QStringLiteral("it holds %1 bytes, more than the %2 such a file may have").arg(size).arg(maxSize);
}

}  // namespace

OpenedFile openFileForReading(const QString &path, qint64 maxSize)
{
    auto failed = [](const QString &reason) { return OpenedFile{FileContent::Status::failed, -1, 0, reason}; };
    const QByteArray native = QFile::encodeName(path);
    struct stat st {};
    if (::stat(native.constData(), &st) != 0) {
        if (errno == ENOENT || errno == ENOTDIR)
            return {};
        return failed(systemErrorText(errno));
    }
    // A pipe would hold the reader forever and a device may never end: only regular files are opened.
    if (const QString why = whyNotARegularFile(path); !why.isEmpty())
        return failed(why);
    const int fd = ::open(native.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return failed(systemErrorText(errno));
    const auto closeAndFail = [fd, &failed](const QString &reason) {
        ::close(fd);
        return failed(reason);
    };
    // Checked on the open file, so that nothing larger is ever read.
    if (::fstat(fd, &st) != 0)
        return closeAndFail(systemErrorText(errno));
    if (!S_ISREG(st.st_mode))
        return closeAndFail(QStringLiteral("it is not a regular file"));
    if (st.st_size > maxSize)
        return closeAndFail(tooLargeReason(st.st_size, maxSize));
    return OpenedFile{FileContent::Status::read, fd, qint64(st.st_size), {}};
}

FileContent readOpenedFile(const OpenedFile &file, qint64 maxSize)
{
    if (file.status != FileContent::Status::read)
        return FileContent{file.status, {}, file.error};
    const auto closeAndFail = [&file](const QString &reason) {
        ::close(file.fd);
        return FileContent{FileContent::Status::failed, {}, reason};
    };
    QByteArray bytes;
    bytes.reserve(qsizetype(file.size));
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(file.fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return closeAndFail(systemErrorText(errno));
        if (got == 0)
            break;
        if (bytes.size() + got > maxSize)
            return closeAndFail(tooLargeReason(bytes.size() + got, maxSize));
        bytes.append(buffer, got);
    }
    ::close(file.fd);
    return FileContent{FileContent::Status::read, std::move(bytes), {}};
}

FileContent readWholeFile(const QString &path, qint64 maxSize)
{
    return readOpenedFile(openFileForReading(path, maxSize), maxSize);
}

QString moveAside(const QString &path, const QString &label, QString *error)
{
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    const QString base = path + QLatin1Char('.') + label + QLatin1Char('-') + stamp;
    QString target = base;
    struct stat st {};
    for (int n = 1; ::lstat(QFile::encodeName(target).constData(), &st) == 0; ++n)
        target = base + QLatin1Char('-') + QString::number(n);
    // rename(2) itself: QFile::rename falls back to copying, which would not keep a folder or a link as it is.
    if (::rename(QFile::encodeName(path).constData(), QFile::encodeName(target).constData()) != 0) {
        setError(error, systemErrorText(errno));
        return QString();
    }
    syncDirectory(QFileInfo(path).absolutePath());
    return target;
}

void removeLeftoverTemporaries(const QString &path)
{
    const QFileInfo info(writeTarget(path));
    const QString prefix = info.fileName() + kTemporaryInfix;
    const QFileInfoList found =
        QDir(info.absolutePath()).entryInfoList({prefix + QStringLiteral("??????")}, QDir::Files | QDir::Hidden);
    for (const QFileInfo &leftover : found) {
        if (!leftover.isSymLink())
            QFile::remove(leftover.absoluteFilePath());
    }
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

QString whyFolderIsUnwritable(const QString &path)
{
    const QString folder = QFileInfo(path).absolutePath();
    const QByteArray native = QFile::encodeName(folder);
    struct stat st {};
    if (::stat(native.constData(), &st) != 0)
        return errno == ENOENT ? QStringLiteral("its folder %1 does not exist").arg(folder)
                               : QStringLiteral("its folder %1 cannot be used: %2").arg(folder, systemErrorText(errno));
    if (!S_ISDIR(st.st_mode))
        return QStringLiteral("%1 is not a folder").arg(folder);
    if (::access(native.constData(), W_OK | X_OK) != 0)
        return QStringLiteral("its folder %1 cannot be written: %2").arg(folder, systemErrorText(errno));
    return QString();
}

QString whyNotARegularFile(const QString &path)
{
    struct stat st {};
    const QByteArray native = QFile::encodeName(path);
    if (::lstat(native.constData(), &st) != 0)
        return QString();
    // A link to nothing holds nothing: a write creates the file it points to.
    if (S_ISLNK(st.st_mode) && ::stat(native.constData(), &st) != 0)
        return QString();
    if (S_ISREG(st.st_mode))
        return QString();
    if (S_ISDIR(st.st_mode))
        return QStringLiteral("it is a folder");
    if (S_ISFIFO(st.st_mode))
        return QStringLiteral("it is a named pipe");
    if (S_ISSOCK(st.st_mode))
        return QStringLiteral("it is a socket");
    return QStringLiteral("it is a device");
}

}  // namespace tavrin
