// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/WindowActivation.h"
#include "platform/Scheduler.h"

#include <QPointer>
#include <QWidget>

namespace tavrin {

// The small window without a title bar that shows the quick-access list at the top right of the screen, above
// other windows. It hides as soon as the program loses the focus, and on Escape when its content leaves that key.
// After a show it waits for the focus it asked for (at most kFocusWait) before a loss of the focus hides it.
//
// Its height is the one its content asks for: the content's int property "viewHeight" when it has one, else the
// content's size hint; never more than the screen's free height. The property's notify signal, or else a signal
// viewHeightChanged(int) or viewHeightChanged(), resizes the window while it is shown.
class QuickListWindow : public QWidget {
    Q_OBJECT
public:
    /// Distance of the window's left edge from the right edge of the screen's free area.
    static constexpr int kRightOffset = 450;

    explicit QuickListWindow(QWidget *parent = nullptr);

    /// Takes a view as the window's content (the window owns it from then on).
    void setContent(QWidget *content);
    QWidget *content() const { return m_content; }

    /// Shows the window, brings it to the front and gives it the focus.
    void showWindow();

    /// How the desktop is asked to give the window the focus (see showAndActivate).
    DesktopActivation activateOnDesktop;

    /// How long a show waits for the focus before a loss of the program's focus hides the window again.
    static constexpr std::chrono::milliseconds kFocusWait{2000};
    /// The timers of that wait; without one a loss of the focus always hides the window.
    void setScheduler(Scheduler *scheduler) { m_scheduler = scheduler; }

    /// True once the window's position was chosen (at the first showing).
    bool isPlaced() const { return m_placed; }

public Q_SLOTS:
    /// Sizes the window to the height its content asks for now.
    void fitToContent();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    int wantedHeight() const;
    void placeOnScreen();
    void applicationStateChanged(Qt::ApplicationState state);
    void waitForTheFocus();

    QPointer<QWidget> m_content;
    bool m_placed = false;
    Scheduler *m_scheduler = nullptr;
    Scheduler::TimerId m_focusWait = 0;
    bool m_programInactive = false;
};

}  // namespace tavrin
