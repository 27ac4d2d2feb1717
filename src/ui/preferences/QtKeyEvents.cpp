#include "ui/preferences/QtKeyEvents.h"

#include "hotkeys/Key.h"

#include <QKeyEvent>
#include <QKeySequence>

#include <algorithm>
#include <iterator>

namespace tavrin {

namespace {

struct QtKeyEntry {
    int qtKey;
    std::uint16_t code;
    bool keypad;
};

// Qt keys and the US-keyboard keys that type them. The first entry for a code is the key's own; later ones are
// what the key types with Shift. Keypad entries come with Qt's keypad modifier.
constexpr QtKeyEntry kQtKeys[] = {
    {Qt::Key_A, 0, false},
    {Qt::Key_B, 11, false},
    {Qt::Key_C, 8, false},
    {Qt::Key_D, 2, false},
    {Qt::Key_E, 14, false},
    {Qt::Key_F, 3, false},
    {Qt::Key_G, 5, false},
    {Qt::Key_H, 4, false},
    {Qt::Key_I, 34, false},
    {Qt::Key_J, 38, false},
    {Qt::Key_K, 40, false},
    {Qt::Key_L, 37, false},
    {Qt::Key_M, 46, false},
    {Qt::Key_N, 45, false},
    {Qt::Key_O, 31, false},
    {Qt::Key_P, 35, false},
    {Qt::Key_Q, 12, false},
    {Qt::Key_R, 15, false},
    {Qt::Key_S, 1, false},
    {Qt::Key_T, 17, false},
    {Qt::Key_U, 32, false},
    {Qt::Key_V, 9, false},
    {Qt::Key_W, 13, false},
    {Qt::Key_X, 7, false},
    {Qt::Key_Y, 16, false},
    {Qt::Key_Z, 6, false},
    {Qt::Key_0, 29, false},
    {Qt::Key_1, 18, false},
    {Qt::Key_2, 19, false},
    {Qt::Key_3, 20, false},
    {Qt::Key_4, 21, false},
    {Qt::Key_5, 23, false},
    {Qt::Key_6, 22, false},
    {Qt::Key_7, 26, false},
    {Qt::Key_8, 28, false},
    {Qt::Key_9, 25, false},
    {Qt::Key_Period, 47, false},
    {Qt::Key_Apostrophe, 39, false},
    {Qt::Key_BracketRight, 30, false},
    {Qt::Key_Semicolon, 41, false},
    {Qt::Key_Slash, 44, false},
    {Qt::Key_Backslash, 42, false},
    {Qt::Key_Comma, 43, false},
    {Qt::Key_Equal, 24, false},
    {Qt::Key_QuoteLeft, 50, false},
    {Qt::Key_BracketLeft, 33, false},
    {Qt::Key_Minus, 27, false},
    {Qt::Key_Space, 49, false},
    {Qt::Key_Tab, 48, false},
    {Qt::Key_Backtab, 48, false},
    {Qt::Key_Return, 36, false},
    {Qt::Key_Control, 55, false},
    {Qt::Key_Alt, 58, false},
    {Qt::Key_Meta, 59, false},
    {Qt::Key_Shift, 56, false},
    {Qt::Key_CapsLock, 57, false},
    {Qt::Key_PageUp, 116, false},
    {Qt::Key_PageDown, 121, false},
    {Qt::Key_Home, 115, false},
    {Qt::Key_End, 119, false},
    {Qt::Key_Up, 126, false},
    {Qt::Key_Right, 124, false},
    {Qt::Key_Down, 125, false},
    {Qt::Key_Left, 123, false},
    {Qt::Key_F1, 122, false},
    {Qt::Key_F2, 120, false},
    {Qt::Key_F3, 99, false},
    {Qt::Key_F4, 118, false},
    {Qt::Key_F5, 96, false},
    {Qt::Key_F6, 97, false},
    {Qt::Key_F7, 98, false},
    {Qt::Key_F8, 100, false},
    {Qt::Key_F9, 101, false},
    {Qt::Key_F10, 109, false},
    {Qt::Key_F11, 103, false},
    {Qt::Key_F12, 111, false},
    {Qt::Key_F13, 105, false},
    {Qt::Key_F14, 107, false},
    {Qt::Key_F15, 113, false},
    {Qt::Key_F16, 106, false},
    {Qt::Key_F17, 64, false},
    {Qt::Key_F18, 79, false},
    {Qt::Key_F19, 80, false},
    {Qt::Key_F20, 90, false},
    {Qt::Key_0, 82, true},
    {Qt::Key_1, 83, true},
    {Qt::Key_2, 84, true},
    {Qt::Key_3, 85, true},
    {Qt::Key_4, 86, true},
    {Qt::Key_5, 87, true},
    {Qt::Key_6, 88, true},
    {Qt::Key_7, 89, true},
    {Qt::Key_8, 91, true},
    {Qt::Key_9, 92, true},
    {Qt::Key_NumLock, 71, false},
    {Qt::Key_Period, 65, true},
    {Qt::Key_Slash, 75, true},
    {Qt::Key_Enter, 76, true},
    {Qt::Key_Equal, 81, true},
    {Qt::Key_Minus, 78, true},
    {Qt::Key_Asterisk, 67, true},
    {Qt::Key_Plus, 69, true},
    {Qt::Key_Escape, 53, false},
    {Qt::Key_Backspace, 51, false},
    {Qt::Key_Delete, 117, false},
    {Qt::Key_Insert, 114, false},
    {Qt::Key_VolumeUp, 72, false},
    {Qt::Key_VolumeDown, 73, false},
    {Qt::Key_VolumeMute, 74, false},
    // What the keys type with Shift, and other names for the same keys.
    {Qt::Key_Exclam, 18, false},
    {Qt::Key_At, 19, false},
    {Qt::Key_NumberSign, 20, false},
    {Qt::Key_Dollar, 21, false},
    {Qt::Key_Percent, 23, false},
    {Qt::Key_AsciiCircum, 22, false},
    {Qt::Key_Ampersand, 26, false},
    {Qt::Key_Asterisk, 28, false},
    {Qt::Key_ParenLeft, 25, false},
    {Qt::Key_ParenRight, 29, false},
    {Qt::Key_Greater, 47, false},
    {Qt::Key_QuoteDbl, 39, false},
    {Qt::Key_BraceRight, 30, false},
    {Qt::Key_Colon, 41, false},
    {Qt::Key_Question, 44, false},
    {Qt::Key_Bar, 42, false},
    {Qt::Key_Less, 43, false},
    {Qt::Key_Plus, 24, false},
    {Qt::Key_AsciiTilde, 50, false},
    {Qt::Key_BraceLeft, 33, false},
    {Qt::Key_Underscore, 27, false},
    {Qt::Key_Enter, 36, false},
    {Qt::Key_Help, 114, false},
    {Qt::Key_Clear, 71, false},
    // Keypad keys with Num Lock off.
    {Qt::Key_Insert, 82, true},
    {Qt::Key_End, 83, true},
    {Qt::Key_Down, 84, true},
    {Qt::Key_PageDown, 85, true},
    {Qt::Key_Left, 86, true},
    {Qt::Key_Clear, 87, true},
    {Qt::Key_Right, 88, true},
    {Qt::Key_Home, 89, true},
    {Qt::Key_Up, 91, true},
    {Qt::Key_PageUp, 92, true},
    {Qt::Key_Delete, 65, true},
};

const QtKeyEntry *findQtKey(int qtKey, bool keypad)
{
    const auto matches = [qtKey](bool pad) {
        return [qtKey, pad](const QtKeyEntry &e) { return e.qtKey == qtKey && e.keypad == pad; };
    };
    auto found = std::find_if(std::begin(kQtKeys), std::end(kQtKeys), matches(keypad));
    // Keypad keys without a key of their own in the model (KP_Space, KP_Tab) count as the main ones.
    if (found == std::end(kQtKeys) && keypad)
        found = std::find_if(std::begin(kQtKeys), std::end(kQtKeys), matches(false));
    return found == std::end(kQtKeys) ? nullptr : found;
}

const QtKeyEntry *qtKeyForCarbonKeyCode(std::uint32_t code)
{
    const auto found =
        std::find_if(std::begin(kQtKeys), std::end(kQtKeys), [code](const QtKeyEntry &e) { return e.code == code; });
    return found == std::end(kQtKeys) ? nullptr : found;
}

Qt::KeyboardModifiers qtModifiers(ModifierFlags modifiers)
{
    Qt::KeyboardModifiers qt;
    if (modifiers.intersects(ModifierFlags::command))
        qt |= Qt::ControlModifier;
    if (modifiers.intersects(ModifierFlags::shift))
        qt |= Qt::ShiftModifier;
    if (modifiers.intersects(ModifierFlags::option))
        qt |= Qt::AltModifier;
    if (modifiers.intersects(ModifierFlags::control))
        qt |= Qt::MetaModifier;
    return qt;
}

bool isPrintable(const QString &text)
{
    return !text.isEmpty() && std::all_of(text.begin(), text.end(), [](QChar c) { return c.isPrint(); });
}

// What a key types with Shift as the only modifier, when the event's own text was changed by another modifier.
QString charactersForQtKey(int qtKey, bool shift)
{
    if ((qtKey >= 0x20 && qtKey <= 0x7e) || (qtKey >= 0xa0 && qtKey <= 0xff)) {
        const QChar c(qtKey);  // Qt names letters by their capital
        return QString(shift ? c : c.toLower());
    }
    switch (qtKey) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return QStringLiteral("\r");
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return QStringLiteral("\t");
    case Qt::Key_Backspace: return QStringLiteral("\x7f");
    case Qt::Key_Escape: return QStringLiteral("\x1b");
    default: return QString();  // types nothing; the recorder names such keys by their code
    }
}

}  // namespace

