// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/EntryListing.h"

#include "capture/FileEntries.h"
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

QList<qsizetype> EntryListing::chooseRows()
{
    const std::optional<SearchQuery> query = search ? std::optional<SearchQuery>(SearchQuery(*search)) : std::nullopt;
    QList<qsizetype> couldBeFiles;
    rows.clear();
    const EntryList::ReadLock reading(items);
    for (qsizetype i = 0; i < items.size() && (limit == 0 || rows.size() < qsizetype(limit)); ++i) {
        const QByteArrayView stored = items.storedAt(i);
        if (query && !query->matchesStored(stored))
            continue;
        if (stored.startsWith('/') && FileEntries::couldBeFile(items.at(i)))
            couldBeFiles.append(rows.size());
        rows.append(i);
    }
    return couldBeFiles;
}

void EntryListing::setKind(qsizetype row, EntryKind kind)
{
    if (kind == EntryKind::Text && row >= kinds.size())
        return;
    if (row >= kinds.size())
        kinds.resize(row + 1, EntryKind::Text);
    kinds[row] = kind;
}

bool EntryListing::writeTo(int fd) const
{
    EntryListWriter writer(format, width, [fd](const char *data, qsizetype size) { return sendAll(fd, data, size); });
    bool ok = true;
    const EntryList::ReadLock reading(items);
    for (qsizetype row = 0; ok && row < rows.size(); ++row) {
        const qsizetype at = rows.at(row);
        ok = writer.write(at + 1, items.at(at), at < pinCount, row < kinds.size() ? kinds.at(row) : EntryKind::Text);
    }
    ok = writer.finish() && ok;
    ::close(fd);
    return ok;
}

}  // namespace tavrin
