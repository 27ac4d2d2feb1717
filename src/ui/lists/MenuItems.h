// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAction>
#include <QMenu>
#include <QPointer>

#include <functional>

namespace tavrin {

/// A menu item; one without an action is shown disabled.
inline QAction *addMenuItem(QMenu *menu, const QString &title, std::function<void()> action)
{
    QAction *item = menu->addAction(title);
    if (action)
        QObject::connect(item, &QAction::triggered, menu, std::move(action));
    else
        item->setEnabled(false);
    return item;
}

/// Menus are rebuilt at each opening; the one they replace goes once it is closed.
inline QMenu *replaceMenu(QPointer<QMenu> &menu, QWidget *parent)
{
    if (menu)
        menu->deleteLater();
    menu = new QMenu(parent);
    return menu;
}

}  // namespace tavrin