ModifierFlags modifierFlags(Qt::KeyboardModifiers modifiers)
{
    ModifierFlags flags;
    if (modifiers & Qt::ControlModifier)
        flags.insert(ModifierFlags::command);
    if (modifiers & Qt::ShiftModifier)
        flags.insert(ModifierFlags::shift);
    if (modifiers & Qt::AltModifier)
        flags.insert(ModifierFlags::option);
    if (modifiers & Qt::MetaModifier)
        flags.insert(ModifierFlags::control);
    if (modifiers & Qt::KeypadModifier)
        flags.insert(ModifierFlags::numericPad);
    return flags;
}

bool isModifierKey(int qtKey)
{
    switch (qtKey) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Meta:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R:
    case Qt::Key_Hyper_L:
    case Qt::Key_Hyper_R:
    case Qt::Key_CapsLock: return true;
    default: return false;
    }
}

std::uint16_t carbonKeyCodeForQtKey(int qtKey, bool keypad)
{
    const QtKeyEntry *entry = findQtKey(qtKey, keypad);
    return entry ? entry->code : ShortcutKeyEvent::unknownKeyCode;
}

ModifierFlags modifierFlagsAfter(const QKeyEvent &event)
{
    Qt::KeyboardModifiers modifiers = event.modifiers();
    Qt::KeyboardModifier own = Qt::NoModifier;
    switch (event.key()) {
    case Qt::Key_Shift: own = Qt::ShiftModifier; break;
    case Qt::Key_Control: own = Qt::ControlModifier; break;
    case Qt::Key_Alt: own = Qt::AltModifier; break;
    case Qt::Key_Meta:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R: own = Qt::MetaModifier; break;
    default: break;
    }
    if (own != Qt::NoModifier)
        modifiers.setFlag(own, event.type() == QEvent::KeyPress);
    return modifierFlags(modifiers);
}

