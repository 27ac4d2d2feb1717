#pragma once

#include "platform/Scheduler.h"
#include "store/HistoryWriter.h"

#include <QObject>
#include <QStringList>

#include <cstdint>

namespace tavrin {

class SettingsStore;

// The clipboard history: entries newest first below a block of pinned entries, kept in one file.
// Lives on the GUI thread; every change happens there.
class HistoryStore : public QObject {
    Q_OBJECT
public:
    static constexpr std::chrono::milliseconds kSaveDelay{5000};

    HistoryStore(SettingsStore &settings, Scheduler &scheduler, QObject *parent = nullptr);
    ~HistoryStore() override;

    const QStringList &items() const { return m_items; }
    std::int64_t pinCount() const { return m_pinCount; }

    /// Both launch steps: the pin count, then the entries.
    void loadHistory();
    /// Reads "TotalPinCount", storing 0 when it holds no integer.
    void loadPinCount();
    /// Reads the file named by "userdefaultsCopiedPath"; a pin count beyond the entries read is clamped and stored.
    void loadItems();

    /// Inserts a captured entry directly below the pins.
    void insertCaptured(const QString &item);
    /// Pins an unpinned entry (to the bottom of the pins) or unpins a pinned one (to just below the pins); saves.
    void togglePin(int index);
    /// Removes one entry, lowering the pin count when it was pinned; saves.
    void removeItem(int index);
    /// Removes every entry, pinned ones included; saves.
    void clearAll();
    /// Writes the entries to the history file (in the background).
    void saveHistory();
    /// Restarts the 5 s timer after which the history is saved.
    void scheduleSave();
    /// True while the save timer waits.
    bool hasPendingSave() const;
    /// Runs a waiting save now and waits until every write is on disk (clean quit).
    void flushPendingSave();
    /// Waits until the writes already started have finished; false when the last one failed.
    bool waitForWrites();

Q_SIGNALS:
    void itemInserted(int index);
    void itemRemoved(int index);
    void itemMoved(int from, int to);
    void itemsReset();
    void pinCountChanged(std::int64_t pinCount);

private:
    QString historyPath();
    void storePinCount();

    SettingsStore &m_settings;
    Scheduler &m_scheduler;
    QStringList m_items;
    std::int64_t m_pinCount = 0;
    Scheduler::TimerId m_saveTimer = 0;
    HistoryWriter m_writer;
};

}  // namespace tavrin
