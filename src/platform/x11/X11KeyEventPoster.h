#pragma once

#include "platform/KeyEventPoster.h"
#include "platform/x11/XcbSupport.h"

#include <QTimer>

#include <map>
#include <vector>

struct _XCBKeySymbols;

namespace tavrin {

// Key events through XTest. A key is typed with exactly the modifiers its flags ask for (Command = Ctrl,
// Shift, Option = Alt, Control = Super): modifiers the user still holds are released for it and pressed again
// after it, so the keyboard is left as the user has it.
//
// Keys are looked up in the keymap as it is at each key press, so a layout change is followed. A key the layout
// lacks (no Latin "v" on a Cyrillic or Greek layout) is put on a spare keycode for the chord and taken off it a
// little later, once the application in front has read the key.
class X11KeyEventPoster final : public KeyEventPoster {
public:
    /// How long a borrowed keycode keeps its key after the chord: applications look the key up when they handle
    /// the event, not when it arrives.
    static constexpr std::chrono::milliseconds kBorrowedKeyLifetime{1000};

    X11KeyEventPoster();
    ~X11KeyEventPoster() override;

    /// True when the display offers XTEST.
    bool hasXTest() const { return m_xtest; }
    bool postKeyEvent(std::uint16_t virtualKeyCode, bool keyDown, std::uint64_t flags) override;
    /// True while a spare keycode carries a key for us.
    bool hasBorrowedKeycode() const { return m_borrowed != 0; }

    /// The X keysym of a key-model code, 0 when it is not one this poster types.
    static std::uint32_t keysymFor(std::uint16_t virtualKeyCode);
    /// True for the key-model codes of modifier keys.
    static bool isModifierKey(std::uint16_t virtualKeyCode);

private:
    struct Held {
        std::vector<xcb_keycode_t> released;  // the user's modifiers lifted for the key
        std::vector<xcb_keycode_t> pressed;  // modifiers pressed for the key
    };

    bool keyDown(xcb_keycode_t key, std::uint64_t flags);
    void keyUp(xcb_keycode_t key);
    xcb_keycode_t keycodeFor(std::uint32_t keysym) const;
    void followKeymapChanges();
    xcb_keycode_t borrowKeycode(std::uint32_t keysym);
    void returnBorrowedKeycode();
    void fake(std::uint8_t type, xcb_keycode_t key);

    xcb::Connection m_x;
    bool m_xtest = false;
    _XCBKeySymbols *m_symbols = nullptr;
    std::map<xcb_keycode_t, Held> m_held;
    std::map<std::uint16_t, xcb_keycode_t> m_down;  // key-model code -> the keycode pressed for it
    xcb_keycode_t m_borrowed = 0;
    std::uint32_t m_borrowedKeysym = 0;
    QTimer m_returnTimer;
};

}  // namespace tavrin
