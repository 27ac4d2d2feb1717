// SPDX-License-Identifier: GPL-3.0-or-later
#include "CaptureFixture.h"
#include "PasteKeystroke.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace tavrin;
using namespace std::chrono_literals;

namespace {

using Write = FakeClipboard::Write;
using Typed = QList<QKeyCombination>;

const Typed &kCtrlV = test::kPasteKeystroke;

// The engine with its requests recorded into one log, and the folder question answered with alertAnswer.
struct Pasting : test::CaptureFixture {
    QStringList log;
    QStringList folderQuestions;
    int alertAnswer = 1;
    QObject receiver;

    Pasting()
    {
        PasteEngine *pasting = &engine();
        QObject::connect(pasting, &PasteEngine::listWindowCloseRequested, &receiver, [this] { log << "close list"; });
        QObject::connect(pasting, &PasteEngine::programHideRequested, &receiver, [this] { log << "hide"; });
        QObject::connect(pasting, &PasteEngine::pasteAccessGuideRequested, &receiver, [this] { log << "guide"; });
        QObject::connect(pasting, &PasteEngine::folderPasteConfirmationNeeded, &receiver,
                         [this, pasting](const QString &path) {
                             folderQuestions.append(path);
                             if (alertAnswer == 0)
                                 pasting->pasteConfirmedFolder();
                         });
    }
    QList<Write::Kind> writeKinds() const
    {
        QList<Write::Kind> kinds;
        for (const Write &w : clipboard.writes())
            kinds.append(w.kind);
        return kinds;
    }
};

}  // namespace

