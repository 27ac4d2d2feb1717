// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include <functional>

namespace tavrin {

/// Asks the desktop to give one of our windows the focus, whatever application is in front.
using DesktopActivation = std::function<void(WId)>;

/// Shows one of the program's windows (restored if minimised), brings it to the front and asks for the focus.
///
/// A window of ours opens in answer to a global shortcut, a tray click or a failed paste: input that reached the
/// program on another connection or over D-Bus, so the toolkit's own request carries a stale user time and a window
/// manager that prevents focus stealing may refuse it. When activateOnDesktop is set, the desktop is asked as well,
/// once the window is on screen (it knows the window only then).
void showAndActivate(QWidget *window, const DesktopActivation &activateOnDesktop = {});

}  // namespace tavrin
