// SPDX-License-Identifier: GPL-3.0-or-later
#include "capture/LastChangeCount.h"

#include "platform/Clipboard.h"

namespace tavrin {

std::int64_t LastChangeCount::value() const
{
    std::lock_guard lock(m_mutex);
    return m_value;
}

void LastChangeCount::set(std::int64_t count)
{
    std::lock_guard lock(m_mutex);
    m_value = count;
}

std::optional<std::int64_t> LastChangeCount::takeChange(const Clipboard &clipboard)
{
    std::lock_guard lock(m_mutex);
    if (m_writing > 0)
        return std::nullopt;
    const std::int64_t count = clipboard.changeCount();
    if (count == m_value)
        return std::nullopt;
    m_value = count;
    return count;
}

bool LastChangeCount::isCurrent(std::int64_t change, const Clipboard &clipboard) const
{
    std::lock_guard lock(m_mutex);
    return m_writing == 0 && m_value == change && clipboard.changeCount() == change;
}

void LastChangeCount::raiseAndWrite(const std::function<void()> &write)
{
    {
        std::lock_guard lock(m_mutex);
        ++m_value;
        ++m_writing;
    }
    // The lock is not held while writing: a backend may run its event loop, and a capture check on this thread
    // must then see "busy" instead of deadlocking.
    struct Done {
        LastChangeCount *self;
        ~Done()
        {
            std::lock_guard lock(self->m_mutex);
            --self->m_writing;
        }
    } done{this};
    write();
}

}  // namespace tavrin
