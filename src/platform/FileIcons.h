// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QString>

namespace tavrin {

// The icons the desktop shows for files and folders, from the icon theme. Used by views only,
// so the layers below them stay free of GUI types.
class FileIcons {
public:
    FileIcons() = default;
    FileIcons(const FileIcons &) = delete;
    FileIcons &operator=(const FileIcons &) = delete;
    virtual ~FileIcons() = default;

    /// The icon for files of a MIME type ("inode/directory" for folders). Looks at no file, so a view may ask while
    /// it draws.
    virtual QIcon iconForFileType(const QString &type) const = 0;
};

}  // namespace tavrin
