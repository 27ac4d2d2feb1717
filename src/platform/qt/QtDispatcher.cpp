#include "platform/qt/QtDispatcher.h"

#include <QMetaObject>
#include <QThreadPool>

namespace tavrin {

QtDispatcher::QtDispatcher(QObject *parent) : QObject(parent) {}

void QtDispatcher::runInBackground(Task task)
{
    QThreadPool::globalInstance()->start(std::move(task));
}

void QtDispatcher::runOnMain(Task task)
{
    // This object lives on the GUI thread, so a queued call runs there whichever thread asks.
    QMetaObject::invokeMethod(this, std::move(task), Qt::QueuedConnection);
}

}  // namespace tavrin
