#include "platform/gnome/GnomeAccelerator.h"

#include "platform/common/CarbonKeysyms.h"
#include "platform/common/ModifierKeys.h"

#include <QRegularExpression>

#include <xkbcommon/xkbcommon.h>

#include <array>

namespace tavrin {

namespace {

struct ModifierName {
    GnomeAccelerator::Modifier modifier;
    const char *tag;  // as GNOME writes it
    const char *label;
    std::uint32_t keysym;  // the left-hand key
};

constexpr std::array<ModifierName, 4> kModifiers = {{
    {GnomeAccelerator::Control, "<Control>", "Ctrl", modifierKeys::kControlLKeysym},
    {GnomeAccelerator::Shift, "<Shift>", "Shift", modifierKeys::kShiftLKeysym},
    {GnomeAccelerator::Alt, "<Alt>", "Alt", modifierKeys::kAltLKeysym},
    {GnomeAccelerator::Super, "<Super>", "Super", modifierKeys::kSuperLKeysym},
}};

// The other spellings GTK accepts in GSettings.
std::optional<unsigned> modifierTagged(const QString &tag)
{
    const QString name = tag.toLower();
    if (name == QLatin1String("control") || name == QLatin1String("ctrl") || name == QLatin1String("ctl") ||
        name == QLatin1String("primary"))
        return GnomeAccelerator::Control;
    if (name == QLatin1String("shift") || name == QLatin1String("shft"))
        return GnomeAccelerator::Shift;
    if (name == QLatin1String("alt") || name == QLatin1String("mod1"))
        return GnomeAccelerator::Alt;
    if (name == QLatin1String("super") || name == QLatin1String("mod4"))
        return GnomeAccelerator::Super;
    return std::nullopt;
}

struct QtKeysym {
    int key;
    std::uint32_t keysym;
};

// Keys outside Latin-1, whose Qt and X numbers differ.
constexpr QtKeysym kSpecialKeys[] = {
    {Qt::Key_Escape, 0xff1b}, {Qt::Key_Tab, 0xff09},   {Qt::Key_Backtab, 0xfe20}, {Qt::Key_Backspace, 0xff08},
    {Qt::Key_Return, 0xff0d}, {Qt::Key_Enter, 0xff8d}, {Qt::Key_Insert, 0xff63},  {Qt::Key_Delete, 0xffff},
    {Qt::Key_Pause, 0xff13},  {Qt::Key_Print, 0xff61}, {Qt::Key_SysReq, 0xff15},  {Qt::Key_Clear, 0xff0b},
    {Qt::Key_Home, 0xff50},   {Qt::Key_End, 0xff57},   {Qt::Key_Left, 0xff51},    {Qt::Key_Up, 0xff52},
    {Qt::Key_Right, 0xff53},  {Qt::Key_Down, 0xff54},  {Qt::Key_PageUp, 0xff55},  {Qt::Key_PageDown, 0xff56},
    {Qt::Key_Menu, 0xff67},   {Qt::Key_Help, 0xff6a},  {Qt::Key_Space, 0x20},
};

std::uint32_t keysymForQtKey(int key)
{
    if (key >= Qt::Key_F1 && key <= Qt::Key_F35)
        return 0xffbe + std::uint32_t(key - Qt::Key_F1);
    for (const QtKeysym &entry : kSpecialKeys) {
        if (entry.key == key)
            return entry.keysym;
    }
    // Qt names printable keys by their upper-case character; X by the character the key types alone.
    if ((key >= 0x20 && key <= 0x7e) || (key >= 0xa0 && key <= 0xff))
        return xkb_keysym_to_lower(std::uint32_t(key));
    if (key > 0xff && key < 0x110000)
        return xkb_keysym_to_lower(xkb_utf32_to_keysym(std::uint32_t(key)));
    return 0;
}

}  // namespace

GnomeAccelerator GnomeAccelerator::fromKeyCombination(QKeyCombination keys)
{
    GnomeAccelerator accelerator;
    accelerator.keysym = keysymForQtKey(keys.key());
    const Qt::KeyboardModifiers held = keys.keyboardModifiers();
    if (held & Qt::ShiftModifier)
        accelerator.modifiers |= Shift;
    if (held & Qt::ControlModifier)
        accelerator.modifiers |= Control;
    if (held & Qt::AltModifier)
        accelerator.modifiers |= Alt;
    if (held & Qt::MetaModifier)
        accelerator.modifiers |= Super;
    return accelerator;
}

GnomeAccelerator GnomeAccelerator::fromKeyModel(std::uint16_t keyCode, std::uint64_t flags)
{
    GnomeAccelerator accelerator;
    accelerator.keysym = keysymForCarbonKeyCode(keyCode).value_or(0);
    if (flags & modifierKeys::kCommandFlag)
        accelerator.modifiers |= Control;
    if (flags & modifierKeys::kShiftFlag)
        accelerator.modifiers |= Shift;
    if (flags & modifierKeys::kOptionFlag)
        accelerator.modifiers |= Alt;
    if (flags & modifierKeys::kControlFlag)
        accelerator.modifiers |= Super;
    return accelerator;
}

GnomeAccelerator GnomeAccelerator::fromHotKey(std::uint32_t keyCode, std::uint32_t modifierMask)
{
    GnomeAccelerator accelerator;
    accelerator.keysym = keysymForCarbonKeyCode(keyCode).value_or(0);
    if (modifierMask & 0x100)
        accelerator.modifiers |= Control;
    if (modifierMask & 0x200)
        accelerator.modifiers |= Shift;
    if (modifierMask & 0x800)
        accelerator.modifiers |= Alt;
    if (modifierMask & 0x1000)
        accelerator.modifiers |= Super;
    return accelerator;
}

std::optional<GnomeAccelerator> GnomeAccelerator::parse(const QString &text)
{
    static const QRegularExpression tagged(QStringLiteral("^<([A-Za-z0-9]+)>"));
    GnomeAccelerator accelerator;
    QString rest = text.trimmed();
    for (QRegularExpressionMatch match = tagged.match(rest); match.hasMatch(); match = tagged.match(rest)) {
        const auto modifier = modifierTagged(match.captured(1));
        if (!modifier)
            return std::nullopt;
        accelerator.modifiers |= *modifier;
        rest = rest.mid(match.capturedLength());
    }
    if (rest.isEmpty())
        return std::nullopt;
    accelerator.keysym = xkb_keysym_to_lower(xkb_keysym_from_name(qPrintable(rest), XKB_KEYSYM_CASE_INSENSITIVE));
    if (accelerator.keysym == XKB_KEY_NoSymbol)
        return std::nullopt;
    return accelerator;
}

QString GnomeAccelerator::toString() const
{
    QString text;
    for (const ModifierName &modifier : kModifiers) {
        if (modifiers & modifier.modifier)
            text += QLatin1String(modifier.tag);
    }
    char name[64];
    if (xkb_keysym_get_name(keysym, name, sizeof name) <= 0)
        return {};
    return text + QString::fromLatin1(name);
}

QString GnomeAccelerator::label() const
{
    QString text;
    for (const ModifierName &modifier : kModifiers) {
        if (modifiers & modifier.modifier)
            text += QLatin1String(modifier.label) + QLatin1Char('+');
    }
    char name[64];
    // A printable character is shown as printed on the key; other keys by their name ("F1", "Insert").
    if (const char32_t character = xkb_keysym_to_utf32(keysym); character > 0x20 && character != 0x7f)
        return text + QString::fromUcs4(&character, 1).toUpper();
    if (xkb_keysym_get_name(keysym, name, sizeof name) <= 0)
        return text;
    return text + QString::fromLatin1(name);
}

std::vector<std::uint32_t> GnomeAccelerator::keysyms() const
{
    std::vector<std::uint32_t> keys;
    for (const ModifierName &modifier : kModifiers) {
        if (modifiers & modifier.modifier)
            keys.push_back(modifier.keysym);
    }
    keys.push_back(keysym);
    return keys;
}

}  // namespace tavrin
