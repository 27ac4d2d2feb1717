// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/SystemInfo.h"

namespace tavrin {

// A settable appearance, so tests reach both.
class FakeSystemInfo final : public SystemInfo {
public:
    QString interfaceStyle() const override { return style; }

    QString style;
};

}  // namespace tavrin
