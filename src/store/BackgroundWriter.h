// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QObject>
#include <QString>

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

namespace tavrin {

// Writes files on a thread of its own, so that large files and fsync never stall the GUI thread.
//
// Writes run in the order they were asked for; a write that still waits is replaced by a newer one of the same
// file, in its place. Outcomes come back as signals on the thread that owns this object.
class BackgroundWriter : public QObject {
    Q_OBJECT
public:
    /// Writes one snapshot; returns false with the reason in error.
    using Job = std::function<bool(QString *error)>;

    explicit BackgroundWriter(QObject *parent = nullptr);
    /// Finishes the waiting writes, then stops; their outcomes are not reported any more.
    ~BackgroundWriter() override;

    /// Queues a write of path; tag comes back with its outcome.
    void write(const QString &path, Job job, quint64 tag = 0);
    /// Blocks until every queued write has finished and reports their outcomes before it returns. Returns whether
    /// the last write succeeded.
    bool flush();

Q_SIGNALS:
    /// A write ended. Writes replaced while waiting end without a signal.
    void finished(const QString &path, quint64 tag, bool ok, const QString &error);

private:
    struct Request {
        QString path;
        Job job;
        quint64 tag = 0;
    };
    struct Outcome {
        QString path;
        quint64 tag = 0;
        bool ok = false;
        QString error;
        Job job;  // ends on the owning thread, see run()
    };
    void run();
    void report();

    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::condition_variable m_idle;
    std::deque<Request> m_waiting;
    QList<Outcome> m_outcomes;
    bool m_busy = false;
    bool m_stopping = false;
    bool m_lastOk = true;
    std::thread m_thread;
};

}  // namespace tavrin
