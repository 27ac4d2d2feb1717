#include "app/mainWindowController.h"

namespace tavrin {

mainWindowController::mainWindowController(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setWindowTitle(QStringLiteral("Tavrin"));
    setAttribute(Qt::WA_QuitOnClose, false);
    resize(760, 480);
}

void mainWindowController::showWindow()
{
    showAndActivate(this, activateOnDesktop);
}

}  // namespace tavrin
