// SPDX-License-Identifier: GPL-3.0-or-later
#include "PrivateBus.h"

#include <QDBusConnectionInterface>
#include <QTest>

#include <atomic>

namespace tavrin::test {

PrivateBus::PrivateBus()
{
    static std::atomic<int> next{0};
    // No service folders: nothing of the system (a real portal) is started on this bus on demand.
    if (!m_config.open())
        return;
    m_config.write(R"(<busconfig>
  <type>session</type>
  <listen>unix:tmpdir=/tmp</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
)");
    m_config.flush();
    m_daemon.start(QStringLiteral("dbus-daemon"), {QStringLiteral("--config-file=") + m_config.fileName(),
                                                   QStringLiteral("--nofork"), QStringLiteral("--print-address=1")});
    if (!m_daemon.waitForStarted(5000))
        return;
    while (!m_daemon.canReadLine() && m_daemon.waitForReadyRead(5000)) {
    }
    m_address = QString::fromUtf8(m_daemon.readLine()).trimmed();
    m_connectionName = QStringLiteral("private-bus-%1").arg(++next);
    m_connection = QDBusConnection::connectToBus(m_address, m_connectionName);
}

PrivateBus::~PrivateBus()
{
    QDBusConnection::disconnectFromBus(m_connectionName);
    m_daemon.terminate();
    if (!m_daemon.waitForFinished(5000))
        m_daemon.kill();
}

std::unique_ptr<QProcess> PrivateBus::start(const QString &program, const QStringList &arguments) const
{
    auto process = std::make_unique<QProcess>();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), m_address);
    process->setProcessEnvironment(environment);
    process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process->setStandardOutputFile(QProcess::nullDevice());
    process->start(program, arguments);
    if (!process->waitForStarted(5000))
        return nullptr;
    return process;
}

bool PrivateBus::waitForName(const QString &name, int timeoutMs) const
{
    return QTest::qWaitFor([&] { return m_connection.interface()->isServiceRegistered(name).value(); }, timeoutMs);
}

}  // namespace tavrin::test
