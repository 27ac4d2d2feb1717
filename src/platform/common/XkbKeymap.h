// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <Qt>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct xkb_context;
struct xkb_keymap;

namespace tavrin {

// A keyboard layout as xkbcommon compiles it: which keys give a keysym, and the modifier bits a modifier key sets.
// Keycodes are xkb's (the kernel's input codes plus 8, as X servers and Wayland compositors number keys).
class XkbKeymap {
public:
    /// A keymap in the text form compositors send; none when it does not compile.
    static std::optional<XkbKeymap> fromText(const std::string &text);
    /// The desktop's default layout (XKB_DEFAULT_LAYOUT and friends, else US).
    static std::optional<XkbKeymap> fromDefaults();
    /// A layout of the system's keyboard descriptions by name ("us", "fr"; variant "dvorak"), on a PC keyboard.
    static std::optional<XkbKeymap> fromLayout(const char *layout, const char *variant = "");
    /// Takes both over; none (and both released) when the keymap is null.
    static std::optional<XkbKeymap> adopt(xkb_context *context, xkb_keymap *keymap);

    XkbKeymap(XkbKeymap &&) noexcept;
    XkbKeymap &operator=(XkbKeymap &&) noexcept;
    ~XkbKeymap();

    /// The keymap in text form, as a virtual keyboard uploads it.
    std::string text() const;

    struct Key {
        std::uint32_t keycode = 0;
        /// Modifier bits needed besides, to reach the keysym's level (Shift for an upper level).
        std::uint32_t levelModifiers = 0;
        /// The kernel's code of the key, as Wayland key events carry it.
        std::uint32_t evdevCode() const { return keycode - 8; }
        bool operator==(const Key &) const = default;
    };
    /// Every key that types the keysym in the first layout, each on its lowest level that does and that modifiers
    /// within reachableWith can select (the fewest of them in levelModifiers); keys where it needs no modifier come
    /// first. Empty when no key has it.
    std::vector<Key> keysFor(std::uint32_t keysym, std::uint32_t reachableWith = ~0u) const;
    /// The first of keysFor; none when no key has the keysym.
    std::optional<Key> keyFor(std::uint32_t keysym, std::uint32_t reachableWith = ~0u) const;
    /// The keysym of a key in the first layout without modifiers; 0 when it has none.
    std::uint32_t keysymAt(std::uint32_t keycode) const;
    /// The modifier bits that holding the key with that keysym sets (Control_L gives Control); 0 when none.
    std::uint32_t modifierMaskOf(std::uint32_t keysym) const;
    /// The modifier bits of Qt's modifiers on this layout: Ctrl, Shift, Alt, and Meta as the Super key.
    std::uint32_t maskFor(Qt::KeyboardModifiers modifiers) const;

private:
    XkbKeymap(xkb_context *context, xkb_keymap *keymap);

    xkb_context *m_context = nullptr;
    xkb_keymap *m_keymap = nullptr;
};

}  // namespace tavrin
