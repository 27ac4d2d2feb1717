// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Scheduler.h"

#include <QElapsedTimer>
#include <QObject>

#include <unordered_map>

class QTimer;

namespace tavrin {

// Scheduler on QTimer; lives on the GUI thread. Each timer is a child of its context, so it goes with it.
class QtScheduler final : public QObject, public Scheduler {
    Q_OBJECT
public:
    explicit QtScheduler(QObject *parent = nullptr);
    ~QtScheduler() override;

    TimerId scheduleOnce(std::chrono::milliseconds delay, QObject *context, Action action) override;
    TimerId scheduleRepeating(std::chrono::milliseconds interval, QObject *context, Action action) override;
    void cancel(TimerId id) override;
    bool isPending(TimerId id) const override;
    std::chrono::milliseconds now() const override;

private:
    TimerId start(std::chrono::milliseconds interval, bool repeating, QObject *context, Action action);

    std::unordered_map<TimerId, QTimer *> m_timers;
    TimerId m_nextId = 1;
    QElapsedTimer m_clock;
};

}  // namespace tavrin
