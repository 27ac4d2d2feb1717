#include "platform/qt/QtFileIcons.h"

#include <QFileInfo>

namespace tavrin {

QIcon QtFileIcons::iconForFile(const QString &path) const
{
    return m_provider.icon(QFileInfo(path));
}

}  // namespace tavrin
