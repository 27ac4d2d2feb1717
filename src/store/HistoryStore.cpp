// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/HistoryStore.h"

#include "store/AtomicFile.h"
#include "store/SettingsKeys.h"
#include "store/SettingsStore.h"
#include "store/StoreLog.h"
#include "store/StringListFiles.h"

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>

#include <algorithm>
#include <system_error>

#include <sys/resource.h>
#include <unistd.h>

namespace tavrin {

using namespace std::chrono_literals;

namespace {

// How far below the GUI thread the load runs: not far, as it still has the cores the GUI thread leaves.
constexpr int kLoadNiceness = 5;

}  // namespace

HistoryStore::HistoryStore(SettingsStore &settings, Scheduler &scheduler, ListFolder &folder, QObject *parent)
    : QObject(parent),
      m_settings(settings),
      m_scheduler(scheduler),
      m_folder(folder),
      m_device(thisDeviceId(folder.directory())),
      m_journal(std::make_shared<JournalFile>(journalPathFor(currentPath()), m_device))
{
    connect(&m_writer, &BackgroundWriter::finished, this, &HistoryStore::writeFinished);
}

namespace {

// Reachable to the end, so that leak checkers see it as kept, not lost.
EntryList &keptUntilExit()
{
    static auto *kept = new EntryList;
    return *kept;
}

}  // namespace

HistoryStore::~HistoryStore()
{
    // The reading thread hands its result to this object: it must be done first.
    if (m_loading.valid())
        m_loading.wait();
    m_scheduler.cancel(m_saveTimer);
    m_scheduler.cancel(m_retryTimer);
    if (m_keepUntilExit)
        keptUntilExit() = std::move(m_items);
}

const EntryList &HistoryStore::entriesKeptUntilExit()
{
    return keptUntilExit();
}

void HistoryStore::loadHistory()
{
    loadPinCount();
    loadItems();
}

void HistoryStore::loadPinCount()
{
    m_settings.storeDefaultIfMissing(keys::pinCount);
    m_pinCount = m_settings.number(keys::pinCount);
}

// The history file read and its journal applied: all of a load that can happen off the GUI thread.
struct LoadedHistory {
    ListFileRead read;
    std::int64_t pinCount = 0;
    qsizetype replayed = 0;
};

namespace {

// Applies the journal read from beside the history file at historyPath to the entries just read from it; the number
// of changes applied.
qsizetype applyJournal(const JournalRead &journal, const QString &historyPath, EntryList &items, std::int64_t &pinCount,
                       const std::optional<FileChecksum> &historyChecksum)
{
    const QString path = journalPathFor(historyPath);
    const JournalReplay replay = replayJournal(journal, historyPath, items, pinCount, historyChecksum);
    const auto keepAside = [&path](const QString &label, const QString &why) {
        const QString aside = moveAside(path, label);
        qCWarning(lcStore).noquote() << "the journal" << path << QStringLiteral("%1;").arg(why) << "it is kept as"
                                     << (aside.isEmpty() ? QStringLiteral("it is") : aside);
    };
    switch (replay.outcome) {
    case JournalReplay::Outcome::none:
        if (!replay.damage.isEmpty())
            keepAside(QStringLiteral("damaged"), QStringLiteral("is damaged (%1)").arg(replay.damage));
        return 0;
    case JournalReplay::Outcome::unreadable:
        keepAside(QStringLiteral("damaged"), QStringLiteral("cannot be read (%1)").arg(replay.damage));
        return 0;
    case JournalReplay::Outcome::unmatched:
        // Its changes were made to another history file: this one was replaced since, by another program or by a
        // rewrite the journal was not started over after. Applied here, they could double or misplace entries.
        keepAside(QStringLiteral("unmatched"),
                  QStringLiteral("was written for another version of %1").arg(historyPath));
        return 0;
    case JournalReplay::Outcome::applied: break;
    }
    if (replay.tornTail)
        qCInfo(lcStore).noquote() << "the last change in" << path << "was cut short and is left out";
    if (!replay.damage.isEmpty())
        keepAside(QStringLiteral("damaged"),
                  QStringLiteral("is damaged (%1): the changes before it are kept").arg(replay.damage));
    qCInfo(lcStore).noquote() << "applied" << replay.applied << "changes from" << path;
    return replay.applied;
}

LoadedHistory readHistory(ListFolder &folder, const QString &path, std::int64_t pinCount)
{
    // The checksum is taken while the file is read, and only when the journal has changes to match it against.
    const JournalRead journal = readJournal(journalPathFor(path));
    LoadedHistory loaded{folder.read(path, journal.hasChanges()), pinCount, 0};
    loaded.replayed = applyJournal(journal, path, loaded.read.strings, loaded.pinCount, loaded.read.checksum);
    return loaded;
}

}  // namespace

QString HistoryStore::pathToLoad()
{
    if (rememberedPath()) {
        QString path;
        usablePath(&path);
        return path;
    }
    // Settings that were lost or reset do not make the history the user had a stranger: a history file at the
    // default path is theirs.
    QString path = defaultPath();
    if (QFileInfo::exists(path)) {
        qCInfo(lcStore).noquote() << "no history path remembered; reading" << path;
        m_settings.setString(keys::historyPath, path);
    }
    return path;
}

void HistoryStore::loadItems()
{
    const QString path = pathToLoad();
    takeLoaded(path, readHistory(m_folder, path, m_pinCount));
}

void HistoryStore::startLoadingItems()
{
    if (!isLoaded())
        return;
    m_loadingPath = pathToLoad();
    const auto readFile = [this, path = m_loadingPath, pins = m_pinCount] {
        // The GUI thread starting up meanwhile comes first, so the tray and the commands answer at once; the threads
        // that read the file's pieces inherit this.
        const auto thread = id_t(::gettid());
        ::setpriority(PRIO_PROCESS, thread, ::getpriority(PRIO_PROCESS, thread) + kLoadNiceness);
        QElapsedTimer timer;
        timer.start();
        auto read = std::make_shared<LoadedHistory>(readHistory(m_folder, path, pins));
        qCInfo(lcStore).noquote() << QStringLiteral("read %1 in %2 ms (entries: %3)")
                                         .arg(path)
                                         .arg(timer.elapsed())
                                         .arg(read->read.strings.size());
        QMetaObject::invokeMethod(this, &HistoryStore::finishLoading, Qt::QueuedConnection);
        return read;
    };
    try {
        m_loading = std::async(std::launch::async, readFile);
    } catch (const std::system_error &error) {
        // Without a thread to spare the file is read here, at once.
        qCWarning(lcStore, "the history is read on the GUI thread: no thread could be started (%s)", error.what());
        takeLoaded(m_loadingPath, readHistory(m_folder, m_loadingPath, m_pinCount));
        Q_EMIT loaded();
    }
}

void HistoryStore::finishLoading()
{
    if (isLoaded())
        return;
    const std::shared_ptr<LoadedHistory> read = m_loading.get();
    takeLoaded(m_loadingPath, std::move(*read));
    // Copies made while the file was read are newer than everything in it.
    const QStringList captured = std::exchange(m_capturedWhileLoading, {});
    for (const QString &entry : captured)
        insertCaptured(entry);
    if (std::exchange(m_saveWhenLoaded, false))
        saveHistory();
    else if (!captured.isEmpty())
        scheduleSave();
    Q_EMIT loaded();
    const auto waiting = std::exchange(m_waitingForLoad, {});
    for (const auto &[context, call] : waiting) {
        if (context)
            call();
    }
}

void HistoryStore::whenLoaded(QObject *context, std::function<void()> call)
{
    if (isLoaded())
        call();
    else
        m_waitingForLoad.append({QPointer<QObject>(context), std::move(call)});
}

void HistoryStore::takeLoaded(const QString &path, LoadedHistory loaded)
{
    Q_EMIT itemsAboutToBeReset();
    const ListFileRead &read = loaded.read;
    m_items = std::move(loaded.read.strings);
    const std::int64_t storedPins = m_pinCount;
    m_pinCount = loaded.pinCount;
    const qsizetype replayed = loaded.replayed;
    // The rest of the program relies on 0 <= pinCount <= number of entries. The stored count belongs to the file,
    // so it is only brought in line with a file that could be read: restoring a damaged file brings its pins back.
    m_pinCount = std::clamp<std::int64_t>(m_pinCount, 0, m_items.size());
    if (m_pinCount != storedPins && !read.isDamaged())
        storePinCount();
    m_savedChanges = m_changes;
    m_foldedChanges = m_changes;
    // A missing file is written at the first save even without changes: other programs find the history there.
    m_fileStale = read.isDamaged() || read.status == ListFileRead::Status::missing || replayed > 0;
    Q_EMIT itemsReset();
    // Entries read from another file than the one saved to are not there yet.
    if (path != historyPath() && !m_items.isEmpty()) {
        changed();
        m_fileStale = true;
    }
    // Changes found in the journal go into the history file now, so that other programs reading it see them.
    if (replayed > 0 || path != historyPath())
        saveHistory();
}

void HistoryStore::insertCaptured(const QString &item)
{
    if (!isLoaded()) {
        m_capturedWhileLoading.append(item);
        return;
    }
    const int at = int(std::min<std::int64_t>(m_pinCount, m_items.size()));
    Q_EMIT itemAboutToBeInserted(at);
    m_items.insert(at, item);
    record(JournalRecord::Op::insert, at, 0, item);
    Q_EMIT itemInserted(at);
}

void HistoryStore::togglePin(int index)
{
    if (index < 0 || index >= m_items.size())
        return;
    int to = 0;
    if (index < m_pinCount) {
        --m_pinCount;
        to = int(m_pinCount);
    } else {
        to = int(m_pinCount);
        ++m_pinCount;
    }
    Q_EMIT itemAboutToBeMoved(index, to);
    m_items.move(index, to);
    record(JournalRecord::Op::move, index, to);
    Q_EMIT itemMoved(index, to);
    storePinCount();
    Q_EMIT pinCountChanged(m_pinCount);
    syncJournal();
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
    Q_EMIT itemAboutToBeRemoved(index);
    m_items.removeAt(index);
    record(JournalRecord::Op::remove, index);
    Q_EMIT itemRemoved(index);
    syncJournal();
}

void HistoryStore::clearAll()
{
    // What the user sees cleared includes what is still being read.
    if (!isLoaded()) {
        whenLoaded(this, [this] { clearAll(); });
        return;
    }
    m_pinCount = 0;
    storePinCount();
    Q_EMIT itemsAboutToBeReset();
    m_items.clear();
    record(JournalRecord::Op::clear, 0);
    Q_EMIT itemsReset();
    Q_EMIT pinCountChanged(m_pinCount);
    saveHistory();
}

void HistoryStore::record(JournalRecord::Op op, int a, int b, const QString &text)
{
    changed();
    const JournalRecord change{op, a, b, m_pinCount, m_device, QDateTime::currentMSecsSinceEpoch(), text};
    m_journal->add(m_changes, encodeJournalRecord(change));
}

void HistoryStore::syncJournal()
{
    if (!isLoaded())
        return;
    m_scheduler.cancel(m_saveTimer);
    m_saveTimer = 0;
    const QString path = historyPath();
    m_journal->setPath(journalPathFor(path));
    const bool ourFolder = QFileInfo(path).absolutePath() == QFileInfo(m_folder.directory()).absoluteFilePath();
    m_writer.write(
        m_journal->path(),
        [journal = m_journal, path, ourFolder, folder = m_folder.directory()](QString *error) {
            if (ourFolder)
                ensurePrivateDirectory(folder);
            return journal->appendPending(path, error);
        },
        m_changes);
}

void HistoryStore::saveHistory()
{
    // Until the entries are in, the file holds more than the list: the save waits for them.
    if (!isLoaded()) {
        m_saveWhenLoaded = true;
        return;
    }
    if (m_foldedChanges == m_changes && !m_fileStale && !m_foldFailed)
        return;
    // Whatever waits for the journal is in the snapshot written now.
    m_scheduler.cancel(m_saveTimer);
    m_saveTimer = 0;
    const QString path = historyPath();
    m_journal->setPath(journalPathFor(path));
    // The list is shared: the writer thread gets a snapshot without a copy of the texts.
    m_writer.write(
        path,
        [&folder = m_folder, path, items = m_items, journal = m_journal, folded = m_changes](QString *error) {
            FileChecksum written;
            return folder.write(path, items, error, &written) && journal->restart(written, folded, error);
        },
        m_changes);
}

void HistoryStore::scheduleSave()
{
    if (hasPendingSave())
        return;
    m_saveTimer = m_scheduler.scheduleOnce(kSaveDelay, this, [this] {
        m_saveTimer = 0;
        syncJournal();
    });
}

bool HistoryStore::hasPendingSave() const
{
    return m_saveTimer != 0 && m_scheduler.isPending(m_saveTimer);
}

bool HistoryStore::flushPendingSave(QString *error)
{
    finishLoading();
    m_scheduler.cancel(m_saveTimer);
    m_saveTimer = 0;
    saveHistory();
    m_writer.flush();
    if (m_foldFailed && hasUnsavedChanges()) {
        // The journal's few bytes may still fit where the whole file did not.
        const QString foldFailure = m_lastFailure;
        syncJournal();
        m_writer.flush();
        m_lastFailure = foldFailure;
    }
    if (!hasUnsavedChanges())
        return true;
    if (error)
        *error = m_lastFailure;
    return false;
}

bool HistoryStore::waitForWrites()
{
    return m_writer.flush();
}

QString HistoryStore::historyPath()
{
    if (rememberedPath())
        return usablePath();
    QString path = defaultPath();
    m_settings.setString(keys::historyPath, path);
    return path;
}

QString HistoryStore::usablePath(QString *readFrom)
{
    QString remembered = *rememberedPath();
    QString fallback = defaultPath();
    if (readFrom)
        *readFrom = remembered;
    if (remembered == fallback)
        return remembered;
    // A path from settings brought from elsewhere (another user name, a moved home folder) must neither lose the
    // session's copies nor make folders wherever it points: the data folder takes its place.
    const QString why = whyFolderIsUnwritable(remembered);
    if (why.isEmpty())
        return remembered;
    // The remembered file stays as it is; its entries are taken only where the data folder has no history.
    const bool readRemembered = readFrom && !QFileInfo::exists(fallback) && QFileInfo::exists(remembered);
    if (readFrom)
        *readFrom = readRemembered ? remembered : fallback;
    qCWarning(lcStore).noquote() << "the history file" << remembered << QStringLiteral("cannot be used (%1);").arg(why)
                                 << "the history is kept in" << fallback << "from now on";
    m_settings.setString(keys::historyPath, fallback);
    Q_EMIT pathReplaced(remembered, fallback, why, readRemembered);
    return fallback;
}

std::optional<QString> HistoryStore::rememberedPath() const
{
    // An empty or relative path names no file of its own (it would depend on the folder the program started in).
    std::optional<QString> stored = m_settings.string(keys::historyPath);
    if (!stored || stored->isEmpty() || QDir::isRelativePath(*stored))
        return std::nullopt;
    return stored;
}

QString HistoryStore::defaultPath() const
{
    return m_folder.directory() + QStringLiteral("/myfile.plist");
}

void HistoryStore::storePinCount()
{
    m_settings.setInteger(keys::pinCount, m_pinCount);
}

void HistoryStore::writeFinished(const QString &path, quint64 changes, bool ok, const QString &error)
{
    // The journal is part of the history file as far as the user is concerned: both are told about as the latter.
    const bool journal = path == m_journal->path();
    const QString historyFile = journal ? path.chopped(journalPathFor(QString()).size()) : path;
    if (ok) {
        m_savedChanges = std::max(m_savedChanges, changes);
        if (!journal) {
            m_foldedChanges = std::max(m_foldedChanges, changes);
            m_fileStale = false;
            m_foldFailed = false;
        }
        m_retryDelay = kFirstRetryDelay;
        if (m_failing.markSaved(historyFile)) {
            qCInfo(lcStore).noquote() << "the history is saved to" << historyFile << "again";
            Q_EMIT saveRecovered(historyFile);
        }
        if (!hasUnsavedChanges() && !m_foldFailed) {
            m_scheduler.cancel(m_retryTimer);
            m_retryTimer = 0;
        }
        if (journal && (m_journal->size() > kFoldBytes || m_journal->recordCount() > kFoldRecords))
            saveHistory();
        return;
    }
    if (!journal)
        m_foldFailed = true;
    m_lastFailure = historyFile + QStringLiteral(": ") + error;
    if (m_failing.markFailed(historyFile)) {
        qCWarning(lcStore).noquote() << "cannot save the history to" << historyFile
                                     << (journal ? QStringLiteral("(its journal %1)").arg(path) : QString()) << ":"
                                     << error;
        Q_EMIT saveFailed(historyFile, error);
    } else {
        qCDebug(lcStore).noquote() << "saving the history to" << path << "failed again:" << error;
    }
    scheduleRetry();
}

void HistoryStore::scheduleRetry()
{
    if (m_retryTimer != 0 && m_scheduler.isPending(m_retryTimer))
        return;
    const std::chrono::milliseconds delay = m_retryDelay;
    m_retryDelay = std::min(m_retryDelay * 2, kLongestRetryDelay);
    m_retryTimer = m_scheduler.scheduleOnce(delay, this, [this] {
        m_retryTimer = 0;
        if (m_foldFailed)
            saveHistory();
        else if (hasUnsavedChanges())
            syncJournal();
    });
}

}  // namespace tavrin
