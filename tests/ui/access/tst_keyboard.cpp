// SPDX-License-Identifier: GPL-3.0-or-later
// Every command without a mouse: the keys on the selected row of each list (copy, remove after the question, pin,
// the row menu), the sidebar's keys, and the menus showing those keys.
#include "../main/MainWindowFixture.h"

#include "app/AppActions.h"
#include "ui/main/MainPane.h"

#include <QPushButton>
#include <QToolButton>

using namespace tavrin;
using namespace tavrin::test;

namespace {

/// The text last written to the clipboard by the program.
QString lastWrite(const FakeClipboard &clipboard)
{
    const auto writes = clipboard.writes();
    return writes.isEmpty() ? QString() : writes.constLast().value;
}

QKeySequence shortcutOf(const QMenu *menu, const QString &title)
{
    const QAction *item = ListFixture::menuItem(menu, title);
    return item ? item->shortcut() : QKeySequence();
}

}  // namespace

class TestKeyboard : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void theQuickListsRowKeys()
    {
        ListFixture f({QStringLiteral("first"), QStringLiteral("second"), QStringLiteral("third")});
        f.show();
        QLineEdit *field = f.vc->searchField();
        QTest::keyClick(field, Qt::Key_Down);
        QCOMPARE(f.vc->selectedRow(), 1);

        // Ctrl+C copies the selected entry, as the row menu's first command.
        QTest::keyClick(field, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(lastWrite(f.clipboard), QStringLiteral("second"));

        // Delete asks the main window's question; "No" keeps the entry, "Yes" removes it.
        f.alerts.answerNext(1);
        QTest::keyClick(field, Qt::Key_Delete);
        QCOMPARE(f.alerts.shown.size(), 1);
        QCOMPARE(f.alerts.shown.constLast().messageText, QStringLiteral("Remove selected Item?"));
        QCOMPARE(f.history().items(), QStringList({"first", "second", "third"}));
        f.alerts.answerNext(0);
        QTest::keyClick(f.vc->listView(), Qt::Key_Delete);
        QCOMPARE(f.history().items(), QStringList({"first", "third"}));

        // Ctrl+P pins the selected entry.
        f.vc->listView()->setCurrentIndex(f.vc->model()->index(1));
        QTest::keyClick(field, Qt::Key_P, Qt::ControlModifier);
        QCOMPARE(f.history().pinCount(), 1);
        QCOMPARE(f.history().items().constFirst(), QStringLiteral("third"));

        // While the field holds text, Delete edits the text.
        f.type(QStringLiteral("fir"));
        QTest::keyClick(field, Qt::Key_Home);
        QTest::keyClick(field, Qt::Key_Delete);
        QCOMPARE(field->text(), QStringLiteral("ir"));
        QCOMPARE(f.alerts.shown.size(), 2);

        // The menu key opens the selected row's menu, which shows the keys.
        f.vc->endSearch();
        QTest::keyClick(field, Qt::Key_Menu);
        QMenu *menu = f.vc->rowMenu();
        QVERIFY(menu);
        QTRY_VERIFY(menu->isVisible());
        QCOMPARE(shortcutOf(menu, QStringLiteral("Copy to Clipboard")), QKeySequence(QStringLiteral("Ctrl+C")));
        QCOMPARE(shortcutOf(menu, QStringLiteral("Remove this item")), QKeySequence(Qt::Key_Delete));
        QCOMPARE(shortcutOf(menu, QStringLiteral("Unpin this Item")), QKeySequence(QStringLiteral("Ctrl+P")));
        menu->close();
        // Those keys belong to the open menu only: closed, it takes no key from the list.
        f.alerts.answerNext(1);
        QTest::keyClick(field, Qt::Key_Delete);
        QCOMPARE(f.alerts.shown.size(), 3);
    }

    void theApplicationMenuShowsItsShortcutsAndTheyWorkInTheWindows()
    {
        MainWindowFixture f({QStringLiteral("a")});
        f.show();
        f.vc->popUpApplicationMenu();
        QCOMPARE(shortcutOf(f.vc->applicationMenu(), QStringLiteral("Preferences")),
                 QKeySequence(QStringLiteral("Ctrl+,")));
        QCOMPARE(shortcutOf(f.vc->applicationMenu(), QStringLiteral("Quit")), QKeySequence(QStringLiteral("Ctrl+Q")));
        f.vc->applicationMenu()->close();
        // Ctrl+, in the list's window leaves it for the main window's Preferences.
        f.window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f.window));
        QTest::keySequence(&f.window, QKeySequence(QStringLiteral("Ctrl+,")));
        QTRY_VERIFY(f.mainWindow->isVisible());
        QCOMPARE(f.content->currentPane(), MainPane::preferences);
        QVERIFY(!f.window.isVisible());
    }

    void theMainWindowsListKeys()
    {
        MainWindowFixture f({QStringLiteral("first"), QStringLiteral("second")});
        f.showMain();
        ClipboardPane *pane = f.pane();
        QListView *list = pane->listView();
        list->setFocus();
        pane->selectRow(1);
        // Return is the row's copy button: it copies, never pastes.
        QTest::keyClick(list, Qt::Key_Return);
        QCOMPARE(lastWrite(f.clipboard), QStringLiteral("second"));
        QVERIFY(f.keys.typed.isEmpty());
        QTest::keyClick(list, Qt::Key_P, Qt::ControlModifier);
        QCOMPARE(f.history().pinCount(), 1);
        // Delete asks with the pane's sheet, and removes on "Yes".
        f.sheets.answerNext(0);
        pane->selectRow(0);
        QTest::keyClick(list, Qt::Key_Delete);
        QCOMPARE(f.sheets.shown.constLast().messageText, QStringLiteral("Remove selected Item?"));
        QCOMPARE(f.history().items(), QStringList({"first"}));
        // Down from the search field goes to the rows.
        pane->searchField()->setFocus();
        QTest::keyClick(pane->searchField(), Qt::Key_Down);
        QVERIFY(list->hasFocus());
        QCOMPARE(pane->selectedRow(), 0);
        QTest::keyClick(list, Qt::Key_Menu);
        QTRY_VERIFY(pane->rowMenu() && pane->rowMenu()->isVisible());
        QCOMPARE(shortcutOf(pane->rowMenu(), QStringLiteral("Remove this item")), QKeySequence(Qt::Key_Delete));
        pane->rowMenu()->close();
    }

    void aHistoryRowJoinsAGroupFromItsMenu()
    {
        MainWindowFixture f({QStringLiteral("first"), QStringLiteral("second")});
        f.addGroup(QStringLiteral("Work"), {QStringLiteral("a note")});
        f.showMain();
        ClipboardPane *pane = f.pane();
        pane->listView()->setFocus();
        pane->selectRow(1);
        QTest::keyClick(pane->listView(), Qt::Key_Menu);
        QTRY_VERIFY(pane->rowMenu() && pane->rowMenu()->isVisible());
        QAction *addTo = ListFixture::menuItem(pane->rowMenu(), QStringLiteral("Add to Custom Clipboard"));
        QVERIFY(addTo && addTo->menu());
        QCOMPARE(ListFixture::menuItems(addTo->menu()), QStringList({"My Clipboard", "Work"}));
        ListFixture::menuItem(addTo->menu(), QStringLiteral("Work"))->trigger();
        pane->rowMenu()->close();
        QCOMPARE(f.groups().readGroupItems(QStringLiteral("Work")), QStringList({"a note", "second"}));
        // The quick-access list showing that group shows the new entry.
        f.vc->showGroup(QStringLiteral("Work"));
        QCOMPARE(f.vc->shownList(), QStringList({"a note", "second"}));
    }

    void aGroupIsMadeRenamedAndDeletedFromTheKeyboard()
    {
        MainWindowFixture f;
        f.showMain();
        QToolButton *add = f.sidebar()->addButton();
        QCOMPARE(add->focusPolicy() & Qt::TabFocus, Qt::TabFocus);
        add->setFocus(Qt::TabFocusReason);
        QTest::keyClick(add, Qt::Key_Space);
        f.clock.advance(Sidebar::kEditDelay);
        QLineEdit *editor = f.nameEditor();
        QVERIFY(editor);
        editor->selectAll();
        QTest::keyClicks(editor, QStringLiteral("Recipes"));
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_VERIFY(f.groups().groupNames().contains(QStringLiteral("Recipes")));
        const int row = f.rowOf(QStringLiteral("Recipes"));
        QCOMPARE(f.sidebar()->selectedUpperRow(), row);

        // F2 renames; the context menu shows it and Delete.
        f.upperList()->setFocus();
        QTest::keyClick(f.upperList(), Qt::Key_Menu);
        QTRY_VERIFY(f.sidebar()->contextMenu() && f.sidebar()->contextMenu()->isVisible());
        QCOMPARE(shortcutOf(f.sidebar()->contextMenu(), QStringLiteral("Rename")), QKeySequence(Qt::Key_F2));
        QCOMPARE(shortcutOf(f.sidebar()->contextMenu(), QStringLiteral("Delete")), QKeySequence(Qt::Key_Delete));
        f.sidebar()->contextMenu()->close();
        QTest::keyClick(f.upperList(), Qt::Key_F2);
        editor = f.nameEditor();
        QVERIFY(editor);
        editor->selectAll();
        QTest::keyClicks(editor, QStringLiteral("Cooking"));
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_VERIFY(f.groups().groupNames().contains(QStringLiteral("Cooking")));

        // Delete asks the sidebar's question; "Yes" deletes the group.
        f.upperList()->setFocus();
        f.sheets.answerNext(0);
        QTest::keyClick(f.upperList(), Qt::Key_Delete);
        QCOMPARE(f.sheets.shown.constLast().messageText, QStringLiteral("Remove selected Clipboard?"));
        QVERIFY(!f.groups().groupNames().contains(QStringLiteral("Cooking")));
        QCOMPARE(f.sidebar()->selectedUpperRow(), 0);
        // On the Clipboard row Delete asks nothing.
        QTest::keyClick(f.upperList(), Qt::Key_Delete);
        QCOMPARE(f.sheets.shown.size(), 1);
    }

    void theGroupPanesAddButtonIsInTheTabOrder()
    {
        MainWindowFixture f;
        f.showMain();
        f.sidebar()->selectUpperRow(f.rowOf(QStringLiteral("My Clipboard")));
        QPushButton *add = f.groupPane()->addButton();
        QCOMPARE(add->focusPolicy() & Qt::TabFocus, Qt::TabFocus);
        add->setFocus(Qt::TabFocusReason);
        QTest::keyClick(add, Qt::Key_Space);
        QCOMPARE(f.sheets.choosers.size(), 1);
    }
};

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
