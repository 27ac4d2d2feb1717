// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/WindowActivation.h"

#include <QWidget>

namespace tavrin {

class PasteAccessGuide;

// The permission guide's window: borderless, above ordinary windows, moved by dragging its background,
// closed by its close button or Escape. Created once and shown again each time pasting fails.
class PasteAccessGuideWindow : public QWidget {
    Q_OBJECT
public:
    /// Takes the guide as its content (the window owns it from then on).
    explicit PasteAccessGuideWindow(PasteAccessGuide *content);

    PasteAccessGuide *content() const { return m_content; }
    /// Shows the window, brings it to the front and gives it the focus.
    void showGuide();

    /// How the desktop is asked to give the window the focus (see showAndActivate).
    DesktopActivation activateOnDesktop;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    void placeOnScreen();

    PasteAccessGuide *m_content;
    bool m_placed = false;
};

}  // namespace tavrin
