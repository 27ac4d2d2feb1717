// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Scheduler.h"

#include <QObject>
#include <QPointer>

#include <map>

namespace tavrin {

// A manual clock: timers fire only inside advance(), in time order, so tests never sleep. A timer whose context is
// gone is forgotten, as a QTimer child would be.
class FakeScheduler final : public Scheduler {
public:
    TimerId scheduleOnce(std::chrono::milliseconds delay, QObject *context, Action action) override;
    TimerId scheduleRepeating(std::chrono::milliseconds interval, QObject *context, Action action) override;
    void cancel(TimerId id) override;
    bool isPending(TimerId id) const override;
    std::chrono::milliseconds now() const override { return m_now; }

    /// Moves the clock forward, firing every timer that falls due on the way (also ones scheduled meanwhile).
    void advance(std::chrono::milliseconds by);
    /// Number of timers waiting to fire.
    int pendingCount() const;

private:
    struct Timer {
        std::chrono::milliseconds due;
        std::chrono::milliseconds interval;  // 0 for a one-shot
        QPointer<QObject> context;
        Action action;
    };
    TimerId add(std::chrono::milliseconds delay, std::chrono::milliseconds interval, QObject *context, Action action);
    /// Forgets the timers whose context is gone.
    void forgetOrphans() const;

    mutable std::map<TimerId, Timer> m_timers;
    std::chrono::milliseconds m_now{0};
    TimerId m_nextId = 1;
};

}  // namespace tavrin
