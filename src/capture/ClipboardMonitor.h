#pragma once

#include "platform/Scheduler.h"

#include <QObject>
#include <QString>

#include <chrono>
#include <memory>
#include <optional>

namespace tavrin {

class Dispatcher;
class HistoryStore;
class InteractionSound;
class LastChangeCount;
class Pasteboard;
class SequentialMode;

// Turns clipboard changes into history entries.
//
// A check runs every second and, where the backend reports changes, at once on each change. The check itself only
// compares two counts on the GUI thread; a moved count starts one capture step on a worker, which reads the
// clipboard. The insertion and every consequence of a capture run back on the GUI thread, in a fixed order.
class ClipboardMonitor : public QObject {
    Q_OBJECT
public:
    static constexpr std::chrono::milliseconds kPollInterval{1000};

    ClipboardMonitor(Pasteboard &pasteboard, Dispatcher &dispatcher, Scheduler &scheduler, HistoryStore &history,
                     LastChangeCount &lastChangeCount, InteractionSound &sound, SequentialMode &sequential,
                     QObject *parent = nullptr);
    ~ClipboardMonitor() override;

    /// Starts the 1.0 s timer and listens to the backend's change reports; later calls do nothing.
    void start();
    bool isStarted() const { return m_timer != 0; }

    /// The timer's action: starts a capture step when the clipboard changed and none is running.
    void checkState();

Q_SIGNALS:
    /// The quick-access list returns to history mode and ends its search.
    void historyModeRequested();
    /// The main-window list ends its search and reloads (when its content is loaded).
    void mainWindowListReloadRequested();
    /// The quick-access list reloads its table.
    void quickAccessReloadRequested();

private:
    struct StepControl;

    /// Worker side: consume the change, read, decide the entry.
    std::optional<QString> captureStep();
    /// GUI side: the consequences of one new entry.
    void afterCapture(const QString &entry);
    void finishStep(const std::optional<QString> &entry);

    Pasteboard &m_pasteboard;
    Dispatcher &m_dispatcher;
    Scheduler &m_scheduler;
    HistoryStore &m_history;
    LastChangeCount &m_lastChangeCount;
    InteractionSound &m_sound;
    SequentialMode &m_sequential;
    std::shared_ptr<StepControl> m_control;
    Scheduler::TimerId m_timer = 0;
    bool m_stepRunning = false;
    bool m_recheck = false;
};

}  // namespace tavrin
