// SPDX-License-Identifier: GPL-3.0-or-later
// The sequential queue window: numbered rows with file icons and the next entry marked, its height between 40 and
// 400, the context menu, the missing paste shortcut leading to the Preferences, and closing as the end of the mode.
#include "../preferences/PreferencesFixture.h"

#include "capture/ClipboardMonitor.h"
#include "ui/lists/HistoryRowDelegate.h"
#include "ui/queue/QueueListModel.h"
#include "ui/queue/SequentialQueueView.h"
#include "ui/queue/SequentialQueueWindow.h"

#include <QFile>
#include <QFont>
#include <QListView>

using namespace tavrin;
using namespace tavrin::test;

namespace {

struct QueueFixture : PreferencesFixture {
    SequentialQueueWindow *queue = nullptr;

    explicit QueueFixture(bool pasteShortcutRecorded = true)
    {
        queue = context.windows().sequentialWindow();
        capture().sequentialMode().setWindow(queue);
        if (pasteShortcutRecorded) {
            settings().setString(keys::sequentialPasteKeyName, QStringLiteral("p"));
            settings().setIntegerArray(keys::sequentialPasteModifiers, {12, 13});
        }
    }
    ~QueueFixture() { capture().sequentialMode().setWindow(nullptr); }

    SequentialQueueView *view() const { return queue->view(); }
    QueueListModel *model() const { return view()->model(); }
    SequentialMode &mode() { return capture().sequentialMode(); }

    void open()
    {
        mode().toggleSequentialQueue();
        QVERIFY(mode().isOn());
        clock.advance(std::chrono::milliseconds(0));
    }
    /// Another program copies text; the capture is queued while the mode is on.
    void copy(const QString &text)
    {
        clipboard.copyText(text);
        capture().monitor().checkState();
        dispatcher.runAll();
    }
    QString rowTitle(int row) const { return model()->index(row).data().toString(); }
    bool isMarked(int row) const { return model()->index(row).data(Qt::FontRole).value<QFont>().bold(); }
    QPoint rowCentre(int row) const { return view()->list()->visualRect(model()->index(row)).center(); }
};

}  // namespace

