#pragma once

#include <QIcon>
#include <QString>

namespace tavrin {

// The icons the desktop shows for files and folders (stands in for the workspace's file icons). Used by views only,
// so the layers below them stay free of GUI types.
class FileIcons {
public:
    FileIcons() = default;
    FileIcons(const FileIcons &) = delete;
    FileIcons &operator=(const FileIcons &) = delete;
    virtual ~FileIcons() = default;

    /// The icon of the file or folder at path.
    virtual QIcon iconForFile(const QString &path) const = 0;
};

}  // namespace tavrin
