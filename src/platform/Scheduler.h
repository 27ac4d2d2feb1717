// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>

class QObject;

namespace tavrin {

// Timers on the GUI thread's event loop; tests swap in a manual clock.
//
// Every timer belongs to a context object on the GUI thread and dies with it: an action never runs after the object
// it serves is gone, whether or not anybody cancelled it.
class Scheduler {
public:
    using TimerId = std::uint64_t;  // 0 is never a valid id
    using Action = std::function<void()>;

    Scheduler() = default;
    Scheduler(const Scheduler &) = delete;
    Scheduler &operator=(const Scheduler &) = delete;
    virtual ~Scheduler() = default;

    /// Runs action once after delay, unless context is destroyed first; returns its id.
    virtual TimerId scheduleOnce(std::chrono::milliseconds delay, QObject *context, Action action) = 0;
    /// Runs action every interval until cancelled or until context is destroyed; returns its id.
    virtual TimerId scheduleRepeating(std::chrono::milliseconds interval, QObject *context, Action action) = 0;
    /// Stops a timer; unknown or finished ids are ignored.
    virtual void cancel(TimerId id) = 0;
    /// True while a timer is waiting to fire (a one-shot that fired, or whose context went, is no longer pending).
    virtual bool isPending(TimerId id) const = 0;
    /// Monotonic time since an arbitrary start.
    virtual std::chrono::milliseconds now() const = 0;
};

}  // namespace tavrin
