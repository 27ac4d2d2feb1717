// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/GroupListView.h"

#include "ui/main/GroupListModel.h"
#include "ui/main/HistoryRowsMime.h"
#include "ui/main/MainResources.h"
#include "ui/main/SidebarRowDelegate.h"

#include <QDragEnterEvent>
#include <QMimeData>
#include <QPainter>
#include <QToolButton>

namespace tavrin {

GroupListView::GroupListView(QWidget *parent) : QListView(parent)
{
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true);
    setDragDropMode(QAbstractItemView::DropOnly);
    setDropIndicatorShown(false);
}

QModelIndex GroupListView::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers)
{
    const QModelIndex next = QListView::moveCursor(cursorAction, modifiers);
    if (!next.isValid() || GroupListModel::kindOfRow(next.row()) != GroupListModel::RowKind::header)
        return next;
    // The keys step over the header, which cannot be selected.
    const bool backwards = cursorAction == MoveUp || cursorAction == MovePrevious || cursorAction == MovePageUp ||
                           cursorAction == MoveHome;
    const QModelIndex beyond = model()->index(next.row() + (backwards ? -1 : 1), 0);
    return beyond.isValid() ? beyond : currentIndex();
}

bool GroupListView::offersWhatWeTake(const QMimeData *offer) const
{
    return offer && (offer->hasFormat(kHistoryRowsMimeType) || offer->hasUrls());
}

int GroupListView::dropRowAt(const QPoint &pos) const
{
    const QModelIndex index = indexAt(pos);
    if (!index.isValid() || GroupListModel::kindOfRow(index.row()) != GroupListModel::RowKind::group)
        return -1;
    // Near a row's top or bottom edge the drop would go between two rows: that is no group.
    const QRect rect = visualRect(index);
    const int margin = std::clamp(qRound(rect.height() / 5.5), 2, 12);
    if (pos.y() - rect.top() < margin || rect.bottom() - pos.y() < margin)
        return -1;
    return index.row();
}

bool GroupListView::acceptsDropAt(const QPoint &pos) const
{
    return dropRowAt(pos) >= 0;
}

void GroupListView::judgeDrag(QDropEvent *event)
{
    const int row = offersWhatWeTake(event->mimeData()) ? dropRowAt(event->position().toPoint()) : -1;
    setDropRow(row);
    if (row < 0) {
        event->ignore();
        return;
    }
    // Only a reference is kept: for the dragging program nothing was moved away.
    if (event->possibleActions() & Qt::CopyAction)
        event->setDropAction(Qt::CopyAction);
    else
        event->setDropAction(event->proposedAction());
    event->accept();
}

void GroupListView::dragEnterEvent(QDragEnterEvent *event)
{
    // Entering is accepted for what we take at all, so the moves over the rows are judged one by one.
    if (!offersWhatWeTake(event->mimeData())) {
        event->ignore();
        return;
    }
    judgeDrag(event);
    event->accept();
}

void GroupListView::dragMoveEvent(QDragMoveEvent *event)
{
    judgeDrag(event);
}

void GroupListView::dragLeaveEvent(QDragLeaveEvent *event)
{
    setDropRow(-1);
    event->accept();
}

void GroupListView::dropEvent(QDropEvent *event)
{
    const int row = offersWhatWeTake(event->mimeData()) ? dropRowAt(event->position().toPoint()) : -1;
    setDropRow(-1);
    if (row < 0) {
        event->ignore();
        return;
    }
    event->setDropAction((event->possibleActions() & Qt::CopyAction) ? Qt::CopyAction : event->proposedAction());
    event->accept();
    Q_EMIT droppedOnRow(row, event->mimeData());
}

void GroupListView::setDropRow(int row)
{
    if (row == m_dropRow)
        return;
    m_dropRow = row;
    viewport()->update();
}

