// The program's own stand-ins around capture: hiding the program for a paste, and the plain queue window.
#include "CaptureFixture.h"
#include "app/PlainQueueWindow.h"
#include "app/ProgramHider.h"

#include <QApplication>
#include <QListWidget>
#include <QTest>
#include <QWidget>

using namespace tavrin;

class TestCaptureShell : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void hidingGivesTheFocusBackOnlyFromOurOwnWindow()
    {
        FakeWorkspace workspace;
        ProgramHider hider(workspace);
        QWidget list;
        QWidget kept;
        kept.setProperty(PlainQueueWindow::kKeepShownProperty, true);
        list.show();
        kept.show();
        workspace.lastForeign = 42;
        workspace.active = list.winId();
        hider.hideProgram();
        QVERIFY(!list.isVisible());
        QVERIFY(kept.isVisible());
        QCOMPARE(workspace.activations, QList<Workspace::WindowId>({42}));

        // Another application is in front already (a shortcut did not activate us): it keeps the focus.
        list.show();
        workspace.active = 7;
        hider.hideProgram();
        QVERIFY(!list.isVisible());
        QCOMPARE(workspace.activations.size(), 1);
    }

    void theQueueWindowIsTheModeAndListsTheQueue()
    {
        test::CaptureFixture f;
        PlainQueueWindow window(f.sequential(), f.capture.queue());
        f.sequential().setWindow(&window);
        f.settings.setInteger(keys::sequentialPasteOrder, 0);
        f.monitor().start();
        f.sequential().toggleSequentialQueue();
        QVERIFY(f.sequential().isOn());
        QVERIFY(window.list()->testAttribute(Qt::WA_ShowWithoutActivating));
        f.pasteboard.copyText(QStringLiteral("one"));
        f.tick();
        f.pasteboard.copyText(QStringLiteral("two"));
        f.tick();
        QCOMPARE(window.list()->count(), 2);
        QCOMPARE(window.list()->item(1)->text(), QStringLiteral("two"));
        f.sequential().sequentialPasteNext();
        QCOMPARE(window.list()->count(), 1);
        f.sequential().sequentialPasteNext();
        QVERIFY(!f.sequential().isOn());  // closed after the last entry
        f.sequential().toggleSequentialMode();
        QVERIFY(!window.list()->testAttribute(Qt::WA_ShowWithoutActivating));
        QVERIFY(window.isVisible());
    }
};

QTEST_MAIN(TestCaptureShell)
#include "tst_capture_shell.moc"
