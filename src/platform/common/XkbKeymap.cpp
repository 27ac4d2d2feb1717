// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/common/XkbKeymap.h"

#include <xkbcommon/xkbcommon-keysyms.h>
#include <xkbcommon/xkbcommon.h>

#include <algorithm>
#include <bit>
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

std::optional<XkbKeymap> XkbKeymap::fromLayout(const char *layout, const char *variant)
{
    // The environment's defaults must not change what a named layout means.
    xkb_context *context = xkb_context_new(XKB_CONTEXT_NO_ENVIRONMENT_NAMES);
    const xkb_rule_names names{"evdev", "pc105", layout, variant, ""};
    return adopt(context, context ? xkb_keymap_new_from_names(context, &names, XKB_KEYMAP_COMPILE_NO_FLAGS) : nullptr);
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

std::vector<XkbKeymap::Key> XkbKeymap::keysFor(std::uint32_t keysym, std::uint32_t reachableWith) const
{
    std::vector<Key> keys;
    const xkb_keycode_t min = xkb_keymap_min_keycode(m_keymap);
    const xkb_keycode_t max = xkb_keymap_max_keycode(m_keymap);
    for (xkb_keycode_t code = std::max<xkb_keycode_t>(min, 8); code <= max; ++code) {
        const xkb_level_index_t levels = xkb_keymap_num_levels_for_key(m_keymap, code, 0);
        for (xkb_level_index_t level = 0; level < levels; ++level) {
            const xkb_keysym_t *syms = nullptr;
            const int count = xkb_keymap_key_get_syms_by_level(m_keymap, code, 0, level, &syms);
            if (std::find(syms, syms + count, keysym) == syms + count)
                continue;
            xkb_mod_mask_t masks[8] = {};
            const std::size_t found = xkb_keymap_key_get_mods_for_level(m_keymap, code, 0, level, masks, 8);
            // A level no allowed modifier state reaches is no use: the keypad's digits need Num Lock or Shift.
            const auto bits = [](xkb_mod_mask_t mask) { return std::popcount(mask); };
            const xkb_mod_mask_t *best = nullptr;
            for (const xkb_mod_mask_t *mask = masks; mask != masks + found; ++mask) {
                if ((*mask & ~reachableWith) == 0 && (!best || bits(*mask) < bits(*best)))
                    best = mask;
            }
            if (best)
                keys.push_back(Key{code, *best});
            break;
        }
    }
    // The plain key before one that needs Shift: 'a' without Shift rather than some key's shifted 'a'.
    std::stable_sort(keys.begin(), keys.end(),
                     [](const Key &a, const Key &b) { return (a.levelModifiers == 0) > (b.levelModifiers == 0); });
    return keys;
}

std::optional<XkbKeymap::Key> XkbKeymap::keyFor(std::uint32_t keysym, std::uint32_t reachableWith) const
{
    const std::vector<Key> keys = keysFor(keysym, reachableWith);
    if (keys.empty())
        return std::nullopt;
    return keys.front();
}

std::uint32_t XkbKeymap::keysymAt(std::uint32_t keycode) const
{
    const xkb_keysym_t *syms = nullptr;
    const int count = xkb_keymap_key_get_syms_by_level(m_keymap, keycode, 0, 0, &syms);
    return count == 1 ? syms[0] : 0;
}

std::uint32_t XkbKeymap::modifierMaskOf(std::uint32_t keysym) const
{
    const std::optional<Key> key = keyFor(keysym);
    if (!key || key->levelModifiers != 0)
        return 0;
    // What the layout itself makes of holding that key.
    xkb_state *state = xkb_state_new(m_keymap);
    if (!state)
        return 0;
    xkb_state_update_key(state, key->keycode, XKB_KEY_DOWN);
    const std::uint32_t mask = xkb_state_serialize_mods(state, XKB_STATE_MODS_DEPRESSED);
    xkb_state_unref(state);
    return mask;
}

std::uint32_t XkbKeymap::maskFor(Qt::KeyboardModifiers modifiers) const
{
    static constexpr std::pair<Qt::KeyboardModifier, std::uint32_t> kModifierKeys[] = {
        {Qt::ControlModifier, XKB_KEY_Control_L},
        {Qt::ShiftModifier, XKB_KEY_Shift_L},
        {Qt::AltModifier, XKB_KEY_Alt_L},
        {Qt::MetaModifier, XKB_KEY_Super_L},
    };
    std::uint32_t mask = 0;
    for (const auto &[modifier, keysym] : kModifierKeys) {
        if (modifiers & modifier)
            mask |= modifierMaskOf(keysym);
    }
    return mask;
}

}  // namespace tavrin
