// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/FileIcons.h"

#include <QList>

namespace tavrin {

// No icons; records which types were asked for, so tests see that only drawn rows ask.
class FakeFileIcons final : public FileIcons {
public:
    QIcon iconForFileType(const QString &type) const override
    {
        iconRequests.append(type);
        return {};
    }

    mutable QList<QString> iconRequests;
};

}  // namespace tavrin
