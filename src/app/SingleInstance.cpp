// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/SingleInstance.h"

#include "app/AppLog.h"
#include "cli/ControlBus.h"

#include <QDBusConnectionInterface>
#include <QDBusError>
#include <QDBusMessage>

namespace tavrin {

namespace {

// A later start waits this long for the running program to answer.
constexpr int kCallTimeoutMs = 5000;

}  // namespace

SingleInstance::SingleInstance(const QDBusConnection &bus, const QString &display, QObject *parent)
    : QObject(parent), m_bus(bus), m_service(bus::serviceName(display))
{
}

SingleInstance::~SingleInstance()
{
    leaveBus();
}

void SingleInstance::leaveBus()
{
    if (!m_registered)
        return;
    m_registered = false;
    m_bus.unregisterObject(QString::fromLatin1(kObjectPath));
    // Bounded, unlike QDBusConnection::unregisterService: the end of the program never waits long on the bus. The
    // name goes with the connection at the latest.
    QDBusMessage release =
        QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
                                       QStringLiteral("org.freedesktop.DBus"), QStringLiteral("ReleaseName"));
    release << m_service;
    const QDBusMessage reply = m_bus.call(release, QDBus::Block, kCallTimeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage)
        qCWarning(lcApp, "the bus name %s could not be given up: %s", qUtf8Printable(m_service),
                  qUtf8Printable(reply.errorMessage()));
}

SingleInstance::Outcome SingleInstance::claimOrHandOver(QString *error)
{
    if (!m_bus.isConnected()) {
        if (error) {
            const QString reason = m_bus.lastError().message();
            *error = reason.isEmpty() ? QStringLiteral("not connected") : reason;
        }
        return Outcome::NoBus;
    }
    // The name's owner may quit between our two steps; the second round then finds the name free.
    for (int round = 0; round < 2; ++round) {
        switch (claim(error)) {
        case Claim::Taken: return Outcome::First;
        case Claim::Failed: return Outcome::NoBus;
        case Claim::Held: break;
        }
        if (bringFirstForward(error))
            return Outcome::HandedOver;
        if (m_bus.interface()->isServiceRegistered(m_service).value())
            break;
    }
    return Outcome::NotAnswering;
}

SingleInstance::Claim SingleInstance::claim(QString *error)
{
    // The object is in place before the name is, so a later start never finds the name without it.
    const QString path = QString::fromLatin1(kObjectPath);
    if (!m_bus.objectRegisteredAt(path) &&
        !m_bus.registerObject(path, QString::fromLatin1(kInterface), this, QDBusConnection::ExportScriptableSlots)) {
        if (error)
            *error = QStringLiteral("cannot export %1 on the session bus").arg(path);
        return Claim::Failed;
    }
    const QDBusReply<QDBusConnectionInterface::RegisterServiceReply> reply = m_bus.interface()->registerService(
        m_service, QDBusConnectionInterface::DontQueueService, QDBusConnectionInterface::DontAllowReplacement);
    if (!reply.isValid()) {
        m_bus.unregisterObject(path);
        if (error)
            *error = reply.error().message();
        return Claim::Failed;
    }
    if (reply.value() != QDBusConnectionInterface::ServiceRegistered) {
        m_bus.unregisterObject(path);
        return Claim::Held;
    }
    m_registered = true;
    return Claim::Taken;
}

bool SingleInstance::bringFirstForward(QString *error)
{
    const QDBusMessage call =
        QDBusMessage::createMethodCall(m_service, QString::fromLatin1(kObjectPath), QString::fromLatin1(kInterface),
                                       QStringLiteral("ShowShortcutWindow"));
    const QDBusMessage reply = m_bus.call(call, QDBus::Block, kCallTimeoutMs);
    if (reply.type() == QDBusMessage::ReplyMessage)
        return true;
    if (error)
        *error = reply.errorMessage();
    return false;
}

void SingleInstance::ShowShortcutWindow()
{
    Q_EMIT showRequested();
}

}  // namespace tavrin
