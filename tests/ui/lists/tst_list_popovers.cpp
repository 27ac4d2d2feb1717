// SPDX-License-Identifier: GPL-3.0-or-later
// The row cell's hover preview and copy button, and the preview's size and place.
#include "ListFixture.h"
#include "ui/lists/CopiedToast.h"
#include "ui/lists/EntryPreviewPopup.h"
#include "ui/lists/HistoryRowDelegate.h"

#include <QHelpEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <QToolTip>

using namespace tavrin;

namespace {

using test::ListFixture;

void moveTo(QWidget *viewport, const QPoint &pos)
{
    QMouseEvent move(QEvent::MouseMove, pos, viewport->mapToGlobal(pos), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(viewport, &move);
}

void leave(QWidget *viewport)
{
    QEvent event(QEvent::Leave);
    QCoreApplication::sendEvent(viewport, &event);
}

QStringList longEntries()
{
    QStringList entries;
    for (int i = 0; i < 8; ++i)
        entries << QStringLiteral("entry %1 ").arg(i) + QString(300, u'w');
    return entries;
}

}  // namespace

class TestListPopovers : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void hoverShowsTheWholeEntryOfEachRowOnce()
    {
        ListFixture f(longEntries());
        f.show();
        QWidget *viewport = f.vc->listView()->viewport();
        EntryPreviewPopup *preview = f.vc->contentPreview();
        QCOMPARE(f.vc->previewedRow(), -1);
        moveTo(viewport, f.rowRect(2).center());
        QVERIFY(preview->isVisible());
        QCOMPARE(f.vc->previewedRow(), 2);
        QCOMPARE(preview->shownEntry, f.history().items().at(2));
        QCOMPARE(preview->contentLabel()->text(), f.history().items().at(2));
        QCOMPARE(preview->contentLabel()->textFormat(), Qt::PlainText);
        moveTo(viewport, f.rowRect(5).center());
        QCOMPARE(f.vc->previewedRow(), 5);
        QCOMPARE(preview->shownEntry, f.history().items().at(5));
        // Moving within the row does not show it again.
        preview->hide();
        moveTo(viewport, f.rowRect(5).center() + QPoint(30, 3));
        QVERIFY(!preview->isVisible());
        // Leaving closes it; coming back shows it again.
        moveTo(viewport, f.rowRect(5).center());
        leave(viewport);
        QVERIFY(!preview->isVisible());
        moveTo(viewport, f.rowRect(5).center());
        QVERIFY(preview->isVisible());
        // Hiding the list takes it along.
        f.window.hide();
        QVERIFY(!preview->isVisible());
    }

    void showTooltipOffMeansNoPreview()
    {
        ListFixture f(longEntries());
        f.show();
        f.actions().showTooltip()->trigger();
        moveTo(f.vc->listView()->viewport(), f.rowRect(1).center());
        QVERIFY(!f.vc->contentPreview()->isVisible());
        QCOMPARE(f.vc->previewedRow(), -1);
        f.actions().showTooltip()->trigger();
        moveTo(f.vc->listView()->viewport(), f.rowRect(3).center());
        QVERIFY(f.vc->contentPreview()->isVisible());
        // Switched off while shown: it closes.
        f.actions().showTooltip()->trigger();
        QVERIFY(!f.vc->contentPreview()->isVisible());
    }

