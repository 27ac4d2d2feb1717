// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's Clipboard and group panes: copying, removing and clearing with their sheets, pins, dragging
// history rows onto a group, the Delete key, and the quick-access list kept in step.
#include "MainWindowFixture.h"

#include "app/QuickListWindow.h"
#include "ui/lists/HistoryRowDelegate.h"
#include "ui/lists/ListSearch.h"
#include "ui/main/HistoryRowsMime.h"
#include "ui/main/MainPane.h"

#include <QListView>
#include <QPushButton>
#include <QSignalSpy>

using namespace tavrin;
using namespace tavrin::test;

namespace {

QStringList tenEntries()
{
    return {QStringLiteral("one"),        QStringLiteral("xabcx"),   QStringLiteral("three"), QStringLiteral("four"),
            QStringLiteral("ABC second"), QStringLiteral("six"),     QStringLiteral("seven"), QStringLiteral("eight"),
            QStringLiteral("nine"),       QStringLiteral("last abc")};
}

// Paint events of a widget (a list's viewport).
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget *widget) { widget->installEventFilter(this); }
    int paints = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

// Runs what the event loop has queued (posted events, zero timers), without waiting for time to pass.
void drainEvents()
{
    for (int i = 0; i < 10; ++i)
        QCoreApplication::processEvents();
}

QStringList paneEntries(const ListPane *pane)
{
    QStringList entries;
    for (int row = 0; row < pane->model()->rowCount(); ++row)
        entries << pane->model()->index(row).data(ShownListModel::EntryRole).toString();
    return entries;
}

}  // namespace

