// SPDX-License-Identifier: GPL-3.0-or-later
// Pausing recording and the ignored window classes, with the monitor that follows them, and texts added by a
// command.
#include "CaptureFixture.h"

#include <QSignalSpy>
#include <QTest>

using namespace tavrin;

namespace {

struct Monitored : test::CaptureFixture {
    Monitored() { monitor().start(); }
    RecordingRules &rules() { return capture.recordingRules(); }
    void focusWindowOfClass(const QString &windowClass)
    {
        workspace.active = 42;
        workspace.windowClasses.insert(42, windowClass);
    }
};

}  // namespace

class TestRecordingRules : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void nothingCopiedDuringAPauseIsRecordedNorReadNorRecordedAfterTheResume()
    {
        Monitored f;
        QSignalSpy changes(&f.rules(), &RecordingRules::pausedChanged);
        f.rules().setPaused(true);
        f.rules().setPaused(true);
        QCOMPARE(changes.count(), 1);
        f.clipboard.copyText(QStringLiteral("password"));
        f.tick();
        QVERIFY(f.history.items().isEmpty());
        QVERIFY(f.sounds.played.isEmpty());
        QCOMPARE(f.clipboard.readCount(), 0);

        // A copy the monitor has not even looked at yet when recording resumes is not recorded either.
        f.clipboard.copyText(QStringLiteral("second password"));
        f.rules().setPaused(false);
        f.tick();
        f.tick();
        QVERIFY(f.history.items().isEmpty());
        QCOMPARE(changes.count(), 2);

        f.clipboard.copyText(QStringLiteral("after"));
        f.tick();
        QCOMPARE(f.history.items(), QStringList({QStringLiteral("after")}));
    }

    void aCopyMadeJustBeforeThePauseIsStillRecordedWhenItsStepRan()
    {
        Monitored f;
        f.clipboard.copyText(QStringLiteral("before"));
        f.clipboard.notifyChange();  // step queued, not yet run
        f.rules().setPaused(true);
        f.dispatcher.runAll();
        QCOMPARE(f.history.items(), QStringList({QStringLiteral("before")}));
    }

    void copiesInIgnoredWindowClassesAreNotRecordedWhateverTheirCase()
    {
        Monitored f;
        f.settings.setStringArray(keys::ignoredWindowClasses,
                                  {QStringLiteral("KeePassXC"), QStringLiteral("org.gnome.seahorse")});
        f.focusWindowOfClass(QStringLiteral("keepassxc"));
        f.clipboard.copyText(QStringLiteral("secret"));
        f.tick();
        f.focusWindowOfClass(QStringLiteral("ORG.GNOME.Seahorse"));
        f.clipboard.copyText(QStringLiteral("other secret"));
        f.tick();
        QVERIFY(f.history.items().isEmpty());

        // Only the whole class counts, and a window without a class is recorded.
        f.focusWindowOfClass(QStringLiteral("keepassxc-browser"));
        f.clipboard.copyText(QStringLiteral("one"));
        f.tick();
        f.workspace.active = 0;
        f.clipboard.copyText(QStringLiteral("two"));
        f.tick();
        QCOMPARE(f.history.items(), QStringList({QStringLiteral("two"), QStringLiteral("one")}));
    }

    void aBrokenIgnoreListIgnoresNothing()
    {
        Monitored f;
        f.settings.setString(keys::ignoredWindowClasses, QStringLiteral("keepassxc"));
        f.focusWindowOfClass(QStringLiteral("keepassxc"));
        QVERIFY(f.rules().ignoredWindowClasses().isEmpty());
        QVERIFY(f.rules().recordsCopyNow());
    }

    void anAddedTextIsRecordedOnceAndIsOnTheClipboard()
    {
        Monitored f;
        f.monitor().recordCopiedText(QStringLiteral("added\n"));
        QCOMPARE(f.history.items(), QStringList({QStringLiteral("added\n")}));
        QCOMPARE(f.clipboard.writes().size(), 1);
        QCOMPARE(f.clipboard.writes().constFirst().value, QStringLiteral("added\n"));
        QCOMPARE(f.sounds.played, QStringList({QStringLiteral("Frog")}));
        QVERIFY(f.history.hasPendingSave());
        // The monitor sees its own write and does not record it a second time.
        f.tick();
        f.tick();
        QCOMPARE(f.history.items().size(), 1);
    }
};

QTEST_GUILESS_MAIN(TestRecordingRules)
#include "tst_recording_rules.moc"
