#include "ui/widgets/buttoncursor.h"

namespace tavrin {

void buttoncursor::enterEvent(QEnterEvent *event)
{
    setCursor(Qt::PointingHandCursor);
    QPushButton::enterEvent(event);
}

void buttoncursor::leaveEvent(QEvent *event)
{
    unsetCursor();
    QPushButton::leaveEvent(event);
}

}  // namespace tavrin
