// SPDX-License-Identifier: GPL-3.0-or-later
// The quick-access list: its rows, height, modes, search, pastes and keyboard.
#include "ListFixture.h"
#include "PasteKeystroke.h"
#include "platform/fake/FakeKeyPositions.h"
#include "store/StringListFiles.h"
#include "ui/lists/ListSearch.h"

#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>

using namespace tavrin;
using namespace std::chrono_literals;

namespace {

using Write = FakeClipboard::Write;

const QList<QKeyCombination> &kCtrlV = test::kPasteKeystroke;

QStringList numbered(int n, const QString &stem = QStringLiteral("entry"))
{
    QStringList entries;
    for (int i = 0; i < n; ++i)
        entries << stem + QString::number(i);
    return entries;
}

}  // namespace

class TestQuickList : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void rowsAreNumberedByTheirPasteShortcut()
    {
        test::ListFixture f(numbered(11));
        for (int row = 0; row < 9; ++row)
            QCOMPARE(f.title(row), QStringLiteral("Ctrl+%1    entry%2").arg(row + 1).arg(row));
        QCOMPARE(f.title(9), QStringLiteral("=>   entry9"));
        QCOMPARE(f.title(10), QStringLiteral("=>   entry10"));
    }

    void textsLoseOnlySpacesAndTabsAtTheEndsAndFilesShowTheirNameAndIcon()
    {
        QTemporaryDir folder;
        const QString file = folder.filePath(QStringLiteral("report.pdf"));
        QFile(file).open(QIODevice::WriteOnly);
        const QString gone = folder.filePath(QStringLiteral("gone.txt"));
        test::ListFixture f({QStringLiteral(" \t two\nlines \t"), QStringLiteral("\nbreak kept\n"), file, gone,
                             QStringLiteral("relative/path")});
        QCOMPARE(f.title(0), QStringLiteral("Ctrl+1    two\nlines"));
        QCOMPARE(f.title(1), QStringLiteral("Ctrl+2    \nbreak kept\n"));
        // Drawing never looks at the file system: the entry is a text until the files lane has looked at it.
        QCOMPARE(f.title(2), QStringLiteral("Ctrl+3    ") + file);
        QVERIFY(f.dispatcher.backgroundCount(Dispatcher::Lane::Files) > 0);
        f.dispatcher.runAll();
        QCOMPARE(f.title(2), QStringLiteral("Ctrl+3               report.pdf"));  // 4 + 11 spaces
        QVERIFY(f.vc->model()->index(2).data(ShownListModel::FileRole).toBool());
        f.fileIcons.iconRequests.clear();
        f.vc->model()->index(2).data(Qt::DecorationRole);
        QCOMPARE(f.fileIcons.iconRequests, QStringList({QStringLiteral("application/pdf")}));
        // A path where nothing exists, or one that is not absolute, is a text.
        QCOMPARE(f.title(3), QStringLiteral("Ctrl+4    ") + gone);
        QVERIFY(!f.vc->model()->index(3).data(Qt::DecorationRole).isValid());
        QCOMPARE(f.title(4), QStringLiteral("Ctrl+5    relative/path"));
        // A huge entry is cut for its row only.
        f.setHistory({QString(100000, u'x')});
        QCOMPARE(f.title(0).size(), 10 + ShownListModel::kMaxTitleLength);
        QCOMPARE(f.vc->shownList().constFirst().size(), 100000);
    }

    void heightFollowsTheEntriesButNotASearch()
    {
        QCOMPARE(QuickListView::viewHeightFor(0), 370);
        QCOMPARE(QuickListView::viewHeightFor(6), 370);
        QCOMPARE(QuickListView::viewHeightFor(7), 410);
        QCOMPARE(QuickListView::viewHeightFor(10), 530);
        QCOMPARE(QuickListView::viewHeightFor(14), 690);
        QCOMPARE(QuickListView::viewHeightFor(15), 710);
        QCOMPARE(QuickListView::viewHeightFor(100000), 710);

        test::ListFixture f(numbered(10));
        QCOMPARE(f.vc->viewHeight(), 530);
        QCOMPARE(f.vc->sizeHint().height(), 530);
        QSignalSpy heights(f.vc, &QuickListView::viewHeightChanged);
        f.history().insertCaptured(QStringLiteral("new"));
        f.vc->reloadData();
        QCOMPARE(heights.size(), 1);
        QCOMPARE(heights.constFirst().constFirst().toInt(), 570);
        f.show();
        f.type(QStringLiteral("entry1"));
        QCOMPARE(f.shownEntries(), QStringList({"entry1"}));
        QCOMPARE(f.vc->viewHeight(), 570);
        f.vc->endSearch();
        QCOMPARE(f.vc->viewHeight(), 570);
        f.setHistory({});
        QCOMPARE(f.vc->viewHeight(), 370);
    }

    void pinMarkersOnlyInTheHistoryOutsideASearch()
    {
        test::ListFixture f({"a1", "a2", "b3"});
        f.history().togglePin(2);
        f.history().togglePin(2);
        QCOMPARE(f.history().items(), QStringList({"b3", "a2", "a1"}));
        QCOMPARE(QList<bool>({f.pinned(0), f.pinned(1), f.pinned(2)}), QList<bool>({true, true, false}));
        f.show();
        f.type(QStringLiteral("a"));
        QCOMPARE(f.shownEntries(), QStringList({"a2", "a1"}));
        QVERIFY(!f.pinned(0));
        f.vc->endSearch();
        QVERIFY(f.pinned(0));
        f.context.groups().writeGroupItems(QStringLiteral("My Clipboard"), {"g1", "g2", "g3"});
        f.vc->showGroup(QStringLiteral("My Clipboard"));
        QCOMPARE(QList<bool>({f.pinned(0), f.pinned(1), f.pinned(2)}), QList<bool>({false, false, false}));
    }

    void theListFollowsTheHistoryAndKeepsTheSelectedEntry()
    {
        test::ListFixture f({"one", "two", "three"});
        f.show();
        f.vc->rebuildRowMenu(1);
        QCOMPARE(f.vc->selectedRow(), 1);
        // A capture lands above the selection: the selection stays on its entry.
        f.clipboard.copyText(QStringLiteral("zero"));
        f.clipboard.notifyChange();
        f.dispatcher.runAll();
        QCOMPARE(f.shownEntries(), QStringList({"zero", "one", "two", "three"}));
        QCOMPARE(f.vc->selectedRow(), 2);
        QCOMPARE(f.title(2), QStringLiteral("Ctrl+3    two"));
        f.vc->removeSelectedEntry();
        QCOMPARE(f.history().items(), QStringList({"zero", "one", "three"}));
        QCOMPARE(f.shownEntries(), f.history().items());
    }

    void setUpRunsOnceAtTheFirstShowing()
    {
        test::ListFixture f({"kept"});
        const QString file = f.dataFolder() + QStringLiteral("/myfile.plist");
        QVERIFY(!f.vc->isViewLoaded());
        QVERIFY(!f.capture().monitor().isStarted());
        QVERIFY(!f.context.settings().contains(keys::showTooltip));
        f.show();
        QVERIFY(f.vc->isViewLoaded());
        QVERIFY(f.capture().monitor().isStarted());
        QCOMPARE(f.context.settings().boolValue(keys::showTooltip), std::optional<bool>(true));
        QVERIFY(f.vc->showTooltip());
        QVERIFY(f.history().waitForWrites());
        QCOMPARE(readStringListAtPath(file), QStringList({"kept"}));
        QCOMPARE(f.vc->modeButton()->text(), QStringLiteral("Clipboard"));

        // Shown again: nothing runs twice; a change notice captures and the list shows it.
        QFile::remove(file);
        f.window.hide();
        f.show();
        QVERIFY(f.history().waitForWrites());
        QVERIFY(!QFile::exists(file));
        f.clipboard.copyText(QStringLiteral("copied"));
        f.clipboard.notifyChange();
        f.dispatcher.runAll();
        QCOMPARE(f.shownEntries(), QStringList({"copied", "kept"}));
        QCOMPARE(f.clock.pendingCount(), 1);  // the save timer; nothing polls
    }

    void aStoredTooltipSettingIsKept()
    {
        test::ListFixture f;
        f.context.settings().setBool(keys::showTooltip, false);
        f.vc->prepareOnFirstShow();
        QVERIFY(!f.vc->showTooltip());
    }

    void ctrlDigitPastesThatRowThroughThePasteEngine()
    {
        test::ListFixture f({"first", "second"});
        f.show();
        QTest::keyClick(f.vc->searchField(), Qt::Key_2, Qt::ControlModifier);
        QCOMPARE(f.clipboard.writes().size(), 1);
        QCOMPARE(f.clipboard.writes().constFirst().value, QStringLiteral("second"));
        QVERIFY(!f.window.isVisible());  // the list's window closes
        QCOMPARE(f.log, QStringList({"hide program"}));
        f.runPasteDelay();
        QCOMPARE(f.keys.typed, kCtrlV);
        QCOMPARE(f.sounds.played, QStringList({"Ping"}));
        QVERIFY(f.clipboard.pasteInOtherApplication());  // the window pastes it, which frees the clipboard

        // Beyond the shown entries, with Shift, or 0: nothing.
        f.show();
        QTest::keyClick(f.vc->searchField(), Qt::Key_3, Qt::ControlModifier);
        QTest::keyClick(f.vc->searchField(), Qt::Key_1, Qt::ControlModifier | Qt::ShiftModifier);
        QTest::keyClick(f.vc->searchField(), Qt::Key_0, Qt::ControlModifier);
        QTest::keyClick(f.vc->listView(), Qt::Key_1, Qt::ControlModifier | Qt::AltModifier);
        QCOMPARE(f.clipboard.writes().size(), 1);
        QVERIFY(f.window.isVisible());
        // From the list too, and the digits count in the shown list (here search results).
        f.type(QStringLiteral("fir"));
        QTest::keyClick(f.vc->listView(), Qt::Key_1, Qt::ControlModifier);
        QCOMPARE(f.clipboard.writes().constLast().value, QStringLiteral("first"));
    }

    void pastingAFolderAsksFirst()
    {
        QTemporaryDir folder;
        test::ListFixture f({folder.path(), "text"});
        f.show();
        f.alerts.answerNext(1);  // "No"
        QTest::keyClick(f.vc->searchField(), Qt::Key_1, Qt::ControlModifier);
        QCOMPARE(f.alerts.shown.size(), 1);
        const AlertRequest &alert = f.alerts.shown.constFirst();
        QCOMPARE(alert.style, 1);
        QCOMPARE(alert.messageText, QStringLiteral("Paste this Folder?"));
        QCOMPARE(alert.informativeText,
                 QStringLiteral(
                     "Are you sure you want to Paste this Folder with all its contents in the current destination?"));
        QCOMPARE(alert.buttons, QStringList({QStringLiteral("Yes"), QStringLiteral("No")}));
        QCOMPARE(f.clipboard.writes().constFirst().kind, Write::FileUrl);  // the folder stays on the clipboard
        f.runPasteDelay();
        QVERIFY(f.keys.typed.isEmpty());

        f.show();
        f.alerts.answerNext(0);  // "Yes"
        f.vc->rebuildRowMenu(0);
        f.vc->pasteSelectedEntry();
        QCOMPARE(f.alerts.shown.size(), 2);
        f.runPasteDelay();
        QCOMPARE(f.keys.typed, kCtrlV);
        QCOMPARE(f.alerts.unanswered, 0);
    }

    void doubleClickPastesTheClickedRow()
    {
        test::ListFixture f({"one", "two", "three"});
        f.show();
        f.vc->listView()->clearSelection();
        f.vc->pasteSelectedEntry();  // nothing selected: nothing happens
        QVERIFY(f.clipboard.writes().isEmpty());
        // A real double click: a click, then the double click.
        QTest::mouseClick(f.vc->listView()->viewport(), Qt::LeftButton, {}, f.rowRect(2).center());
        QTest::mouseDClick(f.vc->listView()->viewport(), Qt::LeftButton, {}, f.rowRect(2).center());
        QVERIFY(f.clipboard.writes().isEmpty());  // after the mouse handling, not inside it
        QTRY_COMPARE(f.clipboard.writes().size(), 1);
        QCOMPARE(f.clipboard.writes().constFirst().value, QStringLiteral("three"));
        f.runPasteDelay();
        QCOMPARE(f.keys.typed, kCtrlV);
    }

    void keyboardMovesPastesHidesAndTypesIntoTheSearch()
    {
        test::ListFixture f({"alpha", "beta", "gamma"});
        f.show();
        QCOMPARE(f.vc->selectedRow(), 0);  // ready for Return
        QTest::keyClick(f.vc->searchField(), Qt::Key_Down);
        QTest::keyClick(f.vc->searchField(), Qt::Key_Down);
        QCOMPARE(f.vc->selectedRow(), 2);
        QTest::keyClick(f.vc->searchField(), Qt::Key_Up);
        QCOMPARE(f.vc->selectedRow(), 1);
        QTest::keyClick(f.vc->listView(), Qt::Key_M);
        QCOMPARE(f.vc->searchField()->text(), QStringLiteral("m"));
        QCOMPARE(f.shownEntries(), QStringList({"gamma"}));
        QCOMPARE(f.vc->selectedRow(), 0);  // the best match
        QTest::keyClick(f.vc->searchField(), Qt::Key_Return);
        QCOMPARE(f.clipboard.writes().constLast().value, QStringLiteral("gamma"));
        QVERIFY(!f.window.isVisible());

        // Every showing starts at the newest entry, whatever was selected before; a search stays.
        f.show();
        QCOMPARE(f.vc->searchField()->text(), QStringLiteral("m"));
        f.vc->endSearch();
        QTest::keyClick(f.vc->searchField(), Qt::Key_Down);
        QCOMPARE(f.vc->selectedRow(), 1);
        f.window.hide();
        f.show();
        QCOMPARE(f.vc->selectedRow(), 0);

        // Escape ends a search first and closes the list only then.
        QSignalSpy closed(f.vc, &QuickListView::closeRequested);
        f.type(QStringLiteral("a"));
        QTest::keyClick(f.vc->listView(), Qt::Key_Escape);
        QCOMPARE(closed.size(), 0);
        QCOMPARE(f.vc->searchField()->text(), QString());
        QCOMPARE(f.shownEntries(), QStringList({"alpha", "beta", "gamma"}));
        QTest::keyClick(f.vc->searchField(), Qt::Key_Escape);
        QCOMPARE(closed.size(), 1);
    }

    void ctrlDigitFollowsTheKeysPlaceOnLayoutsWithShiftedDigits()
    {
        test::ListFixture f({"first", "second"});
        f.platform->fakeKeyPositions->places[11] = Qt::Key_2;
        f.show();
        // AZERTY: the key in the place of "2" gives "é" without Shift.
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Eacute, Qt::ControlModifier, 11, 0, 0, QStringLiteral("é"));
        QCoreApplication::sendEvent(f.vc->searchField(), &press);
        QCOMPARE(f.clipboard.writes().size(), 1);
        QCOMPARE(f.clipboard.writes().constFirst().value, QStringLiteral("second"));
        // Another key of no known place does nothing.
        f.show();
        QKeyEvent other(QEvent::KeyPress, Qt::Key_Egrave, Qt::ControlModifier, 12, 0, 0, QStringLiteral("è"));
        QCoreApplication::sendEvent(f.vc->searchField(), &other);
        QCOMPARE(f.clipboard.writes().size(), 1);
    }

    void searchFindsEntriesCaseInsensitivelyInSourceOrder()
    {
        QTemporaryDir folder;
        QDir(folder.path()).mkpath(QStringLiteral("Projects/abcd"));
        const QString path = folder.filePath(QStringLiteral("Projects/abcd"));
        test::ListFixture f({"xabcx", "nothing", "XaBc", path, "ab c"});
        f.history().togglePin(4);
        f.show();
        f.type(QStringLiteral("ABC"));
        QVERIFY(f.vc->isSearching());
        QCOMPARE(f.vc->searchResults(), QStringList({"xabcx", "XaBc", path}));
        QCOMPARE(f.shownEntries(), f.vc->searchResults());
        QCOMPARE(f.title(0), QStringLiteral("Ctrl+1    xabcx"));
        f.vc->searchField()->clear();
        QCOMPARE(f.shownEntries(), QStringList({"ab c", "xabcx", "nothing", "XaBc", path}));
        QVERIFY(!f.vc->isSearching());
        // A folder name inside a file entry's path matches.
        f.type(QStringLiteral("projects/"));
        QCOMPARE(f.shownEntries(), QStringList({path}));
        // A shorter text searches the whole list again, never the earlier results.
        f.vc->searchField()->setText(QStringLiteral("ab"));
        QCOMPARE(f.shownEntries(), QStringList({"ab c", "xabcx", "XaBc", path}));
        QTest::keyClick(f.vc->searchField(), Qt::Key_Backspace);
        QTest::keyClick(f.vc->searchField(), Qt::Key_Backspace);
        QVERIFY(!f.vc->isSearching());
        QCOMPARE(f.shownEntries().size(), 5);
    }

    void searchesOfLargeListsRunInTheBackgroundAndStaleResultsAreDropped()
    {
        test::ListFixture f({"apple", "apricot", "banana", "grape", "pear"});
        f.vc->search().setBackgroundThreshold(3);
        f.show();
        QSignalSpy ready(&f.vc->search(), &ListSearch::resultsReady);
        f.type(QStringLiteral("a"));
        QVERIFY(f.vc->search().isPending());
        // Meanwhile the list shows what it showed.
        QCOMPARE(f.shownEntries(), f.history().items());
        f.dispatcher.runBackground();  // the results for "a" are on their way ...
        f.type(QStringLiteral("p"));  // ... when "ap" is typed
        f.dispatcher.runAll();
        QCOMPARE(ready.size(), 1);
        QCOMPARE(f.shownEntries(), QStringList({"apple", "apricot", "grape"}));
        QCOMPARE(f.vc->selectedRow(), 0);
        // "apr" narrows the three results: small enough to filter at once.
        f.type(QStringLiteral("r"));
        QCOMPARE(f.dispatcher.backgroundCount(), 0);
        QCOMPARE(f.shownEntries(), QStringList({"apricot"}));
        // Ending the search drops a filter still running.
        f.vc->searchField()->setText(QStringLiteral("e"));
        QVERIFY(f.vc->search().isPending());
        f.vc->endSearch();
        f.dispatcher.runAll();
        QCOMPARE(f.shownEntries(), f.history().items());
        QVERIFY(!f.vc->isSearching());
    }

    void theRestOfALargeSearchComesBelowItsFirstResultsWithoutMovingTheSelection()
    {
        test::ListFixture f({"a1", "a2", "x", "a3", "a4", "y", "a5"});
        f.vc->search().setBackgroundThreshold(3);
        f.vc->search().setFirstSlice(3);
        f.show();
        f.type(QStringLiteral("a"));
        f.dispatcher.runBackground();
        f.dispatcher.runMain();
        // The newest entries' results are up and can be chosen while the rest is filtered.
        QCOMPARE(f.shownEntries(), QStringList({"a1", "a2"}));
        QCOMPARE(f.vc->selectedRow(), 0);
        QTest::keyClick(f.vc->searchField(), Qt::Key_Down);
        QCOMPARE(f.vc->selectedRow(), 1);
        QSignalSpy reset(f.vc->listView()->model(), &QAbstractItemModel::modelReset);
        QSignalSpy inserted(f.vc->listView()->model(), &QAbstractItemModel::rowsInserted);
        f.dispatcher.runAll();
        QCOMPARE(f.shownEntries(), QStringList({"a1", "a2", "a3", "a4", "a5"}));
        QCOMPARE(reset.size(), 0);
        QCOMPARE(inserted.size(), 1);
        QCOMPARE(f.vc->selectedRow(), 1);
        // A new text starts over at the top.
        f.type(QStringLiteral("5"));
        f.dispatcher.runAll();
        QCOMPARE(f.shownEntries(), QStringList({"a5"}));
        QCOMPARE(f.vc->selectedRow(), 0);
    }

    void theModeButtonSwitchesToAGroupAndBack()
    {
        test::ListFixture f({"h1", "h2"});
        f.context.groups().addGroup();
        f.context.groups().saveGroupNames();
        const QStringList names = f.context.groups().groupNames();
        QCOMPARE(names, QStringList({"My Clipboard", "My Clipboard1"}));
        f.context.groups().writeGroupItems(names.at(1), {"g1", "g2", "g3"});
        f.show();
        f.type(QStringLiteral("h"));
        f.vc->popUpModeMenu();
        QCOMPARE(test::ListFixture::menuItems(f.vc->modeMenu()),
                 QStringList({"Clipboard", "My Clipboard", "My Clipboard1"}));
        test::ListFixture::menuItem(f.vc->modeMenu(), QStringLiteral("My Clipboard1"))->trigger();
        QVERIFY(!f.vc->showsHistory());
        QVERIFY(!f.vc->isSearching());
        QCOMPARE(f.vc->searchField()->text(), QString());
        QCOMPARE(f.vc->modeButton()->text(), QStringLiteral("My Clipboard1"));
        QCOMPARE(f.shownEntries(), QStringList({"g1", "g2", "g3"}));
        QCOMPARE(f.vc->viewHeight(), 370);

        // Pastes come from the group; a search filters the group.
        QTest::keyClick(f.vc->searchField(), Qt::Key_3, Qt::ControlModifier);
        QCOMPARE(f.clipboard.writes().constLast().value, QStringLiteral("g3"));
        f.show();
        f.type(QStringLiteral("2"));
        QCOMPARE(f.shownEntries(), QStringList({"g2"}));

        // Removing a row rewrites the group's file, which the store tells the group's views.
        f.vc->endSearch();
        QSignalSpy changed(&f.context.groups(), &GroupStore::groupItemsChanged);
        f.vc->rebuildRowMenu(0);
        QCOMPARE(test::ListFixture::menuItems(f.vc->rowMenu()), QStringList({"Copy to Clipboard", "Remove this item"}));
        test::ListFixture::menuItem(f.vc->rowMenu(), QStringLiteral("Remove this item"))->trigger();
        QCOMPARE(f.context.groups().readGroupItems(names.at(1)), QStringList({"g2", "g3"}));
        QCOMPARE(f.shownEntries(), QStringList({"g2", "g3"}));
        QCOMPARE(changed.size(), 1);
        QCOMPARE(changed.constFirst().constFirst().toString(), names.at(1));
        QCOMPARE(changed.constFirst().at(1).toStringList(), QStringList({"g2", "g3"}));
        QCOMPARE(f.history().items(), QStringList({"h1", "h2"}));

        f.vc->popUpModeMenu();
        test::ListFixture::menuItem(f.vc->modeMenu(), QStringLiteral("Clipboard"))->trigger();
        QVERIFY(f.vc->showsHistory());
        QCOMPARE(f.vc->modeButton()->text(), QStringLiteral("Clipboard"));
        QCOMPARE(f.shownEntries(), QStringList({"h1", "h2"}));
    }

    void aGroupNamedWithAnAmpersandIsShownAndWrittenUnderItsName()
    {
        test::ListFixture f({"h1"});
        f.context.groups().addGroup();
        QCOMPARE(f.context.groups().renameGroup(1, QStringLiteral("Tom & Jerry")), GroupStore::RenameOutcome::changed);
        f.context.groups().writeGroupItems(QStringLiteral("Tom & Jerry"), {"g1", "g2"});
        f.show();
        f.vc->showGroup(QStringLiteral("Tom & Jerry"));
        QCOMPARE(f.vc->modeButton()->text(), QStringLiteral("Tom && Jerry"));  // no mnemonic
        QCOMPARE(f.vc->groupName(), QStringLiteral("Tom & Jerry"));
        f.vc->rebuildRowMenu(0);
        f.vc->removeSelectedEntry();
        QCOMPARE(f.context.groups().readGroupItems(QStringLiteral("Tom & Jerry")), QStringList({"g2"}));
    }

    void aCaptureBringsTheListBackToTheHistory()
    {
        test::ListFixture f({"old"});
        f.context.groups().writeGroupItems(QStringLiteral("My Clipboard"), {"g1"});
        f.show();
        f.vc->showGroup(QStringLiteral("My Clipboard"));
        f.type(QStringLiteral("g"));
        QVERIFY(f.vc->isSearching());
        f.clipboard.copyText(QStringLiteral("fresh"));
        f.clipboard.notifyChange();
        f.dispatcher.runAll();
        QVERIFY(f.vc->showsHistory());
        QVERIFY(!f.vc->isSearching());
        QCOMPARE(f.vc->searchField()->text(), QString());
        QCOMPARE(f.vc->modeButton()->text(), QStringLiteral("Clipboard"));
        QCOMPARE(f.shownEntries(), QStringList({"fresh", "old"}));
    }
};

QTEST_MAIN(TestQuickList)
#include "tst_quick_list.moc"
