// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/QtScheduler.h"

#include <QTimer>

namespace tavrin {

QtScheduler::QtScheduler(QObject *parent) : QObject(parent)
{
    m_clock.start();
}

QtScheduler::~QtScheduler()
{
    // A timer whose context outlives us would call into the bookkeeping that goes now.
    for (auto &entry : m_timers) {
        disconnect(entry.second, &QObject::destroyed, this, nullptr);
        delete entry.second;
    }
}

Scheduler::TimerId QtScheduler::scheduleOnce(std::chrono::milliseconds delay, QObject *context, Action action)
{
    return start(delay, false, context, std::move(action));
}

Scheduler::TimerId QtScheduler::scheduleRepeating(std::chrono::milliseconds interval, QObject *context, Action action)
{
    return start(interval, true, context, std::move(action));
}

Scheduler::TimerId QtScheduler::start(std::chrono::milliseconds interval, bool repeating, QObject *context,
                                      Action action)
{
    Q_ASSERT(context);
    const TimerId id = m_nextId++;
    auto *timer = new QTimer(context);
    timer->setSingleShot(!repeating);
    timer->setTimerType(Qt::PreciseTimer);
    timer->setInterval(interval);
    connect(timer, &QObject::destroyed, this, [this, id] { m_timers.erase(id); });
    connect(timer, &QTimer::timeout, context, [this, id, timer, repeating, action = std::move(action)]() {
        if (!repeating) {
            // Forget the timer before running the action, so the action may schedule again.
            m_timers.erase(id);
            disconnect(timer, &QObject::destroyed, this, nullptr);
            timer->deleteLater();
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
    QTimer *timer = it->second;
    m_timers.erase(it);
    disconnect(timer, &QObject::destroyed, this, nullptr);
    timer->stop();
    timer->deleteLater();
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