class TestMainWindowPanes : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void theClipboardPaneShowsTheHistoryWithItsOwnRowPrefixes()
    {
        MainWindowFixture f(tenEntries() << QStringLiteral("eleven"));
        f.showMain();
        ClipboardPane *pane = f.pane();
        QCOMPARE(paneEntries(pane), f.history().items());
        QCOMPARE(pane->model()->index(9).data().toString(), QStringLiteral("=>    last abc"));
        QCOMPARE(f.title(9), QStringLiteral("=>   last abc"));
        QVERIFY(pane->model()->index(0).data().toString().endsWith(QStringLiteral("    one")));
        QVERIFY(pane->cell()->showsCopyButton());
        // A capture shows up at the top, and ends a search.
        pane->searchField()->setText(QStringLiteral("abc"));
        QVERIFY(pane->isSearching());
        f.clipboard.copyText(QStringLiteral("captured"));
        f.capture().monitor().checkState();
        f.dispatcher.runAll();
        QCOMPARE(f.history().items().constFirst(), QStringLiteral("captured"));
        QVERIFY(!pane->isSearching());
        QVERIFY(pane->searchField()->text().isEmpty());
        QCOMPARE(paneEntries(pane).constFirst(), QStringLiteral("captured"));
    }

    void aCaptureInsertsOneRowInEachModelAndRepaintsEachVisibleListOnce()
    {
        MainWindowFixture f(tenEntries());
        f.showMain();
        QTRY_VERIFY(f.window.isVisible() && f.pane()->listView()->isVisible());
        const QList<QListView *> lists{f.vc->listView(), f.pane()->listView()};
        QList<std::shared_ptr<PaintCounter>> painted;
        struct Spies {
            std::unique_ptr<QSignalSpy> inserted, removed, moved, reset, layout, changed;
        };
        std::vector<Spies> spies;
        for (QListView *list : lists) {
            painted << std::make_shared<PaintCounter>(list->viewport());
            QAbstractItemModel *model = list->model();
            spies.push_back(Spies{std::make_unique<QSignalSpy>(model, &QAbstractItemModel::rowsInserted),
                                  std::make_unique<QSignalSpy>(model, &QAbstractItemModel::rowsRemoved),
                                  std::make_unique<QSignalSpy>(model, &QAbstractItemModel::rowsMoved),
                                  std::make_unique<QSignalSpy>(model, &QAbstractItemModel::modelReset),
                                  std::make_unique<QSignalSpy>(model, &QAbstractItemModel::layoutChanged),
                                  std::make_unique<QSignalSpy>(model, &QAbstractItemModel::dataChanged)});
        }
        // Both lists have drawn what they show and have nothing more to draw.
        for (QListView *list : lists)
            list->viewport()->update();
        QTRY_VERIFY(painted.at(0)->paints > 0 && painted.at(1)->paints > 0);
        drainEvents();
        for (const auto &counter : painted)
            counter->paints = 0;

        f.clipboard.copyText(QStringLiteral("new"));
        f.clipboard.notifyChange();
        f.dispatcher.runAll();
        QTRY_VERIFY(painted.at(0)->paints > 0 && painted.at(1)->paints > 0);
        drainEvents();
        for (int i = 0; i < lists.size(); ++i) {
            const Spies &model = spies.at(std::size_t(i));
            QCOMPARE(model.inserted->size(), 1);
            QCOMPARE(model.inserted->constFirst().at(1).toInt(), 0);
            QCOMPARE(model.inserted->constFirst().at(2).toInt(), 0);
            QCOMPARE(model.removed->size(), 0);
            QCOMPARE(model.moved->size(), 0);
            QCOMPARE(model.reset->size(), 0);
            QCOMPARE(model.layout->size(), 0);
            // Only the rows whose "Ctrl+digit" moved are redrawn, once.
            QCOMPARE(model.changed->size(), 1);
            QCOMPARE(model.changed->constFirst().at(0).toModelIndex().row(), 1);
            QCOMPARE(model.changed->constFirst().at(1).toModelIndex().row(), 8);
            QCOMPARE(painted.at(i)->paints, 1);
        }
        QCOMPARE(f.shownEntries().constFirst(), QStringLiteral("new"));
        QCOMPARE(paneEntries(f.pane()).constFirst(), QStringLiteral("new"));
        // The lists read the history itself: a copy held by either would make each capture copy every entry.
        f.context.history().waitForWrites();
        QVERIFY(f.context.history().items().isDetached());
    }

    void aDoubleClickOrTheCopyButtonCopiesAndNeverPastes()
    {
        MainWindowFixture f({QStringLiteral("first"), QStringLiteral("second")});
        f.showMain();
        ClipboardPane *pane = f.pane();
        const QRect second = pane->listView()->visualRect(pane->model()->index(1));
        // A real double click: a click, then the double click.
        QTest::mouseClick(pane->listView()->viewport(), Qt::LeftButton, {}, second.center());
        QTest::mouseDClick(pane->listView()->viewport(), Qt::LeftButton, {}, second.center());
        QCOMPARE(f.clipboard.writes().size(), 1);
        QCOMPARE(f.clipboard.writes().constLast().value, QStringLiteral("second"));
        QVERIFY(pane->copiedToast()->isVisible());
        QCOMPARE(f.sounds.played, QStringList{QStringLiteral("Ping")});
        f.runPasteDelay();
        QVERIFY(f.keys.typed.isEmpty());
        QVERIFY(f.mainWindow->isVisible());
        f.clock.advance(std::chrono::milliseconds(1000));
        QVERIFY(!pane->copiedToast()->isVisible());

        const QRect first = pane->listView()->visualRect(pane->model()->index(0));
        QTest::mouseClick(pane->listView()->viewport(), Qt::LeftButton, {},
                          HistoryRowDelegate::copyButtonRect(first).center());
        QCOMPARE(f.clipboard.writes().constLast().value, QStringLiteral("first"));
        f.runPasteDelay();
        QVERIFY(f.keys.typed.isEmpty());
    }

    void theRowMenuOfTheClipboardPane()
    {
        MainWindowFixture f(tenEntries());
        f.showMain();
        ClipboardPane *pane = f.pane();
        pane->rebuildRowMenu(2);
        QCOMPARE(ListFixture::menuItems(pane->rowMenu()),
                 (QStringList{QStringLiteral("Copy to Clipboard"), QStringLiteral("Remove this item"),
                              QStringLiteral("Clear entire Clipboard items"), QStringLiteral("Pin this Item"),
                              QStringLiteral("Add to Custom Clipboard")}));
        QCOMPARE(pane->selectedRow(), 2);
        pane->searchField()->setText(QStringLiteral("abc"));
        QTRY_COMPARE(pane->model()->rowCount(), 3);
        pane->rebuildRowMenu(0);
        QCOMPARE(ListFixture::menuItems(pane->rowMenu()),
                 (QStringList{QStringLiteral("Copy to Clipboard"), QStringLiteral("[Remove this item]"),
                              QStringLiteral("Clear entire Clipboard items"), QStringLiteral("[Pin this Item]"),
                              QStringLiteral("Add to Custom Clipboard")}));
        pane->rebuildRowMenu(-1);
        QVERIFY(pane->rowMenu()->isEmpty());
    }

    void removingAPinnedRowLowersThePinCountInBothLists()
    {
        MainWindowFixture f({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"), QStringLiteral("d")});
        f.showMain();
        ClipboardPane *pane = f.pane();
        pane->selectRow(2);
        pane->togglePinOfSelectedEntry();
        pane->selectRow(3);
        pane->togglePinOfSelectedEntry();
        QCOMPARE(f.history().pinCount(), 2);
        QCOMPARE(f.history().items(), (QStringList{"c", "d", "a", "b"}));
        QVERIFY(f.pinned(1));
        QVERIFY(pane->model()->index(1).data(ShownListModel::PinnedRole).toBool());

        pane->selectRow(0);
        pane->rebuildRowMenu(0);
        ListFixture::menuItem(pane->rowMenu(), QStringLiteral("Remove this item"))->trigger();
        QCOMPARE(f.sheets.shown.constLast().messageText, QStringLiteral("Remove selected Item?"));
        QCOMPARE(f.sheets.shown.constLast().informativeText,
                 QStringLiteral("Are you sure you want to remove the selected item?."));
        QCOMPARE(f.sheets.shown.constLast().buttons, (QStringList{QStringLiteral("Yes"), QStringLiteral("No")}));
        QVERIFY(f.dimmed());
        QVERIFY(f.sheets.answerOpenAlert(0));
        QVERIFY(!f.dimmed());
        QCOMPARE(f.history().items(), (QStringList{"d", "a", "b"}));
        QCOMPARE(f.history().pinCount(), 1);
        QCOMPARE(f.context.settings().integer(keys::pinCount), std::optional<std::int64_t>(1));
        for (const ShownListModel *model : {f.vc->model(), pane->model()}) {
            QVERIFY(model->index(0).data(ShownListModel::PinnedRole).toBool());
            QVERIFY(!model->index(1).data(ShownListModel::PinnedRole).toBool());
            QCOMPARE(model->rowCount(), 3);
        }
        QCOMPARE(f.sounds.played.constLast(), QStringLiteral("Pop"));
    }

    void noLeavesTheHistoryAndHidesTheDimmingLayer()
    {
        MainWindowFixture f({QStringLiteral("a"), QStringLiteral("b")});
        f.showMain();
        ClipboardPane *pane = f.pane();
        QVERIFY(!f.dimmed());
        pane->selectRow(1);
        pane->askToRemoveSelectedEntry();
        QVERIFY(f.dimmed());
        QVERIFY(f.content->sheets().isSheetOpen());
        QVERIFY(f.sheets.answerOpenAlert(1));
        QVERIFY(!f.dimmed());
        pane->askToClearHistory();
        QCOMPARE(f.sheets.shown.constLast().messageText, QStringLiteral("Remove All Item?"));
        QVERIFY(f.dimmed());
        QVERIFY(f.sheets.answerOpenAlert(1));
        QVERIFY(!f.dimmed());
        QCOMPARE(f.history().items(), (QStringList{"a", "b"}));
        QVERIFY(f.sounds.played.isEmpty());
    }

    void theEntryAskedAboutIsRemovedEvenIfACaptureMovedTheRows()
    {
        MainWindowFixture f({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});
        f.showMain();
        f.pane()->selectRow(1);
        f.pane()->askToRemoveSelectedEntry();
        f.history().insertCaptured(QStringLiteral("new"));
        QVERIFY(f.sheets.answerOpenAlert(0));
        QCOMPARE(f.history().items(), (QStringList{"new", "a", "c"}));
    }

    void clearingEndsTheSearchOfBothLists()
    {
        MainWindowFixture f(tenEntries());
        f.showMain();
        f.type(QStringLiteral("abc"));
        QVERIFY(f.vc->isSearching());
        f.pane()->searchField()->setText(QStringLiteral("abc"));
        f.sheets.answerNext(0);
        f.pane()->rebuildRowMenu(0);
        ListFixture::menuItem(f.pane()->rowMenu(), QStringLiteral("Clear entire Clipboard items"))->trigger();
        QVERIFY(f.history().items().isEmpty());
        QVERIFY(!f.pane()->isSearching());
        QVERIFY(!f.vc->isSearching());
        QCOMPARE(f.vc->model()->rowCount(), 0);
        QCOMPARE(f.pane()->model()->rowCount(), 0);
        QVERIFY(!f.dimmed());
    }

    void theSecondOfThreeResultsDraggedOntoAGroupLandsThere()
    {
        MainWindowFixture f(tenEntries());
        f.addGroup(QStringLiteral("Work"));
        f.showMain();
        ClipboardPane *pane = f.pane();
        pane->searchField()->setText(QStringLiteral("abc"));
        QTRY_COMPARE(paneEntries(pane), (QStringList{"xabcx", "ABC second", "last abc"}));
        QMimeData *data = pane->beginRowsDrag({1});
        QVERIFY(data);
        const std::unique_ptr<QMimeData> owned(data);
        // The drag carries the result's place in the history.
        QCOMPARE(historyRowsFromMimeData(data), QList<int>{4});
        // Other applications get the text.
        QCOMPARE(data->text(), QStringLiteral("ABC second"));
        QVERIFY(f.dragOverUpperList(f.upperRowRect(f.rowOf("Work")).center(), *data));
        QVERIFY(f.dropOnUpperList(f.upperRowRect(f.rowOf("Work")).center(), *data));
        QCOMPARE(f.groups().readGroupItems(QStringLiteral("Work")), QStringList{QStringLiteral("ABC second")});
        // The history is not changed by it.
        QCOMPARE(f.history().items(), tenEntries());
    }

    void aDraggedFileEntryCarriesItsUrl()
    {
        MainWindowFixture f;
        const QString file = f.dirs.dataHome() + QStringLiteral("/note.txt");
        QVERIFY(QDir().mkpath(f.dirs.dataHome()));
        QFile(file).open(QIODevice::WriteOnly);
        f.setHistory({file, QStringLiteral("text")});
        f.showMain();
        const std::unique_ptr<QMimeData> data(f.pane()->beginRowsDrag({0}));
        QCOMPARE(data->urls(), QList<QUrl>{QUrl::fromLocalFile(file)});
        QCOMPARE(data->text(), file);
    }

    void theDeleteKeyAsksOnlyAboutTheListOnScreen()
    {
        MainWindowFixture f({QStringLiteral("a"), QStringLiteral("b")});
        f.addGroup(QStringLiteral("Work"), {QStringLiteral("kept"), QStringLiteral("gone")});
        f.showMain();
        ClipboardPane *pane = f.pane();
        pane->selectRow(0);
        pane->listView()->setFocus();
        QTest::keyClick(pane->listView(), Qt::Key_Delete);
        QCOMPARE(f.sheets.shown.size(), 1);
        QCOMPARE(f.sheets.shown.constLast().messageText, QStringLiteral("Remove selected Item?"));
        QVERIFY(f.sheets.answerOpenAlert(0));
        QCOMPARE(f.history().items(), QStringList{QStringLiteral("b")});

        // In the search field the key deletes a character.
        pane->searchField()->setFocus();
        pane->searchField()->setText(QStringLiteral("bb"));
        pane->searchField()->setCursorPosition(0);
        QTest::keyClick(pane->searchField(), Qt::Key_Delete);
        QCOMPARE(pane->searchField()->text(), QStringLiteral("b"));
        QCOMPARE(f.sheets.shown.size(), 1);

        f.content->showPane(MainPane::preferences);
        f.sidebar()->lowerList()->setFocus();
        QTest::keyClick(f.sidebar()->lowerList(), Qt::Key_Delete);
        QCOMPARE(f.sheets.shown.size(), 1);

        f.sidebar()->selectUpperRow(f.rowOf(QStringLiteral("Work")));
        f.groupPane()->selectRow(1);
        f.groupPane()->listView()->setFocus();
        QTest::keyClick(f.groupPane()->listView(), Qt::Key_Delete);
        QCOMPARE(f.sheets.shown.size(), 2);
        QVERIFY(f.sheets.answerOpenAlert(0));
        QCOMPARE(f.groups().readGroupItems(QStringLiteral("Work")), QStringList{QStringLiteral("kept")});
    }

    void anEmptyGroupShowsItsPlaceholderAndAFileChosenInTheSheetIsAdded()
    {
        MainWindowFixture f;
        f.showMain();
        f.sidebar()->selectUpperRow(2);
        GroupPane *pane = f.groupPane();
        QVERIFY(pane->placeholder()->isVisible());
        QCOMPARE(pane->addButton()->toolTip(), QStringLiteral("Add a file or folder to paste at a later time"));

        // Cancelled: nothing changes and the dimming goes.
        QTest::mouseClick(pane->addButton(), Qt::LeftButton);
        QCOMPARE(f.sheets.choosers.size(), 1);
        QCOMPARE(f.sheets.choosers.constFirst().message,
                 QStringLiteral("Please select a file/folder to add to Clipboard for Quick copy and pasting"));
        QVERIFY(f.sheets.choosers.constFirst().showsHiddenFiles);
        QVERIFY(f.dimmed());
        QVERIFY(f.sheets.chooseInOpenChooser(std::nullopt));
        QVERIFY(!f.dimmed());
        QVERIFY(pane->items().isEmpty());

        const QTemporaryDir chosen;
        const QString folder = chosen.path();
        f.sheets.chooseNext(folder);
        QTest::mouseClick(pane->addButton(), Qt::LeftButton);
        f.sheets.chooseNext(folder);
        pane->addFileOrFolder();
        QVERIFY(!f.dimmed());
        QCOMPARE(pane->items(), (QStringList{folder, folder}));
        QCOMPARE(f.groups().readGroupItems(QStringLiteral("My Clipboard")), (QStringList{folder, folder}));
        QVERIFY(!pane->placeholder()->isVisible());
        pane->model()->index(0).data();  // asks the files lane whether the entry is a file
        f.dispatcher.runAll();
        QVERIFY(pane->model()->index(0).data().toString().startsWith(QStringLiteral("=>") + QString(15, u' ')));

        // A search that finds nothing shows an empty list, not the placeholder.
        pane->searchField()->setText(QStringLiteral("nothing like it"));
        QCOMPARE(pane->model()->rowCount(), 0);
        QVERIFY(!pane->placeholder()->isVisible());
    }

    void theGroupPaneFollowsARenameOfItsGroup()
    {
        MainWindowFixture f;
        f.groups().writeGroupItems(QStringLiteral("My Clipboard"), {QStringLiteral("one"), QStringLiteral("two")});
        f.showMain();
        f.sidebar()->selectUpperRow(2);
        f.sidebar()->renameGroupRow(2, QStringLiteral("Work"));
        QCOMPARE(f.groupPane()->groupName(), QStringLiteral("Work"));
        f.sheets.chooseNext(f.dirs.dataHome());
        f.groupPane()->addFileOrFolder();
        f.groupPane()->selectRow(0);
        f.sheets.answerNext(0);
        f.groupPane()->askToRemoveSelectedEntry();
        QCOMPARE(f.groups().readGroupItems(QStringLiteral("Work")),
                 (QStringList{QStringLiteral("two"), f.dirs.dataHome()}));
        // Nothing is written under the old name.
        QVERIFY(!QFile::exists(f.groupFile(QStringLiteral("My Clipboard"))));
    }

    void theGroupPaneMenuRemovalsAndTheQuickAccessList()
    {
        MainWindowFixture f;
        f.groups().writeGroupItems(QStringLiteral("My Clipboard"),
                                   {QStringLiteral("alpha"), QStringLiteral("beta"), QStringLiteral("gamma")});
        f.showMain();
        f.vc->chooseMode(0);
        f.type(QStringLiteral("a"));
        QVERIFY(f.vc->isSearching());
        f.sidebar()->selectUpperRow(2);
        GroupPane *pane = f.groupPane();
        pane->rebuildRowMenu(1);
        QCOMPARE(
            ListFixture::menuItems(pane->rowMenu()),
            (QStringList{QStringLiteral("Copy"), QStringLiteral("Remove this item"), QStringLiteral("Remove all")}));
        ListFixture::menuItem(pane->rowMenu(), QStringLiteral("Copy"))->trigger();
        QCOMPARE(f.clipboard.writes().constLast().value, QStringLiteral("beta"));

        f.sheets.answerNext(0);
        ListFixture::menuItem(pane->rowMenu(), QStringLiteral("Remove this item"))->trigger();
        QCOMPARE(f.groups().readGroupItems(QStringLiteral("My Clipboard")), (QStringList{"alpha", "gamma"}));
        // The list showing that group ended its search and shows what is left.
        QVERIFY(!f.vc->isSearching());
        QCOMPARE(f.shownEntries(), (QStringList{"alpha", "gamma"}));

        pane->searchField()->setText(QStringLiteral("gam"));
        pane->rebuildRowMenu(0);
        QCOMPARE(
            ListFixture::menuItems(pane->rowMenu()),
            (QStringList{QStringLiteral("Copy"), QStringLiteral("[Remove this item]"), QStringLiteral("Remove all")}));
        ListFixture::menuItem(pane->rowMenu(), QStringLiteral("Remove all"))->trigger();
        QCOMPARE(f.sheets.shown.constLast().informativeText,
                 QStringLiteral("Are you sure you want to remove all the items from this Clipboard?"));
        QVERIFY(f.sheets.answerOpenAlert(0));
        QVERIFY(!pane->isSearching());
        QVERIFY(pane->items().isEmpty());
        QVERIFY(pane->placeholder()->isVisible());
        QVERIFY(f.shownEntries().isEmpty());
        QCOMPARE(f.groups().readGroupItems(QStringLiteral("My Clipboard")), QStringList());
        // The group stays.
        QCOMPARE(f.groups().groupNames(), QStringList{QStringLiteral("My Clipboard")});
    }

    void aRemovalInTheQuickAccessListReachesTheGroupPane()
    {
        MainWindowFixture f;
        f.groups().writeGroupItems(QStringLiteral("My Clipboard"), {QStringLiteral("alpha"), QStringLiteral("beta")});
        f.showMain();
        f.sidebar()->selectUpperRow(2);
        f.groupPane()->searchField()->setText(QStringLiteral("al"));
        f.vc->chooseMode(0);
        f.vc->rebuildRowMenu(0);
        ListFixture::menuItem(f.vc->rowMenu(), QStringLiteral("Remove this item"))->trigger();
        QVERIFY(!f.groupPane()->isSearching());
        QCOMPARE(f.groupPane()->items(), QStringList{QStringLiteral("beta")});
    }

    void manageClipboardAndPreferencesOpenTheMainWindowOnTheirPane()
    {
        MainWindowFixture f({QStringLiteral("a")});
        f.show();
        QVERIFY(!f.mainWindow->isVisible());
        f.actions().preferences()->trigger();
        QVERIFY(f.mainWindow->isVisible());
        QCOMPARE(f.content->currentPane(), MainPane::preferences);
        QCOMPARE(f.sidebar()->selectedLowerRow(), 0);
        f.mainWindow->close();
        QVERIFY(!f.mainWindow->isVisible());
        f.actions().manageClipboard()->trigger();
        QVERIFY(f.mainWindow->isVisible());
        QCOMPARE(f.content->currentPane(), MainPane::clipboard);
        QCOMPARE(f.sidebar()->selectedUpperRow(), 0);
        QCOMPARE(paneEntries(f.pane()), QStringList{QStringLiteral("a")});
    }
};

QTEST_MAIN(TestMainWindowPanes)
#include "tst_main_window_panes.moc"
