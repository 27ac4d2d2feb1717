#pragma once

#include <QList>
#include <QString>
#include <QVariant>

namespace tavrin {

class SettingsStore;

// Every settings key, its type and what a missing value means, in one place. A value of another type counts as
// missing: each reader applies the rule itself, as nothing registers defaults.
struct SettingRule {
    enum class Type { integer, boolean, text, textArray, integerArray };
    enum class WhenMissing {
        /// The launch stores launchDefault.
        storedAtLaunch,
        /// The first reader stores launchDefault.
        storedWhenFirstRead,
        /// The first save of what it points to stores it.
        storedAtFirstSave,
        /// Missing has a meaning of its own (missingMeans says which); nothing is stored for it.
        leftMissing,
    };

    QString key;
    Type type;
    WhenMissing whenMissing;
    /// What is stored for a missing value; none when nothing is.
    QVariant launchDefault;
    /// What a missing value means, for a reader of the settings file.
    QString missingMeans;

    static const QList<SettingRule> &all();
    /// The rule of a key; null for a key that is not the program's.
    static const SettingRule *of(const QString &key);
    /// True when the store holds a value of this rule's type under its key.
    bool holdsValue(const SettingsStore &settings) const;
};

}  // namespace tavrin
