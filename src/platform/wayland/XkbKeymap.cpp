#include "platform/wayland/XkbKeymap.h"

#include "platform/common/ModifierKeys.h"

#include <xkbcommon/xkbcommon.h>

#include <cstdlib>
#include <utility>

namespace tavrin {

XkbKeymap::XkbKeymap(xkb_context *context, xkb_keymap *keymap) : m_context(context), m_keymap(keymap) {}

std::optional<XkbKeymap> XkbKeymap::adopt(xkb_context *context, xkb_keymap *keymap)
{
    if (!keymap) {
        if (context)
            xkb_context_unref(context);
        return std::nullopt;
    }
    return XkbKeymap(context, keymap);
}

std::optional<XkbKeymap> XkbKeymap::fromText(const std::string &text)
{
    xkb_context *context = xkb_context_new(XKB_CONTEXT_NO_FLAGS);
    return adopt(context, context ? xkb_keymap_new_from_string(context, text.c_str(), XKB_KEYMAP_FORMAT_TEXT_V1,
                                                               XKB_KEYMAP_COMPILE_NO_FLAGS)
                                  : nullptr);
}

std::optional<XkbKeymap> XkbKeymap::fromDefaults()
{
    xkb_context *context = xkb_context_new(XKB_CONTEXT_NO_FLAGS);
    return adopt(context, context ? xkb_keymap_new_from_names(context, nullptr, XKB_KEYMAP_COMPILE_NO_FLAGS) : nullptr);
}

XkbKeymap::XkbKeymap(XkbKeymap &&other) noexcept
    : m_context(std::exchange(other.m_context, nullptr)), m_keymap(std::exchange(other.m_keymap, nullptr))
{
}

XkbKeymap &XkbKeymap::operator=(XkbKeymap &&other) noexcept
{
    std::swap(m_context, other.m_context);
    std::swap(m_keymap, other.m_keymap);
    return *this;
}

XkbKeymap::~XkbKeymap()
{
    if (m_keymap)
        xkb_keymap_unref(m_keymap);
    if (m_context)
        xkb_context_unref(m_context);
}

std::string XkbKeymap::text() const
{
    char *text = xkb_keymap_get_as_string(m_keymap, XKB_KEYMAP_FORMAT_TEXT_V1);
    if (!text)
        return {};
    std::string out(text);
    std::free(text);
    return out;
}

std::optional<XkbKeymap::Key> XkbKeymap::keyFor(std::uint32_t keysym) const
{
    const xkb_keycode_t min = xkb_keymap_min_keycode(m_keymap);
    const xkb_keycode_t max = xkb_keymap_max_keycode(m_keymap);
    // The lowest level wins over an earlier key: 'a' without Shift rather than some key's shifted 'a'.
    for (xkb_level_index_t level = 0; level < 2; ++level) {
        for (xkb_keycode_t code = min; code <= max; ++code) {
            if (code < 8 || level >= xkb_keymap_num_levels_for_key(m_keymap, code, 0))
                continue;
            const xkb_keysym_t *syms = nullptr;
            const int count = xkb_keymap_key_get_syms_by_level(m_keymap, code, 0, level, &syms);
            for (int i = 0; i < count; ++i) {
                if (syms[i] == keysym)
                    return Key{code - 8, level == 0 ? 0u : modifierMaskOf(modifierKeys::kShiftLKeysym)};
            }
        }
    }
    return std::nullopt;
}

std::uint32_t XkbKeymap::modifierMaskOf(std::uint32_t keysym) const
{
    const xkb_keycode_t min = xkb_keymap_min_keycode(m_keymap);
    const xkb_keycode_t max = xkb_keymap_max_keycode(m_keymap);
    for (xkb_keycode_t code = min; code <= max; ++code) {
        const xkb_keysym_t *syms = nullptr;
        const int count = xkb_keymap_key_get_syms_by_level(m_keymap, code, 0, 0, &syms);
        if (count != 1 || syms[0] != keysym)
            continue;
        // What the layout itself makes of holding that key.
        xkb_state *state = xkb_state_new(m_keymap);
        if (!state)
            return 0;
        xkb_state_update_key(state, code, XKB_KEY_DOWN);
        const std::uint32_t mask = xkb_state_serialize_mods(state, XKB_STATE_MODS_DEPRESSED);
        xkb_state_unref(state);
        return mask;
    }
    return 0;
}

std::uint32_t XkbKeymap::maskForFlags(std::uint64_t flags) const
{
    std::uint32_t mask = 0;
    for (const modifierKeys::FlagKey &flagKey : modifierKeys::kFlagKeys) {
        if (flags & flagKey.flag)
            mask |= modifierMaskOf(flagKey.keysym);
    }
    return mask;
}

}  // namespace tavrin
