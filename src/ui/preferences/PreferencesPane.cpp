// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/preferences/PreferencesPane.h"

#include "capture/CaptureServices.h"
#include "capture/InteractionSound.h"
#include "platform/DesktopCapabilities.h"
#include "store/SettingsKeys.h"
#include "store/SettingsStore.h"
#include "ui/main/DimmedSheets.h"
#include "ui/main/DimmingLayer.h"
#include "ui/main/MainPane.h"
#include "ui/main/MainResources.h"
#include "ui/preferences/DesktopReasons.h"
#include "ui/preferences/DesktopSupportView.h"
#include "ui/preferences/RecorderKeyFilter.h"
#include "ui/preferences/ShortcutRecorderBox.h"
#include "ui/preferences/ShortcutStates.h"
#include "ui/widgets/PointingHandButton.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace tavrin {

QString PreferencesPane::firstToLastTitle()
{
    return tr("Start pasting from first copied item to last");
}

QString PreferencesPane::lastToFirstTitle()
{
    return tr("Start pasting from Last copied item to first");
}

namespace {

constexpr int kWarningStyle = 0;

QLabel *sectionTitle(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

/// A caption before its control: 180 pixels or more, the same for all, so the controls line up; a long caption
/// wraps rather than pushing its control out of sight on a narrow pane (a large scale factor).
void captionWidth(QLabel *caption)
{
    caption->setWordWrap(true);
    caption->setMinimumWidth(180);
    caption->setMaximumWidth(220);
    caption->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
}

QLabel *note(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setWordWrap(true);
    label->setForegroundRole(QPalette::PlaceholderText);
    return label;
}

QString shortcutName(Shortcut shortcut)
{
    switch (shortcut) {
    case Shortcut::quickAccess: return QCoreApplication::translate("PreferencesPane", "Quick access shortcut");
    case Shortcut::toggleSequentialMode:
        return QCoreApplication::translate("PreferencesPane", "Sequential paste on or off shortcut");
    case Shortcut::sequentialPaste: return QCoreApplication::translate("PreferencesPane", "Paste next shortcut");
    }
    return {};
}

// Whole phrases, as other languages do not make them from the shortcut's name.
QString clearButtonName(Shortcut shortcut)
{
    switch (shortcut) {
    case Shortcut::quickAccess: return QCoreApplication::translate("PreferencesPane", "Clear quick access shortcut");
    case Shortcut::toggleSequentialMode:
        return QCoreApplication::translate("PreferencesPane", "Clear sequential paste on or off shortcut");
    case Shortcut::sequentialPaste: return QCoreApplication::translate("PreferencesPane", "Clear paste next shortcut");
    }
    return {};
}

}  // namespace

PreferencesPane::PreferencesPane(const ViewServices &services, ShortcutRecorder &recorder, DimmedSheets &sheets,
                                 QWidget *parent)
    : QWidget(parent),
      m_services(services),
      m_recorder(recorder),
      m_sheets(sheets),
      m_loginSwitch(services.settings, services.loginItems)
{
    setAccessibleName(tr("Preferences"));
    m_keys = new RecorderKeyFilter(recorder, services.keyPositions, this, this);
    m_keys->isBlocked = [this] { return m_sheets.isSheetOpen(); };
    buildView();
    loadSettings();
}

PreferencesPane::~PreferencesPane()
{
    m_keys->setActive(false);
    m_recorder.setView(nullptr);
}

void PreferencesPane::buildView()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(28, 24, 28, 24);
    layout->setSpacing(10);

