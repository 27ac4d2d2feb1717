// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/WindowActivation.h"

#include <QPointer>
#include <QWidget>

namespace tavrin {

// The main window: it hosts the content chosen for it (the sidebar and its panes). It is an ordinary window: while
// it is open the desktop's task bar lists the program, and closing it only hides it, so the program stays in the
// tray.
class MainWindow : public QWidget {
    Q_OBJECT
public:
    explicit MainWindow(QWidget *parent = nullptr);

    /// Puts content into the window; the window takes it.
    void setContent(QWidget *content);
    QWidget *content() const { return m_content; }

    /// Shows the window (restored if minimised), brings it to the front and gives it the focus.
    void showWindow();

    /// How the desktop is asked to give the window the focus (see showAndActivate).
    DesktopActivation activateOnDesktop;

protected:
    /// While the welcome steps are the content, the user's closing finishes them instead: the window stays, with the
    /// sidebar. A quit's closing does not.
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QPointer<QWidget> m_content;
    bool m_quitting = false;
};

}  // namespace tavrin
