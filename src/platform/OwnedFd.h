// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <unistd.h>

#include <utility>

namespace tavrin {

// A file descriptor that is closed when its owner goes, unless it was taken first: for a descriptor handed along with
// work that may be dropped before it runs (a command for a thread that stopped, a job of a program that ended).
class OwnedFd {
public:
    explicit OwnedFd(int fd) : m_fd(fd) {}
    OwnedFd(const OwnedFd &) = delete;
    OwnedFd &operator=(const OwnedFd &) = delete;
    ~OwnedFd()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }

    int get() const { return m_fd; }
    /// The descriptor, which the caller closes from then on.
    int take() { return std::exchange(m_fd, -1); }

private:
    int m_fd;
};

}  // namespace tavrin
