// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/SystemInfo.h"

namespace tavrin {

// The appearance follows the application palette.
class DesktopSystemInfo final : public SystemInfo {
public:
    QString interfaceStyle() const override;
};

}  // namespace tavrin
