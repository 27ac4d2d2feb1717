// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widgets/PointingHandButton.h"

namespace tavrin {

void PointingHandButton::enterEvent(QEnterEvent *event)
{
    setCursor(Qt::PointingHandCursor);
    QPushButton::enterEvent(event);
}

void PointingHandButton::leaveEvent(QEvent *event)
{
    unsetCursor();
    QPushButton::leaveEvent(event);
}

}  // namespace tavrin
