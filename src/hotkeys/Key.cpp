#include "hotkeys/Key.h"

#include <QStringView>

#include <algorithm>
#include <vector>

namespace tavrin {

namespace {

struct KeyEntry {
    Key key;
    std::uint32_t code;
    const char16_t *description;
    std::array<const char16_t *, 5> names;
};

// Code, display text and accepted names of every key, in declaration order.
constexpr KeyEntry kKeyTable[] = {
    {Key::a, 0, u"A", {u"a"}},
    {Key::b, 11, u"B", {u"b"}},
    {Key::c, 8, u"C", {u"c"}},
    {Key::d, 2, u"D", {u"d"}},
    {Key::e, 14, u"E", {u"e"}},
    {Key::f, 3, u"F", {u"f"}},
    {Key::g, 5, u"G", {u"g"}},
    {Key::h, 4, u"H", {u"h"}},
    {Key::i, 34, u"I", {u"i"}},
    {Key::j, 38, u"J", {u"j"}},
    {Key::k, 40, u"K", {u"k"}},
    {Key::l, 37, u"L", {u"l"}},
    {Key::m, 46, u"M", {u"m"}},
    {Key::n, 45, u"N", {u"n"}},
    {Key::o, 31, u"O", {u"o"}},
    {Key::p, 35, u"P", {u"p"}},
    {Key::q, 12, u"Q", {u"q"}},
    {Key::r, 15, u"R", {u"r"}},
    {Key::s, 1, u"S", {u"s"}},
    {Key::t, 17, u"T", {u"t"}},
    {Key::u, 32, u"U", {u"u"}},
    {Key::v, 9, u"V", {u"v"}},
    {Key::w, 13, u"W", {u"w"}},
    {Key::x, 7, u"X", {u"x"}},
    {Key::y, 16, u"Y", {u"y"}},
    {Key::z, 6, u"Z", {u"z"}},
    {Key::zero, 29, u"0", {u"zero", u"0"}},
    {Key::one, 18, u"1", {u"one", u"1"}},
    {Key::two, 19, u"2", {u"two", u"2"}},
    {Key::three, 20, u"3", {u"three", u"3"}},
    {Key::four, 21, u"4", {u"four", u"4"}},
    {Key::five, 23, u"5", {u"five", u"5"}},
    {Key::six, 22, u"6", {u"six", u"6"}},
    {Key::seven, 26, u"7", {u"seven", u"7"}},
    {Key::eight, 28, u"8", {u"eight", u"8"}},
    {Key::nine, 25, u"9", {u"nine", u"9"}},
    {Key::period, 47, u".", {u"period", u"."}},
    {Key::quote, 39, u"\"", {u"quote", u"\""}},
    {Key::rightBracket, 30, u"]", {u"rightBracket", u"]"}},
    {Key::semicolon, 41, u";", {u"semicolon", u";"}},
    {Key::slash, 44, u"/", {u"slash", u"/"}},
    {Key::backslash, 42, u"\\", {u"backslash", u"\\"}},
    {Key::comma, 43, u",", {u"comma", u","}},
    {Key::equal, 24, u"=", {u"equal", u"="}},
    {Key::grave, 50, u"`", {u"grave", u"`", u"\u02CB", u"\uFF40"}},
    {Key::leftBracket, 33, u"[", {u"leftBracket", u"["}},
    {Key::minus, 27, u"-", {u"minus", u"-"}},
    {Key::space, 49, u"\u2423", {u"space", u" ", u"\u2423"}},
    {Key::tab, 48, u"\u21E5", {u"tab", u"\011", u"\u21E5"}},
    {Key::return_, 36, u"\u21A9\uFE0E", {u"return", u"\015", u"\u21A9\uFE0E", u"\u23CE", u"\u2B90"}},
    {Key::command, 55, u"\u2318", {u"command", u"\u2318", u"\uF8FF"}},
    {Key::rightCommand, 54, u"\u2318", {u"rightcommand"}},
    {Key::option, 58, u"\u2325", {u"option", u"\u2325"}},
    {Key::rightOption, 61, u"\u2325", {u"rightoption"}},
    {Key::control, 59, u"\u2303", {u"control", u"\u2303"}},
    {Key::rightControl, 62, u"\u2303", {u"rightcontrol"}},
    {Key::shift, 56, u"\u21E7", {u"shift", u"\u21E7"}},
    {Key::rightShift, 60, u"\u21E7", {u"rightshift"}},
    {Key::function, 63, u"fn", {u"function", u"fn"}},
    {Key::capsLock, 57, u"\u21EA", {u"capslock", u"\u21EA"}},
    {Key::pageUp, 116, u"\u21DE", {u"pageup", u"\u21DE"}},
    {Key::pageDown, 121, u"\u21DF", {u"pagedown", u"\u21DF"}},
    {Key::home, 115, u"\u2196", {u"home", u"\u2196"}},
    {Key::end, 119, u"\u2198", {u"end", u"\u2198"}},
    {Key::upArrow, 126, u"\u2191", {u"uparrow", u"\u2191"}},
    {Key::rightArrow, 124, u"\u2192", {u"rightarrow", u"\u2192"}},
    {Key::downArrow, 125, u"\u2193", {u"downarrow", u"\u2193"}},
    {Key::leftArrow, 123, u"\u2190", {u"leftarrow", u"\u2190"}},
    {Key::f1, 122, u"\uF860F1", {u"f1", u"\uF860F1"}},
    {Key::f2, 120, u"\uF860F2", {u"f2", u"\uF860F2"}},
    {Key::f3, 99, u"\uF860F3", {u"f3", u"\uF860F3"}},
    {Key::f4, 118, u"\uF860F4", {u"f4", u"\uF860F4"}},
    {Key::f5, 96, u"\uF860F5", {u"f5", u"\uF860F5"}},
    {Key::f6, 97, u"\uF860F6", {u"f6", u"\uF860F6"}},
    {Key::f7, 98, u"\uF860F7", {u"f7", u"\uF860F7"}},
    {Key::f8, 100, u"\uF860F8", {u"f8", u"\uF860F8"}},
    {Key::f9, 101, u"\uF860F9", {u"f9", u"\uF860F9"}},
    {Key::f10, 109, u"\uF861F10", {u"f10", u"\uF861F10"}},
    {Key::f11, 103, u"\uF861F11", {u"f11", u"\uF861F11"}},
    {Key::f12, 111, u"\uF861F12", {u"f12", u"\uF861F12"}},
    {Key::f13, 105, u"\uF861F13", {u"f13", u"\uF861F13"}},
    {Key::f14, 107, u"\uF861F14", {u"f14", u"\uF861F14"}},
    {Key::f15, 113, u"\uF861F15", {u"f15", u"\uF861F15"}},
    {Key::f16, 106, u"\uF861F16", {u"f16", u"\uF861F16"}},
    {Key::f17, 64, u"\uF861F17", {u"f17", u"\uF861F17"}},
    {Key::f18, 79, u"\uF861F18", {u"f18", u"\uF861F18"}},
    {Key::f19, 80, u"\uF861F19", {u"f19", u"\uF861F19"}},
    {Key::f20, 90, u"\uF861F20", {u"f20", u"\uF861F20"}},
    {Key::keypad0, 82, u"0", {u"keypad0"}},
    {Key::keypad1, 83, u"1", {u"keypad1"}},
    {Key::keypad2, 84, u"2", {u"keypad2"}},
    {Key::keypad3, 85, u"3", {u"keypad3"}},
    {Key::keypad4, 86, u"4", {u"keypad4"}},
    {Key::keypad5, 87, u"5", {u"keypad5"}},
    {Key::keypad6, 88, u"6", {u"keypad6"}},
    {Key::keypad7, 89, u"7", {u"keypad7"}},
    {Key::keypad8, 91, u"8", {u"keypad8"}},
    {Key::keypad9, 92, u"9", {u"keypad9"}},
    {Key::keypadClear, 71, u"\u2327", {u"keypadclear", u"\u2327"}},
    {Key::keypadDecimal, 65, u".", {u"keypaddecimal"}},
    {Key::keypadDivide, 75, u"/", {u"keypaddivide"}},
    {Key::keypadEnter, 76, u"\u21A9\uFE0E", {u"keypadenter"}},
    {Key::keypadEquals, 81, u"=", {u"keypadequals"}},
    {Key::keypadMinus, 78, u"-", {u"keypadminus"}},
    {Key::keypadMultiply, 67, u"\U0001D5D1", {u"keypadmultiply"}},
    {Key::keypadPlus, 69, u"+", {u"keypadplus"}},
    {Key::escape, 53, u"\u238B", {u"escape", u"\u238B"}},
    {Key::delete_, 51, u"\u232B", {u"delete", u"\u232B"}},
    {Key::forwardDelete, 117, u"\u2326", {u"forwarddelete", u"\u2326"}},
    {Key::help, 114, u"?\u20DD", {u"help", u"?\u20DD"}},
    {Key::volumeUp, 72, u"\U0001F50A", {u"volumeup", u"\U0001F50A"}},
    {Key::volumeDown, 73, u"\U0001F509", {u"volumedown", u"\U0001F509"}},
    {Key::mute, 74, u"\U0001F507", {u"mute", u"\U0001F507"}},
};
static_assert(std::size(kKeyTable) == keyCount);

constexpr bool tableFollowsDeclarationOrder()
{
    for (std::size_t i = 0; i < std::size(kKeyTable); ++i) {
        if (static_cast<std::size_t>(kKeyTable[i].key) != i)
            return false;
    }
    return true;
}
static_assert(tableFollowsDeclarationOrder());

const KeyEntry &entry(Key key)
{
    return kKeyTable[static_cast<std::size_t>(key)];
}

// Lower-cased with the locale-independent mapping and decomposed, so canonically equivalent texts compare equal.
QString comparable(const QString &text)
{
    return text.toLower().normalized(QString::NormalizationForm_D);
}

struct ParseEntry {
    QString name;
    Key key;
};

const std::vector<ParseEntry> &parseTable()
{
    static const std::vector<ParseEntry> table = [] {
        std::vector<ParseEntry> names;
        for (const KeyEntry &e : kKeyTable) {
            for (const char16_t *name : e.names) {
                if (name)
                    names.push_back({comparable(QString::fromUtf16(name)), e.key});
            }
        }
        return names;
    }();
    return table;
}

}  // namespace

const std::array<Key, keyCount> &allKeys()
{
    static const std::array<Key, keyCount> keys = [] {
        std::array<Key, keyCount> all{};
        for (std::size_t i = 0; i < all.size(); ++i)
            all[i] = kKeyTable[i].key;
        return all;
    }();
    return keys;
}

std::uint32_t carbonKeyCode(Key key)
{
    return entry(key).code;
}

std::optional<Key> keyForCarbonKeyCode(std::uint32_t code)
{
    const auto found =
        std::find_if(std::begin(kKeyTable), std::end(kKeyTable), [code](const KeyEntry &e) { return e.code == code; });
    if (found == std::end(kKeyTable))
        return std::nullopt;
    return found->key;
}

QString description(Key key)
{
    return QString::fromUtf16(entry(key).description);
}

std::optional<Key> keyFromString(const QString &name)
{
    const QString wanted = comparable(name);
    for (const ParseEntry &e : parseTable()) {
        if (e.name == wanted)
            return e.key;
    }
    return std::nullopt;
}

QString keyName(Key key)
{
    // Every key's first accepted name is its case name.
    return QString::fromUtf16(entry(key).names[0]).toLower();
}

}  // namespace tavrin
