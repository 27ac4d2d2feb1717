// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/lists/CopiedToast.h"

#include <QLabel>
#include <QVBoxLayout>

namespace tavrin {

CopiedToast::CopiedToast(QWidget *parent) : QFrame(parent, Qt::ToolTip | Qt::FramelessWindowHint)
{
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFrameShape(QFrame::Box);
    setAutoFillBackground(true);
    auto *label = new QLabel(text(), this);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 6, 12, 6);
    layout->addWidget(label);
}

QString CopiedToast::text()
{
    return tr("Copied");
}

void CopiedToast::showBelow(const QRect &anchor)
{
    adjustSize();
    move(anchor.center().x() - width() / 2, anchor.top() + anchor.height());
    show();
    raise();
}

}  // namespace tavrin
