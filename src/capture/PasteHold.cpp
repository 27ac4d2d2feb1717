// SPDX-License-Identifier: GPL-3.0-or-later
#include "capture/PasteHold.h"

#include "capture/CaptureLog.h"
#include "platform/Clipboard.h"

namespace tavrin {

PasteHold::PasteHold(Clipboard &clipboard, Scheduler &scheduler, QObject *parent)
    : QObject(parent), m_clipboard(clipboard), m_scheduler(scheduler)
{
    m_clipboard.setDataRequestListener([this] { onDataRequested(); });
}

PasteHold::~PasteHold()
{
    m_clipboard.setDataRequestListener({});
    m_scheduler.cancel(m_readTimer);
}

void PasteHold::run(std::function<void()> step)
{
    if (isHeld()) {
        m_waiting.push_back(std::move(step));
        return;
    }
    step();
}

void PasteHold::hold()
{
    m_scheduler.cancel(m_readTimer);
    m_state = State::AwaitingKeys;
}

void PasteHold::keysTyped(bool typed)
{
    m_scheduler.cancel(m_readTimer);
    if (!typed) {
        release();
        return;
    }
    m_state = State::AwaitingRead;
    m_readTimer = m_scheduler.scheduleOnce(kReadWait, this, [this] {
        qCDebug(lcCapture, "the pasted entry was not read within %lld ms; the clipboard is free again",
                static_cast<long long>(kReadWait.count()));
        release();
    });
}

void PasteHold::onDataRequested()
{
    // A clipboard manager of the desktop may read a new entry at once: only a read after the keys is the paste.
    if (m_state == State::AwaitingRead)
        release();
}

void PasteHold::release()
{
    m_scheduler.cancel(m_readTimer);
    m_readTimer = 0;
    m_state = State::Free;
    // A step may hold again (the next paste): the rest then waits for that one.
    while (!isHeld() && !m_waiting.empty()) {
        std::function<void()> step = std::move(m_waiting.front());
        m_waiting.pop_front();
        step();
    }
}

}  // namespace tavrin
