#pragma once

#include "platform/SystemInfo.h"

namespace tavrin {

// Settable system facts, so tests reach the branches for old systems and both appearances.
class FakeSystemInfo final : public SystemInfo {
public:
    OsVersion osVersion() const override { return version; }
    QString interfaceStyle() const override { return style; }

    OsVersion version{14, 0, 0};
    QString style;
};

}  // namespace tavrin
