#pragma once

#include <chrono>
#include <cstdint>
#include <functional>

namespace tavrin {

// Timers on the GUI thread's event loop; tests swap in a manual clock.
class Scheduler {
public:
    using TimerId = std::uint64_t;  // 0 is never a valid id
    using Action = std::function<void()>;

    Scheduler() = default;
    Scheduler(const Scheduler &) = delete;
    Scheduler &operator=(const Scheduler &) = delete;
    virtual ~Scheduler() = default;

    /// Runs action once after delay; returns its id.
    virtual TimerId scheduleOnce(std::chrono::milliseconds delay, Action action) = 0;
    /// Runs action every interval until cancelled; returns its id.
    virtual TimerId scheduleRepeating(std::chrono::milliseconds interval, Action action) = 0;
    /// Stops a timer; unknown or finished ids are ignored.
    virtual void cancel(TimerId id) = 0;
    /// True while a timer is waiting to fire (a one-shot that fired is no longer pending).
    virtual bool isPending(TimerId id) const = 0;
    /// Monotonic time since an arbitrary start.
    virtual std::chrono::milliseconds now() const = 0;
};

}  // namespace tavrin
