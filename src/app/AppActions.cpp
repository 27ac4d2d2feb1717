// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/AppActions.h"

#include "app/AppContext.h"
#include "app/WindowRegistry.h"
#include "capture/CaptureServices.h"
#include "capture/InteractionSound.h"
#include "capture/RecordingRules.h"
#include "capture/SequentialMode.h"
#include "capture/SequentialQueue.h"
#include "store/HistoryStore.h"
#include "store/SettingsKeys.h"
#include "store/SettingsStore.h"
#include "ui/AlertPresenter.h"
#include "ui/main/MainPane.h"

#include <QEvent>
#include <QWidget>

namespace tavrin {

AppActions::AppActions(AppContext &context, WindowRegistry &windows, QObject *parent)
    : QObject(parent), m_context(context), m_windows(windows)
{
    // Leaving the list for the main window hides the list first, as any command that leaves it does.
    auto showPane = [this](MainPane pane) {
        if (QWidget *list = m_windows.quickListView.ifExists())
            list->window()->hide();
        m_windows.showMainWindowOn(pane);
    };
    m_manageClipboard = makeAction(tr("Manage Clipboard"));
    connect(m_manageClipboard, &QAction::triggered, this, [showPane] { showPane(MainPane::clipboard); });
    m_preferences = makeAction(tr("Preferences"), QKeySequence(Qt::ControlModifier | Qt::Key_Comma));
    connect(m_preferences, &QAction::triggered, this, [showPane] { showPane(MainPane::preferences); });
    m_clearClipboard = makeAction(tr("Clear Clipboard"));
    connect(m_clearClipboard, &QAction::triggered, this, &AppActions::askToClearHistory);
    m_showTooltip = makeAction(tr("Show Tooltip"));
    m_showTooltip->setCheckable(true);
    // The list reads the setting when it previews; the check mark shows it.
    m_showTooltip->setChecked(context.settings().flag(keys::showTooltip));
    connect(m_showTooltip, &QAction::toggled, this,
            [&context](bool on) { context.settings().setBool(keys::showTooltip, on); });

    CaptureServices &capture = context.capture();
    m_toggleSequentialQueue = makeAction(tr("Show Sequential Paste Queue"));
    connect(m_toggleSequentialQueue, &QAction::triggered, this, [this, &capture] {
        capture.sequentialMode().toggleSequentialQueue();
        refresh();
    });
    m_clearSequentialQueue = makeAction(tr("Clear Sequential Paste Queue"));
    // Plays "Pop" and tells the queue list, which reloads and takes its smallest height.
    connect(m_clearSequentialQueue, &QAction::triggered, this,
            [&capture] { capture.sequentialMode().clearSequentialQueue(); });
    m_toggleRecording = makeAction(tr("Pause Recording"));
    connect(m_toggleRecording, &QAction::triggered, this, [&capture] {
        RecordingRules &rules = capture.recordingRules();
        rules.setPaused(!rules.isPaused());
    });
    m_quit = makeAction(tr("Quit"), QKeySequence(Qt::ControlModifier | Qt::Key_Q));
    connect(m_quit, &QAction::triggered, this, &AppActions::quitRequested);

    connect(&capture.recordingRules(), &RecordingRules::pausedChanged, this, &AppActions::refresh);
    connect(&capture.sequentialMode(), &SequentialMode::queueChanged, this, &AppActions::refresh);
    connect(&capture.sequentialMode(), &SequentialMode::queueCleared, this, &AppActions::refresh);
    refresh();

    // The view's own option sits with the commands that leave the list; recording is about every copy, not about
    // this list: a section of its own.
    m_forViews.menu = {m_manageClipboard,      m_preferences,   m_clearClipboard,
                       m_showTooltip,          makeSeparator(), m_toggleSequentialQueue,
                       m_clearSequentialQueue, makeSeparator(), m_toggleRecording,
                       makeSeparator(),        m_quit};
    m_forViews.showTooltip = m_showTooltip;
}

QAction *AppActions::makeAction(const QString &text, const QKeySequence &shortcut)
{
    auto *action = new QAction(text, this);
    // Shown in the menus; it works in each window the action is added to (windowShortcuts()).
    action->setShortcut(shortcut);
    action->setShortcutContext(Qt::WindowShortcut);
    return action;
}

QAction *AppActions::makeSeparator()
{
    auto *separator = new QAction(this);
    separator->setSeparator(true);
    return separator;
}

QList<QAction *> AppActions::windowShortcuts() const
{
    return {m_preferences, m_quit};
}

void AppActions::followQueueWindow(QWidget *window)
{
    window->installEventFilter(this);
}

bool AppActions::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Show || event->type() == QEvent::Hide)
        refresh();
    return QObject::eventFilter(watched, event);
}

void AppActions::refresh()
{
    CaptureServices &capture = m_context.capture();
    m_toggleSequentialQueue->setText(capture.sequentialMode().isOn() ? tr("Hide Sequential Paste Queue")
                                                                     : tr("Show Sequential Paste Queue"));
    m_clearSequentialQueue->setEnabled(!capture.queue().isEmpty());
    m_toggleRecording->setText(capture.recordingRules().isPaused() ? tr("Resume Recording") : tr("Pause Recording"));
}

void AppActions::askToClearHistory()
{
    const AlertRequest alertremoveEntireclip{
        1, tr("Remove All Item?"), tr("Are you sure you want to clear the entire Clipboard?."), {tr("Yes"), tr("No")}};
    // "No" leaves the history as it is.
    if (m_context.alerts().runAlert(alertremoveEntireclip) == 0)
        clearHistory();
}

void AppActions::clearHistory()
{
    // Every list of the history follows its reset: it ends its search and shows it anew.
    m_context.history().clearAll();
    m_context.capture().sound().play(QStringLiteral("Pop"));
}

}  // namespace tavrin
