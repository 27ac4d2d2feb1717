// SPDX-License-Identifier: GPL-3.0-or-later
#include "hotkeys/StoredShortcut.h"

#include <QStringList>

#include <algorithm>
#include <array>
#include <vector>

namespace tavrin {

// The stored form is a Mac keyboard's: key names of a vocabulary built on the Carbon virtual key codes of a US Mac
// keyboard, and modifier codes 11 Command, 12 Control, 13 Option, 14 Shift. On Linux Command is Ctrl, the primary
// shortcut modifier, Control is Super (Qt's Meta), Option is Alt; the Help key is where PC keyboards have Insert,
// and the keypad's Clear where they have Num Lock. Modifier keys and fn have names there but are no keys a
// shortcut can be on here.

namespace {

struct NamedKey {
    Qt::Key key;
    bool keypad;
    /// Accepted names, the one written first.
    std::array<const char16_t *, 5> names;
};

// Every key but the letters, which are named by themselves.
const NamedKey kNamedKeys[] = {
    {Qt::Key_0, false, {u"0", u"zero"}},
    {Qt::Key_1, false, {u"1", u"one"}},
    {Qt::Key_2, false, {u"2", u"two"}},
    {Qt::Key_3, false, {u"3", u"three"}},
    {Qt::Key_4, false, {u"4", u"four"}},
    {Qt::Key_5, false, {u"5", u"five"}},
    {Qt::Key_6, false, {u"6", u"six"}},
    {Qt::Key_7, false, {u"7", u"seven"}},
    {Qt::Key_8, false, {u"8", u"eight"}},
    {Qt::Key_9, false, {u"9", u"nine"}},
    {Qt::Key_Period, false, {u".", u"period"}},
    {Qt::Key_Apostrophe, false, {u"quote", u"\""}},
    {Qt::Key_BracketRight, false, {u"]", u"rightBracket"}},
    {Qt::Key_Semicolon, false, {u";", u"semicolon"}},
    {Qt::Key_Slash, false, {u"/", u"slash"}},
    {Qt::Key_Backslash, false, {u"\\", u"backslash"}},
    {Qt::Key_Comma, false, {u",", u"comma"}},
    {Qt::Key_Equal, false, {u"=", u"equal"}},
    {Qt::Key_QuoteLeft, false, {u"`", u"grave", u"\u02CB", u"\uFF40"}},
    {Qt::Key_BracketLeft, false, {u"[", u"leftBracket"}},
    {Qt::Key_Minus, false, {u"-", u"minus"}},
    {Qt::Key_Space, false, {u"space", u" ", u"\u2423"}},
    {Qt::Key_Tab, false, {u"tab", u"\t", u"\u21E5"}},
    {Qt::Key_Return, false, {u"return", u"\r", u"\u21A9\uFE0E", u"\u23CE", u"\u2B90"}},
    {Qt::Key_PageUp, false, {u"pageup", u"\u21DE"}},
    {Qt::Key_PageDown, false, {u"pagedown", u"\u21DF"}},
    {Qt::Key_Home, false, {u"home", u"\u2196"}},
    {Qt::Key_End, false, {u"end", u"\u2198"}},
    {Qt::Key_Up, false, {u"uparrow", u"\u2191"}},
    {Qt::Key_Right, false, {u"rightarrow", u"\u2192"}},
    {Qt::Key_Down, false, {u"downarrow", u"\u2193"}},
    {Qt::Key_Left, false, {u"leftarrow", u"\u2190"}},
    {Qt::Key_F1, false, {u"f1", u"\uF860F1"}},
    {Qt::Key_F2, false, {u"f2", u"\uF860F2"}},
    {Qt::Key_F3, false, {u"f3", u"\uF860F3"}},
    {Qt::Key_F4, false, {u"f4", u"\uF860F4"}},
    {Qt::Key_F5, false, {u"f5", u"\uF860F5"}},
    {Qt::Key_F6, false, {u"f6", u"\uF860F6"}},
    {Qt::Key_F7, false, {u"f7", u"\uF860F7"}},
    {Qt::Key_F8, false, {u"f8", u"\uF860F8"}},
    {Qt::Key_F9, false, {u"f9", u"\uF860F9"}},
    {Qt::Key_F10, false, {u"f10", u"\uF861F10"}},
    {Qt::Key_F11, false, {u"f11", u"\uF861F11"}},
    {Qt::Key_F12, false, {u"f12", u"\uF861F12"}},
    {Qt::Key_F13, false, {u"f13", u"\uF861F13"}},
    {Qt::Key_F14, false, {u"f14", u"\uF861F14"}},
    {Qt::Key_F15, false, {u"f15", u"\uF861F15"}},
    {Qt::Key_F16, false, {u"f16", u"\uF861F16"}},
    {Qt::Key_F17, false, {u"f17", u"\uF861F17"}},
    {Qt::Key_F18, false, {u"f18", u"\uF861F18"}},
    {Qt::Key_F19, false, {u"f19", u"\uF861F19"}},
    {Qt::Key_F20, false, {u"f20", u"\uF861F20"}},
    {Qt::Key_0, true, {u"keypad0"}},
    {Qt::Key_1, true, {u"keypad1"}},
    {Qt::Key_2, true, {u"keypad2"}},
    {Qt::Key_3, true, {u"keypad3"}},
    {Qt::Key_4, true, {u"keypad4"}},
    {Qt::Key_5, true, {u"keypad5"}},
    {Qt::Key_6, true, {u"keypad6"}},
    {Qt::Key_7, true, {u"keypad7"}},
    {Qt::Key_8, true, {u"keypad8"}},
    {Qt::Key_9, true, {u"keypad9"}},
    {Qt::Key_NumLock, false, {u"keypadclear", u"\u2327"}},
    {Qt::Key_Period, true, {u"keypaddecimal"}},
    {Qt::Key_Slash, true, {u"keypaddivide"}},
    {Qt::Key_Enter, true, {u"keypadenter"}},
    {Qt::Key_Equal, true, {u"keypadequals"}},
    {Qt::Key_Minus, true, {u"keypadminus"}},
    {Qt::Key_Asterisk, true, {u"keypadmultiply"}},
    {Qt::Key_Plus, true, {u"keypadplus"}},
    {Qt::Key_Escape, false, {u"escape", u"\u238B"}},
    {Qt::Key_Backspace, false, {u"delete", u"\u232B"}},
    {Qt::Key_Delete, false, {u"forwarddelete", u"\u2326"}},
    {Qt::Key_Insert, false, {u"help", u"?\u20DD"}},
    {Qt::Key_VolumeUp, false, {u"volumeup", u"\U0001F50A"}},
    {Qt::Key_VolumeDown, false, {u"volumedown", u"\U0001F509"}},
    {Qt::Key_VolumeMute, false, {u"mute", u"\U0001F507"}},
};

struct CodedModifier {
    std::int64_t code;
    Qt::KeyboardModifier modifier;
};

// The order the codes are written in.
constexpr CodedModifier kCodedModifiers[] = {
    {StoredShortcut::metaCode, Qt::MetaModifier},
    {StoredShortcut::altCode, Qt::AltModifier},
    {StoredShortcut::shiftCode, Qt::ShiftModifier},
    {StoredShortcut::ctrlCode, Qt::ControlModifier},
};

// Lower-cased with the locale-independent mapping and decomposed, so canonically equivalent texts compare equal.
QString comparable(const QString &text)
{
    return text.toLower().normalized(QString::NormalizationForm_D);
}

struct ParsedName {
    QString name;
    Qt::Key key;
    bool keypad;
};

const std::vector<ParsedName> &parseTable()
{
    static const std::vector<ParsedName> table = [] {
        std::vector<ParsedName> names;
        for (char16_t letter = u'a'; letter <= u'z'; ++letter)
            names.push_back({QString(QChar(letter)), Qt::Key(Qt::Key_A + (letter - u'a')), false});
        for (const NamedKey &named : kNamedKeys) {
            for (const char16_t *name : named.names) {
                if (name)
                    names.push_back({comparable(QString::fromUtf16(name)), named.key, named.keypad});
            }
        }
        return names;
    }();
    return table;
}

const NamedKey *namedKey(QKeyCombination keys)
{
    const bool keypad = keys.keyboardModifiers() & Qt::KeypadModifier;
    const auto found = std::find_if(std::begin(kNamedKeys), std::end(kNamedKeys), [&](const NamedKey &named) {
        return named.key == keys.key() && named.keypad == keypad;
    });
    return found == std::end(kNamedKeys) ? nullptr : found;
}

bool isLetter(QKeyCombination keys)
{
    return keys.key() >= Qt::Key_A && keys.key() <= Qt::Key_Z && !(keys.keyboardModifiers() & Qt::KeypadModifier);
}

}  // namespace

Qt::KeyboardModifiers StoredShortcut::modifiers() const
{
    Qt::KeyboardModifiers modifiers;
    for (const std::int64_t code : modifierCodes) {
        for (const CodedModifier &coded : kCodedModifiers) {
            if (coded.code == code)
                modifiers |= coded.modifier;
        }
    }
    return modifiers;
}

std::optional<QKeyCombination> StoredShortcut::keys() const
{
    const QString wanted = comparable(keyName);
    for (const ParsedName &parsed : parseTable()) {
        if (parsed.name == wanted)
            return QKeyCombination(modifiers() | (parsed.keypad ? Qt::KeypadModifier : Qt::NoModifier), parsed.key);
    }
    return std::nullopt;
}

std::optional<StoredShortcut> StoredShortcut::fromKeys(QKeyCombination keys)
{
    StoredShortcut stored;
    const Qt::KeyboardModifiers modifiers = keys.keyboardModifiers();
    if (isLetter(keys)) {
        // As typed: the capital when Shift is held.
        const QChar letter(char16_t(u'a' + (keys.key() - Qt::Key_A)));
        stored.keyName = modifiers & Qt::ShiftModifier ? letter.toUpper() : letter;
    } else if (const NamedKey *named = namedKey(keys)) {
        stored.keyName = QString::fromUtf16(named->names[0]);
    } else {
        return std::nullopt;
    }
    for (const CodedModifier &coded : kCodedModifiers) {
        if (modifiers & coded.modifier)
            stored.modifierCodes.append(coded.code);
    }
    return stored;
}

bool StoredShortcut::canStore(QKeyCombination keys)
{
    return isLetter(keys) || namedKey(keys) != nullptr;
}

}  // namespace tavrin
