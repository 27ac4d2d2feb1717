// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/EntryListing.h"

#include "store/SearchQuery.h"

#include <cerrno>
#include <sys/socket.h>
#include <unistd.h>

namespace tavrin {

namespace {

// A send that neither raises SIGPIPE when the reader went away nor waits past the socket's time limit.
bool sendAll(int fd, const char *data, qsizetype size)
{
    while (size > 0) {
        const ssize_t sent = ::send(fd, data, size_t(size), MSG_NOSIGNAL);
        if (sent < 0 && errno == EINTR)
            continue;
        if (sent <= 0)
            return false;
        data += sent;
        size -= sent;
    }
    return true;
}

}  // namespace

bool EntryListing::writeTo(int fd) const
{
    EntryListWriter writer(format, width, [fd](const char *data, qsizetype size) { return sendAll(fd, data, size); });
    const std::optional<SearchQuery> query = search ? std::optional<SearchQuery>(SearchQuery(*search)) : std::nullopt;
    std::uint32_t written = 0;
    bool ok = true;
    for (qsizetype i = 0; ok && i < items.size() && (limit == 0 || written < limit); ++i) {
        const QString &entry = items.at(i);
        if (query && !query->matches(entry))
            continue;
        ok = writer.write(i + 1, entry, i < pinCount, i < kinds.size() ? kinds.at(i) : EntryKind::Text);
        ++written;
    }
    ok = writer.finish() && ok;
    ::close(fd);
    return ok;
}

}  // namespace tavrin
