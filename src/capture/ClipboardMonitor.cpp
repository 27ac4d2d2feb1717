// SPDX-License-Identifier: GPL-3.0-or-later
#include "capture/ClipboardMonitor.h"

#include "capture/CaptureLog.h"
#include "capture/ClipItem.h"
#include "capture/InteractionSound.h"
#include "capture/LastChangeCount.h"
#include "capture/RecordingRules.h"
#include "capture/SequentialMode.h"
#include "platform/Clipboard.h"
#include "platform/Dispatcher.h"
#include "store/HistoryStore.h"
#include "store/SettingsKeys.h"
#include "store/SettingsStore.h"

#include <condition_variable>
#include <mutex>

namespace tavrin {

// Lets the monitor go away while a step is queued or running: a queued step sees the cancel and does nothing, and a
// running one is told to stop its read, so the destructor waits only for the read to notice.
struct ClipboardMonitor::StepControl {
    std::mutex mutex;
    std::condition_variable idle;
    std::stop_source stop;
    bool cancelled = false;
    bool running = false;
};

ClipboardMonitor::ClipboardMonitor(Clipboard &clipboard, Dispatcher &dispatcher, Scheduler &scheduler,
                                   HistoryStore &history, LastChangeCount &lastChangeCount, InteractionSound &sound,
                                   SequentialMode &sequential, RecordingRules &rules, QObject *parent)
    : QObject(parent),
      m_clipboard(clipboard),
      m_dispatcher(dispatcher),
      m_scheduler(scheduler),
      m_history(history),
      m_lastChangeCount(lastChangeCount),
      m_sound(sound),
      m_sequential(sequential),
      m_rules(rules),
      m_control(std::make_shared<StepControl>())
{
    connect(&m_rules, &RecordingRules::pausedChanged, this, [this](bool paused) {
        if (!paused)
            skipPendingChange();
    });
}

ClipboardMonitor::~ClipboardMonitor()
{
    m_scheduler.cancel(m_pollTimer);
    if (m_started)
        m_clipboard.setChangeListener({});
    std::unique_lock lock(m_control->mutex);
    m_control->cancelled = true;
    m_control->stop.request_stop();
    m_control->idle.wait(lock, [this] { return !m_control->running; });
}

void ClipboardMonitor::start()
{
    if (m_started)
        return;
    m_started = true;
    if (m_clipboard.announcesChanges()) {
        m_clipboard.setChangeListener([this] { checkState(); });
    } else {
        qCInfo(lcCapture, "the clipboard announces no changes here: it is checked every %lld ms",
               static_cast<long long>(kPollInterval.count()));
        m_pollTimer = m_scheduler.scheduleRepeating(kPollInterval, this, [this] { checkState(); });
    }
    // A copy made before we listened has no notice of its own to come.
    checkState();
}

void ClipboardMonitor::checkState()
{
    if (m_stepRunning) {
        // Several copies within one step are each looked at: the step runs once more when it ends.
        m_recheck = true;
        return;
    }
    // A notice that brings no new change (ours, or one already taken) costs these two reads and nothing else; the
    // worker repeats the comparison atomically.
    if (m_clipboard.changeCount() == m_lastChangeCount.value())
        return;
    startStep(StepKind::Change);
}

void ClipboardMonitor::captureLaunchText()
{
    if (m_stepRunning)
        return;  // only at launch, before any check
    startStep(StepKind::LaunchText);
}

void ClipboardMonitor::recordCopiedText(const QString &text)
{
    m_lastChangeCount.raiseAndWrite([&] { m_clipboard.writeString(text); });
    m_history.insertCaptured(text);
    afterCapture(text);
}

void ClipboardMonitor::skipPendingChange()
{
    // A step still running was started during the pause and records nothing; a change it did not take is taken
    // here, so the first check after the resume finds nothing from the pause.
    if (const std::optional<std::int64_t> change = m_lastChangeCount.takeChange(m_clipboard))
        qCDebug(lcCapture, "change %lld of the pause is not recorded", static_cast<long long>(*change));
}

void ClipboardMonitor::startStep(StepKind kind)
{
    m_stepRunning = true;
    // Decided when the change is noticed, on this thread: the window in front then is the one the copy came from.
    const bool refused = kind == StepKind::Change && !m_rules.recordsCopyNow();
    m_dispatcher.runInBackground(Dispatcher::Lane::Capture, this,
                                 [self = this, control = m_control, kind, recorded = m_lastChangeCount.value(),
                                  refused] { return runStep(self, control, kind, recorded, refused); });
}

Dispatcher::Task ClipboardMonitor::runStep(ClipboardMonitor *self, const std::shared_ptr<StepControl> &control,
                                           StepKind kind, std::int64_t recorded, bool refused)
{
    {
        std::lock_guard lock(control->mutex);
        if (control->cancelled)
            return {};  // the monitor is gone: self must not be used
        control->running = true;
    }
    const std::stop_token stop = control->stop.get_token();
    StepResult result =
        kind == StepKind::Change ? self->captureStep(stop, refused) : self->launchTextStep(recorded, stop);
    {
        std::lock_guard lock(control->mutex);
        control->running = false;
        control->idle.notify_all();
    }
    // From here on the worker leaves the monitor alone; the follow-up runs on the GUI thread only while the monitor
    // exists.
    return [self, kind, result = std::move(result)] { self->finishStep(kind, result); };
}

ClipboardMonitor::StepResult ClipboardMonitor::captureStep(std::stop_token stop, bool refused)
{
    const std::optional<std::int64_t> change = m_lastChangeCount.takeChange(m_clipboard);
    // A refused copy is consumed unread: a password copied during a pause is not even read.
    if (!change || refused)
        return {};
    // From here on this change is consumed, whether or not it yields an entry.
    const ClipboardContents contents = m_clipboard.readContents(std::move(stop));
    // Content that was replaced while we read may be ours or a newer copy's; the next check takes that change.
    if (!m_lastChangeCount.isCurrent(*change, m_clipboard)) {
        qCDebug(lcCapture, "change %lld replaced while it was read; the next check takes the newer one",
                static_cast<long long>(*change));
        return {};
    }
    if (contents.ownerTooSlow)
        return StepResult{std::nullopt, true, contents.ownerName};
    if (contents.concealed) {
        qCDebug(lcCapture, "change %lld is marked secret and is not recorded", static_cast<long long>(*change));
        return {};
    }
    return StepResult{capturedEntry(contents), false, {}};
}

ClipboardMonitor::StepResult ClipboardMonitor::launchTextStep(std::int64_t recorded, std::stop_token stop)
{
    // A copy made since the count was recorded is a change like any other: the next check takes it.
    if (m_clipboard.changeCount() != recorded)
        return {};
    const ClipboardContents contents = m_clipboard.readContents(std::move(stop));
    if (!m_lastChangeCount.isCurrent(recorded, m_clipboard))
        return {};
    if (contents.ownerTooSlow)
        return StepResult{std::nullopt, true, contents.ownerName};
    if (contents.concealed)
        return {};
    return StepResult{contents.string, false, {}};
}

void ClipboardMonitor::finishStep(StepKind kind, const StepResult &result)
{
    m_stepRunning = false;
    const std::optional<QString> &entry = result.entry;
    if (result.ownerTooSlow) {
        const QString application = result.ownerName.isEmpty() ? m_rules.focusedWindowClass() : result.ownerName;
        qCInfo(lcCapture, "a copy in %s was not recorded: it was not handed over in time",
               application.isEmpty() ? "an unknown application" : qUtf8Printable(application));
        Q_EMIT copyDropped(application, m_readTimeout.count());
    }
    if (entry && kind == StepKind::LaunchText) {
        // The launch's entry has no sound and no list reset; the list shows it through the history's signal. It
        // may come after the list's first save, so it is saved on its own.
        m_history.insertCaptured(*entry);
        m_history.scheduleSave();
    } else if (entry) {
        m_history.insertCaptured(*entry);
        afterCapture(*entry);
    }
    if (m_recheck) {
        m_recheck = false;
        checkState();
    }
}

std::chrono::milliseconds ClipboardMonitor::readTimeoutSetting(const SettingsStore &settings)
{
    return std::chrono::milliseconds(settings.number(keys::clipboardReadTimeout));
}

void ClipboardMonitor::setReadTimeout(std::chrono::milliseconds timeout)
{
    if (timeout != kDefaultReadTimeout)
        qCInfo(lcCapture, "a copy is read for at most %lld ms, as the settings say",
               static_cast<long long>(timeout.count()));
    m_readTimeout = timeout;
    m_clipboard.setReadTimeout(timeout);
}

void ClipboardMonitor::afterCapture(const QString &entry)
{
    m_sound.play(QStringLiteral("Frog"));
    m_sequential.appendCaptured(entry);
    m_history.scheduleSave();
    Q_EMIT captured(entry);
}

}  // namespace tavrin
