#include "capture/ClipboardMonitor.h"

#include "capture/ClipItem.h"
#include "capture/InteractionSound.h"
#include "capture/LastChangeCount.h"
#include "capture/SequentialMode.h"
#include "platform/Dispatcher.h"
#include "platform/Pasteboard.h"
#include "store/HistoryStore.h"

#include <condition_variable>
#include <mutex>

namespace tavrin {

// Lets the monitor go away while a step is queued or running: a queued step sees the cancel and does nothing, and
// the destructor waits for a running one (a read ends at the backend's timeout at the latest).
struct ClipboardMonitor::StepControl {
    std::mutex mutex;
    std::condition_variable idle;
    bool cancelled = false;
    bool running = false;
};

ClipboardMonitor::ClipboardMonitor(Pasteboard &pasteboard, Dispatcher &dispatcher, Scheduler &scheduler,
                                   HistoryStore &history, LastChangeCount &lastChangeCount, InteractionSound &sound,
                                   SequentialMode &sequential, QObject *parent)
    : QObject(parent),
      m_pasteboard(pasteboard),
      m_dispatcher(dispatcher),
      m_scheduler(scheduler),
      m_history(history),
      m_lastChangeCount(lastChangeCount),
      m_sound(sound),
      m_sequential(sequential),
      m_control(std::make_shared<StepControl>())
{
}

ClipboardMonitor::~ClipboardMonitor()
{
    m_scheduler.cancel(m_timer);
    if (m_timer)
        m_pasteboard.setChangeListener({});
    std::unique_lock lock(m_control->mutex);
    m_control->cancelled = true;
    m_control->idle.wait(lock, [this] { return !m_control->running; });
}

void ClipboardMonitor::start()
{
    if (m_timer)
        return;
    m_timer = m_scheduler.scheduleRepeating(kPollInterval, [this] { checkState(); });
    m_pasteboard.setChangeListener([this] { checkState(); });
}

void ClipboardMonitor::checkState()
{
    if (m_stepRunning) {
        // Several copies within one step are each looked at: the step runs once more when it ends.
        m_recheck = true;
        return;
    }
    // An idle tick costs these two reads and nothing else; the worker repeats the comparison atomically.
    if (m_pasteboard.changeCount() == m_lastChangeCount.value())
        return;
    m_stepRunning = true;
    m_dispatcher.runInBackground([this, control = m_control] {
        {
            std::lock_guard lock(control->mutex);
            if (control->cancelled)
                return;
            control->running = true;
        }
        std::optional<QString> entry = captureStep();
        m_dispatcher.runOnMain([this, control, entry = std::move(entry)] {
            if (!control->cancelled)
                finishStep(entry);
        });
        std::lock_guard lock(control->mutex);
        control->running = false;
        control->idle.notify_all();
    });
}

std::optional<QString> ClipboardMonitor::captureStep()
{
    const std::optional<std::int64_t> change = m_lastChangeCount.takeChange(m_pasteboard);
    if (!change)
        return std::nullopt;
    // From here on this change is consumed, whether or not it yields an entry.
    const PasteboardContents contents = m_pasteboard.readContents();
    // Content that was replaced while we read may be ours or a newer copy's; the next check takes that change.
    if (!m_lastChangeCount.isCurrent(*change, m_pasteboard))
        return std::nullopt;
    if (contents.concealed)
        return std::nullopt;
    return capturedEntry(contents);
}

void ClipboardMonitor::finishStep(const std::optional<QString> &entry)
{
    m_stepRunning = false;
    if (entry) {
        m_history.insertCaptured(*entry);
        afterCapture(*entry);
    }
    if (m_recheck) {
        m_recheck = false;
        checkState();
    }
}

void ClipboardMonitor::afterCapture(const QString &entry)
{
    Q_EMIT historyModeRequested();
    Q_EMIT mainWindowListReloadRequested();
    m_sound.play(QStringLiteral("Frog"));
    m_sequential.appendCaptured(entry);
    m_history.scheduleSave();
    Q_EMIT quickAccessReloadRequested();
}

}  // namespace tavrin
