// SPDX-License-Identifier: GPL-3.0-or-later
// The real binary records what other clients copy, and keeps it across a clean quit.
#include "E2e.h"
#include "NotificationService.h"
#include "ScriptedClipboardOwner.h"
#include "TestDirs.h"
#include "X11TestOwner.h"
#include "platform/x11/SelectionOwner.h"
#include "store/HistoryJournal.h"
#include "store/StringListFiles.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

using namespace tavrin;

namespace {

using namespace std::chrono_literals;

// What the next start reads: the history file with its journal applied.
QStringList historyOnDisk()
{
    EntryList items = readListFile(e2e::historyPath()).strings;
    std::int64_t pins = 0;
    replayJournal(e2e::historyPath(), items, pins);
    return items.toStringList();
}

// A copy by another client whose text the test knows to be read once requests() is 1.
std::unique_ptr<e2e::ScriptedClipboardOwner> copyAndCount(const QByteArray &text)
{
    return std::make_unique<e2e::ScriptedClipboardOwner>(e2e::ScriptedClipboardOwner::text(text));
}

e2e::ScriptedClipboardOwner::Script heldUntilReleased(const QByteArray &text)
{
    e2e::ScriptedClipboardOwner::Script script = e2e::ScriptedClipboardOwner::text(text);
    script.holdUntilReleased = true;
    return script;
}

}  // namespace

