// SPDX-License-Identifier: GPL-3.0-or-later
#include "CaptureFixture.h"
#include "capture/ClipItem.h"
#include "store/HistoryJournal.h"
#include "store/StringListFiles.h"

#include <QDir>
#include <QSignalSpy>
#include <QTest>

using namespace tavrin;
using namespace std::chrono_literals;

namespace {

struct Monitored : test::CaptureFixture {
    Monitored() { monitor().start(); }
    QStringList onDisk()
    {
        history.waitForWrites();
        EntryList items = readListFile(historyFile()).strings;
        std::int64_t pins = 0;
        replayJournal(historyFile(), items, pins);
        return items.toStringList();
    }
};

ClipboardContents concealedText(const QString &text)
{
    ClipboardContents contents;
    contents.string = text;
    contents.concealed = true;
    return contents;
}

}  // namespace

class TestClipboardMonitor : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void theSameTextTwiceGivesTwoEntriesEachOnDiskSoonAfter()
    {
        Monitored f;
        f.clipboard.copyText(QStringLiteral("same"));
        f.tick();  // t = 1 s: captured
        QVERIFY(f.history.hasPendingSave());
        f.tick();  // t = 2 s, nothing new; the capture went to the journal at 1.25 s
        QVERIFY(!f.history.hasPendingSave());
        QCOMPARE(f.onDisk(), QStringList({QStringLiteral("same")}));
        f.clipboard.copyText(QStringLiteral("same"));
        f.tick();  // t = 3 s: second capture
        QCOMPARE(f.history.items(), QStringList({QStringLiteral("same"), QStringLiteral("same")}));
        QCOMPARE(f.sounds.played, QStringList({QStringLiteral("Frog"), QStringLiteral("Frog")}));
        f.clock.advance(HistoryStore::kSaveDelay - 1ms);
        QVERIFY(f.history.hasPendingSave());
        f.clock.advance(1ms);
        QCOMPARE(f.onDisk(), QStringList({QStringLiteral("same"), QStringLiteral("same")}));
        QVERIFY(!f.history.hasPendingSave());
        // In the journal only: the history file is not written whole for captures.
        QVERIFY(!QFileInfo::exists(f.historyFile()));
    }

    void capturesLandBelowThePins()
    {
        Monitored f;
        f.history.insertCaptured(QStringLiteral("pinned"));
        f.history.togglePin(0);
        f.clipboard.copyText(QStringLiteral("new"));
        f.tick();
        QCOMPARE(f.history.items(), QStringList({QStringLiteral("pinned"), QStringLiteral("new")}));
    }

    void filesAreRecordedAsTheDecodedPathOfTheLastFileItem()
    {
        Monitored f;
        f.clipboard.copyFiles({QStringLiteral("file:///tmp/a.txt"), QStringLiteral("file:///tmp/b.txt"),
                               QStringLiteral("file:///tmp/c.txt")});
        f.tick();
        f.clipboard.copyFiles({QStringLiteral("file:///home/me/My%20Notes/plan%20v2.txt")});
        f.tick();
        f.clipboard.copyFiles({QStringLiteral("file://localhost/srv/folder/")});
        f.tick();
        QCOMPARE(f.history.items(),
                 QStringList({QStringLiteral("/srv/folder"), QStringLiteral("/home/me/My Notes/plan v2.txt"),
                              QStringLiteral("/tmp/c.txt")}));
    }

    void itemsThatAreNoLocalFileUrlsAreSkipped()
    {
        QCOMPARE(filePathFromUrl("file:///tmp/%C3%A9t%C3%A9"), std::optional<QString>(QString::fromUtf8("/tmp/été")));
        QCOMPARE(filePathFromUrl("file:///"), std::optional<QString>(QStringLiteral("/")));
        QCOMPARE(filePathFromUrl("https://example.org/a"), std::nullopt);
        QCOMPARE(filePathFromUrl("file://elsewhere.example/tmp/a"), std::nullopt);
        QCOMPARE(filePathFromUrl("not a url at all"), std::nullopt);
        QCOMPARE(filePathFromUrl(QByteArray("file:///tmp/\xff\xfe")), std::nullopt);  // not UTF-8

        Monitored f;
        ClipboardContents mixed;
        mixed.fileUrlItems = {"file:///tmp/first", "https://example.org/page", QByteArray("\xff")};
        mixed.string = QStringLiteral("https://example.org/page");
        f.clipboard.copyFromOtherApplication(mixed);
        f.tick();
        ClipboardContents webOnly;
        webOnly.fileUrlItems = {"https://example.org/page"};
        webOnly.string = QStringLiteral("the page");
        f.clipboard.copyFromOtherApplication(webOnly);
        f.tick();
        QCOMPARE(f.history.items(), QStringList({QStringLiteral("the page"), QStringLiteral("/tmp/first")}));
    }

    void contentWithoutTextOrFilesConsumesItsChangeAndRecordsNothing()
    {
        Monitored f;
        f.clipboard.copyText(QStringLiteral("words"));
        f.tick();
        f.sounds.played.clear();
        f.history.flushPendingSave();
        f.clipboard.copyFromOtherApplication({});  // an image alone
        f.tick();
        QCOMPARE(f.history.items(), QStringList({QStringLiteral("words")}));
        QVERIFY(f.sounds.played.isEmpty());
        QVERIFY(!f.history.hasPendingSave());
        QCOMPARE(f.capture.lastChangeCount().value(), f.clipboard.changeCount());
        const int reads = f.clipboard.readCount();
        f.tick();
        QCOMPARE(f.clipboard.readCount(), reads);  // consumed: an idle tick does not read again
        f.clipboard.copyText(QStringLiteral("words"));
        f.tick();
        QCOMPARE(f.history.items(), QStringList({QStringLiteral("words"), QStringLiteral("words")}));
    }

    void secretContentIsConsumedLikeAnImage()
    {
        Monitored f;
        f.clipboard.copyFromOtherApplication(concealedText(QStringLiteral("hunter2")));
        f.tick();
        QVERIFY(f.history.items().isEmpty());
        QVERIFY(f.sounds.played.isEmpty());
        QCOMPARE(f.capture.lastChangeCount().value(), f.clipboard.changeCount());
    }

    void aCopyTheOwnerWasTooSlowToHandOverIsDroppedAndNamed()
    {
        Monitored f;
        QSignalSpy dropped(&f.monitor(), &ClipboardMonitor::copyDropped);
        ClipboardContents slow;
        slow.ownerTooSlow = true;
        slow.ownerName = QStringLiteral("Gedit");
        f.clipboard.copyFromOtherApplication(slow);
        f.tick();
        QVERIFY(f.history.items().isEmpty());
        QVERIFY(f.sounds.played.isEmpty());
        QCOMPARE(dropped.size(), 1);
        QCOMPARE(dropped.first().at(0).toString(), QStringLiteral("Gedit"));

        // A backend that cannot tell the owner: the window in front is named, as the copy was just made there.
        f.workspace.windowClasses.insert(7, QStringLiteral("foot"));
        f.workspace.active = 7;
        slow.ownerName.clear();
        f.clipboard.copyFromOtherApplication(slow);
        f.tick();
        QCOMPARE(dropped.size(), 2);
        QCOMPARE(dropped.last().at(0).toString(), QStringLiteral("foot"));

        // The launch's read as well.
        test::CaptureFixture launch;
        QSignalSpy droppedAtLaunch(&launch.monitor(), &ClipboardMonitor::copyDropped);
        slow.ownerName = QStringLiteral("Slow");
        launch.clipboard.copyFromOtherApplication(slow);
        launch.capture.recordChangeCount();
        launch.capture.insertCurrentClipboardText();
        launch.dispatcher.runAll();
        QVERIFY(launch.history.items().isEmpty());
        QCOMPARE(droppedAtLaunch.size(), 1);
    }

    void theReadTimeoutIsASettingWithinSaneBounds()
    {
        const QList<std::pair<std::optional<std::int64_t>, std::chrono::milliseconds>> cases = {
            {std::nullopt, 3000ms}, {500, 500ms}, {0, 100ms}, {-5, 100ms}, {3600000, 60000ms}};
        for (const auto &[stored, expected] : cases) {
            SettingsStore settings;
            if (stored)
                settings.setInteger(keys::clipboardReadTimeout, *stored);
            QCOMPARE(ClipboardMonitor::readTimeoutSetting(settings), expected);
        }
        // A text is a wrong type: the default.
        SettingsStore wrong;
        wrong.setString(keys::clipboardReadTimeout, QStringLiteral("500"));
        QCOMPARE(ClipboardMonitor::readTimeoutSetting(wrong), 3000ms);
        // The launch hands the setting to the clipboard.
        test::CaptureFixture f;
        f.settings.setInteger(keys::clipboardReadTimeout, 700);
        f.capture.loadReadTimeout();
        QCOMPARE(f.clipboard.readTimeout(), 700ms);
    }

    void anEmptyStringIsRecorded()
    {
        Monitored f;
        f.clipboard.copyText(QString());
        f.tick();
        QCOMPARE(f.history.items(), QStringList({QString()}));
    }

    void ourOwnWritesAreNotRecorded()
    {
        Monitored f;
        f.engine().writeItemToClipboard(QStringLiteral("from history"));
        f.engine().writeItemToClipboard(QDir::tempPath());
        f.tick();
        QVERIFY(f.history.items().isEmpty());
        QCOMPARE(f.clipboard.readCount(), 0);
        QCOMPARE(f.capture.lastChangeCount().value(), 2);
        QCOMPARE(f.clipboard.changeCount(), 2);
    }

    void aCheckBetweenRaisingTheCountAndWritingTakesNothing()
    {
        Monitored f;
        f.clipboard.copyText(QStringLiteral("theirs"));
        f.tick();
        int checksDuringWrite = 0;
        f.clipboard.duringWrite = [&] {
            // A change report lands while our write is half done (count raised, contents not yet).
            ++checksDuringWrite;
            f.clipboard.notifyChange();
            f.dispatcher.runAll();
        };
        f.engine().writeItemToClipboard(QStringLiteral("ours"));
        f.clipboard.duringWrite = nullptr;
        f.tick();
        f.tick();
        QCOMPARE(checksDuringWrite, 1);
        QCOMPARE(f.history.items(), QStringList({QStringLiteral("theirs")}));  // neither ours nor a duplicate
        QCOMPARE(f.capture.lastChangeCount().value(), f.clipboard.changeCount());
    }

    void aWriteWhileACaptureReadsIsNotRecorded()
    {
        Monitored f;
        f.clipboard.copyText(QStringLiteral("theirs"));
        f.clipboard.duringRead = [&](const std::stop_token &) {
            // The user pastes from the history after the step took the change but before it read the contents.
            f.clipboard.duringRead = nullptr;
            f.engine().writeItemToClipboard(QStringLiteral("ours"));
        };
        f.tick();
        f.tick();
        QVERIFY(!f.history.items().contains(QStringLiteral("ours")));
        QCOMPARE(f.capture.lastChangeCount().value(), f.clipboard.changeCount());
    }

    void changeReportsCaptureAtOnceAndEachOfQuickCopies()
    {
        Monitored f;
        f.clipboard.copyText(QStringLiteral("one"));
        f.clipboard.notifyChange();
        QCOMPARE(f.dispatcher.backgroundCount(), 1);
        f.dispatcher.runBackground();  // the worker has read "one"
        f.clipboard.copyText(QStringLiteral("two"));
        f.clipboard.notifyChange();  // while the step is still running
        QCOMPARE(f.dispatcher.backgroundCount(), 0);  // one step at a time
        f.dispatcher.runAll();
        QCOMPARE(f.history.items(), QStringList({QStringLiteral("two"), QStringLiteral("one")}));
        QCOMPARE(f.clock.now(), 0ms);  // no tick was needed
    }

    void withoutNoticesThePollTakesChangesAndTicksDoNotStackSteps()
    {
        test::CaptureFixture f;
        f.clipboard.setAnnouncesChanges(false);
        QTest::ignoreMessage(QtInfoMsg, "the clipboard announces no changes here: it is checked every 1000 ms");
        f.monitor().start();
        QVERIFY(f.monitor().isPolling());
        f.clipboard.copyText(QStringLiteral("slow"));
        f.clock.advance(3s);  // three ticks while the worker has not run
        QCOMPARE(f.dispatcher.backgroundCount(), 1);
        f.dispatcher.runAll();
        QCOMPARE(f.history.items(), QStringList({QStringLiteral("slow")}));
        QCOMPARE(f.clipboard.readCount(), 1);
        f.clipboard.copyText(QStringLiteral("next"));
        f.clock.advance(999ms);
        QCOMPARE(f.dispatcher.backgroundCount(), 0);
        f.clock.advance(1ms);
        f.dispatcher.runAll();
        QCOMPARE(f.history.items(), QStringList({QStringLiteral("next"), QStringLiteral("slow")}));
    }

    void withNoticesNothingWakesUpInBetween()
    {
        Monitored f;
        QVERIFY(!f.monitor().isPolling());
        QCOMPARE(f.clock.pendingCount(), 0);
        f.clipboard.copyText(QStringLiteral("unannounced"));
        f.clock.advance(1h);  // time alone looks at nothing
        f.dispatcher.runAll();
        QVERIFY(f.history.items().isEmpty());
        QCOMPARE(f.clipboard.readCount(), 0);
        f.clipboard.notifyChange();
        f.dispatcher.runAll();
        QCOMPARE(f.history.items(), QStringList({QStringLiteral("unannounced")}));
    }

    void nothingIsCapturedBeforeTheStartAndTheStartTakesOnlyTheLatest()
    {
        test::CaptureFixture f;
        f.clipboard.copyText(QStringLiteral("early"));
        f.clipboard.notifyChange();
        f.clock.advance(5s);
        f.dispatcher.runAll();
        QVERIFY(f.history.items().isEmpty());
        QVERIFY(!f.monitor().isStarted());
        f.clipboard.copyText(QStringLiteral("latest"));
        f.monitor().start();  // no notice comes for what was copied before: the start looks itself
        f.monitor().start();  // a second start adds no second listener or step
        QCOMPARE(f.dispatcher.backgroundCount(), 1);
        f.dispatcher.runAll();
        QCOMPARE(f.history.items(), QStringList({QStringLiteral("latest")}));
        QCOMPARE(f.clock.pendingCount(), 1);  // the save timer; nothing polls
    }

    void afterCaptureRunsItsStepsInOrder()
    {
        Monitored f;
        f.window.visible = true;
        QStringList log;
        QObject::connect(&f.sequential(), &SequentialMode::queueChanged, [&] {
            log << QStringLiteral("sounds %1").arg(f.sounds.played.join(','));
            log << QStringLiteral("queue %1").arg(f.capture.queue().items().join(','));
        });
        QObject::connect(&f.monitor(), &ClipboardMonitor::captured, [&](const QString &entry) {
            log << QStringLiteral("save pending %1").arg(f.history.hasPendingSave());
            log << QStringLiteral("captured %1").arg(entry);
        });
        QObject::connect(&f.history, &HistoryStore::itemInserted,
                         [&](int index) { log << QStringLiteral("inserted at %1").arg(index); });
        f.clipboard.copyText(QStringLiteral("x"));
        f.tick();
        // One announcement per recorded copy, once everything it causes is done.
        QCOMPARE(log, QStringList({"inserted at 0", "sounds Frog", "queue x", "save pending 1", "captured x"}));
    }

    void soundsFollowTheSetting()
    {
        Monitored f;
        f.capture.sound().setEnabled(false);
        f.clipboard.copyText(QStringLiteral("quiet"));
        f.tick();
        QCOMPARE(f.history.items().size(), 1);
        QVERIFY(f.sounds.played.isEmpty());
        QCOMPARE(f.settings.boolValue(keys::soundEnabled), std::optional<bool>(false));
    }

    void theSoundFlagTakesAStoredBooleanAndOtherwiseStoresTrue()
    {
        test::CaptureFixture f;
        QCOMPARE(f.settings.boolValue(keys::soundEnabled), std::optional<bool>(true));
        f.settings.setString(keys::soundEnabled, QStringLiteral("no"));  // wrong type counts as missing
        f.capture.sound().load();
        QVERIFY(f.capture.sound().isEnabled());
        QCOMPARE(f.settings.boolValue(keys::soundEnabled), std::optional<bool>(true));
        f.settings.setBool(keys::soundEnabled, false);
        f.capture.sound().load();
        QVERIFY(!f.capture.sound().isEnabled());
        f.capture.sound().play(QStringLiteral("Ping"));
        QVERIFY(f.sounds.played.isEmpty());
    }

    void theLaunchRecordsTheCurrentTextAndStartsFromTheCurrentCount()
    {
        test::CaptureFixture f;
        f.clipboard.copyText(QStringLiteral("at launch"));
        f.capture.recordChangeCount();
        f.capture.insertCurrentClipboardText();
        // The read waits for the worker: an owner that does not answer cannot hold up the launch.
        QCOMPARE(f.clipboard.readCount(), 0);
        QCOMPARE(f.dispatcher.backgroundCount(Dispatcher::Lane::Capture), 1);
        f.dispatcher.runAll();
        QCOMPARE(f.history.items(), QStringList({QStringLiteral("at launch")}));
        QVERIFY(f.history.hasPendingSave());
        QVERIFY(f.sounds.played.isEmpty());  // not a copy the user just made

        f.clipboard.copyFromOtherApplication(concealedText(QStringLiteral("secret")));
        f.capture.recordChangeCount();
        f.capture.insertCurrentClipboardText();
        f.monitor().start();
        f.tick();
        QCOMPARE(f.history.items(), QStringList({QStringLiteral("at launch")}));
    }

    void aCopyMadeWhileTheLaunchReadsIsRecordedOnce()
    {
        test::CaptureFixture f;
        f.clipboard.copyText(QStringLiteral("at launch"));
        f.capture.recordChangeCount();
        f.capture.insertCurrentClipboardText();
        f.clipboard.duringRead = [&](const std::stop_token &) {
            f.clipboard.duringRead = nullptr;
            f.clipboard.copyText(QStringLiteral("copied during the launch"));
            f.clipboard.notifyChange();  // the monitor is not started yet: nothing happens
        };
        f.dispatcher.runAll();
        f.monitor().start();
        f.tick();
        // What the launch read may be either text; it gives way, and the newer copy is recorded as a capture.
        QCOMPARE(f.history.items(), QStringList({QStringLiteral("copied during the launch")}));
        QCOMPARE(f.sounds.played, QStringList({QStringLiteral("Frog")}));

        // A copy before the launch read even starts: the read is not made at all.
        test::CaptureFixture g;
        g.capture.recordChangeCount();
        g.capture.insertCurrentClipboardText();
        g.monitor().start();
        g.clipboard.copyText(QStringLiteral("early"));
        g.clipboard.notifyChange();  // comes while the launch step is queued: looked at once it ends
        g.dispatcher.runAll();
        QCOMPARE(g.history.items(), QStringList({QStringLiteral("early")}));
        QCOMPARE(g.clipboard.readCount(), 1);
    }

    void readsRunOnTheCaptureLaneAndAStoppedReadRecordsNothing()
    {
        Monitored f;
        f.clipboard.copyText(QStringLiteral("slow owner"));
        f.clipboard.notifyChange();
        QCOMPARE(f.dispatcher.backgroundCount(Dispatcher::Lane::Capture), 1);
        bool stopPossible = false;
        f.clipboard.duringRead = [&](const std::stop_token &stop) { stopPossible = stop.stop_possible(); };
        f.dispatcher.runAll();
        QVERIFY(stopPossible);  // the monitor can stop what it started
        QCOMPARE(f.history.items(), QStringList({QStringLiteral("slow owner")}));
    }

    void aMonitorGoesAwayWithAStepStillQueued()
    {
        test::CaptureFixture f;
        auto monitor = std::make_unique<ClipboardMonitor>(f.clipboard, f.dispatcher, f.clock, f.history,
                                                          f.capture.lastChangeCount(), f.capture.sound(),
                                                          f.sequential(), f.capture.recordingRules());
        monitor->start();
        f.clipboard.copyText(QStringLiteral("late"));
        f.clipboard.notifyChange();
        QCOMPARE(f.dispatcher.backgroundCount(), 1);
        monitor.reset();
        f.dispatcher.runAll();  // the step outlived its monitor and must do nothing
        QVERIFY(f.history.items().isEmpty());
        QCOMPARE(f.clipboard.readCount(), 0);
    }
};

QTEST_GUILESS_MAIN(TestClipboardMonitor)
#include "tst_clipboard_monitor.moc"
