// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/portal/PortalKeys.h"

#include "platform/common/QtKeysyms.h"

#include <QStringList>

#include <xkbcommon/xkbcommon-keysyms.h>
#include <xkbcommon/xkbcommon.h>

namespace tavrin::portal {

QList<std::uint32_t> modifierKeysyms(Qt::KeyboardModifiers modifiers)
{
    QList<std::uint32_t> keysyms;
    if (modifiers & Qt::ControlModifier)
        keysyms.append(XKB_KEY_Control_L);
    if (modifiers & Qt::ShiftModifier)
        keysyms.append(XKB_KEY_Shift_L);
    if (modifiers & Qt::AltModifier)
        keysyms.append(XKB_KEY_Alt_L);
    if (modifiers & Qt::MetaModifier)
        keysyms.append(XKB_KEY_Super_L);
    return keysyms;
}

QString shortcutTrigger(QKeyCombination keys)
{
    const std::uint32_t keysym = keysymForKey(keys);
    char name[64];
    if (keysym == 0 || xkb_keysym_get_name(keysym, name, sizeof name) <= 0)
        return {};
    QStringList parts;
    const Qt::KeyboardModifiers modifiers = keys.keyboardModifiers();
    if (modifiers & Qt::ControlModifier)
        parts << QStringLiteral("CTRL");
    if (modifiers & Qt::AltModifier)
        parts << QStringLiteral("ALT");
    if (modifiers & Qt::ShiftModifier)
        parts << QStringLiteral("SHIFT");
    if (modifiers & Qt::MetaModifier)
        parts << QStringLiteral("LOGO");
    parts << QString::fromLatin1(name);
    return parts.join(QLatin1Char('+'));
}

}  // namespace tavrin::portal
