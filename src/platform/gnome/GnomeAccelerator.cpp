// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/gnome/GnomeAccelerator.h"

#include "platform/common/QtKeysyms.h"

#include <QRegularExpression>

#include <xkbcommon/xkbcommon-keysyms.h>
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
    {GnomeAccelerator::Control, "<Control>", "Ctrl", XKB_KEY_Control_L},
    {GnomeAccelerator::Shift, "<Shift>", "Shift", XKB_KEY_Shift_L},
    {GnomeAccelerator::Alt, "<Alt>", "Alt", XKB_KEY_Alt_L},
    {GnomeAccelerator::Super, "<Super>", "Super", XKB_KEY_Super_L},
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

}  // namespace

GnomeAccelerator GnomeAccelerator::fromKeyCombination(QKeyCombination keys)
{
    GnomeAccelerator accelerator;
    // GNOME names a key by the keysym it types alone: letters in lower case. A modifier is no key of a shortcut.
    const std::uint32_t keysym = xkb_keysym_to_lower(keysymForKey(keys));
    accelerator.keysym = keysym >= XKB_KEY_Shift_L && keysym <= XKB_KEY_Hyper_R ? 0 : keysym;
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
