// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/x11/X11KeyEventPoster.h"

#include "platform/common/QtKeysyms.h"
#include "platform/x11/X11Keymap.h"

#include <xcb/xtest.h>
#include <xkbcommon/xkbcommon-keysyms.h>

#include <algorithm>
#include <utility>

namespace tavrin {

namespace {

// The keys that give Qt's modifiers (Meta is the Super key), left-hand ones.
constexpr std::pair<Qt::KeyboardModifier, std::uint32_t> kModifierKeys[] = {
    {Qt::ControlModifier, XKB_KEY_Control_L},
    {Qt::ShiftModifier, XKB_KEY_Shift_L},
    {Qt::AltModifier, XKB_KEY_Alt_L},
    {Qt::MetaModifier, XKB_KEY_Super_L},
};

}  // namespace

X11KeyEventPoster::X11KeyEventPoster()
{
    m_returnTimer.setSingleShot(true);
    m_returnTimer.setInterval(kBorrowedKeyLifetime);
    QObject::connect(&m_returnTimer, &QTimer::timeout, &m_returnTimer, [this] { returnBorrowedKeycode(); });
    if (!m_x.isValid())
        return;
    const xcb_query_extension_reply_t *xtest = xcb_get_extension_data(m_x.get(), &xcb_test_id);
    m_xtest = xtest && xtest->present;
    m_keymap = std::make_unique<X11Keymap>(m_x.get());
}

X11KeyEventPoster::~X11KeyEventPoster()
{
    if (m_x.isValid())
        returnBorrowedKeycode();
}

void X11KeyEventPoster::followKeymapChanges()
{
    // A round trip first: every layout change sent before it is then in our queue.
    xcb::Ptr<xcb_get_input_focus_reply_t> sync(
        xcb_get_input_focus_reply(m_x.get(), xcb_get_input_focus(m_x.get()), nullptr));
    while (xcb::Ptr<xcb_generic_event_t> event{xcb_poll_for_event(m_x.get())})
        m_keymap->handleEvent(event.get());
}

xcb_keycode_t X11KeyEventPoster::borrowKeycode(std::uint32_t keysym)
{
    xcb_connection_t *c = m_x.get();
    const xcb_setup_t *setup = xcb_get_setup(c);
    const int count = setup->max_keycode - setup->min_keycode + 1;
    xcb::Ptr<xcb_get_keyboard_mapping_reply_t> mapping(xcb_get_keyboard_mapping_reply(
        c, xcb_get_keyboard_mapping(c, setup->min_keycode, std::uint8_t(count)), nullptr));
    if (!mapping)
        return 0;
    const int perKeycode = mapping->keysyms_per_keycode;
    const xcb_keysym_t *keysyms = xcb_get_keyboard_mapping_keysyms(mapping.get());
    // The highest keycode without any symbol: keyboards leave the top of the range unused.
    for (int index = count - 1; index >= 0; --index) {
        const xcb_keysym_t *row = keysyms + index * perKeycode;
        if (std::any_of(row, row + perKeycode, [](xcb_keysym_t sym) { return sym != XCB_NO_SYMBOL; }))
            continue;
        // Latin letters need their capital on the shifted level, or Shift would type nothing.
        const std::uint32_t shifted = keysym >= 'a' && keysym <= 'z' ? keysym - 0x20 : keysym;
        std::vector<xcb_keysym_t> symbols(std::size_t(perKeycode), XCB_NO_SYMBOL);
        for (int level = 0; level < perKeycode && level < 4; ++level)
            symbols[std::size_t(level)] = level % 2 == 0 ? keysym : shifted;
        const auto keycode = xcb_keycode_t(setup->min_keycode + index);
        xcb_change_keyboard_mapping(c, 1, keycode, std::uint8_t(perKeycode), symbols.data());
        m_borrowed = keycode;
        m_borrowedKeysym = keysym;
        followKeymapChanges();
        return keycode;
    }
    return 0;
}

void X11KeyEventPoster::returnBorrowedKeycode()
{
    m_returnTimer.stop();
    if (m_borrowed == 0)
        return;
    xcb_connection_t *c = m_x.get();
    const xcb_keycode_t keycode = std::exchange(m_borrowed, 0);
    xcb::Ptr<xcb_get_keyboard_mapping_reply_t> mapping(
        xcb_get_keyboard_mapping_reply(c, xcb_get_keyboard_mapping(c, keycode, 1), nullptr));
    if (!mapping)
        return;
    const int perKeycode = mapping->keysyms_per_keycode;
    const xcb_keysym_t *row = xcb_get_keyboard_mapping_keysyms(mapping.get());
    // Unless a new layout has been loaded over it meanwhile, the keycode is spare again.
    if (perKeycode == 0 || row[0] != m_borrowedKeysym)
        return;
    const std::vector<xcb_keysym_t> none(std::size_t(perKeycode), XCB_NO_SYMBOL);
    xcb_change_keyboard_mapping(c, 1, keycode, std::uint8_t(perKeycode), none.data());
    xcb_flush(c);
}

void X11KeyEventPoster::fake(std::uint8_t type, xcb_keycode_t key)
{
    xcb_test_fake_input(m_x.get(), type, key, XCB_CURRENT_TIME, XCB_WINDOW_NONE, 0, 0, 0);
}

bool X11KeyEventPoster::typeKeys(QKeyCombination keys)
{
    if (!m_xtest || !m_keymap || !*m_keymap)
        return false;
    const std::uint32_t keysym = keysymForKey(keys);
    if (keysym == 0)
        return false;
    followKeymapChanges();
    Qt::KeyboardModifiers modifiers =
        keys.keyboardModifiers() & (Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier | Qt::MetaModifier);
    xcb_keycode_t key = 0;
    // A key of the layout that types it plainly, or with Shift.
    for (const XkbKeymap::Key &found : (*m_keymap)->keysFor(keysym, XCB_MOD_MASK_SHIFT)) {
        if (found.keycode > 255)
            continue;
        key = xcb_keycode_t(found.keycode);
        if (found.levelModifiers != 0)
            modifiers |= Qt::ShiftModifier;
        break;
    }
    if (key == 0)
        key = borrowKeycode(keysym);
    const std::optional<Chord> chord = key != 0 ? chordFor(modifiers) : std::nullopt;
    if (!chord) {
        if (m_borrowed != 0)
            m_returnTimer.start();
        return false;
    }
    m_returnTimer.stop();
    for (const xcb_keycode_t k : chord->released)
        fake(XCB_KEY_RELEASE, k);
    for (const xcb_keycode_t k : chord->pressed)
        fake(XCB_KEY_PRESS, k);
    fake(XCB_KEY_PRESS, key);
    fake(XCB_KEY_RELEASE, key);
    std::for_each(chord->pressed.rbegin(), chord->pressed.rend(),
                  [this](xcb_keycode_t k) { fake(XCB_KEY_RELEASE, k); });
    for (const xcb_keycode_t k : chord->released)
        fake(XCB_KEY_PRESS, k);
    if (m_borrowed != 0)
        m_returnTimer.start();
    // A round trip, so the events are in the server before the caller goes on.
    xcb::Ptr<xcb_get_input_focus_reply_t> sync(
        xcb_get_input_focus_reply(m_x.get(), xcb_get_input_focus(m_x.get()), nullptr));
    return !xcb_connection_has_error(m_x.get());
}

std::optional<X11KeyEventPoster::Chord> X11KeyEventPoster::chordFor(Qt::KeyboardModifiers modifiers)
{
    xcb_connection_t *c = m_x.get();
    xcb::Ptr<xcb_get_modifier_mapping_reply_t> modmap(
        xcb_get_modifier_mapping_reply(c, xcb_get_modifier_mapping(c), nullptr));
    xcb::Ptr<xcb_query_keymap_reply_t> keymap(xcb_query_keymap_reply(c, xcb_query_keymap(c), nullptr));
    if (!modmap || !keymap)
        return std::nullopt;
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
    for (const auto &[modifier, keysym] : kModifierKeys) {
        if (!(modifiers & modifier))
            continue;
        const std::optional<XkbKeymap::Key> found = (*m_keymap)->keyFor(keysym);
        const xcb_keycode_t k = found && found->keycode <= 255 ? xcb_keycode_t(found->keycode) : 0;
        const int index = modifierIndexOf(k);
        if (k == 0 || index < 0)
            return std::nullopt;
        wantedMask |= 1u << index;
        wantedKeys.push_back(k);
    }

    Chord chord;
    std::uint32_t heldMask = 0;
    for (int i = 0; i < 8 * perModifier; ++i) {
        const xcb_keycode_t k = modKeys[i];
        const int index = i / perModifier;
        if (k == 0 || index == 1 || !isDown(k))  // 1 is Lock: a latched state, not a held key
            continue;
        if (wantedMask & (1u << index))
            heldMask |= 1u << index;
        else if (std::find(chord.released.begin(), chord.released.end(), k) == chord.released.end())
            chord.released.push_back(k);
    }
    for (const xcb_keycode_t k : wantedKeys) {
        if (!(heldMask & (1u << modifierIndexOf(k))))
            chord.pressed.push_back(k);
    }
    return chord;
}

}  // namespace tavrin
