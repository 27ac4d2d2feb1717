// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAction>
#include <QMenu>

#include <functional>

namespace tavrin {

// The program's own commands as the shell owns them, lent to the views that show them in a menu (the quick list's
// application menu, the tray menu). A view never triggers what it does not show: a missing action is left out.
struct ApplicationActions {
    QAction *manageClipboard = nullptr;
    QAction *preferences = nullptr;
    QAction *clearClipboard = nullptr;
    /// "Show Sequential Paste Queue" or "Hide Sequential Paste Queue".
    QAction *toggleSequentialQueue = nullptr;
    QAction *clearSequentialQueue = nullptr;
    /// "Pause Recording" or "Resume Recording".
    QAction *toggleRecording = nullptr;
    QAction *quit = nullptr;
    /// Brings texts and enabled states up to date; a menu calls it before it shows the actions.
    std::function<void()> refresh;
};

/// The application menu: the shell's commands with the view's own (viewOptions: checkable view settings) after the
/// first three, then the queue, recording and quit sections.
inline void fillApplicationMenu(QMenu *menu, const ApplicationActions &actions, const QList<QAction *> &viewOptions)
{
    if (actions.refresh)
        actions.refresh();
    auto add = [menu](QAction *action) {
        if (action)
            menu->addAction(action);
    };
    add(actions.manageClipboard);
    add(actions.preferences);
    add(actions.clearClipboard);
    for (QAction *option : viewOptions)
        add(option);
    menu->addSeparator();
    add(actions.toggleSequentialQueue);
    add(actions.clearSequentialQueue);
    // Recording is about every copy, not about this list: a section of its own.
    menu->addSeparator();
    add(actions.toggleRecording);
    menu->addSeparator();
    add(actions.quit);
}

}  // namespace tavrin
