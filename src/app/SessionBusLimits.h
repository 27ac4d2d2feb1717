// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QDBusConnection;

namespace tavrin {

/// How much of received messages the program's bus connection holds before libdbus stops reading it.
inline constexpr long kBusReceiveLimit = 1L << 30;

/// Lets a bus connection take every message the bus passes on without pausing its reading.
///
/// libdbus stops reading a connection while more than 63 MiB of received messages are alive (one large call is
/// enough), and reads again once they are freed. QtDBus frees a call's message on the thread of the object it
/// called, the GUI thread, and libdbus then switches the bus thread's socket notifier from there; Qt refuses that
/// ("Socket notifiers cannot be enabled or disabled from another thread"), so reading never resumes and the program
/// answers no call again. Above the largest message libdbus reads (128 MiB), reading only pauses under a flood of
/// calls the program cannot keep up with. Returns false when the connection is not there.
bool widenReceiveLimit(const QDBusConnection &bus);

}  // namespace tavrin
