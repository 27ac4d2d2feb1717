#include "platform/qt/QtDispatcher.h"

#include <QMetaObject>

namespace tavrin {

QtDispatcher::QtDispatcher(QObject *parent) : QObject(parent)
{
    for (QThreadPool &lane : m_lanes)
        lane.setMaxThreadCount(1);  // one job at a time, in order; an idle lane's thread ends after 30 s
}

QtDispatcher::~QtDispatcher()
{
    // Before the QObject goes: a job that is still running may hand its follow-up to this object.
    for (QThreadPool &lane : m_lanes) {
        lane.clear();
        lane.waitForDone();
    }
}

void QtDispatcher::runInBackground(Lane lane, Job job)
{
    m_lanes[std::size_t(lane)].start([this, job = std::move(job)] {
        if (Task followUp = job())
            postToGuiThread(std::move(followUp));
    });
}

void QtDispatcher::postToGuiThread(Task task)
{
    // This object lives on the GUI thread, so a queued call runs there whichever thread asks; Qt drops it when
    // the object is gone first.
    QMetaObject::invokeMethod(this, std::move(task), Qt::QueuedConnection);
}

}  // namespace tavrin
