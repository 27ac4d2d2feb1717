#pragma once

class QWidget;

namespace tavrin {

/// Shows one of the program's windows (restored if minimised), brings it to the front and asks for the focus:
/// the program activates itself, whatever application is in front.
void showAndActivate(QWidget *window);

}  // namespace tavrin
