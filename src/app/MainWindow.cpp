// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/MainWindow.h"

#include "ui/onboarding/WelcomePane.h"
#include "ui/widgets/ScreenFit.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QVBoxLayout>

namespace tavrin {

MainWindow::MainWindow(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setWindowTitle(QStringLiteral("Tavrin"));
    setAccessibleName(QStringLiteral("Tavrin"));
    setAttribute(Qt::WA_QuitOnClose, false);
    setMinimumSize(640, 400);
    resize(880, 560);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
}

void MainWindow::setContent(QWidget *content)
{
    if (m_content == content)
        return;
    if (m_content) {
        layout()->removeWidget(m_content);
        m_content->deleteLater();
    }
    m_content = content;
    if (content)
        layout()->addWidget(content);
    // The application's quit is told from the user's close only while the welcome steps are shown; the filter sees
    // every event of the program, so it is there no longer than that.
    if (qobject_cast<WelcomePane *>(content))
        QCoreApplication::instance()->installEventFilter(this);
    else
        QCoreApplication::instance()->removeEventFilter(this);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // A quit closes every window too: it must neither finish the steps nor be held up by them.
    if (auto *welcome = qobject_cast<WelcomePane *>(m_content.data());
        welcome && !welcome->isFinished() && !m_quitting) {
        event->ignore();
        welcome->finish();
        return;
    }
    QWidget::closeEvent(event);
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == QCoreApplication::instance() && event->type() == QEvent::Quit)
        m_quitting = true;
    return QWidget::eventFilter(watched, event);
}

void MainWindow::showWindow()
{
    // Each opening starts inside the screen's free area, whatever the scale factor made of the size asked for.
    if (!isVisible())
        fitInsideAvailableArea(this);
    showAndActivate(this, activateOnDesktop);
}

}  // namespace tavrin
