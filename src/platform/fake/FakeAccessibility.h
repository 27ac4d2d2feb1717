// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Accessibility.h"

namespace tavrin {

// A settable trust answer that counts how often it was asked.
class FakeAccessibility final : public Accessibility {
public:
    bool isProcessTrusted(bool prompt) override
    {
        ++checks;
        lastPrompt = prompt;
        return trusted;
    }

    bool trusted = true;
    int checks = 0;
    bool lastPrompt = false;
};

}  // namespace tavrin
