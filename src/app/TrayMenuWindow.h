// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QMenu;
class QVBoxLayout;

namespace tavrin {

// The tray item's menu as a window of our own, for panels that show no menus of status icons (swaybar): there a
// right click only tells the program, and a pop-up menu without a parent window would become a tiled window. The
// window lists the menu's commands as they are when it opens; a click runs one. Its size is fixed, so that tiling
// compositors float it, and it closes when it loses the focus or on Escape.
class TrayMenuWindow : public QWidget {
    Q_OBJECT
public:
    explicit TrayMenuWindow(QWidget *parent = nullptr);

    /// Shows the menu's commands (the menu keeps its actions) and brings the window up.
    void showMenu(QMenu *menu);

protected:
    void changeEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void clearRows();

    QVBoxLayout *m_rows;
};

}  // namespace tavrin
