// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestDirs.h"
#include "store/PropertyListCodec.h"
#include "store/SettingsKeys.h"
#include "store/SettingsStore.h"
#include "store/SettingsTable.h"

#include <QRegularExpression>
#include <QTest>

#include <limits>

using namespace tavrin;

namespace {

// A usable value for every key of the table, none of them its default, so that a reset shows.
QVariantMap goodValues()
{
    const auto texts = [](std::initializer_list<const char *> items) {
        QVariantList list;
        for (const char *item : items)
            list.append(QString::fromUtf8(item));
        return list;
    };
    return {
        {keys::pinCount, qint64(2)},
        {keys::historyPath, QStringLiteral("/home/someone/.local/share/tavrin/myfile.plist")},
        {keys::groupNames, texts({"My Clipboard", "Work"})},
        {keys::firstRun, qint64(1)},
        {keys::startAtLogin, true},
        {keys::soundEnabled, false},
        {keys::sequentialPasteOrder, qint64(1)},
        {keys::showTooltip, false},
        {keys::pastedBefore, false},
        {keys::quickAccessKeyName, QStringLiteral("v")},
        {keys::quickAccessModifiers, QVariantList{qint64(12), qint64(13)}},
        {keys::toggleSequentialKeyName, QStringLiteral("s")},
        {keys::toggleSequentialModifiers, QVariantList{qint64(12)}},
        {keys::sequentialPasteKeyName, QStringLiteral("b")},
        {keys::sequentialPasteModifiers, QVariantList{qint64(13)}},
        {keys::shiftPasteWindowClasses, texts({"kitty"})},
        {keys::primaryPasteWindowClasses, texts({"XTerm", "Mlterm"})},
        {keys::clipboardReadTimeout, qint64(5000)},
        {keys::ignoredWindowClasses, texts({"KeePassXC"})},
        {keys::newsletterEndpoint, QStringLiteral("https://news.example.org/subscribe")},
        {keys::newsletterListKey, QStringLiteral("list-1")},
    };
}

// Values no key of this type can use: another type, and for the arrays a list with an element of another type.
QList<QVariant> badValuesFor(const SettingRule &rule)
{
    QList<QVariant> bad;
    switch (rule.type) {
    case SettingRule::Type::integer: bad = {QStringLiteral("12"), true, 1.5}; break;
    case SettingRule::Type::boolean: bad = {qint64(1), QStringLiteral("yes")}; break;
    case SettingRule::Type::text: bad = {qint64(7), QVariantList{QStringLiteral("a")}}; break;
    case SettingRule::Type::textArray: bad = {QStringLiteral("a"), QVariantList{QStringLiteral("a"), qint64(1)}}; break;
    case SettingRule::Type::integerArray: bad = {qint64(12), QVariantList{qint64(12), QStringLiteral("x")}}; break;
    }
    // Of the right type but not among the usable values.
    if (rule.type == SettingRule::Type::integer && rule.minimum > std::numeric_limits<std::int64_t>::min())
        bad.append(qint64(rule.minimum - 1));
    if (rule.type == SettingRule::Type::integer && rule.maximum < std::numeric_limits<std::int64_t>::max())
        bad.append(qint64(rule.maximum + 1));
    return bad;
}

bool isOutOfRangeInteger(const SettingRule &rule, const QVariant &value)
{
    return rule.type == SettingRule::Type::integer && value.metaType().id() == QMetaType::LongLong;
}

}  // namespace

