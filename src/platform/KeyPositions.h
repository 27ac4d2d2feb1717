#pragma once

#include <cstdint>
#include <optional>

namespace tavrin {

// Where keys sit on the keyboard, whatever the layout prints on them. Shortcuts that name a key by its place
// (Ctrl with the key of "1" picks row 1, on AZERTY too) match the events' native key numbers through this.
class KeyPositions {
public:
    KeyPositions() = default;
    KeyPositions(const KeyPositions &) = delete;
    KeyPositions &operator=(const KeyPositions &) = delete;
    virtual ~KeyPositions() = default;

    /// The Carbon virtual key code of the key at the place a native key number (QKeyEvent::nativeScanCode) names:
    /// 18 for the key of "1" on a US keyboard, 9 for the one of "V". Nothing for a key the model has no code for.
    virtual std::optional<std::uint16_t> carbonKeyCode(std::uint32_t nativeScanCode) const = 0;
};

}  // namespace tavrin
