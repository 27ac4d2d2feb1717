// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/freedesktop/DBusNotifier.h"

#include "platform/freedesktop/FreedesktopLog.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QVariantMap>

namespace tavrin {

namespace {

constexpr int kServerDefaultTimeout = -1;

void logNotice(const QString &why, const QString &summary, const QString &body)
{
    qCWarning(lcFreedesktop).noquote() << QStringLiteral("no desktop notification (%1):").arg(why) << summary << "-"
                                       << body;
}

}  // namespace

DBusNotifier::DBusNotifier(const QDBusConnection &bus, const QString &applicationName, QObject *parent)
    : QObject(parent), m_bus(bus), m_applicationName(applicationName)
{
}

void DBusNotifier::notify(const QString &summary, const QString &body)
{
    if (!m_bus.isConnected()) {
        logNotice(QStringLiteral("no session bus"), summary, body);
        Q_EMIT noticeFinished(false);
        return;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("/org/freedesktop/Notifications"),
        QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("Notify"));
    call << m_applicationName << uint(0) << QString() << summary << body << QStringList() << QVariantMap()
         << kServerDefaultTimeout;
    auto *watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, summary, body](QDBusPendingCallWatcher *done) {
        const QDBusPendingReply<uint> reply = *done;
        if (reply.isError())
            logNotice(reply.error().message(), summary, body);
        else
            qCDebug(lcFreedesktop) << "notice" << reply.value() << "shown:" << summary;
        done->deleteLater();
        Q_EMIT noticeFinished(!reply.isError());
    });
}

}  // namespace tavrin
