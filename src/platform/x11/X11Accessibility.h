// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Accessibility.h"

namespace tavrin {

// On X11 nothing needs granting: synthetic key events reach other windows when the display offers XTEST.
class X11Accessibility final : public Accessibility {
public:
    X11Accessibility();

    bool isProcessTrusted(bool prompt) override;

private:
    bool m_xtest = false;
};

}  // namespace tavrin
