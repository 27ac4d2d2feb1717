// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Dispatcher.h"

#include <QObject>
#include <QPointer>
#include <QThreadPool>

#include <array>
#include <mutex>
#include <vector>

namespace tavrin {

// Each lane is a thread pool of its own (none of Qt's global pool, which other code shares); follow-ups come back
// through the GUI thread's event queue.
class QtDispatcher final : public QObject, public Dispatcher {
    Q_OBJECT
public:
    explicit QtDispatcher(QObject *parent = nullptr);
    ~QtDispatcher() override;

    void runInBackground(Lane lane, QObject *context, Job job) override;

private:
    struct Finished {
        QPointer<QObject> context;
        Task followUp;
        Job job;  // ends on the GUI thread, see runInBackground()
    };
    void handBack(Finished finished);
    Q_INVOKABLE void runFinished();

    std::array<QThreadPool, 5> m_lanes;
    std::mutex m_mutex;
    std::vector<Finished> m_finished;
};

}  // namespace tavrin
