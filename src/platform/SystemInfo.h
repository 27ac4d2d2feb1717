#pragma once

#include <QString>

namespace tavrin {

struct OsVersion {
    int major = 0;
    int minor = 0;
    int patch = 0;
};

// Facts about the running system that decide which features are offered.
class SystemInfo {
public:
    SystemInfo() = default;
    SystemInfo(const SystemInfo &) = delete;
    SystemInfo &operator=(const SystemInfo &) = delete;
    virtual ~SystemInfo() = default;

    /// The system version in the numbering the behaviour's version checks use.
    virtual OsVersion osVersion() const = 0;
    /// "Dark" while the dark appearance is in use, otherwise empty.
    virtual QString interfaceStyle() const = 0;

    /// True when the system version is major.minor or later.
    bool isAtLeast(int major, int minor) const
    {
        const OsVersion v = osVersion();
        return v.major > major || (v.major == major && v.minor >= minor);
    }
};

}  // namespace tavrin
