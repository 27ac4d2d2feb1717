// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/KeyPositions.h"

#include <map>

namespace tavrin {

// Key places a test sets: native scan codes to the keys a US layout has there.
class FakeKeyPositions final : public KeyPositions {
public:
    Qt::Key usLayoutKey(quint32 nativeScanCode) const override
    {
        const auto found = places.find(nativeScanCode);
        return found == places.end() ? Qt::Key_unknown : found->second;
    }

    std::map<quint32, Qt::Key> places;
};

}  // namespace tavrin
