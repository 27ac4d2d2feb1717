// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QVariant>

#include <cstdint>
#include <limits>
#include <optional>

namespace tavrin {

class SettingsStore;

// Every settings key in one place: its type, what a missing value means, which values are usable and what an unusable
// one becomes. The store's typed reads and its check at load follow this table; nothing else applies defaults.
struct SettingRule {
    enum class Type { integer, boolean, text, textArray, integerArray };
    enum class WhenMissing {
        /// The launch stores the default.
        storedAtLaunch,
        /// The first reader stores the default.
        storedWhenFirstRead,
        /// The first save of what it points to stores it.
        storedAtFirstSave,
        /// Missing reads as the default (or, without one, has a meaning of its own); nothing is stored for it.
        leftMissing,
    };
    enum class WhenBad {
        /// A value of another type, or outside the usable ones, is removed at load (logged) and reads as missing.
        reset,
        /// An integer outside the range is brought into it at load (logged); another type is removed.
        clamped,
        /// Kept as it is, whatever it holds: the reader decides (a shortcut it cannot map stays as recorded).
        kept,
    };

    QString key;
    Type type;
    WhenMissing whenMissing;
    /// What a missing value reads as, and what is stored for it; none when missing has a meaning of its own.
    QVariant defaultValue;
    /// What a missing value means, for a reader of the settings file.
    QString missingMeans;
    WhenBad whenBad = WhenBad::reset;
    /// The usable integers, both ends included.
    std::int64_t minimum = std::numeric_limits<std::int64_t>::min();
    std::int64_t maximum = std::numeric_limits<std::int64_t>::max();

    static const QList<SettingRule> &all();
    /// The rule of a key; null for a key that is not the program's.
    static const SettingRule *of(const QString &key);
    /// True when the store holds a value of this rule's type under its key.
    bool holdsValue(const SettingsStore &settings) const;
    /// True when value is of this rule's type (any list of the element type for the arrays).
    bool hasType(const QVariant &value) const;
    /// True when value has this rule's type and is one of its usable values.
    bool accepts(const QVariant &value) const;
    /// The value as it reads: itself when usable, brought into range where the rule clamps, else nothing (missing).
    std::optional<QVariant> usable(const QVariant &value) const;
};

}  // namespace tavrin
