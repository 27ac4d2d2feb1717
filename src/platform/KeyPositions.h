// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <Qt>
#include <QtGlobal>

namespace tavrin {

// Where keys sit on the keyboard, whatever the layout prints on them. Shortcuts that name a key by its place
// (Ctrl with the key of "1" picks row 1, on AZERTY too) match a key event's native scan code through this.
class KeyPositions {
public:
    KeyPositions() = default;
    KeyPositions(const KeyPositions &) = delete;
    KeyPositions &operator=(const KeyPositions &) = delete;
    virtual ~KeyPositions() = default;

    /// The key a US keyboard has at the place of the native scan code (QKeyEvent::nativeScanCode) without Shift:
    /// Qt::Key_1 for the key that types "&" on AZERTY, Qt::Key_Q for its "a". Qt::Key_unknown where it has none.
    virtual Qt::Key usLayoutKey(quint32 nativeScanCode) const = 0;
};

}  // namespace tavrin
