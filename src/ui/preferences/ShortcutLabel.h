// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QKeyCombination>
#include <QString>

namespace tavrin {

/// A shortcut as the desktop writes it ("Ctrl+Shift+V"); for a key of 0 the modifiers alone ("Ctrl+Shift+").
QString shortcutLabel(QKeyCombination keys);

}  // namespace tavrin
