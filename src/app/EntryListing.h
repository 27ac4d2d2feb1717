// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/EntryListWriter.h"
#include "store/EntryList.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

namespace tavrin {

// The history as it was when a command asked for it, written out on a thread of its own so that a long list never
// holds up the GUI thread. The rows are chosen on that thread too (chooseRows); the GUI thread only looks up the kind
// of those that could be files, and the rows are then written (writeTo).
struct EntryListing {
    EntryList items;
    std::int64_t pinCount = 0;
    /// Only the entries that contain this text, when given.
    std::optional<QString> search;
    EntryListWriter::Format format = EntryListWriter::Format::Lines;
    int width = EntryListWriter::kDefaultWidth;
    /// At most this many entries; 0 for all.
    std::uint32_t limit = 0;

    /// The positions in items of the rows written, in order.
    QList<qsizetype> rows;
    /// The kind of each row; shorter than rows when the rest are texts.
    QList<EntryKind> kinds;

    /// Chooses the rows: the entries the search finds, up to the limit. Gives back which of them (as positions in rows)
    /// could be files, whose kinds are to be set before the rows are written.
    QList<qsizetype> chooseRows();
    /// Sets the kind of the row at that position in rows.
    void setKind(qsizetype row, EntryKind kind);
    /// Writes the chosen rows to fd and closes it. False when the reader went away before the end.
    bool writeTo(int fd) const;
};

}  // namespace tavrin
