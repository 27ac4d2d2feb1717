#pragma once

#include "app/WindowActivation.h"

#include <QWidget>

namespace tavrin {

// The main window, empty until its sidebar and panes exist. It is an ordinary window: while it is open the
// desktop's task bar lists the program, and closing it only hides it, so the program stays in the tray.
class MainWindow : public QWidget {
    Q_OBJECT
public:
    explicit MainWindow(QWidget *parent = nullptr);

    /// Shows the window (restored if minimised), brings it to the front and gives it the focus.
    void showWindow();

    /// How the desktop is asked to give the window the focus (see showAndActivate).
    DesktopActivation activateOnDesktop;
};

}  // namespace tavrin
