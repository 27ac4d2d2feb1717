// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/DimmingLayer.h"

#include <QEvent>
#include <QPainter>

namespace tavrin {

DimmingLayer::DimmingLayer(QWidget *parent) : QWidget(parent)
{
    setAccessibleName(tr("Dimming"));
    setAttribute(Qt::WA_NoSystemBackground);
    setGeometry(parent->rect());
    parent->installEventFilter(this);
    hide();
}

bool DimmingLayer::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == parentWidget() && event->type() == QEvent::Resize)
        setGeometry(parentWidget()->rect());
    return QWidget::eventFilter(watched, event);
}

void DimmingLayer::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), QColor(0, 0, 0, 90));
}

}  // namespace tavrin
