#pragma once

#include "hotkeys/Key.h"
#include "hotkeys/ModifierFlags.h"

#include <QString>
#include <QVariantMap>

#include <cstdint>
#include <optional>

namespace tavrin {

// One key plus modifiers, held in the two numbers a hot key is registered with.
struct KeyCombo {
    KeyCombo() = default;
    KeyCombo(std::uint32_t keyCode, std::uint32_t modifierMask)
        : carbonKeyCode(keyCode), carbonModifiers(modifierMask)
    {
    }
    KeyCombo(Key key, ModifierFlags modifiers);
    /// From a stored key name: a name no key accepts gives key code 0 (the A key).
    KeyCombo(const QString &stkey, ModifierFlags modifiers);
    /// The inverse of dictionary(): none when an entry is missing, not an integer or outside 0 … 4294967295.
    static std::optional<KeyCombo> fromDictionary(const QVariantMap &dictionary);

    std::optional<Key> key() const { return keyForCarbonKeyCode(carbonKeyCode); }
    /// Setting none stores key code 0.
    void setKey(std::optional<Key> key) { carbonKeyCode = key ? tavrin::carbonKeyCode(*key) : 0; }
    ModifierFlags modifiers() const { return ModifierFlags::fromCarbonFlags(carbonModifiers); }
    void setModifiers(ModifierFlags modifiers) { carbonModifiers = modifiers.carbonFlags(); }
    bool isValid() const { return true; }
    /// Modifier glyphs followed by the key's text (⇧⌘V); the glyphs alone when the code names no key.
    QString description() const;
    /// {"keyCode": carbonKeyCode, "modifiers": carbonModifiers}, both as 64-bit integers.
    QVariantMap dictionary() const;

    bool operator==(const KeyCombo &) const = default;

    std::uint32_t carbonKeyCode = 0;
    std::uint32_t carbonModifiers = 0;
};

}  // namespace tavrin
