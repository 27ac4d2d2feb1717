#include "app/PlainQueueWindow.h"

#include "capture/SequentialMode.h"
#include "capture/SequentialQueue.h"

#include <QListWidget>

namespace tavrin {

PlainQueueWindow::PlainQueueWindow(SequentialMode &mode, const SequentialQueue &queue, QObject *parent)
    : QObject(parent), m_queue(queue), m_list(std::make_unique<QListWidget>())
{
    m_list->setWindowTitle(QStringLiteral("Sequential Paste Queue"));
    m_list->setWindowFlags(Qt::Tool | Qt::WindowStaysOnTopHint);
    m_list->setProperty(kKeepShownProperty, true);
    m_list->resize(300, SequentialMode::kMinimumQueueHeight * 4);
    connect(&mode, &SequentialMode::queueChanged, this, &PlainQueueWindow::reload);
    connect(&mode, &SequentialMode::queueCleared, this, &PlainQueueWindow::reload);
}

PlainQueueWindow::~PlainQueueWindow() = default;

bool PlainQueueWindow::isVisible() const
{
    return m_list->isVisible();
}

void PlainQueueWindow::show(bool activate)
{
    reload();
    // Shown from the menu, the window must not take the focus from the application the user copies in.
    m_list->setAttribute(Qt::WA_ShowWithoutActivating, !activate);
    m_list->show();
    if (activate) {
        m_list->raise();
        m_list->activateWindow();
    }
}

void PlainQueueWindow::close()
{
    m_list->hide();
}

void PlainQueueWindow::reload()
{
    m_list->clear();
    m_list->addItems(m_queue.items());
}

}  // namespace tavrin
