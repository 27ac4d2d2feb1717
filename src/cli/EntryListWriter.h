// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <functional>
#include <optional>

namespace tavrin {

/// What an entry is at the moment it is listed.
enum class EntryKind { Text, File, Folder };

// Writes history entries the way `tavrin list` and `tavrin search` print them: one line each (the number, a '*'
// when pinned, a tab, the text on one line and shortened), for people and for line-based menus such as rofi; or a
// JSON array whose strings hold every entry exactly as it is. Output goes to the sink in chunks of about 1 MiB.
class EntryListWriter {
public:
    enum class Format { Lines, Json };
    /// Takes a chunk of output; false when it could not be written (the reader went away).
    using Sink = std::function<bool(const char *data, qsizetype size)>;

    static constexpr qsizetype kChunkSize = qsizetype(1) << 20;
    /// Characters a line shows of an entry unless told otherwise.
    static constexpr int kDefaultWidth = 100;

    /// width: characters shown of an entry on its line, the ellipsis included; 0 shows every character.
    EntryListWriter(Format format, int width, Sink sink);
    EntryListWriter(const EntryListWriter &) = delete;
    EntryListWriter &operator=(const EntryListWriter &) = delete;

    /// One entry; number is its row in the history, counted from 1. False once the sink failed.
    bool write(qsizetype number, QStringView text, bool pinned, EntryKind kind);
    /// Ends the output and hands over what is left. False when the sink failed at any point.
    bool finish();

    /// "json" or "lines"; nothing for another name.
    static std::optional<Format> formatNamed(QStringView name);
    static QString formatName(Format format);
    static QString kindName(EntryKind kind);

    /// Appends text as a JSON string: quotes, backslashes and control characters escaped, unpaired surrogates as
    /// \u escapes (so no character is lost), everything else as UTF-8.
    static void appendJsonString(QByteArray &out, QStringView text);
    /// The entry on one line: every run of white space becomes one space, the ends are trimmed, control
    /// characters show as their pictures (U+2400...), and a text longer than width ends in "…".
    static QString previewLine(QStringView text, int width);

private:
    bool flushIfFull();

    Format m_format;
    int m_width;
    Sink m_sink;
    QByteArray m_buffer;
    qsizetype m_written = 0;
    bool m_ok = true;
    bool m_finished = false;
};

}  // namespace tavrin
