// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/QtDispatcher.h"

#include "platform/qt/HandOffAnnotations.h"

#include <QMetaObject>
#include <QThread>

namespace tavrin {

namespace {
// One point for every hand-over to a lane: a job cannot read where its own hand-over was marked before it is told.
const char laneHandOff = 0;
}  // namespace

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
    // What the jobs handed back for follow-ups that will not run now ends here, after the jobs that left it.
    std::lock_guard lock(m_mutex);
    m_finished.clear();
}

void QtDispatcher::runInBackground(Lane lane, QObject *context, Job job)
{
    Q_ASSERT(context);
    // Taken here, on the context's own thread, while it surely exists; only copied and tested later.
    std::function<void()> work = [this, context = QPointer<QObject>(context), job = std::move(job)]() mutable {
        handedOver(&laneHandOff);
        Task followUp = job();
        // The job goes back too, to end on the GUI thread: what it captured is often an implicitly shared snapshot
        // of a list the GUI thread edits, and released here the GUI thread could find that list unshared without
        // having seen this thread finish reading it.
        handBack(Finished{std::move(context), std::move(followUp), std::move(job)});
    };
    handingOver(&laneHandOff);
    m_lanes[std::size_t(lane)].start(std::move(work));
}

void QtDispatcher::handBack(Finished finished)
{
    std::lock_guard lock(m_mutex);
    const bool first = m_finished.empty();
    m_finished.push_back(std::move(finished));
    // One queued call for everything gathered meanwhile. This object lives on the GUI thread and outlives every job,
    // so the call runs there whichever thread asks. Named rather than given as a functor, and asked under the lock
    // the destructor takes: what it hands over travels under m_mutex, and the call's own record is made and read
    // inside Qt.
    if (first)
        QMetaObject::invokeMethod(this, "runFinished", Qt::QueuedConnection);
}

void QtDispatcher::runFinished()
{
    std::vector<Finished> finished;
    {
        std::lock_guard lock(m_mutex);
        finished.swap(m_finished);
    }
    // The context may have gone meanwhile, which only the GUI thread can tell.
    for (Finished &each : finished) {
        if (each.context && each.followUp)
            each.followUp();
    }
}

}  // namespace tavrin
