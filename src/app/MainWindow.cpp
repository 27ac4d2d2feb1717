#include "app/MainWindow.h"

#include "ui/onboarding/WelcomePane.h"

#include <QCloseEvent>
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
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (auto *welcome = qobject_cast<WelcomePane *>(m_content.data()); welcome && !welcome->isFinished()) {
        event->ignore();
        welcome->finish();
        return;
    }
    QWidget::closeEvent(event);
}

void MainWindow::showWindow()
{
    showAndActivate(this, activateOnDesktop);
}

}  // namespace tavrin
