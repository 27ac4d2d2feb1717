#include "platform/x11/X11KeyEventPoster.h"

#include "platform/common/ModifierKeys.h"

#include <xcb/xcb_keysyms.h>
#include <xcb/xtest.h>

#include <algorithm>
#include <array>

namespace tavrin {

namespace {

using modifierKeys::FlagKey;
using modifierKeys::kFlagKeys;
constexpr std::uint32_t XK_Insert = 0xff63;

// ANSI letter positions of the key model, in code order from 0; -1 where the code is no letter.
constexpr char kLetters[] = "asdfhgzxcv\0bqweryt";

}  // namespace

std::uint32_t X11KeyEventPoster::keysymFor(std::uint16_t code)
{
    if (code < sizeof kLetters - 1 && kLetters[code] != '\0')
        return std::uint32_t(kLetters[code]);  // Latin letters share their keysym with ASCII
    switch (code) {
    case 0x24: return 0xff0d;  // Return
    case 0x30: return 0xff09;  // Tab
    case 0x31: return 0x0020;  // Space
    case 0x35: return 0xff1b;  // Escape
    case 0x72: return XK_Insert;
    default: return 0;
    }
}

bool X11KeyEventPoster::isModifierKey(std::uint16_t code)
{
    return modifierKeys::isModifierKeyCode(code);
}

X11KeyEventPoster::X11KeyEventPoster()
{
    if (!m_x.isValid())
        return;
    const xcb_query_extension_reply_t *xtest = xcb_get_extension_data(m_x.get(), &xcb_test_id);
    m_xtest = xtest && xtest->present;
    m_symbols = xcb_key_symbols_alloc(m_x.get());
}

X11KeyEventPoster::~X11KeyEventPoster()
{
    if (m_symbols)
        xcb_key_symbols_free(m_symbols);
}

xcb_keycode_t X11KeyEventPoster::keycodeFor(std::uint32_t keysym) const
{
    xcb::Ptr<xcb_keycode_t> codes(xcb_key_symbols_get_keycode(m_symbols, keysym));
    return codes ? codes.get()[0] : xcb_keycode_t(0);
}

void X11KeyEventPoster::fake(std::uint8_t type, xcb_keycode_t key)
{
    xcb_test_fake_input(m_x.get(), type, key, XCB_CURRENT_TIME, XCB_WINDOW_NONE, 0, 0, 0);
}

bool X11KeyEventPoster::postKeyEvent(std::uint16_t virtualKeyCode, bool down, std::uint64_t flags)
{
    if (!m_xtest || !m_symbols)
        return false;
    // Modifiers travel with the keys here; a bare modifier event would only be seen as a stray tap.
    if (isModifierKey(virtualKeyCode))
        return true;
    const std::uint32_t keysym = keysymFor(virtualKeyCode);
    const xcb_keycode_t key = keysym ? keycodeFor(keysym) : 0;
    if (key == 0)
        return false;
    if (down) {
        if (!keyDown(key, flags))
            return false;
    } else {
        keyUp(key);
    }
    // A round trip, so the events are in the server before the caller goes on.
    xcb::Ptr<xcb_get_input_focus_reply_t> sync(
        xcb_get_input_focus_reply(m_x.get(), xcb_get_input_focus(m_x.get()), nullptr));
    return !xcb_connection_has_error(m_x.get());
}

bool X11KeyEventPoster::keyDown(xcb_keycode_t key, std::uint64_t flags)
{
    xcb_connection_t *c = m_x.get();
    xcb::Ptr<xcb_get_modifier_mapping_reply_t> modmap(
        xcb_get_modifier_mapping_reply(c, xcb_get_modifier_mapping(c), nullptr));
    xcb::Ptr<xcb_query_keymap_reply_t> keymap(xcb_query_keymap_reply(c, xcb_query_keymap(c), nullptr));
    if (!modmap || !keymap)
        return false;
    const auto isDown = [&](xcb_keycode_t k) { return (keymap->keys[k / 8] >> (k % 8)) & 1; };
    const int perModifier = modmap->keycodes_per_modifier;
    const xcb_keycode_t *modKeys = xcb_get_modifier_mapping_keycodes(modmap.get());
    const auto modifierIndexOf = [&](xcb_keycode_t k) {
        for (int i = 0; i < 8 * perModifier; ++i) {
            if (modKeys[i] == k)
                return i / perModifier;
        }
        return -1;
    };

    // The modifier bits the key must carry, and the keys that give them.
    std::uint32_t wantedMask = 0;
    std::vector<xcb_keycode_t> wantedKeys;
    for (const FlagKey &flagKey : kFlagKeys) {
        if (!(flags & flagKey.flag))
            continue;
        const xcb_keycode_t k = keycodeFor(flagKey.keysym);
        const int index = modifierIndexOf(k);
        if (k == 0 || index < 0)
            return false;
        wantedMask |= 1u << index;
        wantedKeys.push_back(k);
    }

    Held held;
    std::uint32_t heldMask = 0;
    for (int i = 0; i < 8 * perModifier; ++i) {
        const xcb_keycode_t k = modKeys[i];
        const int index = i / perModifier;
        if (k == 0 || index == 1 || !isDown(k))  // 1 is Lock: a latched state, not a held key
            continue;
        if (wantedMask & (1u << index))
            heldMask |= 1u << index;
        else if (std::find(held.released.begin(), held.released.end(), k) == held.released.end())
            held.released.push_back(k);
    }
    for (const xcb_keycode_t k : wantedKeys) {
        if (!(heldMask & (1u << modifierIndexOf(k))))
            held.pressed.push_back(k);
    }

    for (const xcb_keycode_t k : held.released)
        fake(XCB_KEY_RELEASE, k);
    for (const xcb_keycode_t k : held.pressed)
        fake(XCB_KEY_PRESS, k);
    fake(XCB_KEY_PRESS, key);
    m_held[key] = std::move(held);
    return true;
}

void X11KeyEventPoster::keyUp(xcb_keycode_t key)
{
    fake(XCB_KEY_RELEASE, key);
    const auto it = m_held.find(key);
    if (it == m_held.end())
        return;
    for (auto k = it->second.pressed.rbegin(); k != it->second.pressed.rend(); ++k)
        fake(XCB_KEY_RELEASE, *k);
    for (const xcb_keycode_t k : it->second.released)
        fake(XCB_KEY_PRESS, k);
    m_held.erase(it);
}

}  // namespace tavrin
