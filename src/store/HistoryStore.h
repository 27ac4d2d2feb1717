// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Scheduler.h"
#include "store/BackgroundWriter.h"
#include "store/EntryList.h"
#include "store/FailingFiles.h"
#include "store/HistoryJournal.h"
#include "store/StringListFiles.h"

#include <QObject>
#include <QPointer>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <future>
#include <memory>
#include <optional>

namespace tavrin {

class SettingsStore;
struct LoadedHistory;

// The clipboard history: entries newest first below a block of pinned entries, kept in one file.
// Lives on the GUI thread; every change happens there.
//
// Each change is appended to a journal beside the history file within kSaveDelay, off the GUI thread; the history
// file itself is written whole only when the journal has grown past kFoldBytes or kFoldRecords, after a clear, at a
// clean quit, and at a start that found changes in the journal (folding them in).
class HistoryStore : public QObject {
    Q_OBJECT
public:
    /// A capture reaches the journal on disk this long after it, together with those that came meanwhile.
    static constexpr std::chrono::milliseconds kSaveDelay{250};
    /// The journal is folded into the history file once it holds this much.
    static constexpr qint64 kFoldBytes = qint64(8) << 20;
    static constexpr qsizetype kFoldRecords = 10000;
    /// A failed save is tried again after this long, then after twice as long each time, up to the longest delay.
    static constexpr std::chrono::milliseconds kFirstRetryDelay{5000};
    static constexpr std::chrono::milliseconds kLongestRetryDelay{300000};

    /// The history file lives in folder (its default path) unless the settings remember another path.
    HistoryStore(SettingsStore &settings, Scheduler &scheduler, ListFolder &folder, QObject *parent = nullptr);
    ~HistoryStore() override;

    const EntryList &items() const { return m_items; }
    std::int64_t pinCount() const { return m_pinCount; }

    /// Both launch steps: the pin count, then the entries.
    void loadHistory();
    /// Reads "TotalPinCount", storing 0 when it holds no integer.
    void loadPinCount();
    /// Reads the history file: the remembered one, or the default one when no path is remembered or the remembered
    /// one cannot be used (see historyPath). A pin count beyond the entries read is clamped, and stored only when the
    /// file could be read whole.
    void loadItems();
    /// The same on a thread of its own, so that a long history holds up nothing: the entries come in on the GUI
    /// thread once read (itemsReset, then loaded). Meanwhile the list is empty, captures wait to be inserted after the
    /// entries read, a clear waits to clear them too, and nothing is saved.
    void startLoadingItems();
    /// Waits for a load started by startLoadingItems and takes its entries in now; nothing when none is running.
    void finishLoading();
    /// False from startLoadingItems until its entries are in.
    bool isLoaded() const { return !m_loading.valid(); }
    /// Runs call on the GUI thread once the entries are in (at once when they are), unless context is gone by then.
    void whenLoaded(QObject *context, std::function<void()> call);

