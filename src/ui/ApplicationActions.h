// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAction>
#include <QList>

namespace tavrin {

// The program's commands as the views get them: the shell owns and runs the actions and keeps their texts and states
// up to date; a view only shows them (the quick list's application menu and the tray menu add `menu` as it is).
struct ApplicationActions {
    /// The application menu in its order, separators included.
    QList<QAction *> menu;
    /// "Show Tooltip", checked while the list previews the entry under the mouse (also in menu).
    QAction *showTooltip = nullptr;
};

}  // namespace tavrin
