// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/KeyEventPoster.h"

#include <QList>

namespace tavrin {

// Records the keys that would have been typed.
class FakeKeyEventPoster final : public KeyEventPoster {
public:
    bool typeKeys(QKeyCombination keys) override
    {
        if (failing)
            return false;
        typed.append(keys);
        return true;
    }

    QList<QKeyCombination> typed;
    /// True: nothing can be typed here.
    bool failing = false;
};

}  // namespace tavrin
