#pragma once

#include "platform/SystemInfo.h"

namespace tavrin {

// A current desktop: every version-gated feature is on; the appearance follows the application palette.
class DesktopSystemInfo final : public SystemInfo {
public:
    OsVersion osVersion() const override;
    QString interfaceStyle() const override;
};

}  // namespace tavrin
