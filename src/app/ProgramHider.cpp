// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ProgramHider.h"

#include "platform/Workspace.h"
#include "ui/queue/SequentialQueueWindow.h"

#include <QApplication>
#include <QWidget>

namespace tavrin {

ProgramHider::ProgramHider(Workspace &workspace) : m_workspace(workspace) {}

void ProgramHider::hideProgram()
{
    const Workspace::WindowId previous = m_workspace.lastForeignActiveWindow();
    const Workspace::WindowId active = m_workspace.activeWindow();
    bool activeWasOurs = false;
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows) {
        // The tray icon is a top-level widget on X11 too, and the queue window keeps sequential mode on.
        if (!window->isVisible() || window->inherits("QSystemTrayIconSys") ||
            window->property(SequentialQueueWindow::kKeepShownProperty).toBool())
            continue;
        if (active != 0 && window->winId() == active)
            activeWasOurs = true;
        window->hide();
    }
    // Only take the focus back from ourselves: when another application is already in front, it stays there.
    if (previous != 0 && (activeWasOurs || active == 0))
        m_workspace.activateWindow(previous);
}

}  // namespace tavrin