    auto *title = new QLabel(tr("Preferences"), page);
    QFont titleFont = title->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.4);
    titleFont.setBold(true);
    title->setFont(titleFont);
    layout->addWidget(title);

    layout->addWidget(sectionTitle(tr("General"), page));
    m_sound = new QCheckBox(tr("Play interaction sounds"), page);
    m_sound->setAccessibleName(m_sound->text());
    connect(m_sound, &QCheckBox::toggled, this, [this](bool on) { m_services.capture.sound().setEnabled(on); });
    layout->addWidget(m_sound);
    m_startAtLogin = new QCheckBox(tr("Start Tavrin at login"), page);
    m_startAtLogin->setAccessibleName(m_startAtLogin->text());
    connect(m_startAtLogin, &QCheckBox::toggled, this, &PreferencesPane::startAtLoginToggled);
    layout->addWidget(m_startAtLogin);
    if (!m_loginSwitch.isAvailable()) {
        m_startAtLogin->setEnabled(false);
        layout->addWidget(note(tr("This desktop gives programs no way to start with the session."), page));
    }

    layout->addSpacing(8);
    layout->addWidget(sectionTitle(tr("Shortcuts"), page));
    layout->addWidget(note(tr("Click a box, then press the keys: at least one of Ctrl, Alt, Shift or "
                              "Super with another key. The shortcuts work in every application."),
                           page));
    const bool shortcutsWork = m_services.capabilities.globalShortcuts.available;
    if (!shortcutsWork)
        layout->addWidget(note(tr("This desktop does not let programs take shortcuts: bind the commands "
                                  "under \"This desktop\" below in the desktop's own keyboard settings."),
                               page));
    layout->addWidget(shortcutRow(Shortcut::quickAccess, tr("Show the clipboard list")));

    layout->addSpacing(8);
    layout->addWidget(sectionTitle(tr("Sequential Queue"), page));
    layout->addWidget(note(tr("Record both shortcuts below. Press the first to start sequential paste: every text or "
                              "file you copy then joins the queue, shown in a small window. Each press of the second "
                              "pastes the next queued entry into the application in front, in the order chosen "
                              "here. Press the first again, or close the queue window, to stop."),
                           page));
    layout->addWidget(shortcutRow(Shortcut::toggleSequentialMode, tr("Sequential paste on or off")));
    layout->addWidget(shortcutRow(Shortcut::sequentialPaste, tr("Paste the next queued entry")));

    auto *orderRow = new QWidget(page);
    auto *orderLayout = new QHBoxLayout(orderRow);
    orderLayout->setContentsMargins(0, 0, 0, 0);
    auto *orderCaption = new QLabel(tr("Paste order"), orderRow);
    captionWidth(orderCaption);
    m_pasteOrder = new QComboBox(orderRow);
    m_pasteOrder->setAccessibleName(tr("Paste order"));
    orderCaption->setBuddy(m_pasteOrder);
    orderLayout->addWidget(orderCaption);
    orderLayout->addWidget(m_pasteOrder);
    orderLayout->addStretch(1);
    connect(m_pasteOrder, &QComboBox::activated, this,
            [this](int index) { m_services.settings.setInteger(keys::sequentialPasteOrder, index); });
    layout->addWidget(orderRow);
    // A recording there could only end in a refusal.
    if (!shortcutsWork) {
        for (const Row &row : m_rows)
            row.box->setEnabled(false);
    }

    layout->addSpacing(8);
    m_desktop = new DesktopSupportView(m_services.capabilities, page);
    layout->addWidget(m_desktop);
    layout->addStretch(1);

    auto *scroll = new QScrollArea(this);
    scroll->setWidget(page);
    scroll->setWidgetResizable(true);
    // Focused by Tab to scroll with the keys; a screen reader says where it is.
    scroll->setAccessibleName(tr("Preferences"));
    scroll->setFrameShape(QFrame::NoFrame);
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(scroll);
}

QWidget *PreferencesPane::shortcutRow(Shortcut shortcut, const QString &caption)
{
    auto *row = new QWidget;
    auto *column = new QVBoxLayout(row);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(2);
    auto *layout = new QHBoxLayout;
    layout->setContentsMargins(0, 0, 0, 0);
    column->addLayout(layout);
    auto *label = new QLabel(caption, row);
    captionWidth(label);
    auto *box = new ShortcutRecorderBox(row);
    box->setAccessibleName(shortcutName(shortcut));
    label->setBuddy(box);
    auto *clear = new PointingHandButton(row);
    clear->setIcon(removeIcon());
    clear->setFlat(true);
    clear->setToolTip(tr("Clear this shortcut"));
    clear->setAccessibleName(clearButtonName(shortcut));
    clear->hide();
    layout->addWidget(label);
    layout->addWidget(box);
    layout->addWidget(clear);
    layout->addStretch(1);
    connect(box, &QAbstractButton::clicked, this, [this, shortcut] { m_recorder.startRecording(shortcut); });
    connect(clear, &QAbstractButton::clicked, this, [this, shortcut] { m_recorder.clearShortcut(shortcut); });
    // Said under the box when the desktop refused the shortcut: it is recorded but does not fire.
    auto *state = new QLabel(row);
    state->setWordWrap(true);
    state->setTextInteractionFlags(Qt::TextSelectableByMouse);
    state->setForegroundRole(QPalette::BrightText);
    state->hide();
    column->addWidget(state);
    m_rows[shortcutIndex(shortcut)] = Row{box, clear, state};
    return row;
}

void PreferencesPane::setShortcutStates(ShortcutStates *states)
{
    if (m_states)
        disconnect(m_states, nullptr, this, nullptr);
    m_states = states;
    if (states)
        connect(states, &ShortcutStates::changed, this, &PreferencesPane::showShortcutState);
    for (Shortcut shortcut : kShortcuts)
        showShortcutState(shortcut);
}

