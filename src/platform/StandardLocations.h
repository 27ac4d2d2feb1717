// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace tavrin {

// Where the program keeps its settings and its data.
class StandardLocations {
public:
    StandardLocations() = default;
    StandardLocations(const StandardLocations &) = delete;
    StandardLocations &operator=(const StandardLocations &) = delete;
    virtual ~StandardLocations() = default;

    /// The program's own folder for its settings; an absolute path, which may not exist yet.
    virtual QString configDirectory() const = 0;
    /// The program's own folder for its data (history, groups); an absolute path, which may not exist yet.
    virtual QString dataDirectory() const = 0;
};

}  // namespace tavrin
