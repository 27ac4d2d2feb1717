// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Dispatcher.h"
#include "store/EntryList.h"

#include <QHash>
#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>

#include <chrono>

namespace tavrin {

class HistoryStore;
class Scheduler;

// Which entries are paths of existing files and folders, found out on the files lane: whoever draws an entry asks
// here instead of the file system, so a slow disk or a hung network mount never holds up the GUI thread.
//
// The history's entries are looked at when they are captured and when the history is loaded; any other entry
// (a group's, a search result's) when it is first asked about. An answer older than kFreshFor is looked at again
// when asked for, so a file deleted meanwhile turns into a text. Until its first answer an entry is a text.
class FileEntries : public QObject {
    Q_OBJECT
public:
    static constexpr std::chrono::milliseconds kFreshFor{30000};
    /// Entries looked at in one job: the answers come in pieces, so one hung path holds back only its piece.
    static constexpr qsizetype kBatchSize = 256;

    struct Info {
        bool isFile = false;  // a file or a folder exists at the entry's path
        bool isFolder = false;
        QString type;  // its MIME type ("inode/directory" for a folder)
    };

    FileEntries(HistoryStore &history, Dispatcher &dispatcher, const Scheduler &clock, QObject *parent = nullptr);
    ~FileEntries() override;

    /// What is known of the entry; asks for a look when nothing or only an old answer is known.
    Info info(const QString &entry);
    /// Looks at the entries that could be paths, in the background.
    void lookAt(const QStringList &entries);
    /// The same for a long list, which is sifted for paths in the background too.
    void lookAtPathsAmong(const EntryList &entries);

    /// True for the entries that can name a file at all: absolute paths no longer than a path can be.
    static bool couldBeFile(const QString &entry);

Q_SIGNALS:
    /// Entries were found to be files, or no longer to be.
    void changed();

private:
    struct Known {
        Info info;
        std::chrono::milliseconds checkedAt;
    };

    void startBatch(QStringList batch);
    void apply(const QStringList &batch, const QList<Info> &infos);

    const Scheduler &m_clock;
    Dispatcher &m_dispatcher;
    QHash<QString, Known> m_known;
    QSet<QString> m_pending;
};

}  // namespace tavrin
