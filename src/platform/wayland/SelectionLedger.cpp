// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/wayland/SelectionLedger.h"

#include <algorithm>

namespace tavrin {

void SelectionLedger::settle(std::uint64_t serial)
{
    m_settled = std::max(m_settled, std::min(serial, m_lastWrite));
}

SelectionLedger::Verdict SelectionLedger::classify(bool empty, std::optional<std::uint64_t> ownSerial)
{
    if (ownSerial) {
        // Writes are announced in order: this one's arrival means the earlier ones are done too.
        settle(*ownSerial);
        return Verdict::Ours;
    }
    if (awaitingWrite())
        return Verdict::Superseded;
    return empty ? Verdict::Emptied : Verdict::Foreign;
}

}  // namespace tavrin
