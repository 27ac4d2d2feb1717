// SPDX-License-Identifier: GPL-3.0-or-later
#include "capture/FileEntries.h"

#include "platform/Scheduler.h"
#include "store/HistoryStore.h"

#include <QFileInfo>
#include <QMimeDatabase>

namespace tavrin {

namespace {

constexpr qsizetype kLongestPath = 4096;

// On the files lane: what the file system says now.
QList<FileEntries::Info> inspect(const QStringList &entries)
{
    QList<FileEntries::Info> infos;
    infos.reserve(entries.size());
    const QMimeDatabase types;
    for (const QString &entry : entries) {
        FileEntries::Info info;
        const QFileInfo file(entry);
        if (file.exists()) {
            info.isFile = true;
            info.isFolder = file.isDir();
            info.type = types.mimeTypeForFile(file).name();
        }
        infos.append(info);
    }
    return infos;
}

}  // namespace

FileEntries::FileEntries(HistoryStore &history, Dispatcher &dispatcher, const Scheduler &clock, QObject *parent)
    : QObject(parent), m_clock(clock), m_dispatcher(dispatcher)
{
    connect(&history, &HistoryStore::itemsReset, this, [this, &history] { lookAtPathsAmong(history.items()); });
    connect(&history, &HistoryStore::itemInserted, this,
            [this, &history](int index) { lookAt({history.items().at(index)}); });
}

FileEntries::~FileEntries() = default;

bool FileEntries::couldBeFile(const QString &entry)
{
    // Only absolute paths: a text such as "src" must not turn into a file because the working folder has one. A
    // look at the first character, not QDir: this runs for every entry of a loaded history, on the GUI thread.
    return entry.startsWith(u'/') && entry.size() <= kLongestPath;
}

FileEntries::Info FileEntries::info(const QString &entry)
{
    if (!couldBeFile(entry))
        return {};
    const auto known = m_known.constFind(entry);
    if (known == m_known.constEnd()) {
        lookAt({entry});
        return {};
    }
    if (m_clock.now() - known->checkedAt >= kFreshFor)
        lookAt({entry});
    return known->info;
}

void FileEntries::lookAtPathsAmong(const EntryList &entries)
{
    // A loaded history of a million entries is sifted on the files lane, not the GUI thread; the paths come back.
    m_dispatcher.runInBackground(Dispatcher::Lane::Files, this, [this, entries]() -> Dispatcher::Task {
        QStringList paths;
        const EntryList::ReadLock reading(entries);
        for (qsizetype i = 0; i < entries.size(); ++i) {
            // Only a text that starts with a slash is made a QString to be looked at.
            if (!entries.storedAt(i).startsWith('/'))
                continue;
            if (QString entry = entries.at(i); couldBeFile(entry))
                paths.append(std::move(entry));
        }
        // Not marked as pending: a hundred thousand paths would take the GUI thread that long to hash. One asked
        // about meanwhile is looked at twice, which costs a stat.
        return [this, paths = std::move(paths)] {
            for (qsizetype from = 0; from < paths.size(); from += kBatchSize)
                startBatch(paths.mid(from, kBatchSize));
        };
    });
}

void FileEntries::lookAt(const QStringList &entries)
{
    QStringList batch;
    for (const QString &entry : entries) {
        if (!couldBeFile(entry) || m_pending.contains(entry))
            continue;
        m_pending.insert(entry);
        batch.append(entry);
        if (batch.size() == kBatchSize)
            startBatch(std::exchange(batch, {}));
    }
    if (!batch.isEmpty())
        startBatch(batch);
}

void FileEntries::startBatch(QStringList batch)
{
    m_dispatcher.runInBackground(Dispatcher::Lane::Files, this, [this, batch = std::move(batch)]() -> Dispatcher::Task {
        // Only the follow-up, run while this object exists, may use it.
        QList<Info> infos = inspect(batch);
        return [this, batch, infos = std::move(infos)] { apply(batch, infos); };
    });
}

void FileEntries::apply(const QStringList &batch, const QList<Info> &infos)
{
    const std::chrono::milliseconds now = m_clock.now();
    bool changedAny = false;
    for (qsizetype i = 0; i < batch.size(); ++i) {
        const QString &entry = batch.at(i);
        m_pending.remove(entry);
        const auto known = m_known.constFind(entry);
        const bool wasFile = known != m_known.constEnd() && known->info.isFile;
        const Info &info = infos.at(i);
        if (info.isFile != wasFile || (known != m_known.constEnd() && known->info.type != info.type))
            changedAny = true;
        m_known.insert(entry, Known{info, now});
    }
    if (changedAny)
        Q_EMIT changed();
}

}  // namespace tavrin
