// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/SettingsTable.h"

#include "store/SettingsKeys.h"
#include "store/SettingsStore.h"

#include <QStringList>

#include <algorithm>

namespace tavrin {

namespace {
using Type = SettingRule::Type;
using When = SettingRule::WhenMissing;
using Bad = SettingRule::WhenBad;

QStringList shiftPasteTerminals()
{
    // X11 window classes, and on Wayland the application ids the same terminals give their windows (mostly their
    // desktop file names); compared without case.
    return {QStringLiteral("Gnome-terminal"),
            QStringLiteral("org.gnome.Terminal"),
            QStringLiteral("kgx"),
            QStringLiteral("org.gnome.Console"),
            QStringLiteral("konsole"),
            QStringLiteral("org.kde.konsole"),
            QStringLiteral("yakuake"),
            QStringLiteral("org.kde.yakuake"),
            QStringLiteral("Xfce4-terminal"),
            QStringLiteral("Mate-terminal"),
            QStringLiteral("Lxterminal"),
            QStringLiteral("qterminal"),
            QStringLiteral("Tilix"),
            QStringLiteral("com.gexperts.Tilix"),
            QStringLiteral("Terminator"),
            QStringLiteral("foot"),
            QStringLiteral("footclient"),
            QStringLiteral("kitty"),
            QStringLiteral("Alacritty"),
            QStringLiteral("org.wezfurlong.wezterm"),
            QStringLiteral("com.mitchellh.ghostty"),
            QStringLiteral("com.raggesilver.BlackBox"),
            QStringLiteral("st-256color"),
            QStringLiteral("St"),
            QStringLiteral("Sakura"),
            QStringLiteral("Terminology"),
            QStringLiteral("Guake"),
            QStringLiteral("Tilda"),
            QStringLiteral("Roxterm"),
            QStringLiteral("Termite"),
            QStringLiteral("Deepin-terminal"),
            QStringLiteral("io.elementary.terminal"),
            QStringLiteral("Ptyxis"),
            QStringLiteral("org.gnome.Ptyxis")};
}

QStringList primaryPasteTerminals()
{
    return {QStringLiteral("XTerm"), QStringLiteral("UXTerm"), QStringLiteral("URxvt"),
            QStringLiteral("Rxvt"),  QStringLiteral("Aterm"),  QStringLiteral("Eterm")};
}

bool isInteger(const QVariant &value)
{
    return value.metaType().id() == QMetaType::LongLong;
}

bool isListOf(const QVariant &value, int elementType)
{
    if (value.metaType().id() == QMetaType::QStringList)
        return elementType == QMetaType::QString;
    if (value.metaType().id() != QMetaType::QVariantList)
        return false;
    const QVariantList list = value.toList();
    return std::all_of(list.begin(), list.end(),
                       [elementType](const QVariant &element) { return element.metaType().id() == elementType; });
}

SettingRule shortcutPart(const QString &key, Type type)
{
    // A recorded shortcut is read by its own converter, which keeps what it cannot map exactly as it was.
    return {key, type, When::leftMissing, {}, QStringLiteral("not recorded"), Bad::kept};
}
}  // namespace

const QList<SettingRule> &SettingRule::all()
{
    static const QList<SettingRule> rules = {
        {keys::pinCount, Type::integer, When::storedAtLaunch, qint64(0), QStringLiteral("no entry is pinned"),
         Bad::reset, 0},
        {keys::historyPath,
         Type::text,
         When::storedAtFirstSave,
         {},
         QStringLiteral("the history file at the default path, remembered at the first save")},
        {keys::groupNames, Type::textArray, When::storedAtLaunch, QStringList{QStringLiteral("My Clipboard")},
         QStringLiteral("the group files of the data folder, or \"My Clipboard\" alone when there are none")},
        {keys::firstRun, Type::integer, When::leftMissing, {}, QStringLiteral("the first run: the welcome steps")},
        {keys::startAtLogin,
         Type::boolean,
         When::leftMissing,
         {},
         QStringLiteral("starting at login is left as the desktop has it")},
        {keys::soundEnabled, Type::boolean, When::storedAtLaunch, true, QStringLiteral("sounds on")},
        {keys::sequentialPasteOrder, Type::integer, When::storedAtLaunch, qint64(0),
         QStringLiteral("first to last (1: last to first)"), Bad::reset, 0, 1},
        {keys::showTooltip, Type::boolean, When::storedWhenFirstRead, true, QStringLiteral("previews on")},
        {keys::pastedBefore, Type::boolean, When::leftMissing, false,
         QStringLiteral(
             "the first paste is still to come: it skips the check for permission to paste and stores true")},
        shortcutPart(keys::quickAccessKeyName, Type::text),
        shortcutPart(keys::quickAccessModifiers, Type::integerArray),
        shortcutPart(keys::toggleSequentialKeyName, Type::text),
        shortcutPart(keys::toggleSequentialModifiers, Type::integerArray),
        shortcutPart(keys::sequentialPasteKeyName, Type::text),
        shortcutPart(keys::sequentialPasteModifiers, Type::integerArray),
        {keys::shiftPasteWindowClasses, Type::textArray, When::storedWhenFirstRead, shiftPasteTerminals(),
         QStringLiteral("the built-in list of terminals that paste on Ctrl+Shift+V")},
        {keys::primaryPasteWindowClasses, Type::textArray, When::storedWhenFirstRead, primaryPasteTerminals(),
         QStringLiteral("the built-in list of terminals that paste the primary selection on Shift+Insert")},
        {keys::clipboardReadTimeout, Type::integer, When::leftMissing, qint64(3000),
         QStringLiteral("3000: a copy whose application takes longer than 3 s to hand it over is not recorded"),
         Bad::clamped, 100, 60000},
        {keys::ignoredWindowClasses, Type::textArray, When::leftMissing, QStringList(),
         QStringLiteral("copies of every window are recorded")},
        {keys::newsletterEndpoint, Type::text, When::leftMissing, QString(),
         QStringLiteral("no newsletter form in the welcome steps")},
        {keys::newsletterListKey, Type::text, When::leftMissing, QString(), QStringLiteral("no list key is sent")},
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
    return hasType(settings.value(key));
}

bool SettingRule::hasType(const QVariant &value) const
{
    switch (type) {
    case Type::integer: return isInteger(value);
    case Type::boolean: return value.metaType().id() == QMetaType::Bool;
    case Type::text: return value.metaType().id() == QMetaType::QString;
    case Type::textArray: return isListOf(value, QMetaType::QString);
    case Type::integerArray: return isListOf(value, QMetaType::LongLong);
    }
    return false;
}

bool SettingRule::accepts(const QVariant &value) const
{
    if (!hasType(value))
        return false;
    if (type != Type::integer)
        return true;
    const std::int64_t n = value.toLongLong();
    return n >= minimum && n <= maximum;
}

std::optional<QVariant> SettingRule::usable(const QVariant &value) const
{
    if (accepts(value))
        return value;
    if (whenBad == WhenBad::clamped && isInteger(value))
        return QVariant(qint64(std::clamp(std::int64_t(value.toLongLong()), minimum, maximum)));
    return std::nullopt;
}

}  // namespace tavrin