class TestSettingsTable : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void everyKeyIsInTheTableOnce()
    {
        const QVariantMap good = goodValues();
        QStringList seen;
        for (const SettingRule &rule : SettingRule::all()) {
            QVERIFY2(!seen.contains(rule.key), qPrintable(rule.key));
            seen.append(rule.key);
            QVERIFY2(good.contains(rule.key), qPrintable(rule.key + QStringLiteral(" has no value in this test")));
            QVERIFY2(rule.accepts(good.value(rule.key)), qPrintable(rule.key));
            if (rule.defaultValue.isValid())
                QVERIFY2(rule.accepts(rule.defaultValue), qPrintable(rule.key));
            QVERIFY2(!rule.missingMeans.isEmpty(), qPrintable(rule.key));
        }
        QCOMPARE(seen.size(), good.size());
    }

    void aBadValueInTheFileResetsThatKeyAloneAndTheOthersKeepTheirs()
    {
        const QVariantMap good = goodValues();
        int checked = 0;
        for (const SettingRule &rule : SettingRule::all()) {
            for (const QVariant &bad : badValuesFor(rule)) {
                const QByteArray what = (rule.key + QStringLiteral(" = ") + bad.toString()).toUtf8();
                test::TestDirs dirs;
                const QString path = dirs.settingsPath();
                QVariantMap values = good;
                values.insert(rule.key, bad);
                test::writeFile(path, plist::serialize(values));

                const bool kept = rule.whenBad == SettingRule::WhenBad::kept;
                const bool clamped = rule.whenBad == SettingRule::WhenBad::clamped && isOutOfRangeInteger(rule, bad);
                if (!kept)
                    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QRegularExpression::escape(rule.key)));
                SettingsStore settings(path);
                for (auto it = good.cbegin(); it != good.cend(); ++it) {
                    if (it.key() == rule.key)
                        continue;
                    QVERIFY2(settings.value(it.key()) == it.value() ||
                                 settings.value(it.key()).toStringList() == it.value().toStringList(),
                             what.constData());
                }
                const QVariant now = settings.value(rule.key);
                if (kept) {
                    // A stored shortcut that cannot be mapped stays exactly as it was recorded.
                    QVERIFY2(now == bad, what.constData());
                } else if (clamped) {
                    QVERIFY2(rule.accepts(now), what.constData());
                    const std::int64_t n = bad.toLongLong();
                    QCOMPARE(now.toLongLong(), n < rule.minimum ? rule.minimum : rule.maximum);
                } else {
                    QVERIFY2(!now.isValid(), what.constData());
                }
                // The repair reaches the file too; the others are written back unchanged.
                QVERIFY(settings.flush());
                SettingsStore reread(path);
                QCOMPARE(reread.value(rule.key), now);
                QCOMPARE(reread.keys().size(), settings.keys().size());
                ++checked;
            }
        }
        QVERIFY(checked >= SettingRule::all().size() * 2);
    }

    void typedReadsGiveTheTablesDefaultForMissingAndBadValues()
    {
        SettingsStore settings;
        QCOMPARE(settings.flag(keys::soundEnabled), true);
        QCOMPARE(settings.number(keys::clipboardReadTimeout), 3000);
        QCOMPARE(settings.number(keys::sequentialPasteOrder), 0);
        QCOMPARE(settings.texts(keys::ignoredWindowClasses), QStringList());
        QCOMPARE(settings.text(keys::newsletterEndpoint), QString());
        QVERIFY(settings.texts(keys::primaryPasteWindowClasses).contains(QStringLiteral("XTerm")));

        // Set in memory with another type or out of range: read as the default, or brought into range.
        settings.setString(keys::soundEnabled, QStringLiteral("no"));
        settings.setInteger(keys::sequentialPasteOrder, 7);
        settings.setInteger(keys::clipboardReadTimeout, 5);
        QCOMPARE(settings.flag(keys::soundEnabled), true);
        QCOMPARE(settings.number(keys::sequentialPasteOrder), 0);
        QCOMPARE(settings.number(keys::clipboardReadTimeout), 100);

        // Stored where missing or unusable; a usable value stays.
        QVERIFY(settings.storeDefaultIfMissing(keys::soundEnabled));
        QCOMPARE(settings.boolValue(keys::soundEnabled), std::optional<bool>(true));
        settings.setBool(keys::soundEnabled, false);
        QVERIFY(!settings.storeDefaultIfMissing(keys::soundEnabled));
        QCOMPARE(settings.flag(keys::soundEnabled), false);
    }
};

QTEST_GUILESS_MAIN(TestSettingsTable)
#include "tst_settings_table.moc"
