#include "capture/SequentialMode.h"

#include "capture/InteractionSound.h"
#include "capture/PasteEngine.h"
#include "capture/SequentialQueue.h"
#include "capture/SequentialWindow.h"
#include "store/SettingsKeys.h"
#include "store/SettingsStore.h"

#include <QDateTime>

#include <cstdio>

namespace tavrin {

namespace {
void printPressed()
{
    const QByteArray line =
        QStringLiteral("Pressed sequential %1\n")
            .arg(QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss +0000")))
            .toUtf8();
    std::fputs(line.constData(), stdout);
    std::fflush(stdout);
}
}  // namespace

SequentialMode::SequentialMode(SequentialQueue &queue, SettingsStore &settings, PasteEngine &engine,
                               InteractionSound &sound, QObject *parent)
    : QObject(parent), m_queue(queue), m_settings(settings), m_engine(engine), m_sound(sound)
{
}

bool SequentialMode::isOn() const
{
    return m_window && m_window->isVisible();
}

void SequentialMode::toggleSequentialMode()
{
    printPressed();
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
    printPressed();
    if (m_queue.isEmpty())
        return;
    const auto order = m_settings.integer(keys::sequentialPasteOrder);
    if (!order)
        return;  // the launch stores the key; without it there is no order to take an entry by
    const QString entry = *order == 0 ? m_queue.takeFirst() : m_queue.takeLast();
    // Raising the count and writing are one step; the list reload follows it instead of sitting in between.
    m_engine.writeItemToPasteboard(entry);
    Q_EMIT queueChanged();
    m_engine.scheduleSequentialPaste();
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
