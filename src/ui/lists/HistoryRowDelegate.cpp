// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/lists/HistoryRowDelegate.h"

#include "ui/lists/ListResources.h"
#include "ui/lists/ShownListModel.h"
#include "ui/widgets/PaletteIcon.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QHelpEvent>
#include <QIcon>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

namespace tavrin {

namespace {

constexpr int kMargin = 8;
constexpr int kCopyButtonSize = 24;
constexpr int kPinSize = 16;

const QIcon &pinIcon()
{
    static const QIcon icon = paletteIcon(kPinImage);
    return icon;
}

const QIcon &copyIcon()
{
    static const QIcon icon = paletteIcon(kCopyImage);
    return icon;
}

// One line of the title: line breaks and tabs read as spaces in a row.
QString singleLine(QString text)
{
    for (QChar &c : text) {
        if (c == u'\n' || c == u'\r' || c == u'\t' || c == QChar::LineSeparator || c == QChar::ParagraphSeparator)
            c = u' ';
    }
    return text;
}

}  // namespace

HistoryRowDelegate::HistoryRowDelegate(QObject *parent) : QStyledItemDelegate(parent)
{
    ensureListResources();
}

QRect HistoryRowDelegate::copyButtonRect(const QRect &rowRect)
{
    return QRect(rowRect.right() - kMargin - kCopyButtonSize + 1, rowRect.center().y() - kCopyButtonSize / 2 + 1,
                 kCopyButtonSize, kCopyButtonSize);
}

QRect HistoryRowDelegate::pinMarkerRect(const QRect &rowRect)
{
    return QRect(rowRect.right() - kMargin - kPinSize + 1, rowRect.center().y() - kPinSize / 2 + 1, kPinSize, kPinSize);
}

void HistoryRowDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    const QWidget *widget = opt.widget;
    QStyle *style = widget ? widget->style() : QApplication::style();
    const QIcon fileIcon = opt.icon;
    opt.text.clear();
    opt.icon = QIcon();
    style->drawPrimitive(QStyle::PE_PanelItemViewItem, &opt, painter, widget);

    painter->save();
    QRect textRect = opt.rect.adjusted(kMargin + 2, 0, -kMargin, 0);
    QRect trailing = pinMarkerRect(opt.rect);
    // Our pictures take the colour of the row's text.
    const QIcon::Mode mode = (opt.state & QStyle::State_Selected) ? QIcon::Selected : QIcon::Normal;
    if (m_showsCopyButton) {
        const QRect copy = copyButtonRect(opt.rect);
        copyIcon().paint(painter, copy.adjusted(4, 4, -4, -4), Qt::AlignCenter, mode);
        trailing.moveRight(copy.left() - kMargin / 2);
    }
    if (index.data(ShownListModel::PinnedRole).toBool())
        pinIcon().paint(painter, trailing, Qt::AlignCenter, mode);
    textRect.setRight(trailing.left() - kMargin / 2);

    const QFontMetrics metrics(opt.font);
    if (!fileIcon.isNull()) {
        // The title keeps room for the icon between the prefix and the name.
        const int x = textRect.left() + metrics.horizontalAdvance(index.data(ShownListModel::PrefixRole).toString());
        const QRect iconRect(x + 2, opt.rect.center().y() - kIconSize / 2 + 1, kIconSize, kIconSize);
        fileIcon.paint(painter, iconRect);
    }
    const QPalette::ColorRole role = (opt.state & QStyle::State_Selected) ? QPalette::HighlightedText : QPalette::Text;
    painter->setPen(opt.palette.color(role));
    painter->setFont(opt.font);
    const QString line = singleLine(index.data(Qt::DisplayRole).toString());
    painter->drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                      metrics.elidedText(line, Qt::ElideRight, std::max(textRect.width(), 0)));
    painter->restore();
}

QSize HistoryRowDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &) const
{
    return QSize(std::max(option.rect.width(), 100), kRowHeight);
}

bool HistoryRowDelegate::helpEvent(QHelpEvent *event, QAbstractItemView *view, const QStyleOptionViewItem &option,
                                   const QModelIndex &index)
{
    if (event->type() == QEvent::ToolTip && m_showsCopyButton && copyButtonRect(option.rect).contains(event->pos())) {
        QToolTip::showText(event->globalPos(), tr("Copy to Clipboard"), view, copyButtonRect(option.rect));
        return true;
    }
    return QStyledItemDelegate::helpEvent(event, view, option, index);
}

bool HistoryRowDelegate::editorEvent(QEvent *event, QAbstractItemModel *model, const QStyleOptionViewItem &option,
                                     const QModelIndex &index)
{
    if (m_showsCopyButton &&
        (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonRelease)) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton && copyButtonRect(option.rect).contains(mouse->position().toPoint())) {
            if (event->type() == QEvent::MouseButtonRelease)
                Q_EMIT copyClicked(index.row());
            return true;
        }
    }
    return QStyledItemDelegate::editorEvent(event, model, option, index);
}

void HistoryRowDelegate::trackHover(QAbstractItemView *view)
{
    if (m_viewport)
        m_viewport->removeEventFilter(this);
    m_view = view;
    m_viewport = view->viewport();
    view->setMouseTracking(true);
    m_viewport->installEventFilter(this);
    // Rows that were replaced under the pointer are left: the next move enters what is there now.
    connect(view->model(), &QAbstractItemModel::modelReset, this, [this] { hover(-1); });
}

bool HistoryRowDelegate::eventFilter(QObject *watched, QEvent *event)
{
    if (!m_viewport || watched != m_viewport)
        return false;
    switch (event->type()) {
    case QEvent::MouseMove:
        hover(m_view->indexAt(static_cast<QMouseEvent *>(event)->position().toPoint()).row());
        break;
    case QEvent::Wheel:
        // Scrolling moves other rows under a pointer that stands still.
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (m_viewport && m_viewport->underMouse())
                    hover(m_view->indexAt(m_viewport->mapFromGlobal(QCursor::pos())).row());
            },
            Qt::QueuedConnection);
        break;
    case QEvent::Leave:
    case QEvent::Hide: hover(-1); break;
    default: break;
    }
    return false;
}

void HistoryRowDelegate::hover(int row)
{
    if (row == m_hoveredRow)
        return;
    const int left = std::exchange(m_hoveredRow, row);
    if (left >= 0)
        Q_EMIT mouseExited(left);
    if (row >= 0)
        Q_EMIT mouseEntered(row);
}

}  // namespace tavrin