class TestSequentialQueueWindow : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void rowsAreNumberedWithFileNamesAndTheNextEntryMarked()
    {
        QueueFixture f;
        const QString file = f.dataFolder() + QStringLiteral("/report.txt");
        QFile created(file);
        QVERIFY(created.open(QIODevice::WriteOnly));
        created.close();
        f.settings().setInteger(keys::sequentialPasteOrder, 0);
        f.open();
        QVERIFY(f.alerts.shown.isEmpty());  // the paste shortcut is recorded
        f.copy(QStringLiteral(" \tfirst text  "));
        f.copy(file);
        f.copy(QStringLiteral("third"));
        QCOMPARE(f.model()->rowCount(), 3);
        QCOMPARE(f.rowTitle(0), QStringLiteral("   1   first text"));
        QCOMPARE(f.rowTitle(1), QStringLiteral("   2   ") + QString(13, u' ') + QStringLiteral("report.txt"));
        QVERIFY(!f.model()->index(1).data(Qt::DecorationRole).isNull());
        QVERIFY(f.model()->index(0).data(Qt::DecorationRole).isNull());
        QCOMPARE(f.rowTitle(2), QStringLiteral("   3   third"));
        // The next paste takes the first row, or the last with the other order.
        QVERIFY(f.isMarked(0));
        QVERIFY(!f.isMarked(2));
        f.settings().setInteger(keys::sequentialPasteOrder, 1);
        QVERIFY(!f.isMarked(0));
        QVERIFY(f.isMarked(2));
        QCOMPARE(f.model()->index(2).data(Qt::AccessibleDescriptionRole).toString(), QStringLiteral("pasted next"));
    }

    void theListHeightFollowsTheRowsBetween40And400()
    {
        QueueFixture f;
        f.settings().setInteger(keys::sequentialPasteOrder, 0);
        f.open();
        QCOMPARE(f.view()->listHeight(), SequentialQueueView::kMinimumListHeight);
        f.copy(QStringLiteral("one"));
        f.copy(QStringLiteral("two"));
        f.copy(QStringLiteral("three"));
        QCOMPARE(f.view()->listHeight(), 3 * HistoryRowDelegate::kRowHeight);
        for (int i = 0; i < 12; ++i)
            f.copy(QStringLiteral("more %1").arg(i));
        QCOMPARE(f.model()->rowCount(), 15);
        QCOMPARE(f.view()->listHeight(), SequentialQueueView::kMaximumListHeight);
        // Pasting one takes a row away; the height follows when the rows fit again.
        for (int i = 0; i < 13; ++i)
            f.mode().sequentialPasteNext();
        QCOMPARE(f.view()->listHeight(), 2 * HistoryRowDelegate::kRowHeight);
    }

    void theContextMenuRemovesOneOrAllAndTheNextCaptureIsRowOne()
    {
        QueueFixture f;
        f.queue->window()->resize(320, 300);
        f.open();
        QVERIFY(QTest::qWaitForWindowExposed(f.queue->window()));
        f.copy(QStringLiteral("one"));
        f.copy(QStringLiteral("two"));
        f.copy(QStringLiteral("three"));
        QMenu *menu = f.view()->contextMenuAt(f.rowCentre(1));
        QCOMPARE(ListFixture::menuItems(menu), QStringList({QStringLiteral("Remove"), QStringLiteral("Remove all")}));
        QCOMPARE(f.view()->list()->selectionModel()->selectedRows(), QModelIndexList({f.model()->index(1)}));
        ListFixture::menuItem(menu, QStringLiteral("Remove"))->trigger();
        QCOMPARE(f.capture().queue().items(), QStringList({QStringLiteral("one"), QStringLiteral("three")}));
        QCOMPARE(f.sounds.played.count(QStringLiteral("Pop")), 1);
        QCOMPARE(f.view()->listHeight(), 2 * HistoryRowDelegate::kRowHeight);
        menu = f.view()->contextMenuAt(f.rowCentre(0));
        ListFixture::menuItem(menu, QStringLiteral("Remove all"))->trigger();
        QCOMPARE(f.model()->rowCount(), 0);
        QCOMPARE(f.view()->listHeight(), SequentialQueueView::kMinimumListHeight);
        QCOMPARE(f.sounds.played.count(QStringLiteral("Pop")), 2);
        // Off the rows the menu is empty.
        QVERIFY(f.view()->contextMenuAt(QPoint(5, 5))->isEmpty());
        f.copy(QStringLiteral("after"));
        QCOMPARE(f.rowTitle(0), QStringLiteral("   1   after"));
    }

    void aMissingPasteShortcutLeadsToThePreferencesAndTheQueueStaysOpen()
    {
        QueueFixture f(false);
        f.open();
        QCOMPARE(f.alerts.shown.size(), 1);
        QCOMPARE(f.alerts.shown.constFirst().messageText, SequentialQueueView::missingShortcutMessage());
        QCOMPARE(f.alerts.shown.constFirst().buttons, QStringList{QStringLiteral("OK")});
        QVERIFY(f.mainWindow->isVisible());
        QCOMPARE(f.content->currentPane(), MainPane::preferences);
        QVERIFY(f.mode().isOn());
        // Each showing checks again; once recorded there is nothing to say.
        f.mode().toggleSequentialQueue();
        f.settings().setString(keys::sequentialPasteKeyName, QStringLiteral("p"));
        f.settings().setIntegerArray(keys::sequentialPasteModifiers, {12});
        f.open();
        QCOMPARE(f.alerts.shown.size(), 1);
    }

    void closingEndsTheModeAndReopeningShowsWhatIsStillQueued()
    {
        QueueFixture f;
        f.open();
        f.copy(QStringLiteral("kept"));
        // Hiding the program for a paste leaves the queue on screen.
        QVERIFY(f.queue->window()->property(SequentialQueueWindow::kKeepShownProperty).toBool());
        auto *close = f.view()->findChild<QAbstractButton *>();
        QVERIFY(close);
        QCOMPARE(close->accessibleName(), QStringLiteral("Close"));
        close->click();
        QVERIFY(!f.mode().isOn());
        f.copy(QStringLiteral("not queued"));
        f.open();
        QCOMPARE(f.model()->rowCount(), 1);
        QCOMPARE(f.rowTitle(0), QStringLiteral("   1   kept"));
        // From the menu the window does not take the focus; from the shortcut it does.
        QVERIFY(f.queue->window()->testAttribute(Qt::WA_ShowWithoutActivating));
        f.mode().toggleSequentialQueue();
        f.mode().toggleSequentialMode();
        QVERIFY(!f.queue->window()->testAttribute(Qt::WA_ShowWithoutActivating));
    }
};

QTEST_MAIN(TestSequentialQueueWindow)
#include "tst_sequential_queue_window.moc"
