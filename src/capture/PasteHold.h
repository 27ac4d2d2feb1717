// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Scheduler.h"

#include <QObject>

#include <chrono>
#include <deque>
#include <functional>

namespace tavrin {

class Clipboard;

// A paste is asynchronous: the window in front reads the clipboard some time after the keys reached it, so a write
// made meanwhile would be what it pastes. While a paste holds the clipboard, other clipboard writes wait: from the
// paste's own write until the target has asked for the data after the keys, or until a bounded wait has passed
// where the desktop cannot tell.
class PasteHold : public QObject {
    Q_OBJECT
public:
    /// How long after the keys the clipboard is kept for a target that never asks (or a backend that cannot tell).
    static constexpr std::chrono::milliseconds kReadWait{1000};

    PasteHold(Clipboard &clipboard, Scheduler &scheduler, QObject *parent = nullptr);
    ~PasteHold() override;

    /// Runs step now when no paste holds the clipboard, else once the hold ends; waiting steps keep their order.
    void run(std::function<void()> step);
    /// A paste's write is on the clipboard and its keys are on their way: hold it from now.
    void hold();
    /// The paste keys were typed: the hold ends once the target asks for the data, or after kReadWait. Keys that
    /// could not be typed end it at once.
    void keysTyped(bool typed);
    /// True while writes wait.
    bool isHeld() const { return m_state != State::Free; }

private:
    enum class State { Free, AwaitingKeys, AwaitingRead };

    void onDataRequested();
    void release();

    Clipboard &m_clipboard;
    Scheduler &m_scheduler;
    State m_state = State::Free;
    Scheduler::TimerId m_readTimer = 0;
    std::deque<std::function<void()>> m_waiting;
};

}  // namespace tavrin
