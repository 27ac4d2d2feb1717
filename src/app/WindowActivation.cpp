// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/WindowActivation.h"

#include <QEvent>
#include <QWindow>

namespace tavrin {

namespace {

const QString kWaiterName = QStringLiteral("tavrin-activate-when-exposed");

// Waits for the native window to be on screen, asks the desktop once, then goes.
class ActivateWhenExposed final : public QObject {
public:
    ActivateWhenExposed(QWindow *handle, DesktopActivation activate)
        : QObject(handle), m_handle(handle), m_activate(std::move(activate))
    {
        setObjectName(kWaiterName);
        handle->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_handle && event->type() == QEvent::Expose && m_handle->isExposed()) {
            m_handle->removeEventFilter(this);
            m_activate(m_handle->winId());
            deleteLater();
        }
        return false;
    }

private:
    QWindow *m_handle;
    DesktopActivation m_activate;
};

}  // namespace

void showAndActivate(QWidget *window, const DesktopActivation &activateOnDesktop)
{
    if (window->isMinimized())
        window->showNormal();
    else
        window->show();
    window->raise();
    window->activateWindow();
    if (!activateOnDesktop)
        return;
    QWindow *handle = window->windowHandle();
    if (!handle)
        return;
    if (handle->isExposed())
        activateOnDesktop(handle->winId());
    else if (!handle->findChild<QObject *>(kWaiterName, Qt::FindDirectChildrenOnly))
        new ActivateWhenExposed(handle, activateOnDesktop);
}

}  // namespace tavrin
