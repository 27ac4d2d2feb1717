// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>

namespace tavrin {

class Clipboard;

// The clipboard change count the program last saw or caused (lastChangeCount).
//
// The capture worker and the GUI thread share it. Taking a change and "raise, then write" exclude each other: a
// capture that comes while a write of ours is under way takes nothing, so it can neither record our own write nor
// consume the old count and record a duplicate.
class LastChangeCount {
public:
    LastChangeCount() = default;
    LastChangeCount(const LastChangeCount &) = delete;
    LastChangeCount &operator=(const LastChangeCount &) = delete;

    std::int64_t value() const;
    void set(std::int64_t count);

    /// Consumes the clipboard's change when its count differs from the value; nothing while a write is under way.
    std::optional<std::int64_t> takeChange(const Clipboard &clipboard);
    /// True while the clipboard still shows the change takeChange returned: nobody wrote or copied since.
    bool isCurrent(std::int64_t change, const Clipboard &clipboard) const;
    /// Raises the value by one and runs write, as one step no takeChange can interleave with.
    void raiseAndWrite(const std::function<void()> &write);

private:
    mutable std::mutex m_mutex;
    std::int64_t m_value = 0;
    int m_writing = 0;
};

}  // namespace tavrin