void PreferencesPane::showShortcutState(Shortcut shortcut)
{
    const Row &row = m_rows[shortcutIndex(shortcut)];
    const std::optional<ShortcutStatus> status = m_states ? m_states->status(shortcut) : std::nullopt;
    const bool refused = status && status->state == ShortcutStatus::State::Refused;
    // A desktop that asks the user in a dialog of its own answers later.
    const bool pending = status && status->state == ShortcutStatus::State::Pending;
    QString text;
    if (refused)
        text = tr("Does not work: %1").arg(shownReason(status->reason));
    else if (pending)
        text = tr("Waiting for the desktop to allow it");
    row.state->setText(text);
    row.state->setVisible(!text.isEmpty());
    // A screen reader hears it with the box too.
    row.box->setNote(text);
    QStringList problems;
    for (Shortcut each : kShortcuts) {
        if (m_states && m_states->isRefused(each))
            problems << QStringLiteral("%1: %2").arg(shortcutName(each), shownReason(m_states->status(each)->reason));
    }
    m_desktop->showShortcutProblems(problems);
}

void PreferencesPane::loadSettings()
{
    const QSignalBlocker soundBlocker(m_sound);
    const QSignalBlocker loginBlocker(m_startAtLogin);
    const QSignalBlocker orderBlocker(m_pasteOrder);
    // Without a stored choice the box keeps its state (off).
    if (const std::optional<bool> atLogin = m_loginSwitch.storedChoice())
        m_startAtLogin->setChecked(*atLogin);
    m_sound->setChecked(m_services.capture.sound().isEnabled());
    m_pasteOrder->clear();
    m_pasteOrder->addItems({firstToLastTitle(), lastToFirstTitle()});
    m_pasteOrder->setCurrentIndex(int(m_services.settings.number(keys::sequentialPasteOrder)));
}

void PreferencesPane::startAtLoginToggled(bool on)
{
    const LoginItems::Change change = m_loginSwitch.setEnabled(on);
    if (change.succeeded)
        return;
    // The box tells what the desktop will do, so it goes back; the user learns why.
    {
        const QSignalBlocker blocker(m_startAtLogin);
        m_startAtLogin->setChecked(!on);
    }
    AlertRequest request;
    request.style = kWarningStyle;
    request.messageText =
        on ? tr("Tavrin could not be set to start at login.") : tr("Tavrin could not be kept from starting at login.");
    request.informativeText = shownReason(change.reason);
    request.buttons = {tr("OK")};
    m_sheets.alert(request, nullptr);
}

void PreferencesPane::setShortcutLabel(Shortcut shortcut, const QString &text)
{
    recorderBox(shortcut)->setKeys(text);
}

void PreferencesPane::setClearButtonHidden(Shortcut shortcut, bool hidden)
{
    clearButton(shortcut)->setHidden(hidden);
}

void PreferencesPane::setRecorderBorder(Shortcut shortcut, RecorderBorder border)
{
    recorderBox(shortcut)->setBorder(border);
    updateKeyboardGrab();
}

void PreferencesPane::updateKeyboardGrab()
{
    // While a box records, it takes every key of the desktop: a combination that another program holds then still
    // reaches the recorder (and is refused when registering it fails), instead of triggering that program. A sheet
    // needs the keys for its answer.
    ShortcutRecorderBox *recording = nullptr;
    for (const Row &row : m_rows) {
        if (row.box && row.box->border() == RecorderBorder::recording)
            recording = row.box;
    }
    if (!isVisible() || m_sheets.isSheetOpen())
        recording = nullptr;
    QWidget *grabber = QWidget::keyboardGrabber();
    if (grabber && grabber != recording && grabber->window() == window())
        grabber->releaseKeyboard();
    if (recording && grabber != recording)
        recording->grabKeyboard();
}

void PreferencesPane::setDimmingLayerHidden(bool hidden)
{
    // The layer stays while a sheet of the window waits for its answer.
    if (hidden && m_sheets.isSheetOpen())
        return;
    m_sheets.dimmingLayer().setVisible(!hidden);
}

void PreferencesPane::showSheetAlert(const QString &message, std::function<void()> whenAnswered)
{
    AlertRequest request;
    request.messageText = message;
    // The desktop's refusal says why, where it is the reason.
    if (m_states)
        request.informativeText = shownReason(m_states->takeRefusal());
    request.buttons = {tr("OK")};
    m_sheets.alert(request, [this, whenAnswered = std::move(whenAnswered)](int) {
        if (whenAnswered)
            whenAnswered();
        updateKeyboardGrab();
    });
    updateKeyboardGrab();
}

int PreferencesPane::currentPane() const
{
    // The pane is on screen only while it is the main window's current one.
    return isVisible() ? int(MainPane::preferences) : -1;
}

void PreferencesPane::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    m_recorder.setView(this);
    loadSettings();
    m_recorder.showShortcuts();
    m_keys->setActive(true);
}

void PreferencesPane::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    m_keys->setActive(false);
    m_recorder.stopRecording();
    updateKeyboardGrab();
}

}  // namespace tavrin
