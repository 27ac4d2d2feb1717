// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/onboarding/NewsletterRequest.h"

#include <QCoreApplication>
#include <QHostAddress>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>

namespace tavrin::newsletter {

namespace {

AlertRequest warning(const QString &title, const QString &text)
{
    return AlertRequest{0, title, text, {QCoreApplication::translate("Newsletter", "OK")}};
}

QByteArray encodedValue(const QString &value)
{
    return QUrl::toPercentEncoding(QString::fromLatin1(value.toUtf8().toBase64()));
}

bool isLoopbackHost(const QString &host)
{
    if (host.compare(QStringLiteral("localhost"), Qt::CaseInsensitive) == 0)
        return true;
    const QHostAddress address(host);
    return !address.isNull() && address.isLoopback();
}

}  // namespace

bool isValidEmailAddress(const QString &text)
{
    static const QRegularExpression pattern(
        QRegularExpression::anchoredPattern(QStringLiteral("[A-Z0-9a-z._%+-]+@[A-Za-z0-9.-]+\\.[A-Za-z]{2,}")));
    return pattern.match(text).hasMatch();
}

bool isUsableEndpoint(const QString &endpoint, QString *whyNot)
{
    auto refuse = [whyNot](const QString &reason) {
        if (whyNot)
            *whyNot = reason;
        return false;
    };
    const QUrl url(endpoint, QUrl::StrictMode);
    if (endpoint.isEmpty())
        return refuse(QStringLiteral("no newsletter address is configured"));
    if (!url.isValid() || url.host().isEmpty())
        return refuse(QStringLiteral("\"%1\" is not a web address").arg(endpoint));
    if (url.hasQuery() || url.hasFragment())
        return refuse(QStringLiteral("\"%1\" has a query or fragment").arg(endpoint));
    const QString scheme = url.scheme().toLower();
    if (scheme == QStringLiteral("https"))
        return true;
    // E-mail addresses never travel unencrypted; plain HTTP serves only a server on this machine (the tests').
    if (scheme == QStringLiteral("http") && isLoopbackHost(url.host()))
        return true;
    return refuse(QStringLiteral("\"%1\" is not an HTTPS address").arg(endpoint));
}

std::optional<QUrl> subscriptionUrl(const QString &endpoint, const QString &listKey, const QString &email)
{
    if (!isUsableEndpoint(endpoint))
        return std::nullopt;
    QByteArray text = QUrl(endpoint).adjusted(QUrl::StripTrailingSlash).toEncoded();
    text += kPath.toLatin1();
    text += "?nl=3&nk=" + encodedValue(listKey) + "&ne=" + encodedValue(email) + "&nn=" + encodedValue(QString());
    QUrl url = QUrl::fromEncoded(text, QUrl::StrictMode);
    if (!url.isValid())
        return std::nullopt;
    return url;
}

Reply parseReply(const QByteArray &body)
{
    // The service answers with a bare JSON value, which QJsonDocument reads only inside an array.
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson("[" + body + "]", &error);
    if (error.error != QJsonParseError::NoError || !document.isArray() || document.array().size() != 1)
        return Reply::ignored;
    const QJsonValue value = document.array().at(0);
    if (!value.isDouble())
        return Reply::ignored;
    const double number = value.toDouble();
    if (number == 0)
        return Reply::subscribed;
    if (number == 1)
        return Reply::alreadySubscribed;
    if (number == 2)
        return Reply::failed;
    return Reply::ignored;
}

std::optional<AlertRequest> replyAlert(Reply reply, const QString &fieldText)
{
    switch (reply) {
    case Reply::subscribed:
        return warning(
            QCoreApplication::translate("Newsletter", "Successfully Subscribed"),
            QCoreApplication::translate("Newsletter", "You have Successfully Subscribed for our Newslatter."));
    case Reply::alreadySubscribed:
        return warning(
            QCoreApplication::translate("Newsletter", "Already Subscribed"),
            QCoreApplication::translate("Newsletter", "The email address \"%1\" already has an Active Subscription.")
                .arg(fieldText));
    case Reply::failed:
        return warning(QCoreApplication::translate("Newsletter", "Unknown error"),
                       QCoreApplication::translate(
                           "Newsletter", "There was an error in processing your request. Please try again later."));
    case Reply::ignored: break;
    }
    return std::nullopt;
}

AlertRequest blankAddressAlert()
{
    return warning(QCoreApplication::translate("Newsletter", "Email cannot be blank"),
                   QCoreApplication::translate("Newsletter", "Please enter a valid Email address"));
}

AlertRequest invalidAddressAlert()
{
    return warning(QCoreApplication::translate("Newsletter", "Invalid Email"),
                   QCoreApplication::translate("Newsletter", "Please enter a valid Email address"));
}

}  // namespace tavrin::newsletter
