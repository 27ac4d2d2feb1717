// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QKeyCombination>

#include <cstdint>

namespace tavrin {

// Qt's keys as X keysyms (the names keyboard layouts give their keys) and back. Letters and other characters are
// the keysyms of their lower case; keys that type nothing go by a short list; keypad keys are Qt keys with
// Qt::KeypadModifier.

/// The keysym that types the key of the combination (only Qt::KeypadModifier of its modifiers counts): XK_v for
/// Qt::Key_V, XK_KP_1 for Qt::Key_1 on the keypad, XK_Return for Qt::Key_Return. 0 for a key without one.
std::uint32_t keysymForKey(QKeyCombination keys);
/// The Qt key of a keysym: Qt::Key_V for XK_v and XK_V, Qt::Key_Return for XK_Return, Qt::Key_1 for XK_KP_1 (the
/// keypad shows in the modifiers of a key event, not in its key). Qt::Key_unknown for a keysym without one.
Qt::Key keyForKeysym(std::uint32_t keysym);

}  // namespace tavrin
