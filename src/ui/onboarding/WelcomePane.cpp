// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/onboarding/WelcomePane.h"

#include "store/SettingsKeys.h"
#include "store/SettingsStore.h"
#include "ui/SheetPresenter.h"
#include "ui/UiLog.h"
#include "ui/onboarding/NewsletterForm.h"
#include "ui/onboarding/NewsletterRequest.h"
#include "ui/preferences/DesktopReasons.h"
#include "ui/preferences/StartAtLoginSwitch.h"

#include <QCheckBox>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

static void registerOnboardingResources()
{
    Q_INIT_RESOURCE(onboarding);
}

namespace tavrin {

namespace {

QLabel *paragraph(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    return label;
}

}  // namespace

WelcomePane::WelcomePane(const ViewServices &services, QWidget *parent)
    : QWidget(parent),
      m_services(services),
      m_startAtLogin(new QCheckBox(tr("Start Tavrin at login"), this)),
      m_startAtLoginNote(new QLabel(this)),
      m_getStarted(new QPushButton(tr("Get Started"), this))
{
    static const bool resourcesRegistered = [] {
        registerOnboardingResources();
        return true;
    }();
    Q_UNUSED(resourcesRegistered);
    setAccessibleName(tr("Welcome to Tavrin"));

    auto *picture = new QLabel(this);
    picture->setPixmap(QIcon(QStringLiteral(":/onboarding/welcome.svg")).pixmap(QSize(112, 112)));
    picture->setAlignment(Qt::AlignCenter);
    picture->setAccessibleName(QStringLiteral("Tavrin"));
    auto *title = new QLabel(tr("Welcome to Tavrin"), this);
    QFont titleFont = title->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.6);
    titleFont.setBold(true);
    title->setFont(titleFont);
    title->setAlignment(Qt::AlignCenter);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(48, 32, 48, 32);
    layout->setSpacing(12);
    layout->addWidget(picture);
    layout->addWidget(title);
    layout->addWidget(paragraph(tr("Tavrin keeps everything you copy, texts as well as files and folders, "
                                   "so that you can copy or paste it again later."),
                                this));
    layout->addWidget(paragraph(tr("Open the list of what you copied by clicking the Tavrin icon in the "
                                   "tray, or with a shortcut of your own."),
                                this));
    layout->addWidget(paragraph(tr("Record the shortcuts for the list and for pasting one item after "
                                   "another in Preferences."),
                                this));
    layout->addSpacing(8);

    const StartAtLoginSwitch startSwitch(services.settings, services.loginItems);
    m_startAtLogin->setAccessibleName(tr("Start Tavrin at login"));
    m_startAtLoginNote->setWordWrap(true);
    if (startSwitch.isAvailable()) {
        // A program that records copies is only useful while it runs, so it starts with the session unless the
        // user said otherwise before.
        m_startAtLogin->setChecked(startSwitch.storedChoice().value_or(true));
        m_startAtLoginNote->hide();
    } else {
        m_startAtLogin->setEnabled(false);
        m_startAtLoginNote->setText(tr("This desktop cannot start programs when you log in."));
        m_startAtLoginNote->setAccessibleName(m_startAtLoginNote->text());
    }
    layout->addWidget(m_startAtLogin);
    layout->addWidget(m_startAtLoginNote);

    buildNewsletterForm(this);
    if (m_newsletter)
        layout->addWidget(m_newsletter);
    layout->addStretch(1);

    m_getStarted->setAccessibleName(tr("Get Started"));
    layout->addWidget(m_getStarted, 0, Qt::AlignHCenter);
    connect(m_getStarted, &QPushButton::clicked, this, &WelcomePane::finish);
}

void WelcomePane::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // The window opens with the focus on the button, so Space (or a click) finishes the steps.
    if (!focusWidget())
        m_getStarted->setFocus();
}

void WelcomePane::buildNewsletterForm(QWidget *parent)
{
    const QString endpoint = m_services.settings.text(keys::newsletterEndpoint);
    if (endpoint.isEmpty())
        return;
    QString whyNot;
    if (!newsletter::isUsableEndpoint(endpoint, &whyNot)) {
        qCWarning(lcUi).noquote() << "no newsletter form:" << whyNot;
        return;
    }
    m_newsletter = new NewsletterForm(m_services.sheets, m_services.scheduler, endpoint,
                                      m_services.settings.text(keys::newsletterListKey), parent);
}

void WelcomePane::finish()
{
    if (m_finished)
        return;
    m_finished = true;
    SettingsStore &settings = m_services.settings;
    if (!settings.integer(keys::firstRun))
        settings.setInteger(keys::firstRun, 1);
    applyStartAtLogin();
    Q_EMIT finished();
}

void WelcomePane::applyStartAtLogin()
{
    StartAtLoginSwitch startSwitch(m_services.settings, m_services.loginItems);
    // A disabled box is no choice of the user's: nothing is asked of a desktop that cannot do it.
    if (!startSwitch.isAvailable())
        return;
    const bool wanted = m_startAtLogin->isChecked();
    const LoginItems::Change change = startSwitch.setEnabled(wanted);
    if (change.succeeded || !wanted)
        return;
    // Told once, and the welcome steps end all the same.
    m_services.sheets.presentAlert(
        window(),
        AlertRequest{0,
                     tr("Tavrin will not start at login"),
                     tr("%1. You can try again in Preferences.").arg(shownReason(change.reason)),
                     {tr("OK")}},
        nullptr);
}

}  // namespace tavrin
