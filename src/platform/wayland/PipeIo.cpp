// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/wayland/PipeIo.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <ctime>

namespace tavrin::pipeIo {

std::pair<int, int> openPipe()
{
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0)
        return {-1, -1};
    ::fcntl(fds[0], F_SETFL, ::fcntl(fds[0], F_GETFL) | O_NONBLOCK);
    return {fds[0], fds[1]};
}

std::optional<QByteArray> readAll(int fd, std::chrono::milliseconds idle, qsizetype maxSize, bool *stalled)
{
    if (fd < 0)
        return std::nullopt;
    QByteArray data;
    char buffer[64 * 1024];
    std::optional<QByteArray> result;
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n > 0) {
            if (data.size() + n > maxSize)
                break;
            data.append(buffer, n);
            continue;
        }
        if (n == 0) {
            result = std::move(data);
            break;
        }
        if (errno == EINTR)
            continue;
        if (errno != EAGAIN)
            break;
        pollfd p{fd, POLLIN, 0};
        const int ready = ::poll(&p, 1, int(idle.count()));
        if (ready == 0) {
            if (stalled)
                *stalled = true;
            break;
        }
        if (ready < 0 && errno != EINTR)
            break;
    }
    ::close(fd);
    return result;
}

Writer::Writer(int fd, QByteArray data) : m_fd(fd), m_data(std::move(data)), m_lastProgress(Clock::now())
{
    ::fcntl(m_fd, F_SETFL, ::fcntl(m_fd, F_GETFL) | O_NONBLOCK);
}

Writer::~Writer()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

Writer::Writer(Writer &&other) noexcept
    : m_fd(other.m_fd), m_data(std::move(other.m_data)), m_offset(other.m_offset), m_lastProgress(other.m_lastProgress)
{
    other.m_fd = -1;
}

bool Writer::writeSome()
{
    while (m_offset < m_data.size()) {
        const ssize_t n = ::write(m_fd, m_data.constData() + m_offset, std::size_t(m_data.size() - m_offset));
        if (n > 0) {
            m_offset += n;
            m_lastProgress = Clock::now();
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && errno == EAGAIN)
            return true;
        if (n < 0 && errno == EPIPE) {
            // The reader went away. The thread blocks SIGPIPE, so the signal waits pending: take it back.
            sigset_t pipeSignal;
            sigemptyset(&pipeSignal);
            sigaddset(&pipeSignal, SIGPIPE);
            const timespec now{0, 0};
            ::sigtimedwait(&pipeSignal, nullptr, &now);
        }
        return false;
    }
    return false;
}

}  // namespace tavrin::pipeIo
