// SPDX-License-Identifier: GPL-3.0-or-later
#include "capture/SequentialMode.h"

#include "capture/InteractionSound.h"
#include "capture/PasteEngine.h"
#include "capture/SequentialQueue.h"
#include "capture/SequentialWindow.h"
#include "store/SettingsKeys.h"
#include "store/SettingsStore.h"

namespace tavrin {

SequentialMode::SequentialMode(SequentialQueue &queue, SettingsStore &settings, PasteEngine &engine,
                               InteractionSound &sound, QObject *parent)
    : QObject(parent), m_queue(queue), m_settings(settings), m_engine(engine), m_sound(sound)
{
}

bool SequentialMode::isOn() const
{
    return m_window && m_window->isVisible();
}

int SequentialMode::nextIndex() const
{
    const auto order = m_settings.integer(keys::sequentialPasteOrder);
    if (m_queue.isEmpty() || !order)
        return -1;
    return *order == 0 ? 0 : m_queue.size() - 1;
}

void SequentialMode::toggleSequentialMode()
{
    showOrClose(true);
}

void SequentialMode::toggleSequentialQueue()
{
    showOrClose(false);
}

void SequentialMode::showOrClose(bool activate)
{
    if (!m_window)
        return;
    if (m_window->isVisible())
        m_window->close();
    else
        m_window->show(activate);
}

void SequentialMode::sequentialPasteNext()
{
    // Without a stored order (the launch stores one) there is no order to take an entry by.
    const int next = nextIndex();
    if (next < 0)
        return;
    const QString entry = m_queue.items().at(next);
    m_queue.removeAt(next);
    // Raising the count and writing are one step; the list reload follows it instead of sitting in between. The
    // write waits while the previous paste's entry has not been read yet.
    m_engine.pasteQueuedItem(entry);
    Q_EMIT queueChanged();
    if (m_queue.isEmpty() && m_window)
        m_window->close();
}

void SequentialMode::clearSequentialQueue()
{
    if (m_queue.isEmpty())
        return;
    m_sound.play(QStringLiteral("Pop"));
    m_queue.clear();
    Q_EMIT queueCleared();
}

void SequentialMode::appendCaptured(const QString &entry)
{
    if (!isOn())
        return;
    m_queue.append(entry);
    Q_EMIT queueChanged();
}

void SequentialMode::removeEntry(int index)
{
    if (index < 0 || index >= m_queue.size())
        return;
    m_queue.removeAt(index);
    Q_EMIT queueChanged();
}

void SequentialMode::removeAllEntries()
{
    m_queue.clear();
    Q_EMIT queueCleared();
}

}  // namespace tavrin
