// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/onboarding/NewsletterForm.h"

#include "ui/UiLog.h"
#include "ui/onboarding/NewsletterClient.h"
#include "ui/onboarding/NewsletterRequest.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

namespace tavrin {

NewsletterForm::NewsletterForm(SheetPresenter &sheets, Scheduler &scheduler, const QString &endpoint,
                               const QString &listKey, QWidget *parent)
    : QWidget(parent),
      m_sheets(sheets),
      m_endpoint(endpoint),
      m_listKey(listKey),
      m_field(new QLineEdit(this)),
      m_button(new QPushButton(tr("Subscribe"), this)),
      m_client(new NewsletterClient(scheduler, this))
{
    auto *caption = new QLabel(tr("Hear about new versions: leave your e-mail address for our newsletter."), this);
    caption->setWordWrap(true);
    m_field->setPlaceholderText(QStringLiteral("you@example.org"));
    m_field->setAccessibleName(tr("Email address"));
    caption->setBuddy(m_field);
    m_button->setAccessibleName(tr("Subscribe"));

    auto *row = new QHBoxLayout;
    row->addWidget(m_field, 1);
    row->addWidget(m_button);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(caption);
    layout->addLayout(row);

    connect(m_button, &QPushButton::clicked, this, &NewsletterForm::subscribe);
    connect(m_field, &QLineEdit::returnPressed, this, &NewsletterForm::subscribe);
    connect(m_client, &NewsletterClient::replied, this, [this](newsletter::Reply reply) {
        if (const std::optional<AlertRequest> alert = newsletter::replyAlert(reply, m_field->text()))
            showAlert(*alert);
    });
}

void NewsletterForm::subscribe()
{
    const QString address = m_field->text();
    if (address.isEmpty()) {
        showAlert(newsletter::blankAddressAlert());
        return;
    }
    if (!newsletter::isValidEmailAddress(address)) {
        showAlert(newsletter::invalidAddressAlert());
        return;
    }
    const std::optional<QUrl> url = newsletter::subscriptionUrl(m_endpoint, m_listKey, address);
    if (!url) {
        qCWarning(lcUi) << "no newsletter request sent: the configured address is not usable";
        return;
    }
    m_client->send(*url);
}

void NewsletterForm::showAlert(const AlertRequest &alert)
{
    QPointer<QLineEdit> field(m_field);
    m_sheets.presentAlert(window(), alert, [field](int) {
        if (field)
            field->clear();
    });
}

}  // namespace tavrin
