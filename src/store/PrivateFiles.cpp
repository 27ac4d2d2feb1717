// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/PrivateFiles.h"

#include "store/StoreLog.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>

namespace tavrin {

namespace {

constexpr mode_t kPermissionBits = 07777;

// Sets the mode when it differs; each change is logged, and so is a change that is refused (another user's file).
bool setMode(const QString &path, const struct stat &status, mode_t mode)
{
    const mode_t before = status.st_mode & kPermissionBits;
    if (before == mode)
        return false;
    if (::chmod(QFile::encodeName(path).constData(), mode) != 0) {
        qCWarning(lcStore, "%s keeps mode %04o: it cannot be made %04o: %s", qPrintable(path), unsigned(before),
                  unsigned(mode), std::strerror(errno));
        return false;
    }
    qCInfo(lcStore, "%s had mode %04o and is now %04o: only you can read it", qPrintable(path), unsigned(before),
           unsigned(mode));
    return true;
}

}  // namespace

bool makeFilePrivate(const QString &path)
{
    struct stat status {};
    if (path.isEmpty() || ::lstat(QFile::encodeName(path).constData(), &status) != 0 || !S_ISREG(status.st_mode))
        return false;
    return setMode(path, status, S_IRUSR | S_IWUSR);
}

QStringList makeFolderPrivate(const QString &folder)
{
    QStringList changed;
    struct stat status {};
    if (folder.isEmpty() || ::stat(QFile::encodeName(folder).constData(), &status) != 0 || !S_ISDIR(status.st_mode))
        return changed;
    // The folder first: once it is closed, nobody else can swap a file in it for a link while the files are done.
    if (setMode(folder, status, S_IRWXU))
        changed.append(folder);
    const QDir dir(folder);
    for (const QString &name : dir.entryList(QDir::Files | QDir::Hidden | QDir::NoSymLinks)) {
        const QString path = dir.filePath(name);
        if (makeFilePrivate(path))
            changed.append(path);
    }
    return changed;
}

}  // namespace tavrin
