// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "../lists/ListFixture.h"
#include "app/AppShell.h"
#include "app/MainWindow.h"
#include "ui/main/ClipboardPane.h"
#include "ui/main/DimmedSheets.h"
#include "ui/main/DimmingLayer.h"
#include "ui/main/GroupListModel.h"
#include "ui/main/GroupListView.h"
#include "ui/main/GroupPane.h"
#include "ui/main/MainWindowContent.h"
#include "ui/main/Sidebar.h"

#include "capture/FileEntries.h"
#include "platform/fake/FakeLocations.h"
#include <QDragMoveEvent>

#include <QLineEdit>
#include <QMimeData>

namespace tavrin::test {

// A launched program over the fake platform with its quick-access list and its main window, made and linked by the
// window registry as the program does, and its shell (which holds the shortcuts and their recorder); sheets are
// answered by the test.
struct MainWindowFixture : ListFixture {
    std::unique_ptr<AppShell> shell;
    MainWindow *mainWindow = nullptr;
    MainWindowContent *content = nullptr;

    explicit MainWindowFixture(const QStringList &entries = {})
        : ListFixture(entries, true), shell(std::make_unique<AppShell>(context))
    {
        // The shell gave sequential mode its own queue window; the test uses one of its own.
        capture().sequentialMode().setWindow(&queueWindow);
        // Past the first run: the main window shows the sidebar.
        context.settings().setInteger(keys::firstRun, 1);
        mainWindow = context.windows().mainWindow();
        content = context.windows().mainContent();
        mainWindow->setGeometry(80, 60, 900, 600);
    }

    /// Shows the main window (and the list's window, whose first showing starts the list).
    void showMain()
    {
        show();
        mainWindow->showWindow();
        QVERIFY(QTest::qWaitForWindowExposed(mainWindow));
    }

    Sidebar *sidebar() const { return content->sidebar(); }
    GroupListView *upperList() const { return sidebar()->upperList(); }
    ClipboardPane *pane() const { return content->clipboardPane(); }
    GroupPane *groupPane() const { return content->groupPane(); }
    GroupStore &groups() { return context.groups(); }
    bool dimmed() const { return content->dimmingLayer()->isVisible(); }

    /// Adds groups after the default one ("My Clipboard"), with items.
    void addGroup(const QString &name, const QStringList &items = {})
    {
        const int index = groups().addGroup();
        QCOMPARE(groups().renameGroup(index, name), GroupStore::RenameOutcome::changed);
        if (!items.isEmpty())
            QVERIFY(groups().writeGroupItems(name, items));
    }
    /// The file of a group's items.
    QString groupFile(const QString &name) const
    {
        return platform->fakeLocations->dataDirectory() + QLatin1Char('/') + name + ".plist";
    }
    /// The row of the group with this name in the sidebar.
    int rowOf(const QString &name) { return int(groups().groupNames().indexOf(name)) + GroupListModel::kFirstGroupRow; }
    QRect upperRowRect(int row) const { return upperList()->visualRect(upperList()->model()->index(row, 0)); }

    /// A drag entering the sidebar's upper list at its top left (as a drag from elsewhere does); true when the
    /// list takes part in it.
    bool dragEntersUpperList(const QMimeData &data)
    {
        QDragEnterEvent enter(QPoint(1, 1), kActions, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(upperList()->viewport(), &enter);
        return enter.isAccepted();
    }
    /// Sends a drag over the sidebar's upper list at pos; true when it would drop there.
    bool dragOverUpperList(const QPoint &pos, const QMimeData &data)
    {
        if (!dragEntersUpperList(data))
            return false;
        QDragMoveEvent move(pos, kActions, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(upperList()->viewport(), &move);
        QDragLeaveEvent leave;
        QCoreApplication::sendEvent(upperList()->viewport(), &leave);
        return move.isAccepted();
    }
    /// Drops data onto the upper list at pos; true when the drop was taken.
    bool dropOnUpperList(const QPoint &pos, const QMimeData &data)
    {
        if (!dragEntersUpperList(data))
            return false;
        QDropEvent drop(QPointF(pos), kActions, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(upperList()->viewport(), &drop);
        return drop.isAccepted();
    }
    static constexpr Qt::DropActions kActions = Qt::CopyAction | Qt::MoveAction;

    /// The line edit of a group name being edited, null when none is.
    QLineEdit *nameEditor() const
    {
        for (QLineEdit *edit : upperList()->viewport()->findChildren<QLineEdit *>()) {
            if (edit->isVisible())
                return edit;
        }
        return nullptr;
    }
};

}  // namespace tavrin::test
