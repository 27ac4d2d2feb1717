// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/QtFileIcons.h"

#include <QMimeDatabase>

namespace tavrin {

QIcon QtFileIcons::iconForFileType(const QString &type) const
{
    const auto cached = m_icons.constFind(type);
    if (cached != m_icons.constEnd())
        return *cached;
    // The icon theme's icon for the type, its generic one, or the toolkit's plain file or folder.
    const QMimeType mime = QMimeDatabase().mimeTypeForName(type);
    QIcon icon = QIcon::fromTheme(mime.iconName());
    if (icon.isNull())
        icon = QIcon::fromTheme(mime.genericIconName());
    if (icon.isNull())
        icon = m_provider.icon(type == QLatin1String("inode/directory") ? QAbstractFileIconProvider::Folder
                                                                        : QAbstractFileIconProvider::File);
    m_icons.insert(type, icon);
    return icon;
}

}  // namespace tavrin
