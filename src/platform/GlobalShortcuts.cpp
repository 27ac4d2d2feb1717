// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/GlobalShortcuts.h"

#include <QDebug>

namespace tavrin {

QDebug operator<<(QDebug debug, const ShortcutStatus &status)
{
    const QDebugStateSaver saver(debug);
    debug.noquote().nospace();
    switch (status.state) {
    case ShortcutStatus::State::Active: return debug << "active";
    case ShortcutStatus::State::Pending: return debug << "pending";
    case ShortcutStatus::State::Refused: return debug << "refused: " << status.reason;
    }
    return debug;
}

}  // namespace tavrin
