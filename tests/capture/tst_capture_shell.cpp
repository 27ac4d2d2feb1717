// SPDX-License-Identifier: GPL-3.0-or-later
// Hiding the program for a paste: the focus goes back, the queue window stays.
#include "CaptureFixture.h"
#include "app/ProgramHider.h"
#include "ui/queue/SequentialQueueWindow.h"

#include <QApplication>
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
        kept.setProperty(SequentialQueueWindow::kKeepShownProperty, true);
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
};

QTEST_MAIN(TestCaptureShell)
#include "tst_capture_shell.moc"
