// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/fake/FakeScheduler.h"

namespace tavrin {

Scheduler::TimerId FakeScheduler::add(std::chrono::milliseconds delay, std::chrono::milliseconds interval,
                                      QObject *context, Action action)
{
    Q_ASSERT(context);
    const TimerId id = m_nextId++;
    m_timers.emplace(id, Timer{m_now + delay, interval, context, std::move(action)});
    return id;
}

Scheduler::TimerId FakeScheduler::scheduleOnce(std::chrono::milliseconds delay, QObject *context, Action action)
{
    return add(delay, std::chrono::milliseconds(0), context, std::move(action));
}

Scheduler::TimerId FakeScheduler::scheduleRepeating(std::chrono::milliseconds interval, QObject *context, Action action)
{
    // A zero interval would fire forever inside one advance().
    return add(interval, std::max(interval, std::chrono::milliseconds(1)), context, std::move(action));
}

void FakeScheduler::forgetOrphans() const
{
    std::erase_if(m_timers, [](const auto &entry) { return entry.second.context.isNull(); });
}

int FakeScheduler::pendingCount() const
{
    forgetOrphans();
    return static_cast<int>(m_timers.size());
}

void FakeScheduler::cancel(TimerId id)
{
    m_timers.erase(id);
}

bool FakeScheduler::isPending(TimerId id) const
{
    forgetOrphans();
    return m_timers.count(id) != 0;
}

void FakeScheduler::advance(std::chrono::milliseconds by)
{
    const std::chrono::milliseconds end = m_now + by;
    for (;;) {
        forgetOrphans();
        // The earliest due timer; ties fire in the order they were scheduled.
        auto next = m_timers.end();
        for (auto it = m_timers.begin(); it != m_timers.end(); ++it) {
            if (it->second.due <= end && (next == m_timers.end() || it->second.due < next->second.due))
                next = it;
        }
        if (next == m_timers.end())
            break;
        m_now = next->second.due;
        Action action = next->second.action;
        if (next->second.interval.count() > 0)
            next->second.due += next->second.interval;
        else
            m_timers.erase(next);
        action();
    }
    m_now = end;
}

}  // namespace tavrin