class TestPasteEngine : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void pastingTextWritesHidesAndPostsCommandVAfterTheDelay()
    {
        Pasting f;
        f.engine().pasteItem(QStringLiteral("hello"));
        QCOMPARE(f.writeKinds(), QList<Write::Kind>({Write::String}));
        QCOMPARE(f.clipboard.writes().constFirst().value, QStringLiteral("hello"));
        QCOMPARE(f.log, QStringList({"close list", "hide"}));
        QCOMPARE(f.sounds.played, QStringList({QStringLiteral("Ping")}));
        f.clock.advance(199ms);
        QVERIFY(f.keys.typed.isEmpty());
        f.clock.advance(1ms);
        QCOMPARE(f.keys.typed, kCtrlV);
        // The first request ever stores the flag and skips the trust check.
        QCOMPARE(f.accessibility.checks, 0);
        QCOMPARE(f.settings.boolValue(keys::pastedBefore), std::optional<bool>(true));
        QCOMPARE(f.capture.lastChangeCount().value(), f.clipboard.changeCount());
    }

    void laterPastesAskForTrustAndShowTheGuideWhenMissingButPasteAnyway()
    {
        Pasting f;
        f.engine().start();
        QCOMPARE(f.accessibility.checks, 0);
        f.engine().start();
        QCOMPARE(f.accessibility.checks, 1);
        QVERIFY(f.accessibility.lastPrompt);
        QVERIFY(!f.log.contains("guide"));
        f.accessibility.trusted = false;
        f.engine().start();
        QCOMPARE(f.log, QStringList({"guide"}));
        QCOMPARE(f.keys.typed, kCtrlV + kCtrlV + kCtrlV);
        QVERIFY(f.sounds.played.isEmpty());  // only the sequential paste plays "Frog"
        f.engine().startSequentialPaste();
        QCOMPARE(f.sounds.played, QStringList({QStringLiteral("Frog")}));
    }

    void filesAreWrittenAsFilesAndPastedWithoutQuestion()
    {
        Pasting f;
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("report 1.txt"));
        test::writeFile(file, "x");
        f.engine().pasteItem(file);
        QCOMPARE(f.writeKinds(), QList<Write::Kind>({Write::FileUrl}));
        QVERIFY(f.folderQuestions.isEmpty());
        f.clock.advance(200ms);
        QCOMPARE(f.keys.typed, kCtrlV);
        QCOMPARE(f.clipboard.pasteInOtherApplication()->value, file);
        // A file deleted since it was copied goes back as its path text; a relative name is always text.
        QFile::remove(file);
        f.engine().writeItemToClipboard(file);
        f.engine().writeItemToClipboard(QStringLiteral("."));
        QCOMPARE(f.writeKinds(), QList<Write::Kind>({Write::FileUrl, Write::String, Write::String}));
    }

    void aFolderIsPastedOnlyAfterYes()
    {
        Pasting f;
        const QString folder = f.dirs.root();
        f.engine().pasteItem(folder);
        QCOMPARE(f.folderQuestions, QStringList({folder}));
        // "No": the folder stays on the clipboard and nothing else happens.
        f.clock.advance(1s);
        QCOMPARE(f.writeKinds(), QList<Write::Kind>({Write::FileUrl}));
        QVERIFY(f.keys.typed.isEmpty());
        QVERIFY(f.log.isEmpty());
        QVERIFY(f.sounds.played.isEmpty());

        f.alertAnswer = 0;
        f.engine().pasteItem(folder);
        QCOMPARE(f.log, QStringList({"close list", "hide"}));
        QCOMPARE(f.sounds.played, QStringList({QStringLiteral("Ping")}));
        f.clock.advance(200ms);
        QCOMPARE(f.keys.typed, kCtrlV);
    }

    void withoutAViewTheFolderQuestionCountsAsNo()
    {
        test::CaptureFixture f;
        f.engine().pasteItem(f.dirs.root());
        f.clock.advance(1s);
        QVERIFY(f.keys.typed.isEmpty());
    }

    void copyingAloneNeitherHidesNorPostsKeys()
    {
        Pasting f;
        f.engine().writeItemToClipboard(QStringLiteral("copy only"));
        f.clock.advance(1s);
        QVERIFY(f.keys.typed.isEmpty());
        QVERIFY(f.log.isEmpty());
        QVERIFY(f.sounds.played.isEmpty());
    }

    void aPasteKeepsItsEntryOnTheClipboardUntilTheWindowReadsIt()
    {
        Pasting f;
        f.engine().pasteItem(QStringLiteral("a"));
        f.clock.advance(100ms);
        // A second paste and a copy within the delay wait: written now, either would be what the window pastes.
        f.engine().pasteItem(QStringLiteral("b"));
        f.engine().writeItemToClipboard(QStringLiteral("c"));
        f.clock.advance(100ms);
        QCOMPARE(f.keys.typed, kCtrlV);
        QCOMPARE(f.clipboard.writes().size(), 1);
        // The keys arrived, yet the window has not read: still held.
        f.clock.advance(PasteHold::kReadWait - 1ms);
        QCOMPARE(f.clipboard.writes().size(), 1);

        // The window reads "a"; "b" goes on the clipboard and is pasted in its turn, and "c" waits for that one.
        QCOMPARE(f.clipboard.pasteInOtherApplication()->value, QStringLiteral("a"));
        QCOMPARE(f.clipboard.writes().size(), 2);
        QCOMPARE(f.clipboard.writes().constLast().value, QStringLiteral("b"));
        f.clock.advance(200ms);
        QCOMPARE(f.keys.typed, kCtrlV + kCtrlV);
        QCOMPARE(f.clipboard.pasteInOtherApplication()->value, QStringLiteral("b"));
        QCOMPARE(f.clipboard.writes().constLast().value, QStringLiteral("c"));
        QCOMPARE(f.capture.lastChangeCount().value(), f.clipboard.changeCount());

        // Nothing is held after a copy alone.
        f.engine().writeItemToClipboard(QStringLiteral("d"));
        QCOMPARE(f.clipboard.writes().constLast().value, QStringLiteral("d"));
    }

    void aWindowThatNeverReadsHoldsTheClipboardForABoundedTime()
    {
        Pasting f;
        f.engine().pasteItem(QStringLiteral("a"));
        // A clipboard manager that reads every new entry at once is no paste: the hold goes on.
        QVERIFY(f.clipboard.pasteInOtherApplication());
        f.engine().pasteItem(QStringLiteral("b"));
        f.clock.advance(200ms);
        f.clock.advance(PasteHold::kReadWait - 1ms);
        QCOMPARE(f.clipboard.writes().size(), 1);
        f.clock.advance(1ms);
        QCOMPARE(f.clipboard.writes().size(), 2);
        f.clock.advance(200ms);
        QCOMPARE(f.keys.typed, kCtrlV + kCtrlV);
    }

    void keysThatCannotBeTypedFreeTheClipboardAtOnce()
    {
        Pasting f;
        f.keys.failing = true;
        f.engine().pasteItem(QStringLiteral("a"));
        f.engine().writeItemToClipboard(QStringLiteral("b"));
        QCOMPARE(f.clipboard.writes().size(), 1);
        f.clock.advance(200ms);
        QCOMPARE(f.clipboard.writes().size(), 2);
        QCOMPARE(f.clipboard.writes().constLast().value, QStringLiteral("b"));
    }

    void anUnansweredFolderQuestionHoldsNothing()
    {
        Pasting f;
        f.engine().pasteItem(f.dirs.root());
        f.engine().writeItemToClipboard(QStringLiteral("next"));
        QCOMPARE(f.clipboard.writes().size(), 2);
    }

    void terminalsGetTheirOwnChordFromTheSettingsList()
    {
        Pasting f;
        f.workspace.active = 7;
        f.workspace.windowClasses = {
            {7, QStringLiteral("gnome-terminal")}, {8, QStringLiteral("XTerm")}, {9, QStringLiteral("MyTerm")}};
        f.engine().writeItemToClipboard(QStringLiteral("ls -l"));
        f.engine().start();
        QCOMPARE(f.keys.typed, Typed{QKeyCombination(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_V)});
        QCOMPARE(f.writeKinds(), QList<Write::Kind>({Write::String}));

        f.keys.typed.clear();
        f.workspace.active = 8;
        f.engine().start();
        QCOMPARE(f.keys.typed, Typed{QKeyCombination(Qt::ShiftModifier, Qt::Key_Insert)});
        QCOMPARE(f.writeKinds(), QList<Write::Kind>({Write::String, Write::Primary}));
        QCOMPARE(f.clipboard.writes().constLast().value, QStringLiteral("ls -l"));

        // The lists were written out, and a class the user adds is honoured.
        QStringList terminals = *f.settings.stringArray(keys::shiftPasteWindowClasses);
        QVERIFY(terminals.contains(QStringLiteral("Gnome-terminal")));
        QVERIFY(f.settings.stringArray(keys::primaryPasteWindowClasses)->contains(QStringLiteral("XTerm")));
        f.keys.typed.clear();
        f.workspace.active = 9;
        f.engine().start();
        QCOMPARE(f.keys.typed, kCtrlV);
        f.settings.setStringArray(keys::shiftPasteWindowClasses, terminals << QStringLiteral("myterm"));
        f.keys.typed.clear();
        f.engine().start();
        QCOMPARE(f.keys.typed, Typed{QKeyCombination(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_V)});
    }

    void keysThatCannotBeTypedLeaveTheEntryOnTheClipboard()
    {
        Pasting f;
        f.keys.failing = true;
        f.engine().start();
        QVERIFY(f.keys.typed.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestPasteEngine)
#include "tst_paste_engine.moc"
