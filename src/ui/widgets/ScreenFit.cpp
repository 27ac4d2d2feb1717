// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widgets/ScreenFit.h"

#include <QScreen>
#include <QWidget>

namespace tavrin {

void fitInsideAvailableArea(QWidget *window)
{
    const QScreen *screen = window->screen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    // The frame the desktop adds is known once the window was shown; before, a guess keeps room for a title bar.
    const QRect frame = window->frameGeometry();
    const QRect inner = window->geometry();
    QMargins decoration(inner.left() - frame.left(), inner.top() - frame.top(), frame.right() - inner.right(),
                        frame.bottom() - inner.bottom());
    if (decoration.isNull() && !(window->windowFlags() & Qt::FramelessWindowHint))
        decoration = QMargins(8, 32, 8, 8);
    const QSize room(std::max(area.width() - decoration.left() - decoration.right(), 1),
                     std::max(area.height() - decoration.top() - decoration.bottom(), 1));
    window->setMinimumSize(window->minimumSize().boundedTo(room));
    window->resize(window->size().boundedTo(room));
    const QSize outer = window->size().grownBy(decoration);
    QPoint topLeft = window->pos();
    topLeft.setX(std::clamp(topLeft.x(), area.left(), std::max(area.left(), area.right() + 1 - outer.width())));
    topLeft.setY(std::clamp(topLeft.y(), area.top(), std::max(area.top(), area.bottom() + 1 - outer.height())));
    window->move(topLeft);
}

}  // namespace tavrin
