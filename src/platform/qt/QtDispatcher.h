// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Dispatcher.h"

#include <QObject>
#include <QThreadPool>

#include <array>

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
    std::array<QThreadPool, 5> m_lanes;
};

}  // namespace tavrin
