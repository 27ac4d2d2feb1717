#include "app/WindowActivation.h"

#include <QWidget>

namespace tavrin {

void showAndActivate(QWidget *window)
{
    if (window->isMinimized())
        window->showNormal();
    else
        window->show();
    window->raise();
    window->activateWindow();
}

}  // namespace tavrin
