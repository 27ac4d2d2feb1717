// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/onboarding/NewsletterClient.h"

#include "ui/UiLog.h"

#include <QNetworkReply>
#include <QNetworkRequest>

namespace tavrin {

NewsletterClient::NewsletterClient(Scheduler &scheduler, QObject *parent) : QObject(parent), m_scheduler(scheduler) {}

NewsletterClient::~NewsletterClient() = default;

void NewsletterClient::send(const QUrl &url)
{
    QNetworkRequest request(url);
    QNetworkReply *reply = m_network.get(request);
    ++m_pending;
    // The wait is counted on the scheduler, so it ends on a clock a test controls; it goes with the reply.
    const Scheduler::TimerId timeout = m_scheduler.scheduleOnce(kTimeout, reply, [reply] {
        if (reply->isRunning()) {
            qCInfo(lcUi) << "the newsletter service did not answer in time";
            reply->abort();
        }
    });
    connect(reply, &QNetworkReply::finished, this, [this, reply, timeout] { finish(reply, timeout); });
}

void NewsletterClient::finish(QNetworkReply *reply, Scheduler::TimerId timeout)
{
    m_scheduler.cancel(timeout);
    reply->deleteLater();
    --m_pending;
    if (reply->error() != QNetworkReply::NoError) {
        // Silent for the user: the service may simply be away.
        qCInfo(lcUi).noquote() << "no answer from the newsletter service:" << reply->errorString();
        Q_EMIT replied(newsletter::Reply::ignored);
        return;
    }
    const newsletter::Reply answer = newsletter::parseReply(reply->readAll());
    if (answer == newsletter::Reply::ignored)
        qCInfo(lcUi) << "the newsletter service's answer was not understood";
    Q_EMIT replied(answer);
}

}  // namespace tavrin
