// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAction>
#include <QKeyEvent>
#include <QKeySequence>

namespace tavrin {

// The keys that work on the selected row of every list of entries, so that each command of a row's menu (and its
// copy button) has a key, and the menus show the same keys.
enum class RowCommand { none, copy, remove, pin, menu };

inline QKeySequence rowCommandKeys(RowCommand command)
{
    switch (command) {
    case RowCommand::copy: return QKeySequence(Qt::ControlModifier | Qt::Key_C);
    case RowCommand::remove: return QKeySequence(Qt::Key_Delete);
    case RowCommand::pin: return QKeySequence(Qt::ControlModifier | Qt::Key_P);
    case RowCommand::menu: return QKeySequence(Qt::Key_Menu);
    case RowCommand::none: break;
    }
    return {};
}

inline RowCommand rowCommandFor(const QKeyEvent &event)
{
    const QKeyCombination pressed(event.modifiers() & ~Qt::KeypadModifier, Qt::Key(event.key()));
    for (RowCommand command : {RowCommand::copy, RowCommand::remove, RowCommand::pin, RowCommand::menu}) {
        if (rowCommandKeys(command)[0] == pressed)
            return command;
    }
    // The usual second key of a context menu.
    if (pressed == QKeyCombination(Qt::ShiftModifier, Qt::Key_F10))
        return RowCommand::menu;
    return RowCommand::none;
}

/// Shows a row command's key beside its menu item; it works only while that menu has the focus (the list's own
/// key handling serves the list).
inline QAction *withRowKeys(QAction *item, RowCommand command)
{
    item->setShortcut(rowCommandKeys(command));
    item->setShortcutContext(Qt::WidgetShortcut);
    return item;
}

}  // namespace tavrin
