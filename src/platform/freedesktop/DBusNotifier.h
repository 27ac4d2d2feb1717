// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/DesktopNotifier.h"

#include <QDBusConnection>
#include <QObject>

namespace tavrin {

// Desktop notifications through org.freedesktop.Notifications on the session bus. The call is asynchronous; when
// no service answers, the notice goes to the log with the bus's reason.
class DBusNotifier final : public QObject, public DesktopNotifier {
    Q_OBJECT
public:
    explicit DBusNotifier(const QDBusConnection &bus, const QString &applicationName, QObject *parent = nullptr);

    void notify(const QString &summary, const QString &body) override;

Q_SIGNALS:
    /// A notice was shown by the service, or (shown false) went to the log.
    void noticeFinished(bool shown);

private:
    QDBusConnection m_bus;
    QString m_applicationName;
};

}  // namespace tavrin
