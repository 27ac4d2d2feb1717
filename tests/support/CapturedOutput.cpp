// SPDX-License-Identifier: GPL-3.0-or-later
#include "CapturedOutput.h"

#include <unistd.h>

namespace tavrin::test {

CapturedOutput::CapturedOutput(std::FILE *stream) : m_stream(stream), m_fd(::fileno(stream))
{
    if (!m_file.open())
        return;
    std::fflush(m_stream);
    m_saved = ::dup(m_fd);
    ::dup2(m_file.handle(), m_fd);
}

CapturedOutput::~CapturedOutput()
{
    restore();
}

QByteArray CapturedOutput::text()
{
    restore();
    m_file.seek(0);
    return m_file.readAll();
}

void CapturedOutput::restore()
{
    if (m_saved < 0)
        return;
    std::fflush(m_stream);
    ::dup2(m_saved, m_fd);
    ::close(m_saved);
    m_saved = -1;
}

}  // namespace tavrin::test
