#include "platform/fake/FakeDispatcher.h"

namespace tavrin {

int FakeDispatcher::drain(std::deque<Task> &queue)
{
    int ran = 0;
    while (!queue.empty()) {
        Task task = std::move(queue.front());
        queue.pop_front();
        task();
        ++ran;
    }
    return ran;
}

int FakeDispatcher::runBackground()
{
    return drain(m_background);
}

int FakeDispatcher::runMain()
{
    return drain(m_main);
}

void FakeDispatcher::runAll()
{
    while (runBackground() + runMain() > 0) {
    }
}

}  // namespace tavrin
