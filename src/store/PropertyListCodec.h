// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/EntryList.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <functional>
#include <optional>

namespace tavrin::plist {

// Apple's XML property-list form, written by our own writer and read with libplist.
//
// Every file we write is well-formed XML 1.0. Characters that XML 1.0 cannot carry (C0 controls other
// than tab, line feed and carriage return; U+FFFE, U+FFFF; unpaired surrogates) are stored as the
// noncharacter U+FDD0 followed by a private-use character that names the original code unit; a U+FDD0
// of the text itself is escaped the same way. A carriage return is written as "&#13;" so that XML
// parsers do not fold it into a line feed. Strings without these characters are stored as plain text.

using ChunkSink = std::function<bool(const QByteArray &chunk)>;

/// Serialises a list of strings as an XML property list whose root is an array.
QByteArray serializeStringArray(const EntryList &strings);
/// The same, handed to sink in pieces of about chunkSize bytes; false as soon as the sink fails.
bool writeStringArray(const EntryList &strings, const ChunkSink &sink, qsizetype chunkSize = 1 << 20);
/// Serialises a value tree (bool, integer, real, string, data, date, list, map) as an XML property list.
QByteArray serialize(const QVariant &root);

/// Parses an XML or binary property list whose root is an array of strings; none for anything else.
std::optional<EntryList> parseStringArray(const QByteArray &bytes);
/// The same with the general parser only (libplist), which also reads binary lists.
std::optional<QStringList> parseStringArrayGeneral(const QByteArray &bytes);
/// Parses any property list into a value tree; none when it cannot be parsed.
std::optional<QVariant> parse(const QByteArray &bytes);

/// The reversible escape for characters XML 1.0 cannot carry (exposed for tests).
QString escapeUnencodable(const QString &text);
QString unescapeUnencodable(const QString &text);

/// A stored text from its UTF-8 bytes, with our escapes undone, holding no more memory than its characters need.
QString textFromUtf8(const char *data, qsizetype size);
/// Whether UTF-8 bytes read from a file are a text's stored form as they are (see EntryList): valid UTF-8 without
/// the characters XML cannot carry and without our escape mark.
bool isStoredForm(const char *data, qsizetype size);

}  // namespace tavrin::plist
