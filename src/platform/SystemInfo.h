// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace tavrin {

// Facts about the running desktop that decide how the program looks.
class SystemInfo {
public:
    SystemInfo() = default;
    SystemInfo(const SystemInfo &) = delete;
    SystemInfo &operator=(const SystemInfo &) = delete;
    virtual ~SystemInfo() = default;

    /// "Dark" while the dark appearance is in use, otherwise empty.
    virtual QString interfaceStyle() const = 0;
};

}  // namespace tavrin
