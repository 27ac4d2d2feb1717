// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/ViewServices.h"

#include <QWidget>

class QCheckBox;
class QLabel;
class QPushButton;

namespace tavrin {

class NewsletterForm;

// The first run's welcome steps, shown as the main window's content until they are finished: what Tavrin does and
// how to reach it, the start-at-login check box, the newsletter form (only where a service is configured) and the
// button that finishes them.
class WelcomePane : public QWidget {
    Q_OBJECT
public:
    explicit WelcomePane(const ViewServices &services, QWidget *parent = nullptr);

    QCheckBox *startAtLoginBox() const { return m_startAtLogin; }
    /// Null where no usable newsletter service is configured.
    NewsletterForm *newsletterForm() const { return m_newsletter; }
    QPushButton *getStartedButton() const { return m_getStarted; }
    bool isFinished() const { return m_finished; }

    /// Finishes the welcome steps (the button, or closing the window): marks the first run as done, applies the
    /// start-at-login choice (a failure is told once and does not stop anything), then emits finished. Only once.
    void finish();

protected:
    void showEvent(QShowEvent *event) override;

Q_SIGNALS:
    /// The steps are done; the shell replaces this pane and starts the tray and the list.
    void finished();

private:
    void buildNewsletterForm(QWidget *parent);
    void applyStartAtLogin();

    ViewServices m_services;
    QCheckBox *m_startAtLogin;
    QLabel *m_startAtLoginNote;
    NewsletterForm *m_newsletter = nullptr;
    QPushButton *m_getStarted;
    bool m_finished = false;
};

}  // namespace tavrin
