#include "TestDirs.h"
#include "platform/fake/FakeScheduler.h"
#include "store/HistoryStore.h"
#include "store/SettingsKeys.h"
#include "store/SettingsStore.h"
#include "store/StringListFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QTest>

using namespace tavrin;
using namespace std::chrono_literals;

namespace {

// A history on the fake clock whose settings persist in the test's own folder.
struct Fixture {
    test::TestDirs dirs;
    SettingsStore settings{SettingsStore::defaultPath()};
    FakeScheduler clock;
    HistoryStore history{settings, clock};

    QString historyPath() const { return dirs.documents() + QStringLiteral("/myfile.plist"); }
    QStringList onDisk()
    {
        history.waitForWrites();
        return readStringListAtPath(historyPath());
    }
    void fill(const QStringList &newestFirst)
    {
        for (auto it = newestFirst.crbegin(); it != newestFirst.crend(); ++it)
            history.insertCaptured(*it);
    }
};

QStringList letters(const QString &s)
{
    QStringList out;
    for (QChar c : s)
        out.append(QString(c));
    return out;
}

}  // namespace

class TestHistoryStore : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void capturesGoBelowThePinsWithoutDeduplication()
    {
        Fixture f;
        f.history.loadHistory();
        QCOMPARE(f.settings.integer(keys::pinCount), std::optional<std::int64_t>(0));
        f.fill(letters(QStringLiteral("abcde")));
        f.history.togglePin(2);  // c
        f.history.togglePin(3);  // d
        f.history.togglePin(4);  // e
        QCOMPARE(f.history.items(), letters(QStringLiteral("cdeab")));
        f.history.insertCaptured(QStringLiteral("x"));
        f.history.insertCaptured(QStringLiteral("x"));
        QCOMPARE(f.history.items(), letters(QStringLiteral("cdexxab")));
        QCOMPARE(f.history.pinCount(), 3);
    }

    void pinningMovesEntriesToTheEdgeOfThePinnedBlock()
    {
        Fixture f;
        f.history.loadHistory();
        f.fill(letters(QStringLiteral("abcdefg")));
        f.history.togglePin(3);  // d
        f.history.togglePin(5);  // f
        QCOMPARE(f.history.items(), letters(QStringLiteral("dfabceg")));
        QCOMPARE(f.history.pinCount(), 2);

        // Pin at 5 with two pins: to index 2, three pins.
        f.history.togglePin(5);  // e
        QCOMPARE(f.history.items(), letters(QStringLiteral("dfeabcg")));
        QCOMPARE(f.history.pinCount(), 3);
        QCOMPARE(f.settings.integer(keys::pinCount), std::optional<std::int64_t>(3));
        QCOMPARE(f.onDisk(), f.history.items());

        // Unpin at 0 with three pins: to index 2, two pins.
        f.history.togglePin(0);
        QCOMPARE(f.history.items(), letters(QStringLiteral("fedabcg")));
        QCOMPARE(f.history.pinCount(), 2);
        QCOMPARE(f.settings.integer(keys::pinCount), std::optional<std::int64_t>(2));
        QCOMPARE(f.onDisk(), f.history.items());
    }

    void removingAndClearingStoreAtOnce()
    {
        Fixture f;
        f.history.loadHistory();
        f.fill(letters(QStringLiteral("abcd")));
        f.history.togglePin(2);
        f.history.togglePin(3);
        QCOMPARE(f.history.items(), letters(QStringLiteral("cdab")));

        f.history.removeItem(0);  // a pinned entry: the count drops and is stored before the file is written
        QCOMPARE(f.history.pinCount(), 1);
        QCOMPARE(SettingsStore(SettingsStore::defaultPath()).integer(keys::pinCount), std::optional<std::int64_t>(1));
        QCOMPARE(f.onDisk(), letters(QStringLiteral("dab")));

        f.history.removeItem(2);  // unpinned
        QCOMPARE(f.history.pinCount(), 1);
        QCOMPARE(f.onDisk(), letters(QStringLiteral("da")));

        f.history.clearAll();
        QVERIFY(f.history.items().isEmpty());
        QCOMPARE(f.history.pinCount(), 0);
        QCOMPARE(f.settings.integer(keys::pinCount), std::optional<std::int64_t>(0));
        QVERIFY(QFileInfo::exists(f.historyPath()));
        QCOMPARE(f.onDisk(), QStringList());
    }

    void burstsOfCapturesAreSavedOnceFiveSecondsAfterTheLast()
    {
        Fixture f;
        f.history.loadHistory();
        f.history.insertCaptured(QStringLiteral("one"));
        f.history.scheduleSave();
        f.clock.advance(4s);
        f.history.insertCaptured(QStringLiteral("two"));
        f.history.scheduleSave();
        f.clock.advance(4999ms);
        f.history.waitForWrites();
        QVERIFY(!QFileInfo::exists(f.historyPath()));
        QVERIFY(f.history.hasPendingSave());
        f.clock.advance(1ms);
        QVERIFY(!f.history.hasPendingSave());
        QCOMPARE(f.onDisk(), (QStringList{QStringLiteral("two"), QStringLiteral("one")}));
        QCOMPARE(f.settings.string(keys::historyPath), std::optional<QString>(f.historyPath()));
    }

    void aCleanQuitWritesThePendingSave()
    {
        Fixture f;
        f.history.loadHistory();
        f.history.insertCaptured(QStringLiteral("last words"));
        f.history.scheduleSave();
        f.history.flushPendingSave();
        QVERIFY(!f.history.hasPendingSave());
        QCOMPARE(readStringListAtPath(f.historyPath()), QStringList{QStringLiteral("last words")});
        f.clock.advance(10s);  // the cancelled timer does not write again
        QCOMPARE(f.onDisk(), QStringList{QStringLiteral("last words")});
    }

    void theRememberedPathIsUsedFromTheFirstSaveOn()
    {
        Fixture f;
        const QString elsewhere = f.dirs.root() + QStringLiteral("/moved/history.plist");
        f.settings.setString(keys::historyPath, elsewhere);
        f.history.insertCaptured(QStringLiteral("kept"));
        f.history.saveHistory();
        f.history.waitForWrites();
        QCOMPARE(readStringListAtPath(elsewhere), QStringList{QStringLiteral("kept")});
        QVERIFY(!QFileInfo::exists(f.historyPath()));
    }

    void aPinCountBeyondTheEntriesIsClampedAndStored()
    {
        Fixture f;
        f.settings.setInteger(keys::pinCount, 5);
        f.settings.setString(keys::historyPath, f.historyPath());
        QVERIFY(writeStringListAtPath(f.historyPath(), letters(QStringLiteral("ab"))));
        f.history.loadHistory();
        QCOMPARE(f.history.pinCount(), 2);
        QCOMPARE(f.settings.integer(keys::pinCount), std::optional<std::int64_t>(2));

        // A deleted file with pins stored: empty history, no pins.
        QFile::remove(f.historyPath());
        Fixture g;
        g.settings.setInteger(keys::pinCount, 3);
        g.settings.setString(keys::historyPath, g.historyPath());
        g.history.loadHistory();
        QVERIFY(g.history.items().isEmpty());
        QCOMPARE(g.history.pinCount(), 0);

        Fixture h;
        h.settings.setInteger(keys::pinCount, -4);
        h.history.loadHistory();
        QCOMPARE(h.history.pinCount(), 0);

        Fixture wrongType;
        wrongType.settings.setString(keys::pinCount, QStringLiteral("3"));
        wrongType.history.loadHistory();
        QCOMPARE(wrongType.settings.integer(keys::pinCount), std::optional<std::int64_t>(0));
    }

    void aDamagedHistoryIsKeptAsideBeforeTheNextWrite()
    {
        Fixture f;
        const QByteArray damaged("<?xml version=\"1.0\"?><plist version=\"1.0\"><array><string>precious");
        test::writeFile(f.historyPath(), damaged);
        f.settings.setString(keys::historyPath, f.historyPath());
        f.history.loadHistory();
        QVERIFY(f.history.items().isEmpty());
        f.history.insertCaptured(QStringLiteral("new"));
        f.history.saveHistory();
        QCOMPARE(f.onDisk(), QStringList{QStringLiteral("new")});
        const QStringList aside = QDir(f.dirs.documents()).entryList({QStringLiteral("myfile.plist.damaged-*")});
        QCOMPARE(aside.size(), 1);
        QCOMPARE(test::readFile(f.dirs.documents() + QLatin1Char('/') + aside.first()), damaged);
    }

    void aFailedWriteKeepsEverythingInMemory()
    {
        Fixture f;
        f.history.loadHistory();
        f.fill(letters(QStringLiteral("abc")));
        f.history.saveHistory();
        QVERIFY(f.history.waitForWrites());

        QFile::setPermissions(f.dirs.documents(), QFile::ReadOwner | QFile::ExeOwner);
        if (QFileInfo(f.dirs.documents()).isWritable())
            QSKIP("folder permissions do not bind this user (run the suite unprivileged)");
        f.history.insertCaptured(QStringLiteral("d"));
        f.history.togglePin(3);
        QVERIFY(!f.history.waitForWrites());
        QCOMPARE(f.history.items(), letters(QStringLiteral("cdab")));
        QCOMPARE(readStringListAtPath(f.historyPath()), letters(QStringLiteral("abc")));

        // Once the folder is writable again the next save carries everything.
        QFile::setPermissions(f.dirs.documents(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        f.history.saveHistory();
        QVERIFY(f.history.waitForWrites());
        QCOMPARE(readStringListAtPath(f.historyPath()), letters(QStringLiteral("cdab")));
    }

    void aNewProcessReadsTheSameHistory()
    {
        Fixture f;
        f.history.loadHistory();
        QStringList entries = {QStringLiteral("plain"),
                               QStringLiteral("two\nlines\r\n"),
                               QStringLiteral("tab\there"),
                               QStringLiteral("\x1b[1mbold"),
                               QString(),
                               QStringLiteral("Ünïcödé ✓ 😀")};
        f.fill(entries);
        f.history.togglePin(4);
        f.history.togglePin(5);
        f.history.saveHistory();
        f.history.waitForWrites();

        QString dump = qEnvironmentVariable("TAVRIN_HISTORY_DUMP");
        if (dump.isEmpty())
            dump = QCoreApplication::applicationDirPath() + QStringLiteral("/../support/tavrin-history-dump");
        const QByteArray json = test::runProgram(dump, {});
        const QJsonObject loaded = QJsonDocument::fromJson(json).object();
        QCOMPARE(loaded.value(QStringLiteral("pinCount")).toInt(), 2);
        QStringList items;
        for (const QJsonValue &v : loaded.value(QStringLiteral("items")).toArray())
            items.append(v.toString());
        QCOMPARE(items, f.history.items());
    }

    void signalsDescribeEachChange()
    {
        Fixture f;
        f.history.loadHistory();
        QSignalSpy inserted(&f.history, &HistoryStore::itemInserted);
        QSignalSpy moved(&f.history, &HistoryStore::itemMoved);
        QSignalSpy removed(&f.history, &HistoryStore::itemRemoved);
        f.fill(letters(QStringLiteral("abc")));
        f.history.togglePin(2);
        f.history.insertCaptured(QStringLiteral("d"));
        f.history.removeItem(1);
        QCOMPARE(inserted.size(), 4);
        QCOMPARE(inserted.last().at(0).toInt(), 1);  // below the one pin
        QCOMPARE(moved.first().at(0).toInt(), 2);
        QCOMPARE(moved.first().at(1).toInt(), 0);
        QCOMPARE(removed.first().at(0).toInt(), 1);
    }
};

QTEST_GUILESS_MAIN(TestHistoryStore)
#include "tst_history_store.moc"
