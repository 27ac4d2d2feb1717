// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/SidebarRowDelegate.h"

#include "ui/main/GroupListModel.h"
#include "ui/main/MainResources.h"

#include <QApplication>
#include <QLineEdit>
#include <QPainter>

namespace tavrin {

SidebarRowDelegate::SidebarRowDelegate(QObject *parent) : QStyledItemDelegate(parent) {}

QRect SidebarRowDelegate::titleRect(const QRect &row, bool hasTrailingButton)
{
    const int left = row.left() + kMargin + kIconSize + 8;
    const int right = row.right() - (hasTrailingButton ? kTrailingRoom : kMargin);
    return QRect(left, row.top(), std::max(right - left, 0), row.height());
}

void SidebarRowDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    const QVariant kindValue = index.data(GroupListModel::RowKindRole);
    const bool isHeader = kindValue.isValid() && kindValue.toInt() == int(GroupListModel::RowKind::header);
    if (isHeader)
        return;  // the header's own widget draws it
    const QWidget *widget = opt.widget;
    QStyle *style = widget ? widget->style() : QApplication::style();
    const QString title = opt.text;
    const QIcon decoration = opt.icon;
    opt.text.clear();
    opt.icon = QIcon();
    style->drawPrimitive(QStyle::PE_PanelItemViewItem, &opt, painter, widget);

    const bool selected = opt.state & QStyle::State_Selected;
    QIcon icon = decoration;
    const QString imageName = index.data(GroupListModel::ImageNameRole).toString();
    if (!imageName.isEmpty())
        icon = mainImage(imageName);
    const QRect iconRect(opt.rect.left() + kMargin, opt.rect.center().y() - kIconSize / 2 + 1, kIconSize, kIconSize);
    // Our pictures take the colour of the text beside them, on a selected row too.
    icon.paint(painter, iconRect, Qt::AlignCenter, selected ? QIcon::Selected : QIcon::Normal);

    const bool isGroup = kindValue.isValid() && kindValue.toInt() == int(GroupListModel::RowKind::group);
    const QRect text = titleRect(opt.rect, isGroup);
    painter->save();
    painter->setPen(opt.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
    painter->setFont(opt.font);
    painter->drawText(text, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                      opt.fontMetrics.elidedText(title, Qt::ElideRight, text.width()));
    // The keyboard's place: a ring inside the row while the list has the focus, seen on a selected row too.
    if (opt.state & QStyle::State_HasFocus) {
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setPen(QPen(opt.palette.color(selected ? QPalette::HighlightedText : QPalette::Highlight), 2));
        painter->setBrush(Qt::NoBrush);
        painter->drawRoundedRect(QRectF(opt.rect).adjusted(2, 2, -2, -2), 4, 4);
    }
    painter->restore();
}

QSize SidebarRowDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    const QVariant kind = index.data(GroupListModel::RowKindRole);
    const bool isHeader = kind.isValid() && kind.toInt() == int(GroupListModel::RowKind::header);
    return QSize(std::max(option.rect.width(), 100), isHeader ? kHeaderHeight : kRowHeight);
}

QWidget *SidebarRowDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &, const QModelIndex &) const
{
    auto *editor = new QLineEdit(parent);
    editor->setFrame(false);
    editor->setAccessibleName(tr("Clipboard name"));
    return editor;
}

void SidebarRowDelegate::updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                                              const QModelIndex &) const
{
    const QRect title = titleRect(option.rect, true);
    editor->setGeometry(title.adjusted(-2, 5, 0, -5));
}

}  // namespace tavrin
