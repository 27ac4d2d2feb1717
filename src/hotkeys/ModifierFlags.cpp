#include "hotkeys/ModifierFlags.h"

namespace tavrin {

namespace {

struct ModifierEntry {
    std::uint64_t cocoa;
    std::uint32_t carbon;
    char16_t glyph;
};

// The four combination modifiers, in the order their glyphs are shown.
constexpr ModifierEntry kModifiers[] = {
    {ModifierFlags::control, ModifierFlags::carbonControl, u'\u2303'},
    {ModifierFlags::option, ModifierFlags::carbonOption, u'\u2325'},
    {ModifierFlags::shift, ModifierFlags::carbonShift, u'\u21E7'},
    {ModifierFlags::command, ModifierFlags::carbonCommand, u'\u2318'},
};

}  // namespace

ModifierFlags ModifierFlags::fromCarbonFlags(std::uint32_t carbonFlags)
{
    ModifierFlags flags;
    for (const ModifierEntry &m : kModifiers) {
        if (carbonFlags & m.carbon)
            flags.insert(m.cocoa);
    }
    return flags;
}

std::uint32_t ModifierFlags::carbonFlags() const
{
    std::uint32_t carbon = 0;
    for (const ModifierEntry &m : kModifiers) {
        if (rawValue & m.cocoa)
            carbon |= m.carbon;
    }
    return carbon;
}

QString ModifierFlags::description() const
{
    QString glyphs;
    for (const ModifierEntry &m : kModifiers) {
        if (rawValue & m.cocoa)
            glyphs += QChar(m.glyph);
    }
    return glyphs;
}

}  // namespace tavrin
