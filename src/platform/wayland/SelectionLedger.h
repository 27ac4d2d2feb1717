// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>

namespace tavrin {

// Tells another program's copies from the echoes of our own writes, as the compositor announces selections.
//
// Every write of ours carries a serial in its offer. A selection announced while a write of ours is still on its
// way was replaced by that write before anyone could read it, so it is no copy to record.
class SelectionLedger {
public:
    enum class Verdict {
        Ours,  // the echo of a write of ours
        Foreign,  // another program's copy
        Superseded,  // replaced by a write of ours already sent
        Emptied,  // nothing is selected: the owner quit or cleared it
    };

    /// The serial for the next write of ours (from 1).
    std::uint64_t beginWrite() { return ++m_lastWrite; }
    /// A write that will never be announced (its source was cancelled, or it could not be sent) stops being awaited.
    void settle(std::uint64_t serial);
    /// Classifies a new selection: ownSerial is the serial of our mark when the offer carries one.
    Verdict classify(bool empty, std::optional<std::uint64_t> ownSerial);
    /// True while a write of ours has not been announced yet.
    bool awaitingWrite() const { return m_settled < m_lastWrite; }

private:
    std::uint64_t m_lastWrite = 0;
    std::uint64_t m_settled = 0;
};

}  // namespace tavrin
