// SPDX-License-Identifier: GPL-3.0-or-later
#include "FileSizeLimit.h"
#include "TestDirs.h"
#include "platform/fake/FakeScheduler.h"
#include "store/HistoryJournal.h"
#include "store/HistoryStore.h"
#include "store/SettingsKeys.h"
#include "store/SettingsStore.h"
#include "store/StringListFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

using namespace tavrin;
using namespace std::chrono_literals;

namespace {

// A history on the fake clock whose settings and files persist in the test's own folder.
struct Fixture {
    test::TestDirs dirs;
    SettingsStore settings{dirs.settingsPath()};
    FakeScheduler clock;
    ListFolder folder{dirs.documents()};
    HistoryStore history{settings, clock, folder};

    QString historyPath() const { return dirs.documents() + QStringLiteral("/myfile.plist"); }
    /// What the next start reads: the history file with its journal applied.
    QStringList onDisk()
    {
        history.waitForWrites();
        EntryList items = readListFile(historyPath()).strings;
        std::int64_t pins = 0;
        replayJournal(historyPath(), items, pins);
        return items.toStringList();
    }
    void fill(const QStringList &newestFirst)
    {
        for (qsizetype i = newestFirst.size() - 1; i >= 0; --i)
            history.insertCaptured(newestFirst.at(i));
    }
};

// One run of the program over folders that outlive it.
struct Run {
    explicit Run(const test::TestDirs &dirs)
        : settings(dirs.settingsPath()), folder(dirs.documents()), history(settings, clock, folder)
    {
    }
    SettingsStore settings;
    FakeScheduler clock;
    ListFolder folder;
    HistoryStore history;
};

// A file size the settings fit in and a history holding largeEntry() does not.
constexpr rlim_t kSmallFile = 4096;

QString largeEntry()
{
    return QString(8192, QLatin1Char('x'));
}

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
        QVERIFY(f.settings.flush());
        QCOMPARE(SettingsStore(f.dirs.settingsPath()).integer(keys::pinCount), std::optional<std::int64_t>(1));
        QCOMPARE(f.onDisk(), letters(QStringLiteral("dab")));

        f.history.removeItem(2);  // unpinned
        QCOMPARE(f.history.pinCount(), 1);
        QCOMPARE(f.onDisk(), letters(QStringLiteral("da")));

