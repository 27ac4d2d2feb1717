// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

#include <algorithm>

namespace tavrin {

// The newest entries sit just below the pins, near the front of a list that may hold a million. QList keeps spare
// room before its first element and takes or drops an element there without moving the others, but an insertion or
// removal anywhere else moves every element behind it. These go through whichever end is nearer, so a capture or
// the removal of a recent entry moves only the few entries above it.

inline void insertEntry(QStringList &entries, qsizetype at, const QString &entry)
{
    if (at > entries.size() / 2) {
        entries.insert(at, entry);
        return;
    }
    entries.prepend(entry);
    std::rotate(entries.begin(), entries.begin() + 1, entries.begin() + at + 1);
}

inline void removeEntry(QStringList &entries, qsizetype at)
{
    if (at > entries.size() / 2) {
        entries.removeAt(at);
        return;
    }
    std::rotate(entries.begin(), entries.begin() + at, entries.begin() + at + 1);
    entries.removeFirst();
}

}  // namespace tavrin
