#pragma once

#include "platform/Scheduler.h"

#include <map>

namespace tavrin {

// A manual clock: timers fire only inside advance(), in time order, so tests never sleep.
class FakeScheduler final : public Scheduler {
public:
    TimerId scheduleOnce(std::chrono::milliseconds delay, Action action) override;
    TimerId scheduleRepeating(std::chrono::milliseconds interval, Action action) override;
    void cancel(TimerId id) override;
    bool isPending(TimerId id) const override;
    std::chrono::milliseconds now() const override { return m_now; }

    /// Moves the clock forward, firing every timer that falls due on the way (also ones scheduled meanwhile).
    void advance(std::chrono::milliseconds by);
    /// Number of timers waiting to fire.
    int pendingCount() const { return static_cast<int>(m_timers.size()); }

private:
    struct Timer {
        std::chrono::milliseconds due;
        std::chrono::milliseconds interval;  // 0 for a one-shot
        Action action;
    };
    TimerId add(std::chrono::milliseconds delay, std::chrono::milliseconds interval, Action action);

    std::map<TimerId, Timer> m_timers;
    std::chrono::milliseconds m_now{0};
    TimerId m_nextId = 1;
};

}  // namespace tavrin
