// SPDX-License-Identifier: GPL-3.0-or-later
// The row menu with its commands, and the application menu with its commands.
#include "ListFixture.h"
#include "capture/RecordingRules.h"
#include "store/HistoryJournal.h"
#include "store/StringListFiles.h"

#include <QAccessible>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>

using namespace tavrin;
using namespace std::chrono_literals;

namespace {

using Write = FakeClipboard::Write;
using test::ListFixture;

QStringList numbered(int n)
{
    QStringList entries;
    for (int i = 0; i < n; ++i)
        entries << QStringLiteral("e%1").arg(i);
    return entries;
}

}  // namespace

class TestQuickListMenus : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void rowMenuOffersWhatTheRowAllows()
    {
        ListFixture f(numbered(12));
        f.show();
        f.vc->rebuildRowMenu(-1);
        QVERIFY(f.vc->rowMenu()->isEmpty());
        f.vc->rebuildRowMenu(3);
        QCOMPARE(f.vc->selectedRow(), 3);
        QCOMPARE(ListFixture::menuItems(f.vc->rowMenu()),
                 QStringList({"Copy to Clipboard", "Remove this item", "Pin this Item"}));

        // Nine pins: no more pinning, unpinning stays.
        for (int i = 0; i < 9; ++i) {
            f.vc->rebuildRowMenu(11);
            ListFixture::menuItem(f.vc->rowMenu(), QStringLiteral("Pin this Item"))->trigger();
        }
        QCOMPARE(f.history().pinCount(), 9);
        QCOMPARE(f.context.settings().integer(keys::pinCount), std::optional<std::int64_t>(9));
        f.vc->rebuildRowMenu(10);
        QCOMPARE(ListFixture::menuItems(f.vc->rowMenu()),
                 QStringList({"Copy to Clipboard", "Remove this item", "[Pin this Item]"}));
        f.vc->togglePinOfSelectedEntry();  // even when asked directly
        QCOMPARE(f.history().pinCount(), 9);
        f.vc->rebuildRowMenu(4);
        QCOMPARE(ListFixture::menuItems(f.vc->rowMenu()),
                 QStringList({"Copy to Clipboard", "Remove this item", "Unpin this Item"}));

        // While searching: no removing and no pinning, pinned rows included.
        f.type(QStringLiteral("e"));
        f.vc->rebuildRowMenu(0);
        QCOMPARE(ListFixture::menuItems(f.vc->rowMenu()),
                 QStringList({"Copy to Clipboard", "[Remove this item]", "[Unpin this Item]"}));
        f.vc->removeSelectedEntry();
        QCOMPARE(f.history().items().size(), 12);

        // A search row is titled by its entry's pin, not by its place among the results.
        ListFixture s({"a", "b", "c"});
        s.show();
        s.vc->rebuildRowMenu(2);
        ListFixture::menuItem(s.vc->rowMenu(), QStringLiteral("Pin this Item"))->trigger();
        QCOMPARE(s.history().items(), QStringList({"c", "a", "b"}));
        s.type(QStringLiteral("b"));
        s.vc->rebuildRowMenu(0);
        QCOMPARE(ListFixture::menuItems(s.vc->rowMenu()),
                 QStringList({"Copy to Clipboard", "[Remove this item]", "[Pin this Item]"}));

        // A right click on a row opens the menu there.
        f.vc->endSearch();
        const QPoint at = f.rowRect(2).center();
        QContextMenuEvent click(QContextMenuEvent::Mouse, at, f.vc->listView()->viewport()->mapToGlobal(at));
        QCoreApplication::sendEvent(f.vc->listView()->viewport(), &click);
        QCOMPARE(f.vc->selectedRow(), 2);
        QVERIFY(f.vc->rowMenu()->isVisible());
        f.vc->rowMenu()->close();
    }

    void pinningMovesTheEntryStoresAndSaves()
    {
        ListFixture f({"a", "b", "c"});
        f.show();
        // The history announces the change to every list of it.
        QSignalSpy changed(&f.history(), &HistoryStore::pinCountChanged);
        f.vc->rebuildRowMenu(2);
        f.vc->togglePinOfSelectedEntry();
        QCOMPARE(f.shownEntries(), QStringList({"c", "a", "b"}));
        QVERIFY(f.pinned(0));
        QVERIFY(!f.pinned(1));
        QCOMPARE(f.vc->selectedRow(), 0);  // the selection went with the entry
        QCOMPARE(f.sounds.played, QStringList({"Ping"}));
        QCOMPARE(changed.size(), 1);
        QVERIFY(f.history().waitForWrites());
        // On disk at once, in the history file's journal.
        EntryList onDisk = readListFile(f.dataFolder() + QStringLiteral("/myfile.plist")).strings;
        std::int64_t pins = 0;
        replayJournal(f.dataFolder() + QStringLiteral("/myfile.plist"), onDisk, pins);
        QCOMPARE(onDisk, QStringList({"c", "a", "b"}));
        QCOMPARE(pins, std::int64_t(1));
        f.vc->togglePinOfSelectedEntry();  // unpin: below the remaining pins
        QCOMPARE(f.shownEntries(), QStringList({"c", "a", "b"}));
        QVERIFY(!f.pinned(0));
        QCOMPARE(f.history().pinCount(), 0);
    }

    void removingAPinnedRowLowersThePins()
    {
        ListFixture f({"a", "b", "c"});
        f.history().togglePin(1);
        f.show();
        QSignalSpy changed(&f.history(), &HistoryStore::itemRemoved);
        f.vc->rebuildRowMenu(0);
        ListFixture::menuItem(f.vc->rowMenu(), QStringLiteral("Remove this item"))->trigger();
        QCOMPARE(f.shownEntries(), QStringList({"a", "c"}));
        QCOMPARE(f.history().pinCount(), 0);
        QVERIFY(!f.pinned(0));
        QCOMPARE(f.sounds.played, QStringList({"Pop"}));
        QCOMPARE(changed.size(), 1);
    }

    void copyWritesShowsTheConfirmationForOneSecond()
    {
        ListFixture f({"a", "b"});
        f.show();
        f.vc->rebuildRowMenu(1);
        ListFixture::menuItem(f.vc->rowMenu(), QStringLiteral("Copy to Clipboard"))->trigger();
        QCOMPARE(f.clipboard.writes().size(), 1);
        QCOMPARE(f.clipboard.writes().constFirst().value, QStringLiteral("b"));
        QCOMPARE(f.capture().lastChangeCount().value(), f.clipboard.changeCount());
        QCOMPARE(f.sounds.played, QStringList({"Ping"}));
        QVERIFY(f.vc->copiedToast()->isVisible());
        QVERIFY(f.vc->copiedToast()->geometry().top() >=
                f.vc->listView()->viewport()->mapToGlobal(f.rowRect(1).bottomLeft()).y());
        f.clock.advance(999ms);
        QVERIFY(f.vc->copiedToast()->isVisible());
        f.clock.advance(1ms);
        QVERIFY(!f.vc->copiedToast()->isVisible());
        QVERIFY(f.window.isVisible());  // a copy does not paste
        QVERIFY(f.keys.typed.isEmpty());

        // A second copy within the second gets its own full second; a click elsewhere closes it at once.
        f.vc->copySelectedEntry();
        f.clock.advance(600ms);
        f.vc->copySelectedEntry();
        f.clock.advance(600ms);
        QVERIFY(f.vc->copiedToast()->isVisible());
        QTest::mousePress(f.vc->listView()->viewport(), Qt::LeftButton, {}, f.rowRect(0).center());
        QVERIFY(!f.vc->copiedToast()->isVisible());
        QCOMPARE(f.clock.pendingCount(), 0);  // the monitor waits for notices, not on a timer
    }

    void thePauseItemStopsRecordingUntilItIsChosenAgain()
    {
        ListFixture f({"a"});
        f.show();
        f.vc->popUpApplicationMenu();
        ListFixture::menuItem(f.vc->applicationMenu(), QStringLiteral("Pause Recording"))->trigger();
        QVERIFY(f.capture().recordingRules().isPaused());
        f.clipboard.copyText(QStringLiteral("secret"));
        f.clipboard.notifyChange();
        f.dispatcher.runAll();
        QCOMPARE(f.context.history().items(), QStringList({"a"}));
        f.vc->popUpApplicationMenu();
        QAction *resume = ListFixture::menuItem(f.vc->applicationMenu(), QStringLiteral("Resume Recording"));
        QVERIFY(resume && resume->isEnabled());
        resume->trigger();
        QVERIFY(!f.capture().recordingRules().isPaused());
        f.clipboard.copyText(QStringLiteral("open"));
        f.clipboard.notifyChange();
        f.dispatcher.runAll();
        QCOMPARE(f.context.history().items(), QStringList({"open", "a"}));
    }

    void applicationMenuTitlesAndStates()
    {
        ListFixture f({"a"});
        f.show();
        f.vc->popUpApplicationMenu();
        QCOMPARE(ListFixture::menuItems(f.vc->applicationMenu()),
                 QStringList({"Manage Clipboard", "Preferences", "Clear Clipboard", "Show Tooltip", "-",
                              "Show Sequential Paste Queue", "[Clear Sequential Paste Queue]", "-", "Pause Recording",
                              "-", "Quit"}));
        // Screen readers name each item by its text.
        QAccessibleInterface *menu = QAccessible::queryAccessibleInterface(f.vc->applicationMenu());
        QVERIFY(menu);
        QCOMPARE(menu->childCount(), 11);
        for (int i = 0; i < menu->childCount(); ++i) {
            const QAction *action = f.vc->applicationMenu()->actions().at(i);
            if (!action->isSeparator())
                QCOMPARE(menu->child(i)->text(QAccessible::Name), action->text());
        }
        QAction *tooltips = ListFixture::menuItem(f.vc->applicationMenu(), QStringLiteral("Show Tooltip"));
        QCOMPARE(tooltips, f.actions().showTooltip());
        QVERIFY(tooltips->isCheckable());
        QVERIFY(tooltips->isChecked());
        QVERIFY(f.vc->applicationMenu()->isVisible());
        f.vc->applicationMenu()->close();

        // Showing the queue turns sequential mode on; a capture queues; the menu follows.
        ListFixture::menuItem(f.vc->applicationMenu(), QStringLiteral("Show Sequential Paste Queue"))->trigger();
        QVERIFY(f.capture().sequentialMode().isOn());
        f.clipboard.copyText(QStringLiteral("queued"));
        f.clipboard.notifyChange();
        f.dispatcher.runAll();
        QCOMPARE(f.capture().queue().size(), 1);
        f.vc->popUpApplicationMenu();
        QCOMPARE(ListFixture::menuItems(f.vc->applicationMenu()).mid(5, 2),
                 QStringList({"Hide Sequential Paste Queue", "Clear Sequential Paste Queue"}));
        f.sounds.played.clear();
        ListFixture::menuItem(f.vc->applicationMenu(), QStringLiteral("Clear Sequential Paste Queue"))->trigger();
        QVERIFY(f.capture().queue().isEmpty());
        QCOMPARE(f.sounds.played, QStringList({"Pop"}));
        ListFixture::menuItem(f.vc->applicationMenu(), QStringLiteral("Hide Sequential Paste Queue"))->trigger();
        QVERIFY(!f.capture().sequentialMode().isOn());

        // "Show Tooltip" flips and stores the setting; the check mark follows.
        ListFixture::menuItem(f.vc->applicationMenu(), QStringLiteral("Show Tooltip"))->trigger();
        QVERIFY(!f.vc->showTooltip());
        QCOMPARE(f.context.settings().boolValue(keys::showTooltip), std::optional<bool>(false));
        f.vc->popUpApplicationMenu();
        QVERIFY(!ListFixture::menuItem(f.vc->applicationMenu(), QStringLiteral("Show Tooltip"))->isChecked());

        // The main window, the preferences and quitting are the shell's: the very actions it owns, with the
        // shortcuts they have in every window.
        AppActions &actions = f.actions();
        QCOMPARE(ListFixture::menuItem(f.vc->applicationMenu(), QStringLiteral("Manage Clipboard")),
                 actions.manageClipboard());
        QCOMPARE(ListFixture::menuItem(f.vc->applicationMenu(), QStringLiteral("Preferences")), actions.preferences());
        QCOMPARE(actions.preferences()->shortcut(), QKeySequence(Qt::ControlModifier | Qt::Key_Comma));
        QAction *quit = ListFixture::menuItem(f.vc->applicationMenu(), QStringLiteral("Quit"));
        QCOMPARE(quit, actions.quit());
        QCOMPARE(quit->shortcut(), QKeySequence(Qt::ControlModifier | Qt::Key_Q));
        QObject::disconnect(&actions, &AppActions::quitRequested, nullptr, nullptr);
        QSignalSpy quits(&actions, &AppActions::quitRequested);
        quit->trigger();
        QCOMPARE(quits.size(), 1);
        f.vc->applicationMenu()->close();
    }

    void clearClipboardAsksThenEmptiesEverything()
    {
        ListFixture f({"a", "b", "c"});
        f.history().togglePin(2);
        f.show();
        f.type(QStringLiteral("b"));
        // Every list of the history follows its reset.
        QSignalSpy cleared(&f.history(), &HistoryStore::itemsReset);

        f.alerts.answerNext(1);  // "No"
        f.actions().askToClearHistory();
        QCOMPARE(f.alerts.shown.size(), 1);
        const AlertRequest &alert = f.alerts.shown.constFirst();
        QCOMPARE(alert.style, 1);
        QCOMPARE(alert.messageText, QStringLiteral("Remove All Item?"));
        QCOMPARE(alert.informativeText, QStringLiteral("Are you sure you want to clear the entire Clipboard?."));
        QCOMPARE(alert.buttons, QStringList({"Yes", "No"}));
        QCOMPARE(f.history().items(), QStringList({"c", "a", "b"}));
        QCOMPARE(f.history().pinCount(), 1);
        QVERIFY(f.vc->isSearching());
        QCOMPARE(cleared.size(), 0);
        QVERIFY(f.sounds.played.isEmpty());

        f.alerts.answerNext(0);  // "Yes"
        f.vc->popUpApplicationMenu();
        ListFixture::menuItem(f.vc->applicationMenu(), QStringLiteral("Clear Clipboard"))->trigger();
        QVERIFY(f.history().items().isEmpty());
        QCOMPARE(f.history().pinCount(), 0);
        QCOMPARE(f.context.settings().integer(keys::pinCount), std::optional<std::int64_t>(0));
        QVERIFY(!f.vc->isSearching());
        QCOMPARE(f.vc->searchField()->text(), QString());
        QCOMPARE(f.vc->model()->rowCount(), 0);
        QCOMPARE(f.vc->viewHeight(), 370);
        QCOMPARE(cleared.size(), 1);
        QCOMPARE(f.sounds.played, QStringList({"Pop"}));
        QVERIFY(f.history().waitForWrites());
        const QString file = f.dataFolder() + QStringLiteral("/myfile.plist");
        QVERIFY(QFile::exists(file));
        QCOMPARE(readStringListAtPath(file), QStringList());
        QCOMPARE(f.alerts.unanswered, 0);
    }
};

QTEST_MAIN(TestQuickListMenus)
#include "tst_quick_list_menus.moc"
