// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/StandardLocations.h"

namespace tavrin {

// The XDG base directory rules: $XDG_CONFIG_HOME and $XDG_DATA_HOME when they hold absolute paths, else
// ~/.config and ~/.local/share; the program's folders are named after it inside them. Read once, at construction.
class XdgLocations final : public StandardLocations {
public:
    explicit XdgLocations(const QString &programFolder = QStringLiteral("tavrin"));

    QString configDirectory() const override { return m_config; }
    QString dataDirectory() const override { return m_data; }

private:
    QString m_config;
    QString m_data;
};

}  // namespace tavrin
