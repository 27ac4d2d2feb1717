// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QKeyCombination>
#include <QList>
#include <QString>

#include <cstdint>

namespace tavrin::portal {

// Qt's keys in the forms the portals take them: keysyms (NotifyKeyboardKeysym) and shortcut triggers as the XDG
// shortcut format writes them ("CTRL+SHIFT+v").

/// The keysyms of the combination's modifiers, Ctrl, Shift, Alt and Meta (the Super key), in that order.
QList<std::uint32_t> modifierKeysyms(Qt::KeyboardModifiers modifiers);
/// The combination as a portal shortcut trigger ("CTRL+ALT+v", "LOGO+F1"); empty when the key has no keysym.
QString shortcutTrigger(QKeyCombination keys);

}  // namespace tavrin::portal
