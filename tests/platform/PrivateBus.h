// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDBusConnection>
#include <QProcess>
#include <QString>
#include <QTemporaryFile>

#include <memory>

namespace tavrin::test {

// A D-Bus session bus of the test's own (dbus-daemon), with the test's connection to it; both end with the object.
// Only what the test starts on it is there.
class PrivateBus {
public:
    PrivateBus();
    ~PrivateBus();
    PrivateBus(const PrivateBus &) = delete;
    PrivateBus &operator=(const PrivateBus &) = delete;

    bool isValid() const { return m_connection.isConnected(); }
    QString address() const { return m_address; }
    QDBusConnection connection() const { return m_connection; }
    /// Starts a program with this bus as its session bus; null when it did not start.
    std::unique_ptr<QProcess> start(const QString &program, const QStringList &arguments = {}) const;
    /// Waits (with the event loop running) until the name has an owner.
    bool waitForName(const QString &name, int timeoutMs = 10000) const;

private:
    QTemporaryFile m_config;
    QProcess m_daemon;
    QString m_address;
    QString m_connectionName;
    QDBusConnection m_connection{QString()};
};

}  // namespace tavrin::test
