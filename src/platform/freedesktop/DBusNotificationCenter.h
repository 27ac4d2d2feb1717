// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/NotificationCenter.h"

#include <QDBusConnection>
#include <QMultiHash>
#include <QObject>

namespace tavrin {

// Notifications between the user's processes as one D-Bus signal on the session bus: every process that observes a
// name receives each notification of it, the sender's own included.
class DBusNotificationCenter final : public QObject, public NotificationCenter {
    Q_OBJECT
public:
    /// Where the signal is sent from and what it is called (the launcher observes it too).
    static constexpr const char *kPath = "/io/tavrin/Notifications";
    static constexpr const char *kInterface = "io.tavrin.Notifications";
    static constexpr const char *kSignal = "Posted";

    explicit DBusNotificationCenter(const QDBusConnection &bus, QObject *parent = nullptr);

    void post(const QString &name, const QString &object) override;
    void addObserver(const QString &name, Observer observer) override;

private Q_SLOTS:
    void deliver(const QString &name, const QString &object);

private:
    QDBusConnection m_bus;
    QMultiHash<QString, Observer> m_observers;
    bool m_listening = false;
};

}  // namespace tavrin
