// SPDX-License-Identifier: GPL-3.0-or-later
#include "CaptureFixture.h"

#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryFile>
#include <QTest>

#include <cstdio>
#include <unistd.h>

using namespace tavrin;
using namespace std::chrono_literals;

namespace {

struct Sequential : test::CaptureFixture {
    explicit Sequential(int order)
    {
        settings.setInteger(keys::sequentialPasteOrder, order);
        monitor().start();
    }
    void copy(const QString &text)
    {
        clipboard.copyText(text);
        tick();
    }
    /// One press of the paste shortcut and the delayed keystroke; returns what went on the clipboard.
    QString pressPaste()
    {
        const int before = int(clipboard.writes().size());
        sequential().sequentialPasteNext();
        clock.advance(PasteEngine::kPasteDelay);
        dispatcher.runAll();
        const auto writes = clipboard.writes();
        if (writes.size() == before)
            return QStringLiteral("<nothing>");
        // The window in front reads what it pastes, which frees the clipboard for the next entry.
        const auto pasted = clipboard.pasteInOtherApplication();
        return pasted ? pasted->value : QStringLiteral("<not on the clipboard>");
    }
};

}  // namespace

class TestSequentialMode : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void orderZeroPastesOldestFirstAndSwitchesOffAfterTheLast()
    {
        Sequential f(0);
        f.sequential().toggleSequentialMode();
        QVERIFY(f.sequential().isOn());
        QCOMPARE(f.window.activations, QList<bool>({true}));
        f.copy(QStringLiteral("X"));
        f.copy(QStringLiteral("Y"));
        f.copy(QStringLiteral("Z"));
        QCOMPARE(f.capture.queue().items(), QStringList({"X", "Y", "Z"}));
        f.sounds.played.clear();
        QCOMPARE(f.pressPaste(), QStringLiteral("X"));
        QCOMPARE(f.pressPaste(), QStringLiteral("Y"));
        QVERIFY(f.sequential().isOn());
        QCOMPARE(f.pressPaste(), QStringLiteral("Z"));
        QVERIFY(!f.sequential().isOn());
        QCOMPARE(f.pressPaste(), QStringLiteral("<nothing>"));
        // Each paste: the keystroke with "Frog"; the entries stay in the history once each.
        QCOMPARE(f.keys.typed.size(), 3);
        QCOMPARE(f.sounds.played, QStringList({"Frog", "Frog", "Frog"}));
        f.tick();
        QCOMPARE(f.history.items(), QStringList({"Z", "Y", "X"}));
    }

    void anyOtherOrderPastesNewestFirst()
    {
        Sequential f(1);
        f.sequential().toggleSequentialQueue();
        QCOMPARE(f.window.activations, QList<bool>({false}));
        f.copy(QStringLiteral("X"));
        f.copy(QStringLiteral("Y"));
        f.copy(QStringLiteral("Z"));
        QCOMPARE(f.pressPaste(), QStringLiteral("Z"));
        QCOMPARE(f.pressPaste(), QStringLiteral("Y"));
        QCOMPARE(f.pressPaste(), QStringLiteral("X"));
        QVERIFY(!f.sequential().isOn());
    }

    void onlyCapturesWhileTheWindowIsVisibleAreQueuedAndTheQueueSurvivesOffAndOn()
    {
        Sequential f(0);
        QSignalSpy changed(&f.sequential(), &SequentialMode::queueChanged);
        f.copy(QStringLiteral("before"));
        f.sequential().toggleSequentialMode();
        f.copy(QStringLiteral("during"));
        f.sequential().toggleSequentialMode();
        QVERIFY(!f.sequential().isOn());
        f.copy(QStringLiteral("after"));
        f.sequential().toggleSequentialMode();
        QCOMPARE(f.capture.queue().items(), QStringList({"during"}));
        QCOMPARE(changed.size(), 1);
    }

    void aQueuedFolderIsPastedWithoutTheQuestion()
    {
        Sequential f(0);
        QSignalSpy alerts(&f.engine(), &PasteEngine::folderPasteConfirmationNeeded);
        f.sequential().toggleSequentialMode();
        f.clipboard.copyFiles({QUrl::fromLocalFile(f.dirs.root()).toString()});
        f.tick();
        QCOMPARE(f.pressPaste(), f.dirs.root());
        QCOMPARE(f.clipboard.writes().constLast().kind, FakeClipboard::Write::FileUrl);
        QCOMPARE(alerts.size(), 0);
        QCOMPARE(f.keys.typed.size(), 1);
    }

    void clearingEmptiesTheQueueWithPopAndLeavesAnEmptyOneAlone()
    {
        Sequential f(0);
        QSignalSpy cleared(&f.sequential(), &SequentialMode::queueCleared);
        f.sequential().clearSequentialQueue();
        QCOMPARE(cleared.size(), 0);
        f.sequential().toggleSequentialMode();
        f.copy(QStringLiteral("a"));
        f.copy(QStringLiteral("b"));
        f.sounds.played.clear();
        f.sequential().clearSequentialQueue();
        QVERIFY(f.capture.queue().isEmpty());
        QCOMPARE(cleared.size(), 1);
        QCOMPARE(f.sounds.played, QStringList({"Pop"}));
        QCOMPARE(f.pressPaste(), QStringLiteral("<nothing>"));
        QVERIFY(f.sequential().isOn());  // clearing does not end the mode
    }

    void removingSingleEntriesFromTheList()
    {
        Sequential f(0);
        f.sequential().toggleSequentialMode();
        f.copy(QStringLiteral("a"));
        f.copy(QStringLiteral("b"));
        f.copy(QStringLiteral("c"));
        f.sequential().removeEntry(1);
        f.sequential().removeEntry(7);
        QCOMPARE(f.capture.queue().items(), QStringList({"a", "c"}));
        f.sequential().removeAllEntries();
        QVERIFY(f.capture.queue().isEmpty());
    }

    void quickPressesPasteEachEntryInItsTurn()
    {
        Sequential f(0);
        f.sequential().toggleSequentialMode();
        f.copy(QStringLiteral("X"));
        f.copy(QStringLiteral("Y"));
        f.sounds.played.clear();
        f.sequential().sequentialPasteNext();
        f.sequential().sequentialPasteNext();
        QVERIFY(f.capture.queue().isEmpty());
        QVERIFY(!f.sequential().isOn());
        // Y waits until the window has read X: written at once, it would have been pasted twice.
        f.clock.advance(PasteEngine::kPasteDelay);
        QCOMPARE(f.clipboard.pasteInOtherApplication()->value, QStringLiteral("X"));
        f.clock.advance(PasteEngine::kPasteDelay);
        QCOMPARE(f.clipboard.pasteInOtherApplication()->value, QStringLiteral("Y"));
        QCOMPARE(f.keys.typed.size(), 2);
        QCOMPARE(f.sounds.played, QStringList({"Frog", "Frog"}));
    }

    void theShortcutsWriteNothingToStandardOutput()
    {
        Sequential f(0);
        QTemporaryFile out;
        QVERIFY(out.open());
        std::fflush(stdout);
        const int saved = ::dup(STDOUT_FILENO);
        ::dup2(out.handle(), STDOUT_FILENO);
        f.sequential().toggleSequentialMode();
        f.sequential().toggleSequentialQueue();  // the menu command writes nothing
        f.sequential().sequentialPasteNext();  // an empty queue: nothing to paste
        std::fflush(stdout);
        ::dup2(saved, STDOUT_FILENO);
        ::close(saved);
        QCOMPARE(test::readFile(out.fileName()), QByteArray());
        QVERIFY(f.clipboard.writes().isEmpty());
    }

    void withoutAStoredOrderNothingIsTakenOrPasted()
    {
        Sequential f(0);
        f.sequential().toggleSequentialMode();
        f.copy(QStringLiteral("kept"));
        f.settings.remove(keys::sequentialPasteOrder);
        QCOMPARE(f.pressPaste(), QStringLiteral("<nothing>"));
        QVERIFY(f.keys.typed.isEmpty());
        QCOMPARE(f.capture.queue().items(), QStringList({"kept"}));
    }
};

QTEST_GUILESS_MAIN(TestSequentialMode)
#include "tst_sequential_mode.moc"
