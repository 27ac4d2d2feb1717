// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointer>
#include <QStyledItemDelegate>

class QAbstractItemView;

namespace tavrin {

// The row cell of the lists, drawn by a delegate: the row's title, a file icon after the prefix, the pin
// marker at the right end and, where a list wants it, a copy button with its tooltip. It also tells when the
// pointer enters or leaves a row, which opens and closes the content preview.
class HistoryRowDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    static constexpr int kRowHeight = 40;
    static constexpr int kIconSize = 20;

    explicit HistoryRowDelegate(QObject *parent = nullptr);

    /// Rows end in a copy button (the lists that copy a row with one click).
    void setShowsCopyButton(bool shows) { m_showsCopyButton = shows; }
    bool showsCopyButton() const { return m_showsCopyButton; }

    static QRect copyButtonRect(const QRect &rowRect);
    static QRect pinMarkerRect(const QRect &rowRect);

    /// Reports the pointer entering and leaving the rows of view.
    void trackHover(QAbstractItemView *view);
    /// The row under the pointer, -1 when none.

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    bool helpEvent(QHelpEvent *event, QAbstractItemView *view, const QStyleOptionViewItem &option,
                   const QModelIndex &index) override;
    bool editorEvent(QEvent *event, QAbstractItemModel *model, const QStyleOptionViewItem &option,
                     const QModelIndex &index) override;

Q_SIGNALS:
    void mouseEntered(int row);
    void mouseExited(int row);
    void copyClicked(int row);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void hover(int row);

    bool m_showsCopyButton = false;
    // The view is looked at only for events of its live viewport (it may be mid-destruction otherwise).
    QAbstractItemView *m_view = nullptr;
    QPointer<QWidget> m_viewport;
    int m_hoveredRow = -1;
};

}  // namespace tavrin
