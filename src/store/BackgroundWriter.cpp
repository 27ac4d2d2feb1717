// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/BackgroundWriter.h"

#include <QMetaObject>

#include <algorithm>

namespace tavrin {

BackgroundWriter::BackgroundWriter(QObject *parent) : QObject(parent), m_thread([this] { run(); }) {}

BackgroundWriter::~BackgroundWriter()
{
    {
        std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_wake.notify_one();
    m_thread.join();
}

void BackgroundWriter::write(const QString &path, Job job, quint64 tag)
{
    {
        std::lock_guard lock(m_mutex);
        const auto same = std::find_if(m_waiting.begin(), m_waiting.end(),
                                       [&path](const Request &request) { return request.path == path; });
        if (same != m_waiting.end())
            *same = Request{path, std::move(job), tag};
        else
            m_waiting.push_back(Request{path, std::move(job), tag});
    }
    m_wake.notify_one();
}

bool BackgroundWriter::flush()
{
    bool lastOk = true;
    {
        std::unique_lock lock(m_mutex);
        m_idle.wait(lock, [this] { return m_waiting.empty() && !m_busy; });
        lastOk = m_lastOk;
    }
    report();
    return lastOk;
}

void BackgroundWriter::run()
{
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_wake.wait(lock, [this] { return !m_waiting.empty() || m_stopping; });
        if (m_waiting.empty())
            return;
        Request request = std::move(m_waiting.front());
        m_waiting.pop_front();
        m_busy = true;
        lock.unlock();
        QString error;
        const bool ok = request.job(&error);
        lock.lock();
        m_busy = false;
        m_lastOk = ok;
        const bool first = m_outcomes.isEmpty();
        // The job's snapshot (an implicitly shared list) goes back with the outcome: released here, its owner could
        // find the list unshared without having seen this thread finish reading it, and edit it in place.
        m_outcomes.append(Outcome{std::move(request.path), request.tag, ok, error, std::move(request.job)});
        // One hand-over for all outcomes gathered meanwhile; while stopping, nobody is left to report to.
        if (first && !m_stopping)
            QMetaObject::invokeMethod(this, &BackgroundWriter::report, Qt::QueuedConnection);
        m_idle.notify_all();
    }
}

void BackgroundWriter::report()
{
    QList<Outcome> outcomes;
    {
        std::lock_guard lock(m_mutex);
        outcomes.swap(m_outcomes);
    }
    for (const Outcome &outcome : std::as_const(outcomes))
        Q_EMIT finished(outcome.path, outcome.tag, outcome.ok, outcome.error);
}

}  // namespace tavrin
