#include "app/MainWindow.h"

namespace tavrin {

MainWindow::MainWindow(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setWindowTitle(QStringLiteral("Tavrin"));
    setAttribute(Qt::WA_QuitOnClose, false);
    resize(760, 480);
}

void MainWindow::showWindow()
{
    showAndActivate(this, activateOnDesktop);
}

}  // namespace tavrin
