// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QTemporaryFile>

#include <cstdio>

namespace tavrin::test {

// Everything the process writes to one of its standard streams while the object lives goes to a file instead.
class CapturedOutput {
public:
    /// stream is stdout or stderr.
    explicit CapturedOutput(std::FILE *stream);
    ~CapturedOutput();
    CapturedOutput(const CapturedOutput &) = delete;
    CapturedOutput &operator=(const CapturedOutput &) = delete;

    /// Ends the capture and returns what was written.
    QByteArray text();

private:
    void restore();

    std::FILE *m_stream;
    int m_fd;
    QTemporaryFile m_file;
    int m_saved = -1;
};

}  // namespace tavrin::test
