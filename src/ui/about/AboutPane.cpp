// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/about/AboutPane.h"

#include "platform/Workspace.h"
#include "ui/UiLog.h"
#include "ui/main/MainResources.h"
#include "ui/widgets/PointingHandButton.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace tavrin {

namespace {
constexpr int kIconSize = 96;
}  // namespace

AboutPane::AboutPane(const QString &version, const AboutLinks &links, Workspace &workspace, QWidget *parent)
    : QWidget(parent), m_workspace(workspace)
{
    setAccessibleName(tr("About"));

    auto *icon = new QLabel(this);
    icon->setPixmap(mainImage(QStringLiteral("tavrin")).pixmap(kIconSize, kIconSize));
    icon->setAlignment(Qt::AlignCenter);
    icon->setAccessibleName(tr("Tavrin icon"));

    auto *name = new QLabel(QStringLiteral("Tavrin"), this);
    QFont nameFont = name->font();
    nameFont.setPointSizeF(nameFont.pointSizeF() * 1.8);
    nameFont.setBold(true);
    name->setFont(nameFont);
    name->setAlignment(Qt::AlignCenter);

    // Without a version from the build the label says so rather than showing a bare "Version ".
    m_version = new QLabel(version.isEmpty() ? tr("Version unknown") : tr("Version %1").arg(version), this);
    m_version->setAlignment(Qt::AlignCenter);
    m_version->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto *summary = new QLabel(tr("Tavrin keeps every text and file you copy, so that you can copy or "
                                  "paste it again whenever you need it."),
                               this);
    summary->setWordWrap(true);
    summary->setAlignment(Qt::AlignCenter);

    m_buttonRow = new QWidget(this);
    auto *buttons = new QHBoxLayout(m_buttonRow);
    buttons->setContentsMargins(0, 0, 0, 0);
    buttons->addStretch(1);
    addLinkButton(Link::web, tr("Website"), links.web);
    addLinkButton(Link::facebook, QStringLiteral("Facebook"), links.facebook);
    addLinkButton(Link::twitter, QStringLiteral("Twitter"), links.twitter);
    addLinkButton(Link::store, tr("Rate Tavrin"), links.store);
    buttons->addStretch(1);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(40, 40, 40, 40);
    layout->setSpacing(12);
    layout->addStretch(1);
    layout->addWidget(icon);
    layout->addWidget(name);
    layout->addWidget(m_version);
    layout->addWidget(summary);
    layout->addSpacing(12);
    layout->addWidget(m_buttonRow);
    layout->addStretch(2);
}

QAbstractButton *AboutPane::addLinkButton(Link link, const QString &title, const QString &address)
{
    auto *button = new PointingHandButton(title, m_buttonRow);
    button->setAccessibleName(title);
    button->setToolTip(address);
    // An address that is not configured has nowhere to lead.
    button->setVisible(!address.isEmpty());
    connect(button, &QAbstractButton::clicked, this, [this, address] { openLink(address); });
    m_buttonRow->layout()->addWidget(button);
    m_buttons[std::size_t(link)] = button;
    return button;
}

void AboutPane::openLink(const QString &address)
{
    const QUrl url(address, QUrl::StrictMode);
    if (!url.isValid() || url.scheme().isEmpty()) {
        qCWarning(lcUi) << "not an address, nothing opened:" << address;
        return;
    }
    if (!m_workspace.openUrl(url))
        qCWarning(lcUi) << "the desktop did not open" << url.toString();
}

}  // namespace tavrin
