#include "store/HistoryWriter.h"

#include "store/StringListFiles.h"

namespace tavrin {

HistoryWriter::HistoryWriter() : m_thread([this] { run(); }) {}

HistoryWriter::~HistoryWriter()
{
    {
        std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_wake.notify_one();
    m_thread.join();
}

void HistoryWriter::write(const QString &path, const QStringList &strings)
{
    std::unique_lock lock(m_mutex);
    // Only a snapshot of the same file may be replaced; another file's write must go out first.
    m_idle.wait(lock, [&] { return !m_pending || m_pending->first == path; });
    m_pending.emplace(path, strings);
    lock.unlock();
    m_wake.notify_one();
}

bool HistoryWriter::flush()
{
    std::unique_lock lock(m_mutex);
    m_idle.wait(lock, [this] { return !m_pending && !m_busy; });
    return m_lastOk;
}

void HistoryWriter::run()
{
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_wake.wait(lock, [this] { return m_pending || m_stopping; });
        if (!m_pending)
            return;
        auto [path, strings] = std::move(*m_pending);
        m_pending.reset();
        m_busy = true;
        lock.unlock();
        const bool ok = writeStringListAtPath(path, strings);
        lock.lock();
        m_busy = false;
        m_lastOk = ok;
        m_idle.notify_all();
    }
}

}  // namespace tavrin
