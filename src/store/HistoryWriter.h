#pragma once

#include <QString>
#include <QStringList>

#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>

namespace tavrin {

// Writes history snapshots on a thread of its own, so a large history never stalls the GUI thread.
// Writes keep their order; a snapshot still waiting is replaced by a newer one of the same file.
class HistoryWriter {
public:
    HistoryWriter();
    HistoryWriter(const HistoryWriter &) = delete;
    HistoryWriter &operator=(const HistoryWriter &) = delete;
    /// Finishes the waiting write, then stops.
    ~HistoryWriter();

    /// Queues a write of strings to path.
    void write(const QString &path, const QStringList &strings);
    /// Blocks until every queued write has finished; returns whether the last one succeeded.
    bool flush();

private:
    void run();

    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::condition_variable m_idle;
    std::optional<std::pair<QString, QStringList>> m_pending;
    bool m_busy = false;
    bool m_stopping = false;
    bool m_lastOk = true;
    std::thread m_thread;
};

}  // namespace tavrin