        f.history.clearAll();
        QVERIFY(f.history.items().isEmpty());
        QCOMPARE(f.history.pinCount(), 0);
        QCOMPARE(f.settings.integer(keys::pinCount), std::optional<std::int64_t>(0));
        // A clear writes the file whole: nothing cleared is left in the journal.
        QCOMPARE(f.onDisk(), QStringList());
        QVERIFY(QFileInfo::exists(f.historyPath()));
        QCOMPARE(readJournal(f.history.journalPath()).records.size(), 0);
    }

    void aBurstOfCapturesReachesTheJournalTogetherAndLeavesTheFileAlone()
    {
        Fixture f;
        QVERIFY(writeStringListAtPath(f.historyPath(), {QStringLiteral("old")}));
        const QByteArray before = test::readFile(f.historyPath());
        f.history.loadHistory();
        f.history.insertCaptured(QStringLiteral("one"));
        f.history.scheduleSave();
        f.clock.advance(100ms);
        f.history.insertCaptured(QStringLiteral("two"));
        f.history.scheduleSave();  // the first capture's delay holds: no capture waits longer
        f.clock.advance(HistoryStore::kSaveDelay - 101ms);
        f.history.waitForWrites();
        QVERIFY(!QFileInfo::exists(f.history.journalPath()));
        QVERIFY(f.history.hasPendingSave());
        QVERIFY(f.history.hasUnsavedChanges());
        f.clock.advance(1ms);
        QVERIFY(!f.history.hasPendingSave());
        QCOMPARE(f.onDisk(), (QStringList{QStringLiteral("two"), QStringLiteral("one"), QStringLiteral("old")}));
        QVERIFY(!f.history.hasUnsavedChanges());
        // The history file is as it was; the journal holds the two captures and nothing else.
        QCOMPARE(test::readFile(f.historyPath()), before);
        const JournalRead journal = readJournal(f.history.journalPath());
        QCOMPARE(journal.records.size(), 2);
        QCOMPARE(journal.records.at(1).text, QStringLiteral("two"));
        QVERIFY(QFileInfo(f.history.journalPath()).size() < 200);
        QCOMPARE(f.settings.string(keys::historyPath), std::optional<QString>(f.historyPath()));
    }

    void aJournalPastItsBoundIsFoldedIntoTheHistoryFile()
    {
        Fixture f;
        f.history.loadHistory();
        for (qsizetype i = 0; i <= HistoryStore::kFoldRecords; ++i)
            f.history.insertCaptured(QString::number(i));
        f.history.scheduleSave();
        f.clock.advance(HistoryStore::kSaveDelay);
        QVERIFY(f.history.waitForWrites());  // the journal, whose outcome asks for the fold
        QVERIFY(f.history.waitForWrites());  // the fold
        const QStringList file = readStringListAtPath(f.historyPath());
        QCOMPARE(file.size(), HistoryStore::kFoldRecords + 1);
        QCOMPARE(file.first(), QString::number(HistoryStore::kFoldRecords));
        const JournalRead journal = readJournal(f.history.journalPath());
        QCOMPARE(journal.status, JournalRead::Status::read);
        QVERIFY(journal.records.isEmpty());
        QCOMPARE(f.onDisk(), f.history.items());

        // A capture after the fold goes into the new journal, which belongs to the folded file.
        f.history.insertCaptured(QStringLiteral("after"));
        f.history.scheduleSave();
        f.clock.advance(HistoryStore::kSaveDelay);
        QCOMPARE(f.onDisk(), f.history.items());
        QCOMPARE(readStringListAtPath(f.historyPath()), file);
    }

    void aCleanQuitWritesThePendingSave()
    {
        Fixture f;
        f.history.loadHistory();
        f.history.insertCaptured(QStringLiteral("last words"));
        f.history.scheduleSave();
        f.history.flushPendingSave();
        QVERIFY(!f.history.hasPendingSave());
        // Written whole, the journal started over without changes.
        QCOMPARE(readStringListAtPath(f.historyPath()), QStringList{QStringLiteral("last words")});
        QCOMPARE(readJournal(f.history.journalPath()).records.size(), 0);
        f.clock.advance(10s);  // the cancelled timer does not write again
        QCOMPARE(f.onDisk(), QStringList{QStringLiteral("last words")});
    }

    void theRememberedPathIsUsedFromTheFirstSaveOn()
    {
        Fixture f;
        const QString elsewhere = f.dirs.root() + QStringLiteral("/moved/history.plist");
        QVERIFY(QDir().mkpath(QFileInfo(elsewhere).absolutePath()));
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

    void aHistoryWithoutARememberedPathIsStillTheUsers()
    {
        // The settings file deleted, or cut in half (it is then set aside and the settings start empty): the
        // history file at the default path is read, remembered and kept, not replaced by the next capture.
        const QList<QByteArray> settingsFiles = {QByteArray(),
                                                 QByteArray("<?xml version=\"1.0\"?><plist version=\"1.0\"><dict>"
                                                            "<key>userdefaultsCopiedPath</key><str")};
        for (const QByteArray &settingsFile : settingsFiles) {
            test::TestDirs dirs;
            QVERIFY(writeStringListAtPath(dirs.documents() + QStringLiteral("/myfile.plist"),
                                          letters(QStringLiteral("abc"))));
            if (!settingsFile.isEmpty()) {
                test::writeFile(dirs.settingsPath(), settingsFile);
                QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("cannot read the settings.*")));
            }
            Run run(dirs);
            run.history.loadHistory();
            QCOMPARE(run.history.items(), letters(QStringLiteral("abc")));
            QCOMPARE(run.settings.string(keys::historyPath),
                     std::optional<QString>(dirs.documents() + QStringLiteral("/myfile.plist")));
            run.history.insertCaptured(QStringLiteral("n"));
            QVERIFY(run.history.flushPendingSave());
            QCOMPARE(readStringListAtPath(dirs.documents() + QStringLiteral("/myfile.plist")),
                     letters(QStringLiteral("nabc")));
        }
    }

    void aHistoryReadInTheBackgroundKeepsWhatHappensMeanwhile()
    {
        test::TestDirs dirs;
        {
            Run first(dirs);
            first.history.loadHistory();
            for (const QString &entry : letters(QStringLiteral("edcba")))
                first.history.insertCaptured(entry);
            first.history.togglePin(1);  // b
            QVERIFY(first.history.flushPendingSave());
        }
        const QString path = dirs.documents() + QStringLiteral("/myfile.plist");
        const QByteArray fileBefore = test::readFile(path);
        const QByteArray journalBefore = test::readFile(journalPathFor(path));
        Run run(dirs);
        QSignalSpy resets(&run.history, &HistoryStore::itemsReset);
        QSignalSpy loaded(&run.history, &HistoryStore::loaded);
        run.history.loadPinCount();
        run.history.startLoadingItems();
        // The entries come in through the event loop only: until then the list is empty and nothing is written.
        QVERIFY(!run.history.isLoaded());
        QVERIFY(run.history.items().isEmpty());
        run.history.insertCaptured(QStringLiteral("x"));
        run.history.insertCaptured(QStringLiteral("y"));
        run.history.togglePin(0);
        run.history.removeItem(0);
        run.history.saveHistory();
        run.clock.advance(HistoryStore::kSaveDelay * 4);
        QVERIFY(run.history.items().isEmpty());
        QVERIFY(run.history.waitForWrites());
        QCOMPARE(test::readFile(path), fileBefore);
        QCOMPARE(test::readFile(journalPathFor(path)), journalBefore);
        bool ranAfterLoad = false;
        QObject gone;
        bool ranForGone = false;
        run.history.whenLoaded(&run.history, [&] { ranAfterLoad = run.history.items().size() == 7; });
        {
            QObject context;
            run.history.whenLoaded(&context, [&] { ranForGone = true; });
        }

        QVERIFY(loaded.wait(10000));
        QVERIFY(run.history.isLoaded());
        QCOMPARE(resets.size(), 1);
        // The copies made meanwhile are the newest, below the pin.
        QCOMPARE(run.history.items(), letters(QStringLiteral("byxacde")));
        QCOMPARE(run.history.pinCount(), 1);
        QVERIFY(ranAfterLoad);
        QVERIFY(!ranForGone);
        bool ranAtOnce = false;
        run.history.whenLoaded(&gone, [&] { ranAtOnce = true; });
        QVERIFY(ranAtOnce);
        // The save asked for meanwhile happens now, with the copies.
        QVERIFY(run.history.waitForWrites());
        QCOMPARE(readStringListAtPath(path), letters(QStringLiteral("byxacde")));
    }

    void aQuitOrAClearWhileTheHistoryIsReadWaitsForIt()
    {
        test::TestDirs dirs;
        const QString path = dirs.documents() + QStringLiteral("/myfile.plist");
        QVERIFY(writeStringListAtPath(path, letters(QStringLiteral("abc"))));
        {
            Run run(dirs);
            run.history.loadPinCount();
            run.history.startLoadingItems();
            run.history.insertCaptured(QStringLiteral("n"));
            // A quit takes the entries in before it saves: the file keeps them and gains the copy.
            QVERIFY(run.history.flushPendingSave());
            QVERIFY(run.history.isLoaded());
            QCOMPARE(readStringListAtPath(path), letters(QStringLiteral("nabc")));
        }
        {
            Run run(dirs);
            run.history.loadPinCount();
            run.history.startLoadingItems();
            // A clear asked for meanwhile clears what is read too, and the copies made after it stay.
            run.history.clearAll();
            QSignalSpy loaded(&run.history, &HistoryStore::loaded);
            QVERIFY(loaded.wait(10000));
            QVERIFY(run.history.items().isEmpty());
            run.history.insertCaptured(QStringLiteral("z"));
            QVERIFY(run.history.flushPendingSave());
            QCOMPARE(readStringListAtPath(path), QStringList{QStringLiteral("z")});
        }
        {
            // A store that goes while its file is read waits for the reading thread, which must not reach it after.
            Run run(dirs);
            run.history.startLoadingItems();
        }
    }

    void anEmptyOrRelativeRememberedPathMeansTheDefaultOne()
    {
        QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
        for (const QString &stored :
             {QString(), QStringLiteral("myfile.plist"), QStringLiteral("../elsewhere.plist")}) {
            Fixture f;
            QVERIFY(writeStringListAtPath(f.historyPath(), {QStringLiteral("old")}));
            f.settings.setString(keys::historyPath, stored);
            f.history.loadHistory();
            QCOMPARE(f.history.items(), QStringList{QStringLiteral("old")});
            f.history.insertCaptured(QStringLiteral("new"));
            QVERIFY(f.history.flushPendingSave());
            QCOMPARE(readStringListAtPath(f.historyPath()),
                     (QStringList{QStringLiteral("new"), QStringLiteral("old")}));
            QCOMPARE(f.settings.string(keys::historyPath), std::optional<QString>(f.historyPath()));
        }
    }

    void aDamagedHistoryLeavesTheStoredPinCountAlone()
    {
        test::TestDirs dirs;
        const QString path = dirs.documents() + QStringLiteral("/myfile.plist");
        QVERIFY(writeStringListAtPath(path, letters(QStringLiteral("pqrab"))));
        const QByteArray whole = test::readFile(path);
        test::writeFile(path, whole.left(whole.size() / 2));
        {
            Run run(dirs);
            run.settings.setInteger(keys::pinCount, 3);
            run.settings.setString(keys::historyPath, path);
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("cannot read .*myfile.plist.*")));
            run.history.loadHistory();
            QVERIFY(run.history.items().isEmpty());
            QCOMPARE(run.history.pinCount(), 0);  // in memory: nothing to pin
            run.history.insertCaptured(QStringLiteral("x"));
            QVERIFY(run.history.flushPendingSave());
            QCOMPARE(run.settings.integer(keys::pinCount), std::optional<std::int64_t>(3));
        }
        // The user puts the whole file back: its pins come back with it.
        test::writeFile(path, whole);
        Run again(dirs);
        again.history.loadHistory();
        QCOMPARE(again.history.items(), letters(QStringLiteral("pqrab")));
        QCOMPARE(again.history.pinCount(), 3);
    }

    void aFailedSaveIsRetriedWithGrowingPausesAndToldOnce()
    {
        Fixture f;
        f.history.loadHistory();
        QSignalSpy failed(&f.history, &HistoryStore::saveFailed);
        QSignalSpy recovered(&f.history, &HistoryStore::saveRecovered);
        // A full disk for whoever runs the test: no history this large fits.
        auto full = std::make_unique<test::FileSizeLimit>(kSmallFile);
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression(QStringLiteral("cannot save the history to .*File too large")));
        f.history.insertCaptured(largeEntry());
        f.history.saveHistory();
        QVERIFY(!f.history.waitForWrites());
        QCOMPARE(failed.size(), 1);
        QCOMPARE(failed.first().at(0).toString(), f.historyPath());
        QCOMPARE(failed.first().at(1).toString(), QStringLiteral("File too large"));

        // Tried again 5 s later on its own, then 10 s after that; the user is told only once.
        f.clock.advance(5s);
        QVERIFY(!f.history.waitForWrites());
        f.clock.advance(9s);
        full.reset();
        f.history.waitForWrites();
        QVERIFY(!QFileInfo::exists(f.historyPath()));
        f.clock.advance(1s);
        QVERIFY(f.history.waitForWrites());
        QCOMPARE(readStringListAtPath(f.historyPath()), QStringList{largeEntry()});
        QCOMPARE(failed.size(), 1);
        QCOMPARE(recovered.size(), 1);
        QCOMPARE(recovered.first().at(0).toString(), f.historyPath());
        QVERIFY(!f.history.hasUnsavedChanges());
        // A failed write leaves no temporary file behind.
        QCOMPARE(QDir(f.dirs.documents()).entryList(QDir::Files),
                 (QStringList{QStringLiteral("myfile.plist"), QStringLiteral("myfile.plist.journal")}));

        // Once saved, nothing is retried; a later failure (of the journal) is told again, its pauses start short
        // again.
        f.clock.advance(10min);
        full = std::make_unique<test::FileSizeLimit>(kSmallFile);
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression(QStringLiteral("cannot save the history to .*its journal.*")));
        f.history.insertCaptured(largeEntry());
        f.history.scheduleSave();
        f.clock.advance(HistoryStore::kSaveDelay);
        QVERIFY(!f.history.waitForWrites());
        QCOMPARE(failed.size(), 2);
        QCOMPARE(failed.last().at(0).toString(), f.historyPath());
        // The failed append left no part of a record behind.
        QCOMPARE(readJournal(f.history.journalPath()).records.size(), 0);
        QVERIFY(!readJournal(f.history.journalPath()).tornTail);
        full.reset();
        f.clock.advance(5s);
        QVERIFY(f.history.waitForWrites());
        QCOMPARE(recovered.size(), 2);
        QCOMPARE(f.onDisk(), f.history.items());
    }

    void aSaveThatFailsAtQuitSaysWhereAndWhy()
    {
        Fixture f;
        f.history.loadHistory();
        QString error = QStringLiteral("untouched");
        QVERIFY(f.history.flushPendingSave(&error));  // nothing to save
        const test::FileSizeLimit full(kSmallFile);
        f.history.insertCaptured(largeEntry());
        f.history.scheduleSave();
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("cannot save the history to .*")));
        QVERIFY(!f.history.flushPendingSave(&error));
        QCOMPARE(error, f.historyPath() + QStringLiteral(": File too large"));
        QVERIFY(f.history.hasUnsavedChanges());
    }

    void aFolderInTheHistoryFilesPlaceIsKeptAsideAndTheHistorySaved()
    {
        Fixture f;
        // A folder with something in it where the file belongs: it reads as damaged, and the first save moves it
        // aside whole and writes the history in its place.
        QVERIFY(QDir().mkpath(f.historyPath()));
        test::writeFile(f.historyPath() + QStringLiteral("/inside.txt"), "the user's");
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("cannot read .*it is a folder.*")));
        f.history.loadHistory();
        QVERIFY(f.history.items().isEmpty());
        QSignalSpy keptAside(&f.folder, &ListFolder::keptAside);
        QSignalSpy failed(&f.history, &HistoryStore::saveFailed);
        f.history.insertCaptured(QStringLiteral("copied"));
        QString error;
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("kept .*myfile.plist as .*")));
        QVERIFY2(f.history.flushPendingSave(&error), qPrintable(error));
        QCOMPARE(f.onDisk(), QStringList{QStringLiteral("copied")});
        QCOMPARE(failed.size(), 0);
        QCOMPARE(keptAside.size(), 1);
        const QString aside = keptAside.first().at(1).toString();
        QVERIFY2(aside.startsWith(f.historyPath() + QStringLiteral(".damaged-")), qPrintable(aside));
        QCOMPARE(keptAside.first().at(2).toString(), QStringLiteral("it is a folder"));
        QCOMPARE(test::readFile(aside + QStringLiteral("/inside.txt")), QByteArray("the user's"));
    }

    void aRememberedPathThatCannotBeUsedGivesWayToTheDataFolder()
    {
        // Settings brought from another machine: the folder of the remembered file does not exist here. The data
        // folder's history is read, the session's copies are saved there, and no folder is made for the old path.
        Fixture f;
        const QString gone = f.dirs.root() + QStringLiteral("/home/someone-else/.local/share/tavrin/myfile.plist");
        QVERIFY(writeStringListAtPath(f.historyPath(), {QStringLiteral("already here")}));
        f.settings.setString(keys::historyPath, gone);
        QSignalSpy replaced(&f.history, &HistoryStore::pathReplaced);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("the history file .* cannot be used.*")));
        f.history.loadHistory();
        QCOMPARE(f.history.items(), QStringList{QStringLiteral("already here")});
        QCOMPARE(replaced.size(), 1);
        QCOMPARE(replaced.first().at(0).toString(), gone);
        QCOMPARE(replaced.first().at(1).toString(), f.historyPath());
        QCOMPARE(replaced.first().at(2).toString(),
                 QStringLiteral("its folder %1 does not exist").arg(QFileInfo(gone).absolutePath()));
        QCOMPARE(replaced.first().at(3).toBool(), false);
        QCOMPARE(f.settings.string(keys::historyPath), std::optional<QString>(f.historyPath()));
        f.history.insertCaptured(QStringLiteral("hello"));
        QVERIFY(f.history.flushPendingSave());
        QCOMPARE(f.onDisk(), (QStringList{QStringLiteral("hello"), QStringLiteral("already here")}));
        QVERIFY(!QFileInfo::exists(f.dirs.root() + QStringLiteral("/home")));
        QCOMPARE(replaced.size(), 1);

        // A folder that is there but not ours to write: its file is read (the data folder has none yet), left as it
        // is, and the history saved in the data folder.
        test::TestDirs dirs;
        const QString locked = dirs.root() + QStringLiteral("/locked/myfile.plist");
        QVERIFY(writeStringListAtPath(locked, {QStringLiteral("theirs")}));
        const QByteArray lockedBytes = test::readFile(locked);
        QFile::setPermissions(QFileInfo(locked).absolutePath(), QFile::ReadOwner | QFile::ExeOwner);
        if (QFileInfo(QFileInfo(locked).absolutePath()).isWritable())
            QSKIP("folder permissions do not bind this user (run the suite unprivileged)");
        Run run(dirs);
        run.settings.setString(keys::historyPath, locked);
        QSignalSpy lockedOut(&run.history, &HistoryStore::pathReplaced);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("the history file .* cannot be used.*")));
        run.history.loadHistory();
        QCOMPARE(run.history.items(), QStringList{QStringLiteral("theirs")});
        QCOMPARE(lockedOut.size(), 1);
        QVERIFY(lockedOut.first().at(2).toString().contains(QStringLiteral("Permission denied")));
        QCOMPARE(lockedOut.first().at(3).toBool(), true);
        // Read from elsewhere, so not saved yet: it is, with the next save.
        QVERIFY(run.history.hasUnsavedChanges());
        QVERIFY(run.history.flushPendingSave());
        QCOMPARE(readStringListAtPath(dirs.documents() + QStringLiteral("/myfile.plist")),
                 QStringList{QStringLiteral("theirs")});
        QCOMPARE(test::readFile(locked), lockedBytes);
        QFile::setPermissions(QFileInfo(locked).absolutePath(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    void aPartlyReadableHistoryShowsWhatCanBeRead()
    {
        Fixture f;
        f.settings.setInteger(keys::pinCount, 5);
        QVERIFY(writeStringListAtPath(f.historyPath(),
                                      {QStringLiteral("a < b"), QStringLiteral("second"), QStringLiteral("third")}));
        QByteArray bytes = test::readFile(f.historyPath());
        bytes.replace("&lt;", "&l4;");
        test::writeFile(f.historyPath(), bytes);
        f.settings.setString(keys::historyPath, f.historyPath());
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("cannot read all of .*")));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral(".*&l4;.*kept as it stands")));
        f.history.loadHistory();
        QCOMPARE(f.history.items(),
                 (QStringList{QStringLiteral("a &l4; b"), QStringLiteral("second"), QStringLiteral("third")}));
        // The pins belong to the file as it was: clamped in memory only.
        QCOMPARE(f.history.pinCount(), 3);
        QCOMPARE(f.settings.integer(keys::pinCount), std::optional<std::int64_t>(5));
        // The damaged original is kept aside byte for byte before the next save.
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("kept .* before replacing it")));
        f.history.saveHistory();
        QVERIFY(f.history.waitForWrites());
        const QStringList aside = QDir(f.dirs.documents()).entryList({QStringLiteral("myfile.plist.damaged-*")});
        QCOMPARE(aside.size(), 1);
        QCOMPARE(test::readFile(f.dirs.documents() + QLatin1Char('/') + aside.first()), bytes);
    }

    void aFailedWriteKeepsEverythingInMemory()
    {
        Fixture f;
        f.history.loadHistory();
        f.fill(letters(QStringLiteral("abc")));
        f.history.saveHistory();
        QVERIFY(f.history.waitForWrites());

        // Neither the folder nor the journal in it can be written.
        QFile::setPermissions(f.history.journalPath(), QFile::ReadOwner);
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
        QFile::setPermissions(f.history.journalPath(), QFile::ReadOwner | QFile::WriteOwner);
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
        // Through the journal only: the history file is never written.
        QVERIFY(f.history.waitForWrites());
        QVERIFY(!QFileInfo::exists(f.historyPath()));
        // The pin count lives in the settings, written by a thread of their own.
        QVERIFY(f.settings.flush());

        QString dump = qEnvironmentVariable("TAVRIN_HISTORY_DUMP");
        if (dump.isEmpty())
            dump = QCoreApplication::applicationDirPath() + QStringLiteral("/../support/tavrin-history-dump");
        const QByteArray json = test::runProgram(dump, {});
        const QJsonObject loaded = QJsonDocument::fromJson(json).object();
        QCOMPARE(loaded.value(QStringLiteral("pinCount")).toInt(), 2);
        QStringList items;
        for (const auto &v : loaded.value(QStringLiteral("items")).toArray())
            items.append(v.toString());
        QCOMPARE(items, f.history.items());
    }

    void entriesKeptUntilExitAreNotFreedWithTheStore()
    {
        {
            Fixture f;
            f.history.loadHistory();
            f.fill(letters(QStringLiteral("abc")));
            f.history.keepEntriesUntilExit();
        }
        QCOMPARE(HistoryStore::entriesKeptUntilExit(), letters(QStringLiteral("abc")));
        {
            Fixture g;  // not told: frees its entries as usual
            g.history.loadHistory();
            g.fill({QStringLiteral("x")});
        }
        QCOMPARE(HistoryStore::entriesKeptUntilExit(), letters(QStringLiteral("abc")));
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
