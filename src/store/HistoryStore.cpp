// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/HistoryStore.h"

#include "store/AtomicFile.h"
#include "store/SettingsKeys.h"
#include "store/SettingsStore.h"
#include "store/StoreLog.h"
#include "store/StringListFiles.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace tavrin {

using namespace std::chrono_literals;

HistoryStore::HistoryStore(SettingsStore &settings, Scheduler &scheduler, ListFolder &folder, QObject *parent)
    : QObject(parent), m_settings(settings), m_scheduler(scheduler), m_folder(folder)
{
    connect(&m_writer, &BackgroundWriter::finished, this, &HistoryStore::writeFinished);
}

HistoryStore::~HistoryStore()
{
    m_scheduler.cancel(m_saveTimer);
    m_scheduler.cancel(m_retryTimer);
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

void HistoryStore::loadItems()
{
    QString path;
    if (rememberedPath()) {
        usablePath(&path);
    } else {
        // Settings that were lost or reset do not make the history the user had a stranger: a history file at the
        // default path is theirs.
        path = defaultPath();
        if (QFileInfo::exists(path)) {
            qCInfo(lcStore).noquote() << "no history path remembered; reading" << path;
            m_settings.setString(keys::historyPath, path);
        }
    }
    const ListFileRead read = m_folder.read(path);
    m_items = read.strings;
    // The rest of the program relies on 0 <= pinCount <= number of entries. The stored count belongs to the file,
    // so it is only brought in line with a file that could be read: restoring a damaged file brings its pins back.
    const std::int64_t clamped = std::clamp<std::int64_t>(m_pinCount, 0, m_items.size());
    if (clamped != m_pinCount) {
        m_pinCount = clamped;
        if (!read.isDamaged())
            storePinCount();
    }
    m_savedChanges = m_changes;
    Q_EMIT itemsReset();
    // Entries read from another file than the one saved to are not there yet.
    if (path != historyPath() && !m_items.isEmpty()) {
        changed();
        scheduleSave();
    }
}

void HistoryStore::insertCaptured(const QString &item)
{
    const int at = int(std::min<std::int64_t>(m_pinCount, m_items.size()));
    m_items.insert(at, item);
    changed();
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
    m_items.move(index, to);
    changed();
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
    changed();
    Q_EMIT itemRemoved(index);
    saveHistory();
}

void HistoryStore::clearAll()
{
    m_pinCount = 0;
    storePinCount();
    m_items.clear();
    changed();
    Q_EMIT itemsReset();
    Q_EMIT pinCountChanged(m_pinCount);
    saveHistory();
}

void HistoryStore::saveHistory()
{
    const QString path = historyPath();
    // The list is implicitly shared: the writer thread gets a snapshot without a copy of the texts.
    m_writer.write(
        path, [&folder = m_folder, path, items = m_items](QString *error) { return folder.write(path, items, error); },
        m_changes);
}

void HistoryStore::scheduleSave()
{
    const std::chrono::milliseconds now = m_scheduler.now();
    if (!hasPendingSave())
        m_burstStart = now;
    // A program that copies every few seconds would otherwise put the save off for as long as it runs.
    const std::chrono::milliseconds delay = std::clamp(m_burstStart + kLongestSaveWait - now, 0ms, kSaveDelay);
    m_scheduler.cancel(m_saveTimer);
    m_saveTimer = m_scheduler.scheduleOnce(delay, this, [this] {
        m_saveTimer = 0;
        saveHistory();
    });
}

bool HistoryStore::hasPendingSave() const
{
    return m_saveTimer != 0 && m_scheduler.isPending(m_saveTimer);
}

bool HistoryStore::flushPendingSave(QString *error)
{
    m_scheduler.cancel(m_saveTimer);
    m_saveTimer = 0;
    if (hasUnsavedChanges())
        saveHistory();
    m_writer.flush();
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
    if (ok) {
        m_savedChanges = std::max(m_savedChanges, changes);
        m_retryDelay = kFirstRetryDelay;
        if (m_failing.markSaved(path)) {
            qCInfo(lcStore).noquote() << "the history is saved to" << path << "again";
            Q_EMIT saveRecovered(path);
        }
        if (!hasUnsavedChanges()) {
            m_scheduler.cancel(m_retryTimer);
            m_retryTimer = 0;
        }
        return;
    }
    m_lastFailure = path + QStringLiteral(": ") + error;
    if (m_failing.markFailed(path)) {
        qCWarning(lcStore).noquote() << "cannot save the history to" << path << ":" << error;
        Q_EMIT saveFailed(path, error);
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
        if (hasUnsavedChanges())
            saveHistory();
    });
}

}  // namespace tavrin
