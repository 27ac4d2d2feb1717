#include "app/GrantAccessvc.h"

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

GrantAccessvc::GrantAccessvc(Scheduler &scheduler, Workspace &workspace, const QString &helpFolder, QWidget *parent)
    : QWidget(parent), m_scheduler(scheduler), m_workspace(workspace), m_helpFolder(helpFolder)
{
    registerGuideResources();

    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor(0x25, 0x27, 0x2b));
    colours.setColor(QPalette::WindowText, QColor(0xf0, 0xf0, 0xf0));
    setPalette(colours);
    setAutoFillBackground(true);

    lbltitle = makeLabel(tr("Tavrin cannot paste here"), this);
    QFont titleFont = lbltitle->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.4);
    lbltitle->setFont(titleFont);
    lblsubtitle = makeLabel(tr("Tavrin pastes by typing Ctrl+V for you. That needs an X11 session with the "
                               "XTEST extension, and this session has none. Your entry is on the "
                               "clipboard: press Ctrl+V to paste it yourself."),
                            this);

    imgview = new GuideImageView(this);
    imgview->setFixedSize(400, 240);

    btn1 = makeIndicator(tr("Step 1"), this);
    btn2 = makeIndicator(tr("Step 2"), this);
    connect(btn1, &FlatButton::clicked, this, [this] { btn1clicked(btn1); });
    connect(btn2, &FlatButton::clicked, this, [this] { btn2cliked(btn2); });

    lblerror = makeLabel(QString(), this);
    lblerror->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lblerror->setStyleSheet(QStringLiteral("color: #ff8a80;"));
    lblerror->hide();

    btnpreferences = new FlatButton(tr("How to Make Pasting Work"), this);
    btnpreferences->setImagePosition(ImagePosition::NoImage);
    btnpreferences->setFixedSize(240, 32);
    btnpreferences->setCornerRadius(6);
    btnpreferences->setTitleNormalColor(Qt::white);
    btnpreferences->setBackgroundNormalColor(QColor(0x35, 0x74, 0xf0));
    btnpreferences->initializeButtonColor(QColor(0x35, 0x74, 0xf0), QColor(0x4a, 0x85, 0xf5), QColor(0x2a, 0x5f, 0xcc));
    connect(btnpreferences, &FlatButton::clicked, this, [this] { btnOpenPreferences(btnpreferences); });

    closeButton = new FlatButton(QStringLiteral("\u2715"), this);
    closeButton->setImagePosition(ImagePosition::NoImage);
    closeButton->setFixedSize(24, 24);
    closeButton->setCornerRadius(12);
    closeButton->setAccessibleName(tr("Close"));
    closeButton->setToolTip(tr("Close"));
    closeButton->setTitleNormalColor(QColor(0xc8, 0xc8, 0xc8));
    closeButton->setBackgroundNormalColor(Qt::transparent);
    closeButton->initializeButtonColor(Qt::transparent, QColor(0x3a, 0x3d, 0x42), QColor(0x4a, 0x4d, 0x52));
    connect(closeButton, &FlatButton::clicked, this, [this] { btnclose(closeButton); });

    auto *top = new QHBoxLayout;
    top->addStretch();
    top->addWidget(closeButton);
    auto *dots = new QHBoxLayout;
    dots->setSpacing(8);
    dots->addStretch();
    dots->addWidget(btn1);
    dots->addWidget(btn2);
    dots->addStretch();

    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(24, 10, 24, 22);
    column->setSpacing(10);
    column->addLayout(top);
    column->addWidget(lbltitle);
    column->addWidget(lblsubtitle);
    column->addWidget(imgview, 0, Qt::AlignHCenter);
    column->addLayout(dots);
    column->addWidget(lblerror);
    column->addWidget(btnpreferences, 0, Qt::AlignHCenter);

    // The first colours appear at once; later changes (hover, a new page) fade.
    colourIndicators();
    for (FlatButton *button : {btn1, btn2, btnpreferences, closeButton})
        button->setOffAnimateDuration(0.12);
}

GrantAccessvc::~GrantAccessvc()
{
    if (timer)
        m_scheduler.cancel(timer);
}

QString GrantAccessvc::imageForPage(int page)
{
    return page == 1 ? QStringLiteral("Screenshot_diskAccess") : QStringLiteral("Screenshot_diskAccess2");
}

bool GrantAccessvc::isAdvancePending() const
{
    return timer != 0 && m_scheduler.isPending(timer);
}

void GrantAccessvc::showEvent(QShowEvent *event)
{
    // Like a view that loads when first needed: the slideshow's 4 s count from the first showing,
    // however early the guide was created.
    if (!m_loaded) {
        m_loaded = true;
        viewDidLoad();
    }
    viewWillAppear();
    QWidget::showEvent(event);
}

void GrantAccessvc::viewDidLoad()
{
    imgview->setImage(imageForPage(1));
    currentindex = 1;
    timer = m_scheduler.scheduleOnce(4000ms, [this] {
        timer = 0;
        changeimage();
    });
    colourIndicators();
}

void GrantAccessvc::viewWillAppear()
{
    if (!m_returnKey) {
        m_returnKey = new QShortcut(QKeySequence(Qt::Key_Return), this);
        m_enterKey = new QShortcut(QKeySequence(Qt::Key_Enter), this);
        for (QShortcut *key : {m_returnKey, m_enterKey})
            connect(key, &QShortcut::activated, this, [this] { btnOpenPreferences(btnpreferences); });
    }
    btnpreferences->setFocus(Qt::OtherFocusReason);
}

void GrantAccessvc::changeimage()
{
    showPage(2);
}

void GrantAccessvc::btn1clicked(QObject *)
{
    showPage(1);
}

void GrantAccessvc::btn2cliked(QObject *)
{
    showPage(2);
}

void GrantAccessvc::showPage(int page)
{
    // Any choice of page, the user's or the timer's, ends the slideshow for good.
    if (timer) {
        m_scheduler.cancel(timer);
        timer = 0;
    }
    if (currentindex == page)
        return;
    imgview->pushImage(imageForPage(page),
                       page == 1 ? GuideImageView::PushFrom::Left : GuideImageView::PushFrom::Right);
    currentindex = page;
    colourIndicators();
}

void GrantAccessvc::colourIndicators()
{
    colourIndicator(btn1, currentindex == 1 ? shownIndicator : otherIndicator);
    colourIndicator(btn2, currentindex == 2 ? shownIndicator : otherIndicator);
}

void GrantAccessvc::btnOpenPreferences(QObject *)
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
    lblerror->hide();
}

void GrantAccessvc::showError(const QString &message)
{
    lblerror->setText(message);
    lblerror->show();
}

void GrantAccessvc::btnclose(QObject *)
{
    Q_EMIT dismissRequested();
}

}  // namespace tavrin
