#pragma once

#include "platform/FileIcons.h"

#include <QFileIconProvider>

namespace tavrin {

// File icons from the desktop's icon theme, through Qt.
class QtFileIcons final : public FileIcons {
public:
    QIcon iconForFile(const QString &path) const override;

private:
    QFileIconProvider m_provider;
};

}  // namespace tavrin
