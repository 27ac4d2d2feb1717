// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <sys/resource.h>

#include <csignal>

namespace tavrin::test {

// Makes every write of this process that would grow a file beyond a few bytes fail with "File too large" (EFBIG), as
// long as the object lives: a failing disk for any user, root included, without a file system of its own. SIGXFSZ is
// ignored meanwhile, as the program does, so that the write fails instead of ending the process.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes = 64)
    {
        getrlimit(RLIMIT_FSIZE, &m_before);
        m_handler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = m_before;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() { lift(); }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

    /// Files may grow again, as when space comes back.
    void lift()
    {
        if (m_lifted)
            return;
        m_lifted = true;
        setrlimit(RLIMIT_FSIZE, &m_before);
        std::signal(SIGXFSZ, m_handler);
    }

private:
    rlimit m_before{};
    void (*m_handler)(int) = nullptr;
    bool m_lifted = false;
};

}  // namespace tavrin::test
