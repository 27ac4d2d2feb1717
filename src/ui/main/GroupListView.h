// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QListView>
#include <QPointer>

class QToolButton;

namespace tavrin {

// The sidebar's upper list: a remove button at the end of every group row, and drops of files or history rows
// onto group rows only (never between rows, never onto the Clipboard row or the header).
class GroupListView : public QListView {
    Q_OBJECT
public:
    explicit GroupListView(QWidget *parent = nullptr);

    /// Whether a drag at pos (viewport coordinates) may drop: onto a group row, away from its edges.
    bool acceptsDropAt(const QPoint &pos) const;
    /// The group row a drop at pos lands on, -1 when it is refused.
    int dropRowAt(const QPoint &pos) const;
    /// The header row's own widget (its title and the add button), laid over the row. It and the remove buttons are
    /// children of the list's parent, not of the list: an item view shows screen readers its rows only, so widgets
    /// inside it would be hidden from them.
    void setHeaderWidget(QWidget *header);
    /// The remove buttons, one per group row in row order.
    const QList<QToolButton *> &removeButtons() const { return m_removeButtons; }
    /// The row that a drag in progress would drop on, -1 when none.
    int highlightedDropRow() const { return m_dropRow; }

Q_SIGNALS:
    void removeClicked(int row);
    /// Something was dropped onto a group row.
    void droppedOnRow(int row, const QMimeData *data);

protected:
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dragLeaveEvent(QDragLeaveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void updateGeometries() override;
    void scrollContentsBy(int dx, int dy) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void rowsInserted(const QModelIndex &parent, int start, int end) override;
    void dataChanged(const QModelIndex &topLeft, const QModelIndex &bottomRight,
                     const QList<int> &roles = QList<int>()) override;

private:
    bool offersWhatWeTake(const QMimeData *offer) const;
    void judgeDrag(QDropEvent *event);
    void setDropRow(int row);
    void placeRemoveButtons();
    void schedulePlacing();

    /// Places an overlay widget over a rectangle of the viewport; hidden where the rectangle is out of sight.
    void placeOver(QWidget *widget, const QRect &rect) const;

    QList<QToolButton *> m_removeButtons;
    QPointer<QWidget> m_header;
    int m_dropRow = -1;
    bool m_placingScheduled = false;
};

}  // namespace tavrin
