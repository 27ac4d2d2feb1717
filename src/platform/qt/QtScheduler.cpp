#include "platform/qt/QtScheduler.h"

#include <QTimer>

namespace tavrin {

QtScheduler::QtScheduler(QObject *parent) : QObject(parent)
{
    m_clock.start();
}

QtScheduler::~QtScheduler()
{
    for (auto &entry : m_timers)
        delete entry.second;
}

Scheduler::TimerId QtScheduler::scheduleOnce(std::chrono::milliseconds delay, Action action)
{
    return start(delay, false, std::move(action));
}

Scheduler::TimerId QtScheduler::scheduleRepeating(std::chrono::milliseconds interval, Action action)
{
    return start(interval, true, std::move(action));
}

Scheduler::TimerId QtScheduler::start(std::chrono::milliseconds interval, bool repeating, Action action)
{
    const TimerId id = m_nextId++;
    auto *timer = new QTimer(this);
    timer->setSingleShot(!repeating);
    timer->setTimerType(Qt::PreciseTimer);
    timer->setInterval(interval);
    connect(timer, &QTimer::timeout, this, [this, id, repeating, action = std::move(action)]() {
        if (!repeating) {
            // Forget the timer before running the action, so the action may schedule again.
            auto it = m_timers.find(id);
            if (it != m_timers.end()) {
                it->second->deleteLater();
                m_timers.erase(it);
            }
        }
        action();
    });
    m_timers.emplace(id, timer);
    timer->start();
    return id;
}

void QtScheduler::cancel(TimerId id)
{
    auto it = m_timers.find(id);
    if (it == m_timers.end())
        return;
    it->second->stop();
    it->second->deleteLater();
    m_timers.erase(it);
}

bool QtScheduler::isPending(TimerId id) const
{
    return m_timers.count(id) != 0;
}

std::chrono::milliseconds QtScheduler::now() const
{
    return std::chrono::milliseconds(m_clock.elapsed());
}

}  // namespace tavrin
