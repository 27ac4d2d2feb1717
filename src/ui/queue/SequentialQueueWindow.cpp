// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/queue/SequentialQueueWindow.h"

#include "ui/queue/SequentialQueueView.h"
#include "ui/widgets/ScreenFit.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>
#include <QVBoxLayout>
#include <QWidget>
#include <QWindow>

namespace tavrin {

namespace {

constexpr int kPanelWidth = 320;
constexpr int kScreenMargin = 24;
// Below where the quick-access list opens, so the two do not cover each other.
constexpr int kTopOffset = 520;

// A frameless panel has no title bar to move it by: a press on its free space moves it.
class QueuePanel final : public QWidget {
public:
    QueuePanel() : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {}

protected:
    void mousePressEvent(QMouseEvent *event) override
    {
        if (event->button() == Qt::LeftButton && windowHandle() && windowHandle()->startSystemMove())
            return;
        QWidget::mousePressEvent(event);
    }
};

}  // namespace

SequentialQueueWindow::SequentialQueueWindow(SequentialQueueView *view, QObject *parent)
    : QObject(parent), m_window(std::make_unique<QueuePanel>()), m_view(view)
{
    m_window->setWindowTitle(tr("Sequential Paste Queue"));
    m_window->setAccessibleName(tr("Sequential Paste Queue"));
    m_window->setProperty(kKeepShownProperty, true);
    m_window->setAttribute(Qt::WA_QuitOnClose, false);
    m_window->setFixedWidth(kPanelWidth);
    auto *layout = new QVBoxLayout(m_window.get());
    layout->setContentsMargins(1, 1, 1, 1);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    view->setParent(m_window.get());
    layout->addWidget(view);
    connect(view, &SequentialQueueView::closeRequested, this, &SequentialQueueWindow::close);
}

SequentialQueueWindow::~SequentialQueueWindow() = default;

bool SequentialQueueWindow::isVisible() const
{
    return m_window->isVisible();
}

void SequentialQueueWindow::show(bool activate)
{
    placeOnFirstShowing();
    // Shown from the menu, the window must not take the focus from the application the user copies in.
    m_window->setAttribute(Qt::WA_ShowWithoutActivating, !activate);
    m_window->show();
    if (activate) {
        m_window->raise();
        m_window->activateWindow();
    }
    m_view->windowShown();
    // The list it shows now decides its height: it stays inside the screen with it.
    fitInsideAvailableArea(m_window.get());
}

void SequentialQueueWindow::close()
{
    m_window->hide();
}

void SequentialQueueWindow::placeOnFirstShowing()
{
    if (m_placed)
        return;
    m_placed = true;
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    m_window->adjustSize();
    const QRect available = screen->availableGeometry();
    m_window->move(available.right() - m_window->width() - kScreenMargin,
                   available.top() + std::min(kTopOffset, available.height() / 2));
    // On a small screen (or at a large scale factor) the offset would push it past the bottom.
    fitInsideAvailableArea(m_window.get());
}

}  // namespace tavrin
