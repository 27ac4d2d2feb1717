#pragma once

#include <QString>

#include <cstdint>

namespace tavrin {

// The modifier bits that key events carry, in Cocoa's values (NSEventModifierFlags), with the conversions to the
// Carbon mask that hot keys are registered with and to glyphs.
struct ModifierFlags {
    static constexpr std::uint64_t capsLock = 0x10000;
    static constexpr std::uint64_t shift = 0x20000;
    static constexpr std::uint64_t control = 0x40000;
    static constexpr std::uint64_t option = 0x80000;
    static constexpr std::uint64_t command = 0x100000;
    static constexpr std::uint64_t numericPad = 0x200000;
    static constexpr std::uint64_t help = 0x400000;
    static constexpr std::uint64_t function = 0x800000;

    // Carbon mask bits (cmdKey, shiftKey, optionKey, controlKey).
    static constexpr std::uint32_t carbonCommand = 0x100;
    static constexpr std::uint32_t carbonShift = 0x200;
    static constexpr std::uint32_t carbonOption = 0x800;
    static constexpr std::uint32_t carbonControl = 0x1000;

    constexpr ModifierFlags() = default;
    constexpr explicit ModifierFlags(std::uint64_t raw) : rawValue(raw) {}

    /// The flags of the four Carbon bits present; other bits are ignored.
    static ModifierFlags fromCarbonFlags(std::uint32_t carbonFlags);
    /// The Carbon mask of the four modifiers present.
    std::uint32_t carbonFlags() const;
    /// Glyphs of the modifiers present in the order control, option, shift, command (⌃⌥⇧⌘); empty when none is.
    QString description() const;

    constexpr bool contains(std::uint64_t bits) const { return (rawValue & bits) == bits; }
    constexpr bool intersects(std::uint64_t bits) const { return (rawValue & bits) != 0; }
    /// True when at least one of command, option, control and shift is held.
    constexpr bool hasShortcutModifier() const { return intersects(command | option | control | shift); }
    constexpr bool isEmpty() const { return rawValue == 0; }
    void insert(std::uint64_t bits) { rawValue |= bits; }
    bool operator==(const ModifierFlags &) const = default;

    std::uint64_t rawValue = 0;
};

}  // namespace tavrin