void GroupListView::paintEvent(QPaintEvent *event)
{
    QListView::paintEvent(event);
    if (m_dropRow < 0 || !model())
        return;
    QPainter painter(viewport());
    QColor outline = palette().color(QPalette::Highlight);
    painter.setPen(QPen(outline, 2));
    painter.drawRoundedRect(visualRect(model()->index(m_dropRow, 0)).adjusted(2, 2, -2, -2), 4, 4);
}

void GroupListView::updateGeometries()
{
    QListView::updateGeometries();
    schedulePlacing();
}

void GroupListView::scrollContentsBy(int dx, int dy)
{
    QListView::scrollContentsBy(dx, dy);
    placeRemoveButtons();
}

void GroupListView::resizeEvent(QResizeEvent *event)
{
    QListView::resizeEvent(event);
    schedulePlacing();
}

void GroupListView::rowsInserted(const QModelIndex &parent, int start, int end)
{
    QListView::rowsInserted(parent, start, end);
    schedulePlacing();
}

void GroupListView::dataChanged(const QModelIndex &topLeft, const QModelIndex &bottomRight, const QList<int> &roles)
{
    QListView::dataChanged(topLeft, bottomRight, roles);
    schedulePlacing();
}

void GroupListView::schedulePlacing()
{
    if (m_placingScheduled)
        return;
    m_placingScheduled = true;
    // After the layout: the rows' rectangles are right only once the view has laid them out.
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_placingScheduled = false;
            placeRemoveButtons();
        },
        Qt::QueuedConnection);
}

void GroupListView::setHeaderWidget(QWidget *header)
{
    m_header = header;
    schedulePlacing();
}

void GroupListView::placeOver(QWidget *widget, const QRect &rect) const
{
    QWidget *overlay = parentWidget();
    if (!overlay)
        return;
    const QRect seen = rect.intersected(viewport()->rect());
    widget->setGeometry(QRect(viewport()->mapTo(overlay, rect.topLeft()), rect.size()));
    widget->setVisible(isVisible() && seen.height() == rect.height());
    widget->raise();
}

void GroupListView::placeRemoveButtons()
{
    const int groups = model() ? std::max(model()->rowCount() - GroupListModel::kFirstGroupRow, 0) : 0;
    while (m_removeButtons.size() > groups)
        delete m_removeButtons.takeLast();
    while (m_removeButtons.size() < groups) {
        auto *button = new QToolButton(parentWidget() ? parentWidget() : viewport());
        button->setIcon(removeIcon());
        button->setAutoRaise(true);
        button->setFocusPolicy(Qt::TabFocus);
        button->setToolTip(tr("Remove this Clipboard"));
        button->setCursor(Qt::PointingHandCursor);
        const int index = int(m_removeButtons.size());
        connect(button, &QToolButton::clicked, this,
                [this, index] { Q_EMIT removeClicked(index + GroupListModel::kFirstGroupRow); });
        m_removeButtons.append(button);
    }
    // The header's widget spans its row, whatever the list's width was when it was put there.
    if (m_header && model() && model()->rowCount() > GroupListModel::kHeaderRow)
        placeOver(m_header, visualRect(model()->index(GroupListModel::kHeaderRow, 0)));
    const int size = SidebarRowDelegate::kTrailingRoom - 8;
    for (int i = 0; i < groups; ++i) {
        const QModelIndex index = model()->index(i + GroupListModel::kFirstGroupRow, 0);
        const QRect row = visualRect(index);
        QToolButton *button = m_removeButtons.at(i);
        button->setAccessibleName(tr("Remove %1").arg(index.data().toString()));
        placeOver(button, QRect(row.right() - size - 5, row.center().y() - size / 2 + 1, size, size));
    }
}

void GroupListView::showEvent(QShowEvent *event)
{
    QListView::showEvent(event);
    schedulePlacing();
}

void GroupListView::hideEvent(QHideEvent *event)
{
    QListView::hideEvent(event);
    if (m_header)
        m_header->hide();
    for (QToolButton *button : std::as_const(m_removeButtons))
        button->hide();
}

}  // namespace tavrin
