// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

#include <chrono>
#include <optional>

namespace tavrin::pipeIo {

using Clock = std::chrono::steady_clock;

/// A pipe whose ends close on exec, the read end non-blocking: {read, write}, or {-1, -1}.
std::pair<int, int> openPipe();

/// Reads fd until the writer closes it. Waits at most `idle` for each piece of data, so a large transfer may take
/// longer as long as it moves. Null when the writer stalled (then *stalled is set), failed or sent more than maxSize
/// bytes. Closes fd.
std::optional<QByteArray> readAll(int fd, std::chrono::milliseconds idle, qsizetype maxSize, bool *stalled = nullptr);

// Data written into a non-blocking pipe piece by piece, from a poll loop.
class Writer {
public:
    /// Takes fd (made non-blocking here) and the data to send.
    Writer(int fd, QByteArray data);
    ~Writer();
    Writer(Writer &&other) noexcept;
    Writer &operator=(Writer &&) = delete;
    Writer(const Writer &) = delete;
    Writer &operator=(const Writer &) = delete;

    int fd() const { return m_fd; }
    /// Writes what the pipe takes now; false once the transfer is over (all written, or the reader went away).
    bool writeSome();
    /// Time of the last progress.
    Clock::time_point lastProgress() const { return m_lastProgress; }

private:
    int m_fd;
    QByteArray m_data;
    qsizetype m_offset = 0;
    Clock::time_point m_lastProgress;
};

}  // namespace tavrin::pipeIo
