#pragma once

#include "platform/FileIcons.h"

#include <QList>

namespace tavrin {

// No icons; records which paths were asked for, so tests see that only drawn rows ask.
class FakeFileIcons final : public FileIcons {
public:
    QIcon iconForFile(const QString &path) const override
    {
        iconRequests.append(path);
        return {};
    }

    mutable QList<QString> iconRequests;
};

}  // namespace tavrin
