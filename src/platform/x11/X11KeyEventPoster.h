#pragma once

#include "platform/KeyEventPoster.h"
#include "platform/x11/XcbSupport.h"

#include <map>
#include <vector>

struct _XCBKeySymbols;

namespace tavrin {

// Key events through XTest. A key is typed with exactly the modifiers its flags ask for (Command = Ctrl,
// Shift, Option = Alt, Control = Super): modifiers the user still holds are released for it and pressed again
// after it, so the keyboard is left as the user has it.
class X11KeyEventPoster final : public KeyEventPoster {
public:
    X11KeyEventPoster();
    ~X11KeyEventPoster() override;

    /// True when the display offers XTEST.
    bool hasXTest() const { return m_xtest; }
    bool postKeyEvent(std::uint16_t virtualKeyCode, bool keyDown, std::uint64_t flags) override;

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
    void fake(std::uint8_t type, xcb_keycode_t key);

    xcb::Connection m_x;
    bool m_xtest = false;
    _XCBKeySymbols *m_symbols = nullptr;
    std::map<xcb_keycode_t, Held> m_held;
};

}  // namespace tavrin
