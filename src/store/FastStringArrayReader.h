// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/EntryList.h"
#include "store/FileChecksum.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

namespace tavrin::plist {

/// Below this size a list is read in one piece: threads would cost more than they save.
inline constexpr qsizetype kMinPieceBytes = qsizetype(4) << 20;

/// Reads the plain XML form our writer produces (an array of strings with the five entities and
/// numeric character references, comments and white space between elements) several times faster
/// than a general parser. Returns none for anything else, which then goes to the general parser:
/// CDATA sections, other element types, internal DTD subsets, other encodings, binary lists.
///
/// A long list is read in pieces of at least minPieceBytes side by side, one per core up to four (or maxPieces when
/// above 0); the answer is the same as when read in one piece. piecesRead, when given, tells how many pieces a list
/// that was read came in (1 when it was read whole, also after pieces that did not read on their own).
std::optional<EntryList> readStringArrayFast(const QByteArray &bytes, qsizetype minPieceBytes = kMinPieceBytes,
                                             int maxPieces = 0, int *piecesRead = nullptr);

/// A list file is read this much at a time.
inline constexpr qsizetype kChunkBytes = qsizetype(4) << 20;

/// The same read from an open file of size bytes in pieces side by side as above, each read in chunks of chunkBytes
/// (more where an entry is longer), so that the file's bytes are never all in memory. None for anything else, and when
/// the file cannot be read or ends early: the whole file then goes to the other readers, which say why. checksum,
/// when given, gets that of the bytes read.
std::optional<EntryList> readStringArrayFile(int fd, qint64 size, qsizetype minPieceBytes = kMinPieceBytes,
                                             int maxPieces = 0, qsizetype chunkBytes = kChunkBytes,
                                             int *piecesRead = nullptr, FileChecksum *checksum = nullptr);

/// What can still be read of an array of strings in that form that is no longer well-formed (bytes flipped, cut
/// off): every whole entry, in order, with a reference it cannot decode ("&l4;") kept as it stands and bytes that
/// are not UTF-8 replaced; and a line for each problem met.
struct SalvagedStrings {
    QStringList strings;
    QStringList problems;
};
/// None when the bytes hold no property list with an array at all.
std::optional<SalvagedStrings> salvageStringArray(const QByteArray &bytes);

}  // namespace tavrin::plist
