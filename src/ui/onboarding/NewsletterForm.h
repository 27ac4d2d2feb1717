// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/SheetPresenter.h"

#include <QWidget>

class QLineEdit;
class QPushButton;

namespace tavrin {

class NewsletterClient;
class Scheduler;

// The welcome pane's newsletter subscription: an e-mail field and its button. The address is checked before
// anything is sent; every alert of the form is a sheet on its window, and answering it empties the field.
class NewsletterForm : public QWidget {
    Q_OBJECT
public:
    /// endpoint and listKey are the configured service (see newsletter::isUsableEndpoint).
    NewsletterForm(SheetPresenter &sheets, Scheduler &scheduler, const QString &endpoint, const QString &listKey,
                   QWidget *parent = nullptr);

    QLineEdit *emailField() const { return m_field; }
    QPushButton *subscribeButton() const { return m_button; }
    NewsletterClient &client() const { return *m_client; }

    /// The subscribe button: checks the field, then sends the request.
    void subscribe();

private:
    void showAlert(const AlertRequest &alert);

    SheetPresenter &m_sheets;
    QString m_endpoint;
    QString m_listKey;
    QLineEdit *m_field;
    QPushButton *m_button;
    NewsletterClient *m_client;
};

}  // namespace tavrin
