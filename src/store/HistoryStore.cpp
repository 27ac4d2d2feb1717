#include "store/HistoryStore.h"

#include "store/SettingsKeys.h"
#include "store/SettingsStore.h"
#include "store/StringListFiles.h"

#include <QFileInfo>

#include <algorithm>

namespace tavrin {

HistoryStore::HistoryStore(SettingsStore &settings, Scheduler &scheduler, QObject *parent)
    : QObject(parent), m_settings(settings), m_scheduler(scheduler)
{
}

HistoryStore::~HistoryStore()
{
    m_scheduler.cancel(m_saveTimer);
}

void HistoryStore::loadHistory()
{
    loadPinCount();
    loadItems();
}

void HistoryStore::loadPinCount()
{
    if (const auto stored = m_settings.integer(keys::pinCount))
        m_pinCount = *stored;
    else
        storePinCount();
}

void HistoryStore::loadItems()
{
    const auto path = m_settings.string(keys::historyPath);
    if (path && QFileInfo(*path).isFile())
        m_items = readStringListAtPath(*path);
    // The rest of the program relies on 0 <= pinCount <= number of entries.
    const std::int64_t clamped = std::clamp<std::int64_t>(m_pinCount, 0, m_items.size());
    if (clamped != m_pinCount) {
        m_pinCount = clamped;
        storePinCount();
    }
    Q_EMIT itemsReset();
}

void HistoryStore::insertCaptured(const QString &item)
{
    const int at = int(std::min<std::int64_t>(m_pinCount, m_items.size()));
    m_items.insert(at, item);
    Q_EMIT itemInserted(at);
}

void HistoryStore::togglePin(int index)
{
    if (index < 0 || index >= m_items.size())
        return;
    const QString entry = m_items.at(index);
    int to = 0;
    if (index < m_pinCount) {
        --m_pinCount;
        to = int(m_pinCount);
    } else {
        to = int(m_pinCount);
        ++m_pinCount;
    }
    m_items.move(index, to);
    Q_EMIT itemMoved(index, to);
    storePinCount();
    Q_EMIT pinCountChanged(m_pinCount);
    saveHistory();
}

void HistoryStore::removeItem(int index)
{
    if (index < 0 || index >= m_items.size())
        return;
    if (index < m_pinCount) {
        --m_pinCount;
        storePinCount();
        Q_EMIT pinCountChanged(m_pinCount);
    }
    m_items.removeAt(index);
    Q_EMIT itemRemoved(index);
    saveHistory();
}

void HistoryStore::clearAll()
{
    m_pinCount = 0;
    storePinCount();
    m_items.clear();
    Q_EMIT itemsReset();
    Q_EMIT pinCountChanged(m_pinCount);
    saveHistory();
}

void HistoryStore::saveHistory()
{
    // The list is implicitly shared: the writer thread gets a snapshot without a copy of the texts.
    m_writer.write(historyPath(), m_items);
}

void HistoryStore::scheduleSave()
{
    m_scheduler.cancel(m_saveTimer);
    m_saveTimer = m_scheduler.scheduleOnce(kSaveDelay, [this] {
        m_saveTimer = 0;
        saveHistory();
    });
}

bool HistoryStore::hasPendingSave() const
{
    return m_saveTimer != 0 && m_scheduler.isPending(m_saveTimer);
}

void HistoryStore::flushPendingSave()
{
    if (hasPendingSave()) {
        m_scheduler.cancel(m_saveTimer);
        m_saveTimer = 0;
        saveHistory();
    }
    m_writer.flush();
}

bool HistoryStore::waitForWrites()
{
    return m_writer.flush();
}

QString HistoryStore::historyPath()
{
    if (const auto stored = m_settings.string(keys::historyPath))
        return *stored;
    const QString path = documentsDirectory() + QStringLiteral("/myfile.plist");
    m_settings.setString(keys::historyPath, path);
    return path;
}

void HistoryStore::storePinCount()
{
    m_settings.setInteger(keys::pinCount, m_pinCount);
}

}  // namespace tavrin
