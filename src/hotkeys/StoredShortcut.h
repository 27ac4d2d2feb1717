// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QKeyCombination>
#include <QList>
#include <QString>

#include <cstdint>
#include <optional>

namespace tavrin {

// A shortcut in the form the settings file keeps: the name of a key and a list of modifier codes. This is the one
// place that turns it into a QKeyCombination and back; a value it cannot turn into one is left as it is.
struct StoredShortcut {
    /// The stored modifier codes: Ctrl 11, Meta (the Super key) 12, Alt 13, Shift 14.
    static constexpr std::int64_t ctrlCode = 11;
    static constexpr std::int64_t metaCode = 12;
    static constexpr std::int64_t altCode = 13;
    static constexpr std::int64_t shiftCode = 14;

    QString keyName;
    QList<std::int64_t> modifierCodes;

    /// The modifiers of the codes, in any order; other numbers add nothing.
    Qt::KeyboardModifiers modifiers() const;
    /// True when the codes give a modifier: the shortcut counts as recorded.
    bool isRecorded() const { return modifiers() != Qt::NoModifier; }
    /// The combination; none when the name names no key a shortcut can be on here (the modifier keys, fn, a name
    /// of no key). Letter case never matters, and names compare under canonical equivalence.
    std::optional<QKeyCombination> keys() const;

    /// The stored form of a combination (codes in the order Meta, Alt, Shift, Ctrl); none when the form has no
    /// name for its key.
    static std::optional<StoredShortcut> fromKeys(QKeyCombination keys);
    /// True when the stored form has a name for the combination's key (with or without the keypad).
    static bool canStore(QKeyCombination keys);

    bool operator==(const StoredShortcut &) const = default;
};

}  // namespace tavrin
