#include "platform/fake/FakeDispatcher.h"

#include <algorithm>

namespace tavrin {

int FakeDispatcher::runBackground()
{
    int ran = 0;
    while (!m_background.empty()) {
        Job job = std::move(m_background.front().second);
        m_background.pop_front();
        if (Task followUp = job())
            m_main.push_back(std::move(followUp));
        ++ran;
    }
    return ran;
}

int FakeDispatcher::runMain()
{
    int ran = 0;
    while (!m_main.empty()) {
        Task task = std::move(m_main.front());
        m_main.pop_front();
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
        std::count_if(m_background.begin(), m_background.end(), [&](const auto &job) { return job.first == *lane; }));
}

}  // namespace tavrin
