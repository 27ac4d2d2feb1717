// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Scheduler.h"
#include "ui/onboarding/NewsletterRequest.h"

#include <QNetworkAccessManager>
#include <QObject>
#include <QUrl>

#include <chrono>

class QNetworkReply;

namespace tavrin {

// Sends subscription requests without ever making the GUI thread wait: the reply, or the end of the wait on the
// scheduler's clock, arrives later as one `replied` signal per request.
class NewsletterClient : public QObject {
    Q_OBJECT
public:
    static constexpr std::chrono::seconds kTimeout{60};

    explicit NewsletterClient(Scheduler &scheduler, QObject *parent = nullptr);
    ~NewsletterClient() override;

    /// Sends a GET request to url.
    void send(const QUrl &url);
    /// Requests still waiting for their reply.
    int pendingRequests() const { return m_pending; }

Q_SIGNALS:
    /// What the service answered; ignored for a transport failure, an unreadable reply, or no reply in time.
    void replied(tavrin::newsletter::Reply reply);

private:
    void finish(QNetworkReply *reply, Scheduler::TimerId timeout);

    Scheduler &m_scheduler;
    QNetworkAccessManager m_network;
    int m_pending = 0;
};

}  // namespace tavrin
