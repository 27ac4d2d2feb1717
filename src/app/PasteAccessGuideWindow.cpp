// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/PasteAccessGuideWindow.h"

#include "app/PasteAccessGuide.h"
#include "ui/widgets/ScreenFit.h"

#include <QCursor>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QVBoxLayout>
#include <QWindow>

namespace tavrin {

PasteAccessGuideWindow::PasteAccessGuideWindow(PasteAccessGuide *content)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), m_content(content)
{
    setWindowTitle(QStringLiteral("Tavrin"));
    // Closing the guide only hides it; it must never end the program.
    setAttribute(Qt::WA_QuitOnClose, false);

    // Without a frame, a thin edge keeps the dark window apart from a dark desktop.
    QPalette edge = palette();
    edge.setColor(QPalette::Window, QColor(0x4a, 0x4d, 0x52));
    setPalette(edge);
    setAutoFillBackground(true);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->addWidget(content);
    connect(content, &PasteAccessGuide::dismissRequested, this, &QWidget::close);
}

void PasteAccessGuideWindow::placeOnScreen()
{
    adjustSize();
    const QScreen *screen = QGuiApplication::screenAt(QCursor::pos());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame = geometry();
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
    fitInsideAvailableArea(this);
}

void PasteAccessGuideWindow::showGuide()
{
    // Centred once; after that it opens where the user last left it.
    if (!m_placed) {
        placeOnScreen();
        m_placed = true;
    }
    showAndActivate(this, activateOnDesktop);
}

void PasteAccessGuideWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void PasteAccessGuideWindow::mousePressEvent(QMouseEvent *event)
{
    // Presses on the background (labels and pictures pass theirs up) move the window.
    if (event->button() == Qt::LeftButton && windowHandle() && windowHandle()->startSystemMove()) {
        event->accept();
        return;
    }
    QWidget::mousePressEvent(event);
}

}  // namespace tavrin
