#include "TestDirs.h"
#include "store/SettingsKeys.h"
#include "store/SettingsStore.h"

#include <QDir>
#include <QFileInfo>
#include <QTest>

using namespace tavrin;

class TestSettingsStore : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void aValueOfAnotherTypeReadsAsMissing()
    {
        SettingsStore s;
        s.setBool(QStringLiteral("b"), true);
        s.setInteger(QStringLiteral("i"), -7);
        s.setString(QStringLiteral("s"), QStringLiteral("text"));
        s.setStringArray(QStringLiteral("sa"), {QStringLiteral("x")});
        s.setIntegerArray(QStringLiteral("ia"), {11, 14});
        s.setDictionary(QStringLiteral("d"), {{QStringLiteral("keyCode"), qint64(9)}});

        QCOMPARE(s.boolValue(QStringLiteral("b")), std::optional<bool>(true));
        QCOMPARE(s.integer(QStringLiteral("i")), std::optional<std::int64_t>(-7));
        QCOMPARE(s.string(QStringLiteral("s")), std::optional<QString>(QStringLiteral("text")));
        QCOMPARE(s.stringArray(QStringLiteral("sa")), std::optional<QStringList>(QStringList{QStringLiteral("x")}));
        QCOMPARE(s.integerArray(QStringLiteral("ia")),
                 (std::optional<QList<std::int64_t>>(QList<std::int64_t>{11, 14})));
        QCOMPARE(s.dictionary(QStringLiteral("d"))->value(QStringLiteral("keyCode")).toLongLong(), 9);

        // Every reader treats a value of any other type like no value at all.
        const QStringList all = {QStringLiteral("b"),  QStringLiteral("i"),  QStringLiteral("s"),
                                 QStringLiteral("sa"), QStringLiteral("ia"), QStringLiteral("d")};
        for (const QString &key : all) {
            QCOMPARE(s.boolValue(key).has_value(), key == QStringLiteral("b"));
            QCOMPARE(s.integer(key).has_value(), key == QStringLiteral("i"));
            QCOMPARE(s.string(key).has_value(), key == QStringLiteral("s"));
            QCOMPARE(s.stringArray(key).has_value(), key == QStringLiteral("sa"));
            QCOMPARE(s.integerArray(key).has_value(), key == QStringLiteral("ia"));
            QCOMPARE(s.dictionary(key).has_value(), key == QStringLiteral("d"));
        }
        QVERIFY(!s.integer(QStringLiteral("absent")));

        // An empty array is both an array of texts and of integers; a mixed one is neither.
        s.setStringArray(QStringLiteral("empty"), {});
        QCOMPARE(s.stringArray(QStringLiteral("empty")), std::optional<QStringList>(QStringList()));
        QVERIFY(s.integerArray(QStringLiteral("empty")).has_value());

        s.remove(QStringLiteral("i"));
        QVERIFY(!s.contains(QStringLiteral("i")));
    }

    void aNewProcessReadsBackWhatWasStored()
    {
        test::TestDirs dirs;
        QCOMPARE(SettingsStore::defaultPath(), dirs.settingsPath());
        {
            SettingsStore s(SettingsStore::defaultPath());
            s.setInteger(keys::pinCount, 3);
            s.setBool(keys::soundEnabled, false);
            s.setString(keys::quickAccessKeyName, QStringLiteral("V <&> \x1b"));
            s.setIntegerArray(keys::quickAccessModifiers, {14, 11});
            s.setStringArray(keys::groupNames, {QStringLiteral("My Clipboard"), QString()});
            s.setInteger(QStringLiteral("negative"), std::numeric_limits<std::int64_t>::min());
            s.setBool(QStringLiteral("gone"), true);
            s.remove(QStringLiteral("gone"));
            QVERIFY(s.lastWriteSucceeded());
        }
        SettingsStore again(SettingsStore::defaultPath());
        QCOMPARE(again.integer(keys::pinCount), std::optional<std::int64_t>(3));
        QCOMPARE(again.boolValue(keys::soundEnabled), std::optional<bool>(false));
        QCOMPARE(again.string(keys::quickAccessKeyName), std::optional<QString>(QStringLiteral("V <&> \x1b")));
        QCOMPARE(again.integerArray(keys::quickAccessModifiers),
                 (std::optional<QList<std::int64_t>>(QList<std::int64_t>{14, 11})));
        QCOMPARE(again.stringArray(keys::groupNames),
                 std::optional<QStringList>(QStringList{QStringLiteral("My Clipboard"), QString()}));
        QCOMPARE(again.integer(QStringLiteral("negative")),
                 std::optional<std::int64_t>(std::numeric_limits<std::int64_t>::min()));
        QVERIFY(!again.contains(QStringLiteral("gone")));
        QVERIFY(test::readFile(dirs.settingsPath()).contains("<key>TotalPinCount</key>\n\t<integer>3</integer>"));
    }

    void aDamagedFileIsKeptAsideAndTheStoreStartsEmpty()
    {
        test::TestDirs dirs;
        const QByteArray junk("<?xml version=\"1.0\"?><plist><dict><key>TotalPinCount</key><integer>3");
        test::writeFile(dirs.settingsPath(), junk);
        SettingsStore s(SettingsStore::defaultPath());
        QVERIFY(!s.contains(keys::pinCount));
        QVERIFY(!s.movedAsidePath().isEmpty());
        QCOMPARE(test::readFile(s.movedAsidePath()), junk);
        s.setInteger(keys::pinCount, 1);
        QCOMPARE(SettingsStore(SettingsStore::defaultPath()).integer(keys::pinCount), std::optional<std::int64_t>(1));

        // A file whose root is not a dictionary is damaged too.
        test::writeFile(dirs.settingsPath(), "<?xml version=\"1.0\"?><plist version=\"1.0\"><array/></plist>");
        SettingsStore other(SettingsStore::defaultPath());
        QVERIFY(!other.movedAsidePath().isEmpty());
        QCOMPARE(QDir(QFileInfo(dirs.settingsPath()).absolutePath())
                     .entryList({QStringLiteral("settings.plist.damaged-*")})
                     .size(),
                 2);
    }

    void valuesSurviveAFailedWrite()
    {
        test::TestDirs dirs;
        // A file where the settings folder should be: no write can succeed, whoever runs the test.
        test::writeFile(dirs.configHome() + QStringLiteral("/tavrin"), "in the way");
        SettingsStore s(SettingsStore::defaultPath());
        s.setInteger(keys::sequentialPasteOrder, 1);
        QVERIFY(!s.lastWriteSucceeded());
        QCOMPARE(s.integer(keys::sequentialPasteOrder), std::optional<std::int64_t>(1));
    }
};

QTEST_GUILESS_MAIN(TestSettingsStore)
#include "tst_settings_store.moc"
