#pragma once

#include <QString>

#include <array>
#include <cstdint>
#include <optional>

namespace tavrin {

// The keys a shortcut can be built on, in their fixed order. `return` and `delete` carry an underscore because
// they are C++ keywords.
enum class Key : std::uint8_t {
    // clang-format off
    a, b, c, d, e, f, g, h, i, j, k, l, m, n, o, p, q, r, s, t, u, v, w, x, y, z,
    zero, one, two, three, four, five, six, seven, eight, nine,
    period, quote, rightBracket, semicolon, slash, backslash, comma, equal, grave, leftBracket, minus,
    space, tab, return_, command, rightCommand, option, rightOption, control, rightControl, shift, rightShift,
    function, capsLock,
    pageUp, pageDown, home, end, upArrow, rightArrow, downArrow, leftArrow,
    f1, f2, f3, f4, f5, f6, f7, f8, f9, f10, f11, f12, f13, f14, f15, f16, f17, f18, f19, f20,
    keypad0, keypad1, keypad2, keypad3, keypad4, keypad5, keypad6, keypad7, keypad8, keypad9,
    keypadClear, keypadDecimal, keypadDivide, keypadEnter, keypadEquals, keypadMinus, keypadMultiply, keypadPlus,
    escape, delete_, forwardDelete, help, volumeUp, volumeDown, mute,
    // clang-format on
};

inline constexpr int keyCount = 113;

/// Every key, in declaration order.
const std::array<Key, keyCount> &allKeys();

/// The Carbon virtual key code of the key (its position on a US keyboard); no two keys share one.
std::uint32_t carbonKeyCode(Key key);
/// The key with that Carbon virtual key code, none for a code no key carries.
std::optional<Key> keyForCarbonKeyCode(std::uint32_t code);
/// The short text the user interface shows for the key: a letter, a digit or a glyph.
QString description(Key key);
/// Parses a key name: letter case never matters and names compare under canonical equivalence; none when no key
/// accepts the name.
std::optional<Key> keyFromString(const QString &name);
/// One name every key accepts as its own: the lower-cased case name ("v", "one", "uparrow", "keypad1").
QString keyName(Key key);

}  // namespace tavrin
