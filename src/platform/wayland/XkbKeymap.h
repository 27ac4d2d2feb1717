#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

struct xkb_context;
struct xkb_keymap;

namespace tavrin {

// A keyboard layout as xkbcommon compiles it: which key gives a keysym, and the modifier bits a modifier key sets.
class XkbKeymap {
public:
    /// A keymap in the text form compositors send; null when it does not compile.
    static std::optional<XkbKeymap> fromText(const std::string &text);
    /// The desktop's default layout (XKB_DEFAULT_LAYOUT and friends, else US).
    static std::optional<XkbKeymap> fromDefaults();

    XkbKeymap(XkbKeymap &&) noexcept;
    XkbKeymap &operator=(XkbKeymap &&) noexcept;
    ~XkbKeymap();

    /// The keymap in text form, as a virtual keyboard uploads it.
    std::string text() const;

    struct Key {
        /// The evdev code of the key (the xkb keycode less 8), as key events carry it.
        std::uint32_t evdevCode = 0;
        /// Modifier bits needed besides, to reach the keysym's level (Shift for an upper level).
        std::uint32_t levelModifiers = 0;
    };
    /// The key that types a keysym in the first layout, on its lowest level; none when no key has it.
    std::optional<Key> keyFor(std::uint32_t keysym) const;
    /// The modifier bits that holding the key with that keysym sets (Control_L gives Control); 0 when none.
    std::uint32_t modifierMaskOf(std::uint32_t keysym) const;
    /// The modifier bits for the key model's modifier flags (Command, Shift, Option, Control).
    std::uint32_t maskForFlags(std::uint64_t flags) const;

private:
    XkbKeymap(xkb_context *context, xkb_keymap *keymap);
    static std::optional<XkbKeymap> adopt(xkb_context *context, xkb_keymap *keymap);

    xkb_context *m_context = nullptr;
    xkb_keymap *m_keymap = nullptr;
};

}  // namespace tavrin
