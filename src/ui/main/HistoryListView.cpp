// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/HistoryListView.h"

#include <QDrag>
#include <QMimeData>

namespace tavrin {

HistoryListView::HistoryListView(QWidget *parent) : QListView(parent)
{
    setDragEnabled(true);
    setDragDropMode(QAbstractItemView::DragOnly);
}

void HistoryListView::startDrag(Qt::DropActions)
{
    QList<int> rows;
    const QModelIndexList selected = selectionModel()->selectedRows();
    for (const QModelIndex &index : selected)
        rows.append(index.row());
    std::sort(rows.begin(), rows.end());
    if (rows.isEmpty() || !dragData)
        return;
    QMimeData *offer = dragData(rows);
    if (!offer)
        return;
    auto *drag = new QDrag(this);
    drag->setMimeData(offer);
    const QRect first = visualRect(model()->index(rows.constFirst(), 0));
    if (first.isValid())
        drag->setPixmap(viewport()->grab(first));
    // Every operation is offered to other applications; whatever they do, the history keeps its rows (unlike the
    // base class, nothing is removed after a move).
    drag->exec(Qt::CopyAction | Qt::MoveAction | Qt::LinkAction, Qt::CopyAction);
}

}  // namespace tavrin
