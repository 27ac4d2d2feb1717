// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/portal/PortalRequest.h"

#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

#include <atomic>

namespace tavrin::portal {

namespace {
const QString kRequestInterface = QStringLiteral("org.freedesktop.portal.Request");
}  // namespace

QString Reply::describe() const
{
    if (!error.isEmpty())
        return error;
    switch (response) {
    case Success: return QStringLiteral("done");
    case Cancelled: return QStringLiteral("declined by the user");
    default: return QStringLiteral("ended by the desktop");
    }
}

QString Request::newToken()
{
    static std::atomic<unsigned> next{0};
    return QStringLiteral("tavrin%1").arg(++next);
}

Request::Request(QDBusConnection bus, Done done, QObject *context)
    : QObject(context), m_bus(std::move(bus)), m_done(std::move(done))
{
}

void Request::send(const QDBusConnection &bus, const QString &interface, const QString &method, QVariantList arguments,
                   QObject *context, Done done)
{
    auto *request = new Request(bus, std::move(done), context);
    const QString token = newToken();
    QVariantMap options = arguments.isEmpty() ? QVariantMap() : arguments.takeLast().toMap();
    options.insert(QStringLiteral("handle_token"), token);
    arguments.append(options);
    // The portal names the Request object after the caller's unique name and the token.
    QString sender = bus.baseService().mid(1);
    sender.replace(QLatin1Char('.'), QLatin1Char('_'));
    request->listen(QStringLiteral("%1/request/%2/%3").arg(kPath, sender, token));

    QDBusMessage message = QDBusMessage::createMethodCall(kService, kPath, interface, method);
    message.setArguments(arguments);
    auto *watcher = new QDBusPendingCallWatcher(request->m_bus.asyncCall(message), request);
    connect(watcher, &QDBusPendingCallWatcher::finished, request, [request, watcher] {
        watcher->deleteLater();
        const QDBusPendingReply<QDBusObjectPath> handle = *watcher;
        if (handle.isError()) {
            request->finish(Reply{Reply::Ended, {}, handle.error().message()});
            return;
        }
        // Portals older than the token convention choose the path themselves.
        if (handle.value().path() != request->m_path && !request->m_finished)
            request->listen(handle.value().path());
    });
}

bool Request::listen(const QString &path)
{
    if (!m_path.isEmpty())
        m_bus.disconnect(kService, m_path, kRequestInterface, QStringLiteral("Response"), this,
                         SLOT(onResponse(uint, QVariantMap)));
    m_path = path;
    return m_bus.connect(kService, m_path, kRequestInterface, QStringLiteral("Response"), this,
                         SLOT(onResponse(uint, QVariantMap)));
}

void Request::onResponse(uint response, const QVariantMap &results)
{
    finish(Reply{response, results, {}});
}

void Request::finish(const Reply &reply)
{
    if (m_finished)
        return;
    m_finished = true;
    m_bus.disconnect(kService, m_path, kRequestInterface, QStringLiteral("Response"), this,
                     SLOT(onResponse(uint, QVariantMap)));
    deleteLater();
    m_done(reply);
}

}  // namespace tavrin::portal
