#pragma once

#include "platform/Dispatcher.h"

#include <deque>

namespace tavrin {

// Queues both kinds of work until the test runs them, so every interleaving can be staged.
class FakeDispatcher final : public Dispatcher {
public:
    void runInBackground(Task task) override { m_background.push_back(std::move(task)); }
    void runOnMain(Task task) override { m_main.push_back(std::move(task)); }

    /// Runs queued background tasks (also those queued meanwhile); returns how many ran.
    int runBackground();
    /// Runs queued main-thread tasks (also those queued meanwhile); returns how many ran.
    int runMain();
    /// Runs both queues until both are empty.
    void runAll();

    int backgroundCount() const { return static_cast<int>(m_background.size()); }
    int mainCount() const { return static_cast<int>(m_main.size()); }

private:
    static int drain(std::deque<Task> &queue);

    std::deque<Task> m_background;
    std::deque<Task> m_main;
};

}  // namespace tavrin