std::optional<ShortcutKeyEvent> shortcutKeyEvent(const QKeyEvent &event)
{
    if (isModifierKey(event.key()))
        return std::nullopt;
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    ShortcutKeyEvent converted;
    converted.modifierFlags = modifierFlags(modifiers);
    converted.keyCode = carbonKeyCodeForQtKey(event.key(), modifiers & Qt::KeypadModifier);
    // Control and Meta turn the text into control characters; the key itself says what it types.
    const QString text = event.text();
    converted.charactersIgnoringModifiers =
        isPrintable(text) ? text : charactersForQtKey(event.key(), modifiers & Qt::ShiftModifier);
    return converted;
}

QString nativeShortcutText(ModifierFlags modifiers, const QString &keyName)
{
    const Qt::KeyboardModifiers qt = qtModifiers(modifiers);
    if (const auto key = keyFromString(keyName)) {
        if (const QtKeyEntry *entry = qtKeyForCarbonKeyCode(carbonKeyCode(*key))) {
            const Qt::KeyboardModifiers keypad = entry->keypad ? Qt::KeypadModifier : Qt::NoModifier;
            return QKeySequence(QKeyCombination(qt | keypad, Qt::Key(entry->qtKey))).toString(QKeySequence::NativeText);
        }
    }
    // The modifiers as the desktop writes them, then the stored name as it stands.
    QString prefix;
    if (qt != Qt::NoModifier)
        prefix = QKeySequence(QKeyCombination(qt, Qt::Key_A)).toString(QKeySequence::NativeText).chopped(1);
    return prefix + keyName;
}

}  // namespace tavrin