    void previewWidthIsTheRoomBesideTheWindow()
    {
        QCOMPARE(EntryPreviewPopup::roomBeside(QRect(1000, 0, 360, 500), QRect(0, 0, 1440, 900)), 1000.0);
        QCOMPARE(EntryPreviewPopup::roomBeside(QRect(100, 0, 360, 500), QRect(0, 0, 1440, 900)), 980.0);
        QCOMPARE(EntryPreviewPopup::roomBeside(QRect(1500, 0, 360, 500), QRect(1440, 0, 1920, 1080)), 1500.0);
        EntryPreviewPopup preview;
        preview.maxWidth = 1000;
        preview.shownEntry = QStringLiteral("text");
        preview.updateContent();
        QCOMPARE(preview.maxLabelWidth(), 900);
        QCOMPARE(preview.contentLabel()->text(), QStringLiteral("text"));

        // On the real (virtual) screen: the window on the right leaves the room on the left.
        ListFixture f(longEntries());
        const QRect available = f.window.screen()->availableGeometry();
        f.window.setGeometry(available.right() - 299, available.top(), 250, 500);
        f.show();
        const QRect frame = f.window.frameGeometry();
        moveTo(f.vc->listView()->viewport(), f.rowRect(0).center());
        EntryPreviewPopup *shown = f.vc->contentPreview();
        QCOMPARE(shown->maxWidth, double(frame.left() - available.left()));
        QCOMPARE(shown->maxLabelWidth(), frame.left() - available.left() - 100);
        QVERIFY(shown->isVisible());
        QVERIFY(shown->geometry().right() < frame.left());  // flipped to the left
        QVERIFY(available.contains(shown->geometry()));

        // On the left of the screen it goes to the right.
        f.window.hide();
        f.window.setGeometry(available.left(), available.top(), 250, 500);
        f.show();
        moveTo(f.vc->listView()->viewport(), f.rowRect(1).center());
        QVERIFY(shown->geometry().left() > f.window.frameGeometry().right());
    }

    void hugeEntriesAreShownCut()
    {
        const QString big(EntryPreviewPopup::kMaxShownLength + 10, u'a');
        QCOMPARE(EntryPreviewPopup::shownText(big),
                 big.left(EntryPreviewPopup::kMaxShownLength) + QStringLiteral("\u2026"));
        QStringList lines;
        for (int i = 0; i < 100; ++i)
            lines << QString::number(i);
        const QString shown = EntryPreviewPopup::shownText(lines.join(u'\n'));
        QCOMPARE(shown.count(u'\n'), EntryPreviewPopup::kMaxShownLines - 1);
        QVERIFY(shown.endsWith(QStringLiteral("39\u2026")));
        QCOMPARE(EntryPreviewPopup::shownText(QStringLiteral("a\nb")), QStringLiteral("a\nb"));
    }

    void copyButtonHasItsTooltipWhateverTheSetting()
    {
        ListFixture f;
        ShownListModel model(f.fileIcons, f.capture().fileEntries(), f.dispatcher);
        model.showList({"one", "two"});
        QListView view;
        view.setModel(&model);
        HistoryRowDelegate cell;
        cell.setShowsCopyButton(true);
        view.setItemDelegate(&cell);
        view.resize(300, 200);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        const QRect row = view.visualRect(model.index(1));
        QCOMPARE(row.height(), HistoryRowDelegate::kRowHeight);
        const QPoint button = HistoryRowDelegate::copyButtonRect(row).center();
        QHelpEvent help(QEvent::ToolTip, button, view.viewport()->mapToGlobal(button));
        QCoreApplication::sendEvent(view.viewport(), &help);
        QVERIFY(QToolTip::isVisible());
        QCOMPARE(QToolTip::text(), QStringLiteral("Copy to Clipboard"));
        QToolTip::hideText();

        QList<int> copied;
        connect(&cell, &HistoryRowDelegate::copyClicked, this, [&](int r) { copied << r; });
        QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, button);
        QCOMPARE(copied, QList<int>({1}));
        // The quick-access list has no copy button, so no such tooltip either.
        QVERIFY(!ListFixture({"x"}).vc->cell()->showsCopyButton());
    }

    void copiedConfirmationSaysSo()
    {
        CopiedToast popover;
        popover.showBelow(QRect(100, 100, 300, 40));
        QVERIFY(popover.isVisible());
        QVERIFY(popover.geometry().top() >= 140);
        QVERIFY(!CopiedToast::text().isEmpty());
    }
};

QTEST_MAIN(TestListPopovers)
#include "tst_list_popovers.moc"