class TestE2eCapture : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        e2e::forgetStoredState();
        e2e::clearClipboard();
    }

    void aCopyIsInTheHistoryWithinASecondAndSurvivesAQuitBeforeTheSave()
    {
        e2e::TavrinProcess tavrin;
        QVERIFY(tavrin.startAndWaitForMonitor());
        QElapsedTimer clock;
        clock.start();
        e2e::copyWithXclip("copied in another application");
        // A quit at 1.1 s: the entry must already be in the history, and the quit
        // writes it.
        QTest::qWait(int(std::max<qint64>(0, 1100 - clock.elapsed())));
        QVERIFY(tavrin.terminate());
        QCOMPARE(tavrin.exitCode(), 0);
        QCOMPARE(historyOnDisk(), QStringList({QStringLiteral("copied in another application")}));
    }

    void aCopySurvivesAKillOnceOnDiskAndIsReplayedOnce()
    {
        const QString copied = QStringLiteral("copied just before the crash");
        {
            e2e::TavrinProcess tavrin;
            QVERIFY(tavrin.startAndWaitForMonitor());
            const QByteArray file = test::readFile(e2e::historyPath());
            e2e::copyWithXclip(copied.toUtf8());
            // In the journal within moments; the history file is not rewritten for it.
            QTRY_COMPARE_WITH_TIMEOUT(historyOnDisk(), QStringList{copied}, 5000);
            QCOMPARE(test::readFile(e2e::historyPath()), file);
            ::kill(pid_t(tavrin.pid()), SIGKILL);
            QVERIFY(tavrin.waitForExit());
            QCOMPARE(tavrin.exitStatus(), QProcess::CrashExit);
        }
        // The next start would record the clipboard's text again as a copy of its own; that is not the replay's.
        e2e::clearClipboard();
        e2e::TavrinProcess again;
        QVERIFY(again.startAndWaitForMonitor());
        // Folded into the history file at the start, the journal started over.
        QTRY_COMPARE_WITH_TIMEOUT(readStringListAtPath(e2e::historyPath()), QStringList{copied}, 5000);
        QTRY_VERIFY_WITH_TIMEOUT(readJournal(journalPathFor(e2e::historyPath())).status == JournalRead::Status::read &&
                                     readJournal(journalPathFor(e2e::historyPath())).records.isEmpty(),
                                 5000);
        QVERIFY(again.terminate());
        QCOMPARE(again.exitCode(), 0);
        QCOMPARE(historyOnDisk(), QStringList{copied});
    }

    void filesAndQuickSuccessiveCopiesAreEachRecorded()
    {
        e2e::TavrinProcess tavrin;
        QVERIFY(tavrin.startAndWaitForMonitor());
        e2e::copyWithXclip("file:///tmp/some%20folder/a%20file.txt\r\n", QStringLiteral("text/uri-list"));
        QTest::qWait(300);
        e2e::copyWithXclip("first of two");
        QTest::qWait(200);
        e2e::copyWithXclip("second of two");
        // The journal shows what was recorded, without guessing how long it took.
        QTRY_COMPARE_WITH_TIMEOUT(historyOnDisk(),
                                  QStringList({QStringLiteral("second of two"), QStringLiteral("first of two"),
                                               QStringLiteral("/tmp/some folder/a file.txt")}),
                                  10000);
    }

    void aCopyMarkedSecretIsNotRecorded()
    {
        e2e::TavrinProcess tavrin;
        QVERIFY(tavrin.startAndWaitForMonitor());
        {
            SelectionOwner passwordManager({});
            SelectionOffer offer = SelectionOffer::forText(QStringLiteral("hunter2"));
            offer.formats.push_back({"x-kde-passwordManagerHint", "text/plain", "secret"});
            passwordManager.own(offer);
            QTRY_COMPARE(e2e::readWithXclip().out, QByteArray("hunter2"));
            QTest::qWait(1200);
        }
        e2e::copyWithXclip("after the password");
        QTRY_COMPARE_WITH_TIMEOUT(historyOnDisk(), QStringList({QStringLiteral("after the password")}), 10000);
    }

    void theTextOnTheClipboardAtLaunchIsRecordedOnce()
    {
        e2e::copyWithXclip("there before the launch");
        e2e::TavrinProcess tavrin;
        QVERIFY(tavrin.startAndWaitForMonitor());
        // Read on the worker, it reaches the journal soon after.
        QTRY_COMPARE_WITH_TIMEOUT(historyOnDisk(), QStringList({QStringLiteral("there before the launch")}), 10000);
        QTest::qWait(1200);  // the next tick finds no new change
        QVERIFY(tavrin.terminate());
        QCOMPARE(historyOnDisk(), QStringList({QStringLiteral("there before the launch")}));
    }

    void anOwnerThatDoesNotAnswerDoesNotHoldUpTheLaunch()
    {
        e2e::ScriptedClipboardOwner slow(heldUntilReleased("there before the launch"));
        QVERIFY(slow.isOwner());
        e2e::TavrinProcess tavrin;
        QVERIFY(tavrin.start());
        // The list is on screen while the launch's read still waits for the owner...
        QVERIFY(tavrin.waitUntilRunning());
        QTRY_COMPARE(slow.requests(), 1);
        // ... and the answer that comes later is still taken.
        slow.release();
        QVERIFY(QTest::qWaitFor([&] { return slow.bytesSent() > 0; }, 5000));
        QTRY_COMPARE_WITH_TIMEOUT(historyOnDisk(), QStringList({QStringLiteral("there before the launch")}), 10000);
        QVERIFY(tavrin.terminate());
    }

    void aCopyWhileTheLaunchReadsIsRecorded()
    {
        e2e::ScriptedClipboardOwner slow(heldUntilReleased("there before the launch"));
        e2e::TavrinProcess tavrin;
        QVERIFY(tavrin.start());
        QTRY_COMPARE(slow.requests(), 1);  // the launch's read waits for the owner
        const auto during = copyAndCount("copied while the launch reads");
        QVERIFY(tavrin.waitUntilRunning());
        QTRY_COMPARE_WITH_TIMEOUT(historyOnDisk(), QStringList({QStringLiteral("copied while the launch reads")}),
                                  10000);
        QCOMPARE(during->requests(), 1);
        QVERIFY(tavrin.terminate());
    }

    void copiesDuringASlowTransferAreRecorded()
    {
        e2e::TavrinProcess tavrin;
        QVERIFY(tavrin.startAndWaitForMonitor());
        // An owner that announces ten megabytes and hands over a byte now and then.
        e2e::ScriptedClipboardOwner::Script trickle = e2e::ScriptedClipboardOwner::text(QByteArray(4096, 'x'));
        trickle.incrAnnounced = 10 * 1024 * 1024;
        trickle.incrChunk = 1;
        trickle.chunkInterval = 500ms;
        e2e::ScriptedClipboardOwner slow(trickle);
        QTRY_VERIFY(slow.bytesSent() >= 1);
        // Each copy is read before the next is made: the slow transfer holds none of them up.
        QStringList expected;
        std::vector<std::unique_ptr<e2e::ScriptedClipboardOwner>> copies;
        for (const char *text : {"first during the trickle", "second", "third"}) {
            copies.push_back(copyAndCount(text));
            QTRY_COMPARE(copies.back()->requests(), 1);
            expected.prepend(QString::fromLatin1(text));
        }
        QTRY_COMPARE_WITH_TIMEOUT(historyOnDisk(), expected, 10000);
        QVERIFY(tavrin.terminate());
    }

    void aCopyTooSlowToHandOverIsToldOncePerRun()
    {
        e2e::NotificationService notices;
        QVERIFY(notices.registerOnSessionBus());
        // Half a second instead of three, as the documented setting allows.
        test::writeFile(e2e::settingsPath(),
                        QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\">\n<dict>\n"
                                   "\t<key>firstRun</key>\n\t<integer>1</integer>\n"
                                   "\t<key>clipboardReadTimeoutMs</key>\n\t<integer>500</integer>\n"
                                   "</dict>\n</plist>\n"));
        e2e::TavrinProcess tavrin;
        tavrin.expectWarning(
            QStringLiteral("^warning: tavrin\\.x11: the clipboard's owner (did not answer|sent only)"));
        QVERIFY(tavrin.startAndWaitForMonitor());

        e2e::ScriptedClipboardOwner::Script script = heldUntilReleased("never handed over");
        script.windowClass = "SlowEditor";
        {
            e2e::ScriptedClipboardOwner slow(script);
            QTRY_COMPARE(slow.requests(), 1);
            QTRY_COMPARE_WITH_TIMEOUT(
                notices.shown,
                QStringList{
                    QStringLiteral("Tavrin | Tavrin did not record a copy | SlowEditor took longer than 0.5 s to "
                                   "hand over what was copied, so it is not in the history. The setting "
                                   "clipboardReadTimeoutMs sets how long Tavrin waits.")},
                10000);
        }
        // Another slow copy is only logged.
        script.windowClass = "OtherSlowOne";
        {
            e2e::ScriptedClipboardOwner slow(script);
            QTRY_COMPARE(slow.requests(), 1);
            QTRY_VERIFY_WITH_TIMEOUT(tavrin.errorOutput().contains("a copy in OtherSlowOne was not recorded"), 10000);
        }
        QCOMPARE(notices.shown.size(), 1);
        // Copies that come at once are recorded as ever.
        const auto quick = copyAndCount("handed over at once");
        QTRY_COMPARE(quick->requests(), 1);
        QVERIFY(tavrin.terminate());
        QCOMPARE(historyOnDisk(), QStringList{QStringLiteral("handed over at once")});
    }

    void aPendingSaveIsWrittenWhenTheDisplayGoesAway()
    {
        e2e::PrivateDisplay display;
        QVERIFY(display.start());
        display.makeCurrent();
        e2e::TavrinProcess tavrin;
        tavrin.expectWarning(QStringLiteral("The X11 connection broke"));
        // The shortcuts' own connection may notice first.
        tavrin.expectWarning(QStringLiteral("tavrin.x11: the connection for global shortcuts broke"));
        QVERIFY(tavrin.startAndWaitForMonitor());
        const auto first = copyAndCount("copied just before the logout");
        QTRY_COMPARE(first->requests(), 1);
        // A second copy is read only once the first is in the history.
        const auto second = copyAndCount("the last copy");
        QTRY_COMPARE(second->requests(), 1);
        display.end();
        QVERIFY(tavrin.waitForExit());
        QVERIFY(historyOnDisk().contains(QStringLiteral("copied just before the logout")));
    }

    void aMachineWithoutSoundSaysSoOnce()
    {
        e2e::TavrinProcess tavrin;
        QVERIFY(tavrin.startAndWaitForMonitor());
        for (const char *text : {"one", "two", "three"}) {
            const auto copy = copyAndCount(text);
            QTRY_COMPARE(copy->requests(), 1);
        }
        QTRY_COMPARE_WITH_TIMEOUT(historyOnDisk().size(), 3, 10000);
        QVERIFY(tavrin.terminate());
        const QByteArray errors = tavrin.errorOutput();
        QVERIFY2(!errors.contains("ALSA"), errors.constData());
        QVERIFY2(errors.count("sounds cannot be played") <= 1, errors.constData());
    }
};

QTEST_GUILESS_MAIN(TestE2eCapture)
#include "tst_e2e_capture.moc"
