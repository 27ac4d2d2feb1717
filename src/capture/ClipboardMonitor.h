// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Dispatcher.h"
#include "platform/Scheduler.h"

#include <QObject>
#include <QString>

#include <chrono>
#include <memory>
#include <optional>
#include <stop_token>

namespace tavrin {

class HistoryStore;
class InteractionSound;
class LastChangeCount;
class Clipboard;
class RecordingRules;
class SequentialMode;
class SettingsStore;

// Turns clipboard changes into history entries.
//
// A check runs on each change the backend announces, and nothing runs in between; only a backend that cannot announce
// changes is polled, once a second. The check itself only compares two counts on the GUI thread; a moved count starts
// one capture step on the capture lane, which reads the clipboard. The insertion and every consequence of a capture run
// back on the GUI thread, in a fixed order. A step that is still reading when the monitor goes away is stopped, not
// waited out.
class ClipboardMonitor : public QObject {
    Q_OBJECT
public:
    /// How often a backend that announces no changes is asked.
    static constexpr std::chrono::milliseconds kPollInterval{1000};
    /// How long a read waits for the application that copied until the settings are read.
    static constexpr std::chrono::milliseconds kDefaultReadTimeout{3000};
    /// The read timeout the settings ask for (within the range of the settings table).
    static std::chrono::milliseconds readTimeoutSetting(const SettingsStore &settings);
    /// How long a read waits for the application that copied, from now on.
    void setReadTimeout(std::chrono::milliseconds timeout);

    ClipboardMonitor(Clipboard &clipboard, Dispatcher &dispatcher, Scheduler &scheduler, HistoryStore &history,
                     LastChangeCount &lastChangeCount, InteractionSound &sound, SequentialMode &sequential,
                     RecordingRules &rules, QObject *parent = nullptr);
    ~ClipboardMonitor() override;

    /// Listens to the backend's change notices (or polls a backend without them) and looks at once for a change made
    /// before; later calls do nothing.
    void start();
    bool isStarted() const { return m_started; }
    /// True while the clipboard is polled because its backend announces no changes.
    bool isPolling() const { return m_pollTimer != 0; }

    /// On each notice (or poll): starts a capture step when the clipboard changed and none is running.
    void checkState();
    /// Launch, once the change count is recorded: reads the clipboard's text on the worker and inserts it into the
    /// history, unless the clipboard changed meanwhile (a check then records the newer copy). Files are not
    /// looked at.
    void captureLaunchText();
    /// A text given by a command, recorded as if it had been copied: it goes on the clipboard (which the monitor
    /// then does not record again) and into the history, with every consequence of a capture.
    void recordCopiedText(const QString &text);

Q_SIGNALS:
    /// A copy was recorded (the history has it at the top of its unpinned entries): the lists of the history show it,
    /// ending their searches.
    void captured(const QString &entry);
    /// A copy was not recorded: the application that made it (its window class, or the class of the window in front
    /// when the backend cannot tell; empty when unknown) did not hand it over within the read timeout.
    void copyDropped(const QString &application, qint64 timeoutMs);

private:
    struct StepControl;
    enum class StepKind { Change, LaunchText };
    /// What a capture step found: the entry to record, or that the owner was too slow.
    struct StepResult {
        std::optional<QString> entry;
        bool ownerTooSlow = false;
        QString ownerName;
    };

    void startStep(StepKind kind);
    /// Worker side of a step: self is only used while the step's control says the monitor exists.
    static Dispatcher::Task runStep(ClipboardMonitor *self, const std::shared_ptr<StepControl> &control, StepKind kind,
                                    std::int64_t recorded, bool refused);
    /// Worker side: consume the change, read, decide the entry.
    StepResult captureStep(std::stop_token stop, bool refused);
    /// Worker side: the text of the launch, while the count recorded at launch still holds.
    StepResult launchTextStep(std::int64_t recorded, std::stop_token stop);
    /// GUI side: the consequences of one new entry.
    void afterCapture(const QString &entry);
    void finishStep(StepKind kind, const StepResult &result);
    /// On resuming: what was copied during the pause counts as seen.
    void skipPendingChange();

    Clipboard &m_clipboard;
    Dispatcher &m_dispatcher;
    Scheduler &m_scheduler;
    HistoryStore &m_history;
    LastChangeCount &m_lastChangeCount;
    InteractionSound &m_sound;
    SequentialMode &m_sequential;
    RecordingRules &m_rules;
    std::shared_ptr<StepControl> m_control;
    Scheduler::TimerId m_pollTimer = 0;
    bool m_started = false;
    std::chrono::milliseconds m_readTimeout = kDefaultReadTimeout;
    bool m_stepRunning = false;
    bool m_recheck = false;
};

}  // namespace tavrin
