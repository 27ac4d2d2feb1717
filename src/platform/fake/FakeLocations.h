// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/StandardLocations.h"

#include <QTemporaryDir>

namespace tavrin {

// The program's folders inside a temporary folder of this object's own, removed with it: every test that uses the
// fake platform has files of its own and never touches the user's.
class FakeLocations final : public StandardLocations {
public:
    QString configDirectory() const override { return m_root.path() + QStringLiteral("/config/tavrin"); }
    QString dataDirectory() const override { return m_root.path() + QStringLiteral("/data/tavrin"); }
    /// The temporary folder that holds both.
    QString root() const { return m_root.path(); }

private:
    QTemporaryDir m_root;
};

}  // namespace tavrin
