// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/AlertPresenter.h"

#include <QByteArray>
#include <QString>
#include <QUrl>

#include <optional>

namespace tavrin {

// The newsletter service's request and reply, and the alerts they lead to.
namespace newsletter {

/// The path every subscription request goes to, below the configured endpoint.
inline const QString kPath = QStringLiteral("/wp-content/plugins/newsletter-api/add.php/");

/// True for the whole text of a plausible e-mail address: name, "@", domain, and a top-level part of two letters or
/// more.
bool isValidEmailAddress(const QString &text);

/// True when requests may go to this endpoint: HTTPS, or plain HTTP only to this machine (a loopback address).
/// Otherwise whyNot says why.
bool isUsableEndpoint(const QString &endpoint, QString *whyNot = nullptr);

/// The subscription request's address for an e-mail address, or none when the endpoint is not usable. Each value is
/// the Base64 form of its UTF-8 bytes, percent-encoded so that "+", "/" and "=" arrive unchanged; the name is empty.
std::optional<QUrl> subscriptionUrl(const QString &endpoint, const QString &listKey, const QString &email);

/// What the service answered.
enum class Reply {
    subscribed,  // 0
    alreadySubscribed,  // 1
    failed,  // 2
    ignored,  // any other number, not a number, not JSON, or no answer at all
};

/// Reads a reply body: a JSON number, bare or with white space around it.
Reply parseReply(const QByteArray &body);

/// The alert a reply is shown with, if any; fieldText is the e-mail field's text when the reply arrives.
std::optional<AlertRequest> replyAlert(Reply reply, const QString &fieldText);
/// The alerts of the field's checks before anything is sent.
AlertRequest blankAddressAlert();
AlertRequest invalidAddressAlert();

}  // namespace newsletter

}  // namespace tavrin
