// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/EntryListWriter.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

namespace tavrin {

// The history as it was when a command asked for it, written out on a thread of its own so that a long list never
// holds up the GUI thread.
struct EntryListing {
    QStringList items;
    std::int64_t pinCount = 0;
    /// The kind of each entry; shorter than items when the rest are texts.
    QList<EntryKind> kinds;
    /// Only the entries that contain this text, when given.
    std::optional<QString> search;
    EntryListWriter::Format format = EntryListWriter::Format::Lines;
    int width = EntryListWriter::kDefaultWidth;
    /// At most this many entries; 0 for all.
    std::uint32_t limit = 0;

    /// Writes the listing to fd and closes it. False when the reader went away before the end.
    bool writeTo(int fd) const;
};

}  // namespace tavrin
