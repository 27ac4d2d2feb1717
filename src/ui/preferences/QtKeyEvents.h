#pragma once

#include "hotkeys/ModifierFlags.h"
#include "hotkeys/ShortcutRecorder.h"

#include <QString>
#include <Qt>

#include <cstdint>
#include <optional>

class QKeyEvent;

namespace tavrin {

// Qt key events in the form the shortcut recorder takes. Qt's own convention maps the modifiers: Ctrl is
// Command, Meta (Super) is Control, Alt is Option.

/// The modifier flags of Qt modifiers.
ModifierFlags modifierFlags(Qt::KeyboardModifiers modifiers);
/// True for keys that only change modifiers (they reach the recorder as flag changes, not key presses).
bool isModifierKey(int qtKey);
/// The Carbon virtual key code of a Qt key (the US-keyboard key that types it), unknownKeyCode when none.
std::uint16_t carbonKeyCodeForQtKey(int qtKey, bool keypad);
/// The modifiers held once a modifier key's press or release has taken effect (the event's own modifiers may still
/// be those from before it).
ModifierFlags modifierFlagsAfter(const QKeyEvent &event);
/// A key press as the recorder takes it; none for a modifier key.
std::optional<ShortcutKeyEvent> shortcutKeyEvent(const QKeyEvent &event);
/// A shortcut as the desktop writes it ("Ctrl+Shift+V"); with no key name the modifiers alone ("Ctrl+Shift+").
QString nativeShortcutText(ModifierFlags modifiers, const QString &keyName);

}  // namespace tavrin
