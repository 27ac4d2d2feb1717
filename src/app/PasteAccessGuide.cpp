// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/PasteAccessGuide.h"

#include "app/GuideHelpPage.h"
#include "app/GuideImageView.h"
#include "platform/Workspace.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

// The guide's pictures and help page are compiled into this library; a static library's resources
// are registered only when asked for.
static void registerGuideResources()
{
    Q_INIT_RESOURCE(guide);
}

namespace tavrin {

using namespace std::chrono_literals;

namespace {

// The page dots: round, grey, white for the page shown; the open-settings button: the accent colour; the close
// button: flat until hovered. A focus ring on each, so the keyboard user sees where Tab went.
const QString kGuideStyle = QStringLiteral(R"(
QPushButton#pageDot { border: none; border-radius: 5px; background: #808080; }
QPushButton#pageDot:checked { background: #ffffff; }
QPushButton#pageDot:focus { border: 2px solid #8ab4ff; border-radius: 5px; }
QPushButton#openSettings { border: none; border-radius: 6px; background: #3574f0; color: #ffffff; }
QPushButton#openSettings:hover { background: #4a85f5; }
QPushButton#openSettings:pressed { background: #2a5fcc; }
QPushButton#openSettings:focus { border: 2px solid #ffffff; }
QPushButton#closeGuide { border: none; border-radius: 12px; background: transparent; color: #c8c8c8; }
QPushButton#closeGuide:hover, QPushButton#closeGuide:focus { background: #3a3d42; }
QPushButton#closeGuide:pressed { background: #4a4d52; }
)");

QPushButton *makeIndicator(const QString &name, QWidget *parent)
{
    auto *dot = new QPushButton(parent);
    dot->setObjectName(QStringLiteral("pageDot"));
    dot->setCheckable(true);
    dot->setFixedSize(10, 10);
    dot->setAccessibleName(name);
    dot->setToolTip(name);
    return dot;
}

QLabel *makeLabel(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignHCenter);
    return label;
}

}  // namespace

PasteAccessGuide::PasteAccessGuide(Scheduler &scheduler, Workspace &workspace, const QString &helpFolder,
                                   QWidget *parent)
    : QWidget(parent), m_scheduler(scheduler), m_workspace(workspace), m_helpFolder(helpFolder)
{
    registerGuideResources();

    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor(0x25, 0x27, 0x2b));
    colours.setColor(QPalette::WindowText, QColor(0xf0, 0xf0, 0xf0));
    setPalette(colours);
    setAutoFillBackground(true);
    setStyleSheet(kGuideStyle);

    titleLabel = makeLabel(tr("Tavrin cannot paste here"), this);
    QFont titleFont = titleLabel->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.4);
    titleLabel->setFont(titleFont);
    subtitleLabel = makeLabel(tr("Tavrin pastes by typing Ctrl+V for you. That needs an X11 session with the "
                                 "XTEST extension, and this session has none. Your entry is on the "
                                 "clipboard: press Ctrl+V to paste it yourself."),
                              this);

    imageView = new GuideImageView(this);
    imageView->setMinimumSize(160, 96);
    imageView->setMaximumSize(imageView->sizeHint());

    firstPageButton = makeIndicator(tr("Step 1"), this);
    secondPageButton = makeIndicator(tr("Step 2"), this);
    connect(firstPageButton, &QPushButton::clicked, this, [this] { firstPageButtonClicked(firstPageButton); });
    connect(secondPageButton, &QPushButton::clicked, this, [this] { secondPageButtonClicked(secondPageButton); });

    errorLabel = makeLabel(QString(), this);
    errorLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    errorLabel->setStyleSheet(QStringLiteral("color: #ff8a80;"));
    errorLabel->hide();

    openSettingsButton = new QPushButton(tr("How to Make Pasting Work"), this);
    openSettingsButton->setObjectName(QStringLiteral("openSettings"));
    openSettingsButton->setFixedSize(240, 32);
    connect(openSettingsButton, &QPushButton::clicked, this, [this] { openSettingsPage(openSettingsButton); });

    closeButton = new QPushButton(QStringLiteral("\u2715"), this);
    closeButton->setObjectName(QStringLiteral("closeGuide"));
    closeButton->setFixedSize(24, 24);
    closeButton->setAccessibleName(tr("Close"));
    closeButton->setToolTip(tr("Close"));
    connect(closeButton, &QPushButton::clicked, this, [this] { closeGuide(closeButton); });

    auto *top = new QHBoxLayout;
    top->addStretch();
    top->addWidget(closeButton);
    auto *dots = new QHBoxLayout;
    dots->setSpacing(8);
    dots->addStretch();
    dots->addWidget(firstPageButton);
    dots->addWidget(secondPageButton);
    dots->addStretch();

    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(24, 10, 24, 22);
    column->setSpacing(10);
    column->addLayout(top);
    column->addWidget(titleLabel);
    column->addWidget(subtitleLabel);
    column->addWidget(imageView, 0, Qt::AlignHCenter);
    column->addLayout(dots);
    column->addWidget(errorLabel);
    column->addWidget(openSettingsButton, 0, Qt::AlignHCenter);

    markShownPage();
}

