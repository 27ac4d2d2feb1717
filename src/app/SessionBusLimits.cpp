// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/SessionBusLimits.h"

#include "app/AppLog.h"

#include <QDBusConnection>

#include <dbus/dbus.h>

namespace tavrin {

bool widenReceiveLimit(const QDBusConnection &bus)
{
    auto *connection = static_cast<DBusConnection *>(bus.internalPointer());
    if (!bus.isConnected() || !connection)
        return false;
    dbus_connection_set_max_received_size(connection, kBusReceiveLimit);
    qCDebug(lcApp, "the bus connection reads up to %ld bytes of messages ahead (one message: at most %ld)",
            dbus_connection_get_max_received_size(connection), dbus_connection_get_max_message_size(connection));
    return true;
}

}  // namespace tavrin