    /// Inserts a captured entry directly below the pins; scheduleSave puts it on disk.
    void insertCaptured(const QString &item);
    /// Pins an unpinned entry (to the bottom of the pins) or unpins a pinned one (to just below the pins); saves.
    void togglePin(int index);
    /// Removes one entry, lowering the pin count when it was pinned; saves.
    void removeItem(int index);
    /// Removes every entry, pinned ones included; writes the history file whole.
    void clearAll();
    /// Writes the entries to the history file whole (in the background) when it lacks any change, and starts the
    /// journal over; nothing when the file already holds everything.
    void saveHistory();
    /// Appends the changes to the journal kSaveDelay after the first one not on disk.
    void scheduleSave();
    /// True while the save timer waits.
    bool hasPendingSave() const;
    /// True while a change has not reached the disk yet (waiting for its save, or its save failed).
    bool hasUnsavedChanges() const { return m_changes != m_savedChanges; }
    /// Writes whatever has not been saved now and waits until it is on disk (a clean quit). False when it could not
    /// be saved; error then says where and why.
    bool flushPendingSave(QString *error = nullptr);
    /// Waits until the writes already started have finished; false when the last one failed.
    bool waitForWrites();
    /// At the program's end, after the last save: the entries are not freed one by one when this object goes, the
    /// process's exit frees them at once (a long history would otherwise hold up the exit).
    void keepEntriesUntilExit() { m_keepUntilExit = true; }
    /// What keepEntriesUntilExit kept of the last store destroyed so.
    static const EntryList &entriesKeptUntilExit();
    /// The history file: the remembered path when it is absolute and its folder can be written, else the default one
    /// in the data folder, remembered from now on (a remembered path given up is told by pathReplaced).
    QString historyPath();
    /// The default history file in the data folder.
    QString defaultPath() const;
    /// The same without remembering anything.
    QString currentPath() const { return rememberedPath().value_or(defaultPath()); }
    /// The journal beside the history file.
    QString journalPath() const { return journalPathFor(currentPath()); }

Q_SIGNALS:
    // Each change is announced before (so that a model reading items() can begin it) and after it is made.
    void itemAboutToBeInserted(int index);
    void itemInserted(int index);
    void itemAboutToBeRemoved(int index);
    void itemRemoved(int index);
    void itemAboutToBeMoved(int from, int to);
    void itemMoved(int from, int to);
    void itemsAboutToBeReset();
    void itemsReset();
    void pinCountChanged(std::int64_t pinCount);
    /// The entries of a load started by startLoadingItems are in (after itemsReset), with the captures made meanwhile.
    void loaded();
    /// Saving to path started failing; said once until it recovers. Saving is retried meanwhile.
    void saveFailed(const QString &path, const QString &reason);
    /// Saving to path works again after a failure.
    void saveRecovered(const QString &path);
    /// The remembered history file could not be used (why), so the history is kept in to from now on; readFrom
    /// says whether its entries were read from the remembered file (left as it was) because to had none.
    void pathReplaced(const QString &from, const QString &to, const QString &why, bool readFrom);

private:
    std::optional<QString> rememberedPath() const;
    /// The file a load reads (and remembers as the history path when a file is found where none was remembered).
    QString pathToLoad();
    /// Takes in the entries read from path.
    void takeLoaded(const QString &path, LoadedHistory loaded);
    /// The remembered path when it can be used; otherwise the default one, remembered and told about. For a load,
    /// readFrom is where the entries are read from.
    QString usablePath(QString *readFrom = nullptr);
    void storePinCount();
    void changed() { ++m_changes; }
    /// Counts a change and adds its record to the journal.
    void record(JournalRecord::Op op, int a, int b = 0, const QString &text = QString());
    /// Queues the append of the journal's new records.
    void syncJournal();
    void writeFinished(const QString &path, quint64 changes, bool ok, const QString &error);
    void scheduleRetry();

    SettingsStore &m_settings;
    Scheduler &m_scheduler;
    ListFolder &m_folder;
    EntryList m_items;
    std::int64_t m_pinCount = 0;
    // Changes made, how many of them are on disk (in the journal or the history file), and how many the history file
    // holds.
    quint64 m_changes = 0;
    quint64 m_savedChanges = 0;
    quint64 m_foldedChanges = 0;
    // The history file differs from the entries in another way than by changes: it was damaged, or read elsewhere.
    bool m_fileStale = false;
    bool m_keepUntilExit = false;
    bool m_foldFailed = false;
    quint64 m_device = 0;
    std::shared_ptr<JournalFile> m_journal;
    Scheduler::TimerId m_saveTimer = 0;
    Scheduler::TimerId m_retryTimer = 0;
    std::chrono::milliseconds m_retryDelay = kFirstRetryDelay;
    FailingFiles m_failing;
    QString m_lastFailure;
    BackgroundWriter m_writer;
    // A load running on its own thread, the file it reads, and what waits for it.
    std::future<std::shared_ptr<LoadedHistory>> m_loading;
    QString m_loadingPath;
    QStringList m_capturedWhileLoading;
    bool m_saveWhenLoaded = false;
    QList<std::pair<QPointer<QObject>, std::function<void()>>> m_waitingForLoad;
};

}  // namespace tavrin
