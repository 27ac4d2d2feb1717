// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/fake/FakeDispatcher.h"

#include <algorithm>

namespace tavrin {

void FakeDispatcher::runInBackground(Lane lane, QObject *context, Job job)
{
    Q_ASSERT(context);
    m_background.push_back(Queued{lane, context, std::move(job)});
}

int FakeDispatcher::runBackground()
{
    int ran = 0;
    while (!m_background.empty()) {
        Queued queued = std::move(m_background.front());
        m_background.pop_front();
        if (Task followUp = queued.job())
            m_main.emplace_back(queued.context, std::move(followUp));
        ++ran;
    }
    return ran;
}

int FakeDispatcher::runMain()
{
    int ran = 0;
    while (!m_main.empty()) {
        auto [context, task] = std::move(m_main.front());
        m_main.pop_front();
        if (context)
            task();
        ++ran;
    }
    return ran;
}

void FakeDispatcher::runAll()
{
    while (runBackground() + runMain() > 0) {
    }
}

int FakeDispatcher::backgroundCount(std::optional<Lane> lane) const
{
    if (!lane)
        return static_cast<int>(m_background.size());
    return static_cast<int>(
        std::count_if(m_background.begin(), m_background.end(), [&](const Queued &job) { return job.lane == *lane; }));
}

}  // namespace tavrin
