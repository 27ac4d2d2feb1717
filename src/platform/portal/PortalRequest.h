// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QString>
#include <QVariantList>
#include <QVariantMap>

#include <functional>

namespace tavrin::portal {

inline const QString kService = QStringLiteral("org.freedesktop.portal.Desktop");
inline const QString kPath = QStringLiteral("/org/freedesktop/portal/desktop");

// How a portal request ended.
struct Reply {
    enum Response : uint { Success = 0, Cancelled = 1, Ended = 2 };
    uint response = Ended;
    QVariantMap results;
    /// The call's own error (no portal, a wrong argument), empty when the portal answered.
    QString error;

    bool succeeded() const { return response == Success && error.isEmpty(); }
    /// One sentence for the log.
    QString describe() const;
};

// One call of a portal method that answers later: the call names a Request object on which the portal emits its
// Response (after a dialog, perhaps). The handle token is added to the options, the method's last argument, and
// the Response is listened for before the call is sent, so a quick answer is not missed.
class Request : public QObject {
    Q_OBJECT

public:
    using Done = std::function<void(const Reply &)>;

    /// Sends the call; done runs once, on the context's thread, unless the context went first.
    static void send(const QDBusConnection &bus, const QString &interface, const QString &method,
                     QVariantList arguments, QObject *context, Done done);

    /// A token for a handle or session that no other call of this program used.
    static QString newToken();

private Q_SLOTS:
    void onResponse(uint response, const QVariantMap &results);

private:
    Request(QDBusConnection bus, Done done, QObject *context);
    bool listen(const QString &path);
    void finish(const Reply &reply);

    QDBusConnection m_bus;
    Done m_done;
    QString m_path;
    bool m_finished = false;
};

}  // namespace tavrin::portal
