// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStyledItemDelegate>

namespace tavrin {

// The rows of the sidebar's lists: the row's picture and its title, 35 pixels high, the header row 22. A selected
// row of the upper list shows the selected variant of its picture, except in the dark appearance. A group's title
// is edited in place with a line edit that leaves the remove button free.
class SidebarRowDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    static constexpr int kRowHeight = 35;
    static constexpr int kHeaderHeight = 22;
    static constexpr int kIconSize = 18;
    static constexpr int kMargin = 10;
    /// Room kept at the right end of a group row for its remove button.
    static constexpr int kTrailingRoom = 30;

    explicit SidebarRowDelegate(QObject *parent = nullptr);

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    void updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                              const QModelIndex &index) const override;

private:
    static QRect titleRect(const QRect &row, bool hasTrailingButton);
};

}  // namespace tavrin
