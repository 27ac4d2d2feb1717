// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/FileIcons.h"

#include <QFileIconProvider>
#include <QHash>

namespace tavrin {

// File icons from the desktop's icon theme, through Qt: one per type, made once.
class QtFileIcons final : public FileIcons {
public:
    QIcon iconForFileType(const QString &type) const override;

private:
    QFileIconProvider m_provider;
    mutable QHash<QString, QIcon> m_icons;
};

}  // namespace tavrin
