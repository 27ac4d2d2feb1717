// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace tavrin {

// What the user copied is theirs alone: the files that hold it are made private at every start, whoever created
// them and whatever the umask was then.

/// Makes the folder 0700 and each regular file directly in it 0600; subfolders and symbolic links are left as they
/// are, and so is a folder that does not exist. Returns the paths whose mode changed.
QStringList makeFolderPrivate(const QString &folder);
/// Makes a regular file 0600 (not a symbolic link's target); true when its mode changed.
bool makeFilePrivate(const QString &path);

}  // namespace tavrin
