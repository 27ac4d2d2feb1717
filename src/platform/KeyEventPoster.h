#pragma once

#include <cstdint>

namespace tavrin {

// Synthetic keyboard events into the application in front (stands in for Core Graphics keyboard events).
class KeyEventPoster {
public:
    KeyEventPoster() = default;
    KeyEventPoster(const KeyEventPoster &) = delete;
    KeyEventPoster &operator=(const KeyEventPoster &) = delete;
    virtual ~KeyEventPoster() = default;

    /// Posts one key event for a Carbon virtual key code with exactly the given Cocoa modifier flags; false when it
    /// cannot be made.
    virtual bool postKeyEvent(std::uint16_t virtualKeyCode, bool keyDown, std::uint64_t flags) = 0;
};

}  // namespace tavrin
