#pragma once

#include "platform/KeyPositions.h"

#include <map>

namespace tavrin {

// Key places a test sets: native key numbers to Carbon codes.
class FakeKeyPositions final : public KeyPositions {
public:
    std::optional<std::uint16_t> carbonKeyCode(std::uint32_t nativeScanCode) const override
    {
        const auto found = places.find(nativeScanCode);
        if (found == places.end())
            return std::nullopt;
        return found->second;
    }

    std::map<std::uint32_t, std::uint16_t> places;
};

}  // namespace tavrin
