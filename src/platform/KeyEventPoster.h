// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QKeyCombination>

namespace tavrin {

// Synthetic key presses into the window that has the focus.
class KeyEventPoster {
public:
    KeyEventPoster() = default;
    KeyEventPoster(const KeyEventPoster &) = delete;
    KeyEventPoster &operator=(const KeyEventPoster &) = delete;
    virtual ~KeyEventPoster() = default;

    /// Presses and releases the key with exactly these modifiers, whatever modifiers the user holds (they are let go
    /// for the keys and put back after them); the key is looked up in the keyboard layout in use now. False, with
    /// nothing typed, when it cannot be typed here.
    virtual bool typeKeys(QKeyCombination keys) = 0;
};

}  // namespace tavrin
