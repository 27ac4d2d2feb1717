// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/QtDispatcher.h"

#include <QMetaObject>
#include <QPointer>
#include <QThread>

namespace tavrin {

QtDispatcher::QtDispatcher(QObject *parent) : QObject(parent)
{
    for (QThreadPool &lane : m_lanes)
        lane.setMaxThreadCount(1);  // one job at a time, in order; an idle lane's thread ends after 30 s
    m_lanes[std::size_t(Lane::Output)].setMaxThreadCount(2);
    // Freeing can wait until nothing else wants the cores: it must not slow the search that follows it.
    m_lanes[std::size_t(Lane::Release)].setThreadPriority(QThread::IdlePriority);
}

QtDispatcher::~QtDispatcher()
{
    // Before the QObject goes: a job that is still running may hand its follow-up to this object.
    for (QThreadPool &lane : m_lanes) {
        lane.clear();
        lane.waitForDone();
    }
}

void QtDispatcher::runInBackground(Lane lane, QObject *context, Job job)
{
    Q_ASSERT(context);
    // Taken here, on the context's own thread, while it surely exists; only copied and tested later.
    QPointer<QObject> guard(context);
    m_lanes[std::size_t(lane)].start([this, guard = std::move(guard), job = std::move(job)] {
        Task followUp = job();
        if (!followUp)
            return;
        // This object lives on the GUI thread and outlives every job, so a queued call to it runs there whichever
        // thread asks; the context may have gone meanwhile, which only the GUI thread can tell.
        QMetaObject::invokeMethod(
            this,
            [guard, followUp = std::move(followUp)] {
                if (guard)
                    followUp();
            },
            Qt::QueuedConnection);
    });
}

}  // namespace tavrin
