// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/preferences/ShortcutLabel.h"

#include <QKeySequence>

namespace tavrin {

QString shortcutLabel(QKeyCombination keys)
{
    if (keys.key() != Qt::Key(0))
        return QKeySequence(keys).toString(QKeySequence::NativeText);
    if (keys.keyboardModifiers() == Qt::NoModifier)
        return QString();
    // The desktop's text of the modifiers, as it writes them before a key.
    return QKeySequence(QKeyCombination(keys.keyboardModifiers(), Qt::Key_A))
        .toString(QKeySequence::NativeText)
        .chopped(1);
}

}  // namespace tavrin
