#pragma once

#include "platform/KeyPositions.h"

namespace tavrin {

// Key places on X servers that number keys by the kernel's input event codes plus 8 (the evdev and libinput
// drivers, Xwayland, Xvfb): the same physical key has the same number under every layout.
class EvdevKeyPositions final : public KeyPositions {
public:
    std::optional<std::uint16_t> carbonKeyCode(std::uint32_t nativeScanCode) const override;
    /// The X keycode of a Carbon key code's place; nothing when no key of the table sits there.
    static std::optional<std::uint32_t> keycodeFor(std::uint16_t carbonKeyCode);
};

}  // namespace tavrin
