#include "app/PasteAccessGuide.h"

#include "app/GuideHelpPage.h"
#include "app/GuideImageView.h"
#include "platform/Workspace.h"
#include "ui/widgets/FlatButton.h"

#include <QHBoxLayout>
#include <QLabel>
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

const QColor shownIndicator = QColor(Qt::white);
const QColor otherIndicator = QColor(128, 128, 128);  // 50 % gray

FlatButton *makeIndicator(const QString &name, QWidget *parent)
{
    auto *dot = new FlatButton(parent);
    dot->setFixedSize(10, 10);
    dot->setCornerRadius(5);
    dot->setAccessibleName(name);
    dot->setToolTip(name);
    return dot;
}

void colourIndicator(FlatButton *dot, const QColor &color)
{
    dot->setBackgroundNormalColor(color);
    dot->setBackgroundHighlightColor(color);
    dot->setDownColor(color);
    dot->setHoverColor(color);
    dot->setNormalColor(color);
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
    imageView->setFixedSize(400, 240);

    firstPageButton = makeIndicator(tr("Step 1"), this);
    secondPageButton = makeIndicator(tr("Step 2"), this);
    connect(firstPageButton, &FlatButton::clicked, this, [this] { firstPageButtonClicked(firstPageButton); });
    connect(secondPageButton, &FlatButton::clicked, this, [this] { secondPageButtonClicked(secondPageButton); });

    errorLabel = makeLabel(QString(), this);
    errorLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    errorLabel->setStyleSheet(QStringLiteral("color: #ff8a80;"));
    errorLabel->hide();

    openSettingsButton = new FlatButton(tr("How to Make Pasting Work"), this);
    openSettingsButton->setImagePosition(ImagePosition::NoImage);
    openSettingsButton->setFixedSize(240, 32);
    openSettingsButton->setCornerRadius(6);
    openSettingsButton->setTitleNormalColor(Qt::white);
    openSettingsButton->setBackgroundNormalColor(QColor(0x35, 0x74, 0xf0));
    openSettingsButton->initializeButtonColor(QColor(0x35, 0x74, 0xf0), QColor(0x4a, 0x85, 0xf5),
                                              QColor(0x2a, 0x5f, 0xcc));
    connect(openSettingsButton, &FlatButton::clicked, this, [this] { openSettingsPage(openSettingsButton); });

    closeButton = new FlatButton(QStringLiteral("\u2715"), this);
    closeButton->setImagePosition(ImagePosition::NoImage);
    closeButton->setFixedSize(24, 24);
    closeButton->setCornerRadius(12);
    closeButton->setAccessibleName(tr("Close"));
    closeButton->setToolTip(tr("Close"));
    closeButton->setTitleNormalColor(QColor(0xc8, 0xc8, 0xc8));
    closeButton->setBackgroundNormalColor(Qt::transparent);
    closeButton->initializeButtonColor(Qt::transparent, QColor(0x3a, 0x3d, 0x42), QColor(0x4a, 0x4d, 0x52));
    connect(closeButton, &FlatButton::clicked, this, [this] { closeGuide(closeButton); });

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

    // The first colours appear at once; later changes (hover, a new page) fade.
    colourIndicators();
    for (FlatButton *button : {firstPageButton, secondPageButton, openSettingsButton, closeButton})
        button->setOffAnimateDuration(0.12);
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
    m_advanceTimer = m_scheduler.scheduleOnce(4000ms, [this] {
        m_advanceTimer = 0;
        advanceToSecondPage();
    });
    colourIndicators();
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
    if (m_currentPage == page)
        return;
    imageView->pushImage(imageForPage(page),
                         page == 1 ? GuideImageView::PushFrom::Left : GuideImageView::PushFrom::Right);
    m_currentPage = page;
    colourIndicators();
}

void PasteAccessGuide::colourIndicators()
{
    colourIndicator(firstPageButton, m_currentPage == 1 ? shownIndicator : otherIndicator);
    colourIndicator(secondPageButton, m_currentPage == 2 ? shownIndicator : otherIndicator);
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
