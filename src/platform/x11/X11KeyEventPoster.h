// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/KeyEventPoster.h"
#include "platform/x11/XcbSupport.h"

#include <QTimer>

#include <memory>
#include <vector>

namespace tavrin {

class X11Keymap;

// Key presses through XTest. Keys are typed with exactly the modifiers asked for (Meta as the Super key):
// modifiers the user still holds are released for them and pressed again after, so the keyboard is left as the
// user has it.
//
// Keys are looked up in the layout as it is at each press, so a layout change is followed. A key the layout lacks
// (no Latin "v" on a Cyrillic or Greek layout) is put on a spare keycode for the keys and taken off it a little
// later, once the application in front has read them.
class X11KeyEventPoster final : public KeyEventPoster {
public:
    /// How long a borrowed keycode keeps its key after the keys: applications look the key up when they handle
    /// the event, not when it arrives.
    static constexpr std::chrono::milliseconds kBorrowedKeyLifetime{1000};

    X11KeyEventPoster();
    ~X11KeyEventPoster() override;

    /// True when the display offers XTEST.
    bool hasXTest() const { return m_xtest; }
    bool typeKeys(QKeyCombination keys) override;
    /// True while a spare keycode carries a key for us.
    bool hasBorrowedKeycode() const { return m_borrowed != 0; }

private:
    /// The modifier keys to let go and to press around a key.
    struct Chord {
        std::vector<xcb_keycode_t> released;
        std::vector<xcb_keycode_t> pressed;
    };

    void followKeymapChanges();
    std::optional<Chord> chordFor(Qt::KeyboardModifiers modifiers);
    xcb_keycode_t borrowKeycode(std::uint32_t keysym);
    void returnBorrowedKeycode();
    void fake(std::uint8_t type, xcb_keycode_t key);

    xcb::Connection m_x;
    bool m_xtest = false;
    std::unique_ptr<X11Keymap> m_keymap;
    xcb_keycode_t m_borrowed = 0;
    std::uint32_t m_borrowedKeysym = 0;
    QTimer m_returnTimer;
};

}  // namespace tavrin
