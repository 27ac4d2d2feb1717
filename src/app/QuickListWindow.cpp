// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/QuickListWindow.h"

#include "app/AppLog.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMetaProperty>
#include <QScreen>
#include <QVBoxLayout>

namespace tavrin {

namespace {
const char *const kHeightProperty = "viewHeight";
}

QuickListWindow::QuickListWindow(QWidget *parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setWindowTitle(QStringLiteral("Tavrin"));
    setAttribute(Qt::WA_QuitOnClose, false);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    connect(qGuiApp, &QGuiApplication::applicationStateChanged, this, &QuickListWindow::applicationStateChanged);
}

void QuickListWindow::setContent(QWidget *content)
{
    if (m_content == content)
        return;
    if (m_content) {
        disconnect(m_content, nullptr, this, nullptr);
        m_content->deleteLater();
    }
    m_content = content;
    if (!content)
        return;
    layout()->addWidget(content);
    // The content announces a new wanted height with its property's notify signal, or a signal of that name.
    const QMetaObject *meta = content->metaObject();
    const int property = meta->indexOfProperty(kHeightProperty);
    QMetaMethod changed;
    if (property >= 0 && meta->property(property).hasNotifySignal())
        changed = meta->property(property).notifySignal();
    for (const char *signature : {"viewHeightChanged(int)", "viewHeightChanged()"}) {
        if (!changed.isValid() && meta->indexOfSignal(signature) >= 0)
            changed = meta->method(meta->indexOfSignal(signature));
    }
    if (changed.isValid())
        connect(content, changed, this, metaObject()->method(metaObject()->indexOfSlot("fitToContent()")));
    fitToContent();
}

int QuickListWindow::wantedHeight() const
{
    if (!m_content)
        return 0;
    bool ok = false;
    const int height = m_content->property(kHeightProperty).toInt(&ok);
    return ok ? height : m_content->sizeHint().height();
}

void QuickListWindow::fitToContent()
{
    if (!m_content)
        return;
    int height = wantedHeight();
    if (const QScreen *screen = this->screen())
        height = std::min(height, screen->availableGeometry().height());
    const int width = std::min(m_content->sizeHint().width(), kRightOffset);
    // The top edge stays where it is: the window grows and shrinks downwards from under the panel.
    setFixedSize(std::max(width, 1), std::max(height, 1));
}

void QuickListWindow::placeOnScreen()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect free = screen->availableGeometry();
    move(free.x() + free.width() - kRightOffset, free.y());
    m_placed = true;
}

void QuickListWindow::showWindow()
{
    // The place is chosen once, at the first showing; the height follows the content every time.
    if (!m_placed)
        placeOnScreen();
    fitToContent();
    waitForTheFocus();
    showAndActivate(this, activateOnDesktop);
}

void QuickListWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void QuickListWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && m_scheduler) {
        m_scheduler->cancel(m_focusWait);
        m_focusWait = 0;
    }
    QWidget::changeEvent(event);
}

void QuickListWindow::waitForTheFocus()
{
    if (!m_scheduler)
        return;
    m_scheduler->cancel(m_focusWait);
    m_focusWait = m_scheduler->scheduleOnce(kFocusWait, this, [this] {
        m_focusWait = 0;
        // Never given the focus (the desktop refused it), the window goes as the program's focus did.
        if (m_programInactive && isVisible())
            hide();
    });
}

void QuickListWindow::applicationStateChanged(Qt::ApplicationState state)
{
    m_programInactive = state != Qt::ApplicationActive;
    if (!m_programInactive || !isVisible())
        return;
    // The loss of the focus is reported late (Qt's X11 backend waits 100 ms for the focus to come back), so a loss
    // reported while the window waits for the focus it was just given may be the one from before it was shown.
    if (m_scheduler && m_scheduler->isPending(m_focusWait)) {
        qCDebug(lcApp, "the list waits for the focus: the program lost it before the list was shown");
        return;
    }
    hide();
}

}  // namespace tavrin
