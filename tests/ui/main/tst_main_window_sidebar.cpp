// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's sidebar: which rows can be selected, pane switching, adding, renaming and deleting groups, and
// what may be dropped where.
#include "MainWindowFixture.h"

#include "ui/main/FileOrFolderDialog.h"
#include "ui/main/MainPane.h"
#include "ui/main/SidebarRowDelegate.h"

#include <QMessageBox>

#include <QListView>
#include <QToolButton>

using namespace tavrin;
using namespace tavrin::test;

namespace {

QMimeData *filesDrag(const QStringList &paths)
{
    auto *data = new QMimeData;
    QList<QUrl> urls;
    for (const QString &path : paths)
        urls.append(QUrl::fromLocalFile(path));
    data->setUrls(urls);
    return data;
}

}  // namespace

class TestMainWindowSidebar : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void theRowsAndTheirHeights()
    {
        MainWindowFixture f;
        f.addGroup(QStringLiteral("Work"));
        f.showMain();
        QCOMPARE(f.sidebar()->groupModel()->titles(),
                 (QStringList{QStringLiteral("Clipboard"), QStringLiteral("Custom Clipboards"),
                              QStringLiteral("My Clipboard"), QStringLiteral("Work")}));
        QCOMPARE(f.upperRowRect(0).height(), SidebarRowDelegate::kRowHeight);
        QCOMPARE(f.upperRowRect(1).height(), SidebarRowDelegate::kHeaderHeight);
        QCOMPARE(f.upperRowRect(2).height(), SidebarRowDelegate::kRowHeight);
        QListView *lower = f.sidebar()->lowerList();
        QCOMPARE(lower->model()->index(0, 0).data().toString(), QStringLiteral("Preferences"));
        QCOMPARE(lower->model()->index(1, 0).data().toString(), QStringLiteral("About"));
        // The launch selects the Clipboard and shows its pane.
        QCOMPARE(f.sidebar()->selectedUpperRow(), 0);
        QCOMPARE(f.content->currentPane(), MainPane::clipboard);
        QCOMPARE(f.content->installedPane(), f.pane());
        // One remove button per group, real buttons with names.
        QTRY_COMPARE(f.upperList()->removeButtons().size(), 2);
        QCOMPARE(f.upperList()->removeButtons().at(1)->accessibleName(), QStringLiteral("Remove Work"));
        QVERIFY(!f.sidebar()->addButton()->accessibleName().isEmpty());
    }

    void theWindowModalSheetsAnswerThroughTheirCallback()
    {
        QWidget window;
        window.resize(600, 400);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        WindowModalSheetPresenter presenter;
        int answer = -1;
        presenter.presentAlert(&window,
                               AlertRequest{1,
                                            QStringLiteral("Remove selected Clipboard?"),
                                            QStringLiteral("All the Items of this Clipboard will also be removed."),
                                            {QStringLiteral("Yes"), QStringLiteral("No")}},
                               [&answer](int button) { answer = button; });
        auto *box = window.findChild<QMessageBox *>();
        QVERIFY(box);
        QTRY_VERIFY(box->isVisible());
        QCOMPARE(box->windowModality(), Qt::WindowModal);
        QCOMPARE(box->text(), QStringLiteral("Remove selected Clipboard?"));
        QCOMPARE(answer, -1);
        QTest::keyClick(box, Qt::Key_Escape);
        QTRY_COMPARE(answer, 1);
        QTRY_VERIFY(!window.findChild<QMessageBox *>());

        presenter.presentFileChooser(&window, FileChooserRequest{QStringLiteral("Choose"), true},
                                     [&answer](const std::optional<QString> &path) { answer = path ? 2 : 3; });
        auto *dialog = window.findChild<FileOrFolderDialog *>();
        QVERIFY(dialog);
        QTRY_VERIFY(dialog->isVisible());
        QVERIFY(dialog->testOption(QFileDialog::DontUseNativeDialog));
        QVERIFY(dialog->filter() & QDir::Hidden);
        dialog->selectFile(QDir::tempPath());
        dialog->accept();
        QTRY_COMPARE(answer, 2);
    }

    void theHeaderIsNeverSelected()
    {
        MainWindowFixture f;
        f.showMain();
        f.sidebar()->selectUpperRow(2);
        QCOMPARE(f.content->currentPane(), MainPane::group);
        // A click on the header (its own widget covers the row) leaves the selection as it was.
        const QPoint header = f.upperList()->viewport()->mapTo(f.sidebar(), f.upperRowRect(1).center());
        QWidget *target = f.sidebar()->childAt(header);
        QVERIFY(target);
        QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(f.sidebar(), header));
        QCOMPARE(f.sidebar()->selectedUpperRow(), 2);
        // Nor does selecting it by hand, or the keys: Up from the first group goes past it to the Clipboard.
        f.sidebar()->selectUpperRow(1);
        QCOMPARE(f.sidebar()->selectedUpperRow(), 2);
        f.upperList()->setFocus();
        QTest::keyClick(f.upperList(), Qt::Key_Up);
        QCOMPARE(f.sidebar()->selectedUpperRow(), 0);
        QCOMPARE(f.content->currentPane(), MainPane::clipboard);
        QTest::keyClick(f.upperList(), Qt::Key_Down);
        QCOMPARE(f.sidebar()->selectedUpperRow(), 2);
    }

    void exactlyOneRowOfTheTwoListsIsSelected()
    {
        MainWindowFixture f;
        f.addGroup(QStringLiteral("Work"), {QStringLiteral("a note")});
        f.showMain();
        QListView *lower = f.sidebar()->lowerList();
        QTest::mouseClick(lower->viewport(), Qt::LeftButton, {},
                          lower->visualRect(lower->model()->index(1, 0)).center());
        QCOMPARE(f.sidebar()->selectedLowerRow(), 1);
        QCOMPARE(f.sidebar()->selectedUpperRow(), -1);
        QCOMPARE(f.content->currentPane(), MainPane::about);
        QCOMPARE(f.content->installedPane()->accessibleName(), QStringLiteral("About"));
        QVERIFY(!f.pane()->isVisible());

        QTest::mouseClick(f.upperList()->viewport(), Qt::LeftButton, {}, f.upperRowRect(f.rowOf("Work")).center());
        QCOMPARE(f.sidebar()->selectedUpperRow(), f.rowOf("Work"));
        QCOMPARE(f.sidebar()->selectedLowerRow(), -1);
        QCOMPARE(f.content->currentPane(), MainPane::group);
        QCOMPARE(f.groupPane()->groupName(), QStringLiteral("Work"));
        QCOMPARE(f.groupPane()->items(), QStringList{QStringLiteral("a note")});

        f.content->showPane(MainPane::preferences);
        QCOMPARE(f.sidebar()->selectedLowerRow(), 0);
        QCOMPARE(f.sidebar()->selectedUpperRow(), -1);
        QCOMPARE(f.content->currentPane(), MainPane::preferences);
        QVERIFY(!f.groupPane()->isVisible());
    }

    void anAddedGroupIsSelectedAndItsNameEditedWithTheCaretAtTheEnd()
    {
        MainWindowFixture f;
        f.showMain();
        QTest::mouseClick(f.sidebar()->addButton(), Qt::LeftButton);
        // "My Clipboard" is there: the new group is My Clipboard1, shown at once, empty.
        QCOMPARE(f.groups().groupNames(),
                 (QStringList{QStringLiteral("My Clipboard"), QStringLiteral("My Clipboard1")}));
        QCOMPARE(f.sidebar()->selectedUpperRow(), 3);
        QCOMPARE(f.content->currentPane(), MainPane::group);
        QCOMPARE(f.groupPane()->groupName(), QStringLiteral("My Clipboard1"));
        QTRY_VERIFY(f.groupPane()->placeholder()->isVisible());
        QVERIFY(!f.nameEditor());
        f.clock.advance(Sidebar::kEditDelay);
        QLineEdit *editor = f.nameEditor();
        QVERIFY(editor);
        QCOMPARE(editor->text(), QStringLiteral("My Clipboard1"));
        QVERIFY(!editor->hasSelectedText());
        QCOMPARE(editor->cursorPosition(), int(editor->text().size()));
        QTRY_VERIFY(editor->hasFocus());
        // Typing goes on after the name.
        QTest::keyClicks(editor, QStringLiteral(" notes"));
        QTest::keyClick(editor, Qt::Key_Return);
        // The editor reports its text once the key's event is over.
        QTRY_COMPARE(f.groups().groupNames().at(1), QStringLiteral("My Clipboard1 notes"));
        QCOMPARE(f.context.settings().stringArray(keys::groupNames)->at(1), QStringLiteral("My Clipboard1 notes"));
        QVERIFY(QFile::exists(f.groupFile(QStringLiteral("My Clipboard1 notes"))));
    }

    void aDuplicateOrInvalidNameIsRefusedWithASheetAndEditedAgain_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("why");
        QTest::newRow("duplicate") << "Work"
                                   << "Clipboard with the same name already exists.";
        QTest::newRow("slash") << "a/b"
                               << "A Clipboard name cannot contain a slash (/).";
        QTest::newRow("dots") << ".."
                              << "A Clipboard cannot be named \".\" or \"..\".";
        QTest::newRow("history file") << "myfile"
                                      << "The name \"myfile\" belongs to the Clipboard history's own file.";
    }
    void aDuplicateOrInvalidNameIsRefusedWithASheetAndEditedAgain()
    {
        QFETCH(QString, typed);
        QFETCH(QString, why);
        MainWindowFixture f;
        f.addGroup(QStringLiteral("Work"));
        f.groups().writeGroupItems(QStringLiteral("My Clipboard"), {QStringLiteral("kept")});
        f.showMain();
        const int row = f.rowOf(QStringLiteral("My Clipboard"));
        f.sidebar()->rebuildRowMenu(row);
        QCOMPARE(ListFixture::menuItems(f.sidebar()->contextMenu()),
                 (QStringList{QStringLiteral("Rename"), QStringLiteral("Delete")}));
        ListFixture::menuItem(f.sidebar()->contextMenu(), QStringLiteral("Rename"))->trigger();
        QLineEdit *editor = f.nameEditor();
        QVERIFY(editor);
        editor->setText(typed);
        QTest::keyClick(editor, Qt::Key_Return);

        QTRY_VERIFY(f.sheets.hasOpenAlert());
        QCOMPARE(f.sheets.shown.size(), 1);
        QCOMPARE(f.sheets.shown.constFirst().messageText, QStringLiteral("Enter a valid name"));
        QCOMPARE(f.sheets.shown.constFirst().informativeText, why);
        QCOMPARE(f.sheets.shown.constFirst().buttons, QStringList{QStringLiteral("OK")});
        QCOMPARE(f.sheets.alertWindows.constFirst(), f.mainWindow);
        QVERIFY(f.dimmed());
        // Nothing changed, and the field shows the old name.
        QCOMPARE(f.groups().groupNames(), (QStringList{QStringLiteral("My Clipboard"), QStringLiteral("Work")}));
        QCOMPARE(f.groups().readGroupItems(QStringLiteral("My Clipboard")), QStringList{QStringLiteral("kept")});
        QCOMPARE(f.upperList()->model()->index(row, 0).data().toString(), QStringLiteral("My Clipboard"));

        QVERIFY(f.sheets.answerOpenAlert(0));
        QVERIFY(!f.dimmed());
        // "OK": the same row is edited again, from its old name.
        QTRY_VERIFY(f.nameEditor());
        QCOMPARE(f.nameEditor()->text(), QStringLiteral("My Clipboard"));
        QCOMPARE(f.sidebar()->selectedUpperRow(), row);
        QCOMPARE(f.sheets.shown.size(), 1);
    }

    void anEditEndsKeepingItsTextWhenTheListTakesTheFocus()
    {
        MainWindowFixture f;
        f.showMain();
        f.mainWindow->activateWindow();
        QTRY_VERIFY(f.mainWindow->isActiveWindow());
        f.sidebar()->selectUpperRow(2);
        f.sidebar()->startEditingSelectedName();
        QTRY_VERIFY(f.nameEditor() && f.nameEditor()->hasFocus());
        f.nameEditor()->setText(QStringLiteral("Notes"));
        // The list comes to the front (its shortcut, the tray) and its menus open there.
        f.window.activateWindow();
        QTRY_VERIFY(f.window.isActiveWindow());
        f.vc->popUpModeMenu();
        QTRY_VERIFY(!f.nameEditor());
        QCOMPARE(f.groups().groupNames(), QStringList{QStringLiteral("Notes")});
        QCOMPARE(ListFixture::menuItems(f.vc->modeMenu()),
                 (QStringList{QStringLiteral("Clipboard"), QStringLiteral("Notes")}));
        f.vc->modeMenu()->close();
    }

    void anEmptyNameGetsTheOldNameBackSilently()
    {
        MainWindowFixture f;
        f.showMain();
        f.sidebar()->selectUpperRow(2);
        f.sidebar()->startEditingSelectedName();
        f.nameEditor()->clear();
        QTest::keyClick(f.nameEditor(), Qt::Key_Return);
        QTRY_VERIFY(!f.nameEditor());
        QVERIFY(f.sheets.shown.isEmpty());
        QCOMPARE(f.groups().groupNames(), QStringList{QStringLiteral("My Clipboard")});
        QCOMPARE(f.upperList()->model()->index(2, 0).data().toString(), QStringLiteral("My Clipboard"));
    }

    void deletingAGroupAsksAndThenShowsTheClipboardPane()
    {
        MainWindowFixture f;
        f.addGroup(QStringLiteral("Work"), {QStringLiteral("x")});
        f.showMain();
        const int row = f.rowOf(QStringLiteral("Work"));
        f.sidebar()->selectUpperRow(row);
        QTRY_COMPARE(f.upperList()->removeButtons().size(), 2);

        // "No" keeps it.
        f.sheets.answerNext(1);
        f.upperList()->removeButtons().at(1)->click();
        QCOMPARE(f.sheets.shown.constLast().messageText, QStringLiteral("Remove selected Clipboard?"));
        QCOMPARE(f.sheets.shown.constLast().informativeText,
                 QStringLiteral("Are you sure you want to remove the selected Clipboard? All the Items of this "
                                "Clipboard will also be removed."));
        QCOMPARE(f.groups().groupNames().size(), 2);
        QVERIFY(!f.dimmed());
        QCOMPARE(f.content->currentPane(), MainPane::group);

        // "Yes" through the menu: the group and its file go, the Clipboard is shown.
        f.sidebar()->rebuildRowMenu(row);
        ListFixture::menuItem(f.sidebar()->contextMenu(), QStringLiteral("Delete"))->trigger();
        QVERIFY(f.dimmed());
        QVERIFY(f.sheets.answerOpenAlert(0));
        QVERIFY(!f.dimmed());
        QCOMPARE(f.groups().groupNames(), QStringList{QStringLiteral("My Clipboard")});
        QVERIFY(!QFile::exists(f.groupFile(QStringLiteral("Work"))));
        QCOMPARE(f.sidebar()->selectedUpperRow(), 0);
        QCOMPARE(f.content->currentPane(), MainPane::clipboard);
        QCOMPARE(f.content->installedPane(), f.pane());
    }

    void theClipboardRowAndTheHeaderHaveNoMenu()
    {
        MainWindowFixture f;
        f.showMain();
        for (int row : {0, 1, -1}) {
            f.sidebar()->rebuildRowMenu(row);
            QVERIFY(f.sidebar()->contextMenu()->isEmpty());
        }
    }

    void dropsAreTakenOnlyOntoGroupRows()
    {
        MainWindowFixture f;
        f.addGroup(QStringLiteral("Work"));
        f.showMain();
        const std::unique_ptr<QMimeData> data(filesDrag({QStringLiteral("/tmp")}));
        const QRect first = f.upperRowRect(2);
        const QRect second = f.upperRowRect(3);
        QVERIFY(!f.dragOverUpperList(f.upperRowRect(0).center(), *data));
        QVERIFY(!f.dragOverUpperList(f.upperRowRect(1).center(), *data));
        // Between the two group rows.
        QVERIFY(!f.dragOverUpperList(QPoint(first.center().x(), first.bottom()), *data));
        QVERIFY(!f.dragOverUpperList(QPoint(second.center().x(), second.top()), *data));
        QVERIFY(f.dragOverUpperList(first.center(), *data));
        QVERIFY(f.dragOverUpperList(second.center(), *data));
        QVERIFY(!f.dropOnUpperList(f.upperRowRect(0).center(), *data));
        QVERIFY(!f.dropOnUpperList(QPoint(first.center().x(), first.bottom()), *data));
        QVERIFY(f.groups().readGroupItems(QStringLiteral("My Clipboard")).isEmpty());
        // Text alone is not taken.
        QMimeData text;
        text.setText(QStringLiteral("words"));
        QVERIFY(!f.dragOverUpperList(first.center(), text));
    }

    void filesDroppedOntoAGroupRowGoThereWhileAnotherGroupIsShown()
    {
        MainWindowFixture f;
        f.addGroup(QStringLiteral("Work"), {QStringLiteral("old")});
        f.showMain();
        f.sidebar()->selectUpperRow(f.rowOf(QStringLiteral("My Clipboard")));
        f.groupPane()->searchField()->setText(QStringLiteral("zzz"));
        QDir dir(f.dirs.dataHome());
        QVERIFY(dir.mkpath(QStringLiteral("folder")));
        const QString folder = dir.filePath(QStringLiteral("folder"));
        const std::unique_ptr<QMimeData> data(filesDrag({folder, folder}));
        QList<QUrl> urls = data->urls();
        urls.insert(1, QUrl(QStringLiteral("https://example.org/page")));
        data->setUrls(urls);

        QVERIFY(f.dropOnUpperList(f.upperRowRect(f.rowOf(QStringLiteral("Work"))).center(), *data));
        // Only local files, each time they come, and in the group dropped on.
        QCOMPARE(f.groups().readGroupItems(QStringLiteral("Work")),
                 (QStringList{QStringLiteral("old"), folder, folder}));
        QVERIFY(f.groups().readGroupItems(QStringLiteral("My Clipboard")).isEmpty());
        QCOMPARE(f.groupPane()->groupName(), QStringLiteral("My Clipboard"));
        QVERIFY(f.groupPane()->isSearching());
        QCOMPARE(f.sidebar()->selectedUpperRow(), f.rowOf(QStringLiteral("My Clipboard")));

        // Onto the group shown: its pane ends its search and shows the new item.
        QVERIFY(f.dropOnUpperList(f.upperRowRect(f.rowOf(QStringLiteral("My Clipboard"))).center(), *data));
        QVERIFY(!f.groupPane()->isSearching());
        QCOMPARE(f.groupPane()->items(), (QStringList{folder, folder}));
        QCOMPARE(f.groupPane()->model()->rowCount(), 2);
    }

    void theQuickAccessListFollowsDropsAndRenamesOfTheGroupItShows()
    {
        MainWindowFixture f;
        f.addGroup(QStringLiteral("Work"), {QStringLiteral("first")});
        f.showMain();
        f.vc->chooseMode(1);
        QCOMPARE(f.vc->shownGroupName(), QStringLiteral("Work"));
        const std::unique_ptr<QMimeData> data(filesDrag({f.dirs.dataHome()}));
        QVERIFY(f.dropOnUpperList(f.upperRowRect(f.rowOf(QStringLiteral("Work"))).center(), *data));
        QCOMPARE(f.shownEntries(), (QStringList{QStringLiteral("first"), f.dirs.dataHome()}));
        // A drop onto another group leaves what it shows alone.
        QVERIFY(f.dropOnUpperList(f.upperRowRect(f.rowOf(QStringLiteral("My Clipboard"))).center(), *data));
        QCOMPARE(f.vc->shownGroupName(), QStringLiteral("Work"));

        f.sidebar()->renameGroupRow(f.rowOf(QStringLiteral("Work")), QStringLiteral("Office"));
        QCOMPARE(f.vc->shownGroupName(), QStringLiteral("Office"));
        QCOMPARE(f.shownEntries().size(), 2);
    }
};

QTEST_MAIN(TestMainWindowSidebar)
#include "tst_main_window_sidebar.moc"
