#pragma once

#include <functional>

namespace tavrin {

// Background work and hand-back to the GUI thread (stands in for the global and main dispatch queues).
class Dispatcher {
public:
    using Task = std::function<void()>;

    Dispatcher() = default;
    Dispatcher(const Dispatcher &) = delete;
    Dispatcher &operator=(const Dispatcher &) = delete;
    virtual ~Dispatcher() = default;

    /// Runs task on a background thread.
    virtual void runInBackground(Task task) = 0;
    /// Runs task on the GUI thread, after the events already queued there.
    virtual void runOnMain(Task task) = 0;
};

}  // namespace tavrin
