// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Dispatcher.h"

#include <QObject>
#include <QPointer>

#include <deque>
#include <optional>
#include <utility>

namespace tavrin {

// Queues both kinds of work until the test runs them, so every interleaving can be staged. All lanes share one
// queue in the order the jobs came; a follow-up whose context is gone when it is run does nothing.
class FakeDispatcher final : public Dispatcher {
public:
    void runInBackground(Lane lane, QObject *context, Job job) override;

    /// Runs queued background jobs (also those queued meanwhile), queueing their follow-ups; returns how many ran.
    int runBackground();
    /// Runs queued main-thread tasks (also those queued meanwhile); returns how many ran.
    int runMain();
    /// Runs both queues until both are empty.
    void runAll();

    /// Background jobs waiting, on every lane or on one.
    int backgroundCount(std::optional<Lane> lane = std::nullopt) const;
    int mainCount() const { return static_cast<int>(m_main.size()); }

private:
    struct Queued {
        Lane lane;
        QPointer<QObject> context;
        Job job;
    };
    std::deque<Queued> m_background;
    std::deque<std::pair<QPointer<QObject>, Task>> m_main;
};

}  // namespace tavrin
