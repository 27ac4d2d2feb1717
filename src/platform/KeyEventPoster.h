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

    /// Posts one key event for a Carbon virtual key code with exactly the given Cocoa modifier flags, whatever
    /// modifiers the user holds (they are lifted for the key and put back after it); false when it cannot be made.
    /// A modifier key's own event only brackets a chord where modifiers travel with the keys (X11): it types nothing
    /// there, so no stray modifier tap reaches the application.
    virtual bool postKeyEvent(std::uint16_t virtualKeyCode, bool keyDown, std::uint64_t flags) = 0;
};

}  // namespace tavrin
