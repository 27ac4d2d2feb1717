// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/lists/EntryPreviewPopup.h"

#include <QLabel>
#include <QVBoxLayout>

namespace tavrin {

EntryPreviewPopup::EntryPreviewPopup(QWidget *parent)
    : QFrame(parent, Qt::ToolTip | Qt::FramelessWindowHint), m_contentLabel(new QLabel(this))
{
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFrameShape(QFrame::Box);
    setAutoFillBackground(true);
    m_contentLabel->setTextFormat(Qt::PlainText);  // an entry is never markup to render
    m_contentLabel->setWordWrap(true);
    m_contentLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 8, 10, 8);
    layout->addWidget(m_contentLabel);
}

double EntryPreviewPopup::roomBeside(const QRect &windowFrame, const QRect &available)
{
    const double left = windowFrame.left() - available.left();
    const double right = (available.left() + available.width()) - (windowFrame.left() + windowFrame.width());
    return std::max(left, right);
}

QString EntryPreviewPopup::shownText(const QString &entry)
{
    qsizetype end = std::min(entry.size(), kMaxShownLength);
    int lines = 1;
    for (qsizetype i = 0; i < end; ++i) {
        if (entry.at(i) == u'\n' && ++lines > kMaxShownLines) {
            end = i;
            break;
        }
    }
    if (end == entry.size())
        return entry;
    return entry.left(end) + QStringLiteral("\u2026");
}

int EntryPreviewPopup::maxLabelWidth() const
{
    return m_contentLabel->maximumWidth();
}

void EntryPreviewPopup::updateContent()
{
    m_contentLabel->setMaximumWidth(std::max(int(maxWidth - kLabelInset), kMinimumLabelWidth));
    m_contentLabel->setText(shownText(shownEntry));
}

void EntryPreviewPopup::showRelativeTo(const QRect &anchor, const QRect &available)
{
    updateContent();
    adjustSize();
    QSize size = this->size();
    size.setHeight(std::min(size.height(), available.height()));
    resize(size);
    int x = anchor.left() + anchor.width() + kGap;
    if (x + size.width() > available.left() + available.width())
        x = anchor.left() - kGap - size.width();
    int y = anchor.center().y() - size.height() / 2;
    y = std::clamp(y, available.top(), std::max(available.top(), available.bottom() + 1 - size.height()));
    move(x, y);
    show();
    raise();
}

}  // namespace tavrin