PasteAccessGuide::~PasteAccessGuide()
{
    if (m_advanceTimer)
        m_scheduler.cancel(m_advanceTimer);
}

QString PasteAccessGuide::imageForPage(int page)
{
    return page == 1 ? QStringLiteral("Screenshot_diskAccess") : QStringLiteral("Screenshot_diskAccess2");
}

bool PasteAccessGuide::isAdvancePending() const
{
    return m_advanceTimer != 0 && m_scheduler.isPending(m_advanceTimer);
}

void PasteAccessGuide::showEvent(QShowEvent *event)
{
    // Like a view that loads when first needed: the slideshow's 4 s count from the first showing,
    // however early the guide was created.
    if (!m_loaded) {
        m_loaded = true;
        startSlideshow();
    }
    prepareForShowing();
    QWidget::showEvent(event);
}

void PasteAccessGuide::startSlideshow()
{
    imageView->setImage(imageForPage(1));
    m_currentPage = 1;
    m_advanceTimer = m_scheduler.scheduleOnce(4000ms, this, [this] {
        m_advanceTimer = 0;
        advanceToSecondPage();
    });
    markShownPage();
}

void PasteAccessGuide::prepareForShowing()
{
    if (!m_returnKey) {
        m_returnKey = new QShortcut(QKeySequence(Qt::Key_Return), this);
        m_enterKey = new QShortcut(QKeySequence(Qt::Key_Enter), this);
        for (QShortcut *key : {m_returnKey, m_enterKey})
            connect(key, &QShortcut::activated, this, [this] { openSettingsPage(openSettingsButton); });
    }
    openSettingsButton->setFocus(Qt::OtherFocusReason);
}

void PasteAccessGuide::advanceToSecondPage()
{
    showPage(2);
}

void PasteAccessGuide::firstPageButtonClicked(QObject *)
{
    showPage(1);
}

void PasteAccessGuide::secondPageButtonClicked(QObject *)
{
    showPage(2);
}

void PasteAccessGuide::showPage(int page)
{
    // Any choice of page, the user's or the m_advanceTimer's, ends the slideshow for good.
    if (m_advanceTimer) {
        m_scheduler.cancel(m_advanceTimer);
        m_advanceTimer = 0;
    }
    if (m_currentPage == page) {
        markShownPage();
        return;
    }
    imageView->pushImage(imageForPage(page),
                         page == 1 ? GuideImageView::PushFrom::Left : GuideImageView::PushFrom::Right);
    m_currentPage = page;
    markShownPage();
}

void PasteAccessGuide::markShownPage()
{
    // A click on a dot checks it before showPage() runs; the page decides, so a dot never shows a page that is not.
    firstPageButton->setChecked(m_currentPage == 1);
    secondPageButton->setChecked(m_currentPage == 2);
}

void PasteAccessGuide::openSettingsPage(QObject *)
{
    QString error;
    const QUrl page = GuideHelpPage::writeTo(m_helpFolder, &error);
    if (page.isEmpty()) {
        showError(error);
        return;
    }
    if (!m_workspace.openUrl(page)) {
        showError(tr("No program could open the help page. You find it at %1").arg(page.toLocalFile()));
        return;
    }
    errorLabel->hide();
}

void PasteAccessGuide::showError(const QString &message)
{
    errorLabel->setText(message);
    errorLabel->show();
}

void PasteAccessGuide::closeGuide(QObject *)
{
    Q_EMIT dismissRequested();
}

}  // namespace tavrin
