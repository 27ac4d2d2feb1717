#include "store/SettingsTable.h"

#include "store/SettingsKeys.h"
#include "store/SettingsStore.h"

#include <QStringList>

namespace tavrin {

namespace {
using Type = SettingRule::Type;
using When = SettingRule::WhenMissing;

QString myClipboard()
{
    return QStringLiteral("My Clipboard");
}
}  // namespace

const QList<SettingRule> &SettingRule::all()
{
    static const QList<SettingRule> rules = {
        {keys::pinCount, Type::integer, When::storedAtLaunch, qint64(0), QStringLiteral("no entry is pinned")},
        {keys::historyPath,
         Type::text,
         When::storedAtFirstSave,
         {},
         QStringLiteral("the history file at the default path, remembered at the first save")},
        {keys::groupNames, Type::textArray, When::storedAtLaunch, QStringList{myClipboard()},
         QStringLiteral("the group files of the data folder, or \"My Clipboard\" alone when there are none")},
        {keys::firstRun, Type::integer, When::leftMissing, {}, QStringLiteral("the first run: the welcome steps")},
        {keys::startAtLogin,
         Type::boolean,
         When::leftMissing,
         {},
         QStringLiteral("starting at login is left as the desktop has it")},
        {keys::soundEnabled, Type::boolean, When::storedAtLaunch, true, QStringLiteral("sounds on")},
        {keys::sequentialPasteOrder, Type::integer, When::storedAtLaunch, qint64(0), QStringLiteral("first to last")},
        {keys::showTooltip, Type::boolean, When::storedWhenFirstRead, true, QStringLiteral("previews on")},
        {keys::pastedBefore, Type::boolean, When::storedWhenFirstRead, true,
         QStringLiteral("the first paste skips the check for permission to paste")},
        {keys::quickAccessKeyName, Type::text, When::leftMissing, {}, QStringLiteral("not recorded")},
        {keys::quickAccessModifiers, Type::integerArray, When::leftMissing, {}, QStringLiteral("not recorded")},
        {keys::toggleSequentialKeyName, Type::text, When::leftMissing, {}, QStringLiteral("not recorded")},
        {keys::toggleSequentialModifiers, Type::integerArray, When::leftMissing, {}, QStringLiteral("not recorded")},
        {keys::sequentialPasteKeyName, Type::text, When::leftMissing, {}, QStringLiteral("not recorded")},
        {keys::sequentialPasteModifiers, Type::integerArray, When::leftMissing, {}, QStringLiteral("not recorded")},
        {keys::shiftPasteWindowClasses,
         Type::textArray,
         When::leftMissing,
         {},
         QStringLiteral("the built-in list of terminals")},
        {keys::primaryPasteWindowClasses, Type::textArray, When::leftMissing, {}, QStringLiteral("the built-in list")},
        {keys::clipboardReadTimeout,
         Type::integer,
         When::leftMissing,
         {},
         QStringLiteral("3000: a copy whose application takes longer than 3 s to hand it over is not recorded")},
        {keys::ignoredWindowClasses,
         Type::textArray,
         When::leftMissing,
         {},
         QStringLiteral("copies of every window are recorded")},
    };
    return rules;
}

const SettingRule *SettingRule::of(const QString &key)
{
    for (const SettingRule &rule : all()) {
        if (rule.key == key)
            return &rule;
    }
    return nullptr;
}

bool SettingRule::holdsValue(const SettingsStore &settings) const
{
    switch (type) {
    case Type::integer: return settings.integer(key).has_value();
    case Type::boolean: return settings.boolValue(key).has_value();
    case Type::text: return settings.string(key).has_value();
    case Type::textArray: return settings.stringArray(key).has_value();
    case Type::integerArray: return settings.integerArray(key).has_value();
    }
    return false;
}

}  // namespace tavrin
