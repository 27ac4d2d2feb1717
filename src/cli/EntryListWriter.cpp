// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/EntryListWriter.h"

namespace tavrin {

namespace {

constexpr char kHex[] = "0123456789abcdef";

// A \uXXXX escape of one UTF-16 unit.
char *writeUnitEscape(char *p, char16_t unit)
{
    *p++ = '\\';
    *p++ = 'u';
    *p++ = kHex[(unit >> 12) & 0xf];
    *p++ = kHex[(unit >> 8) & 0xf];
    *p++ = kHex[(unit >> 4) & 0xf];
    *p++ = kHex[unit & 0xf];
    return p;
}

char *writeUtf8(char *p, char32_t c)
{
    if (c < 0x80) {
        *p++ = char(c);
    } else if (c < 0x800) {
        *p++ = char(0xc0 | (c >> 6));
        *p++ = char(0x80 | (c & 0x3f));
    } else if (c < 0x10000) {
        *p++ = char(0xe0 | (c >> 12));
        *p++ = char(0x80 | ((c >> 6) & 0x3f));
        *p++ = char(0x80 | (c & 0x3f));
    } else {
        *p++ = char(0xf0 | (c >> 18));
        *p++ = char(0x80 | ((c >> 12) & 0x3f));
        *p++ = char(0x80 | ((c >> 6) & 0x3f));
        *p++ = char(0x80 | (c & 0x3f));
    }
    return p;
}

// What a character of an entry shows as on its one line.
enum class Shown { Space, Character };

Shown classify(char32_t &c)
{
    if (QChar::isSpace(c))
        return Shown::Space;
    if (c < 0x20)
        c = 0x2400 + c;  // the control pictures: ␀, ␛, ...
    else if (c == 0x7f)
        c = 0x2421;  // ␡
    else if ((c >= 0x80 && c < 0xa0) || (c >= 0xd800 && c < 0xe000))
        c = 0xfffd;  // other controls and unpaired surrogates
    return Shown::Character;
}

}  // namespace

EntryListWriter::EntryListWriter(Format format, int width, Sink sink)
    : m_format(format), m_width(width), m_sink(std::move(sink))
{
    m_buffer.reserve(kChunkSize + kChunkSize / 4);
}

std::optional<EntryListWriter::Format> EntryListWriter::formatNamed(QStringView name)
{
    if (name == u"json")
        return Format::Json;
    if (name == u"lines")
        return Format::Lines;
    return std::nullopt;
}

QString EntryListWriter::formatName(Format format)
{
    return format == Format::Json ? QStringLiteral("json") : QStringLiteral("lines");
}

QString EntryListWriter::kindName(EntryKind kind)
{
    switch (kind) {
    case EntryKind::File: return QStringLiteral("file");
    case EntryKind::Folder: return QStringLiteral("folder");
    case EntryKind::Text: break;
    }
    return QStringLiteral("text");
}

void EntryListWriter::appendJsonString(QByteArray &out, QStringView text)
{
    // Room for the worst case (every unit a six-byte escape) is taken up front and given back at the end, so the
    // loop writes through a plain pointer.
    const qsizetype start = out.size();
    out.resize(start + 6 * text.size() + 2);
    char *p = out.data() + start;
    *p++ = '"';
    const char16_t *u = text.utf16();
    const char16_t *end = u + text.size();
    while (u < end) {
        const char16_t c = *u++;
        if (c < 0x80) {
            if (c >= 0x20 && c != '"' && c != '\\') {
                *p++ = char(c);
                continue;
            }
            *p++ = '\\';
            switch (c) {
            case '"': *p++ = '"'; break;
            case '\\': *p++ = '\\'; break;
            case '\n': *p++ = 'n'; break;
            case '\t': *p++ = 't'; break;
            case '\r': *p++ = 'r'; break;
            case '\b': *p++ = 'b'; break;
            case '\f': *p++ = 'f'; break;
            default: p = writeUnitEscape(p - 1, c); break;
            }
        } else if (QChar::isHighSurrogate(c) && u < end && QChar::isLowSurrogate(*u)) {
            p = writeUtf8(p, QChar::surrogateToUcs4(c, *u++));
        } else if (QChar::isSurrogate(c) || c == 0x2028 || c == 0x2029) {
            // An unpaired surrogate has no UTF-8 form; the two line separators end lines in JavaScript.
            p = writeUnitEscape(p, c);
        } else {
            p = writeUtf8(p, c);
        }
    }
    *p++ = '"';
    out.truncate(p - out.constData());
}

QString EntryListWriter::previewLine(QStringView text, int width)
{
    QString line;
    line.reserve(width > 0 ? std::min<qsizetype>(text.size(), qsizetype(width) * 2 + 2) : text.size());
    int shown = 0;  // characters in line
    bool pendingSpace = false;
    bool cut = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t c = text[i].unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            c = QChar::surrogateToUcs4(text[i].unicode(), text[i + 1].unicode());
            ++i;
        }
        if (classify(c) == Shown::Space) {
            pendingSpace = shown > 0;
            continue;
        }
        const int needed = pendingSpace ? 2 : 1;
        if (width > 0 && shown + needed > width) {
            cut = true;
            break;
        }
        if (pendingSpace)
            line += QLatin1Char(' ');
        pendingSpace = false;
        if (c > 0xffff) {
            line += QChar(QChar::highSurrogate(c));
            line += QChar(QChar::lowSurrogate(c));
        } else {
            line += QChar(char16_t(c));
        }
        shown += needed;
    }
    if (cut) {
        // The ellipsis takes the last place; a space before it goes.
        while (shown >= width && !line.isEmpty()) {
            line.chop(line.back().isLowSurrogate() && line.size() > 1 ? 2 : 1);
            --shown;
        }
        while (line.endsWith(QLatin1Char(' ')))
            line.chop(1);
        line += QChar(0x2026);
    }
    return line;
}

bool EntryListWriter::write(qsizetype number, QStringView text, bool pinned, EntryKind kind)
{
    if (!m_ok)
        return false;
    if (m_format == Format::Json) {
        m_buffer += m_written == 0 ? "[\n{\"index\":" : ",\n{\"index\":";
        m_buffer += QByteArray::number(number);
        m_buffer += pinned ? ",\"pinned\":true,\"kind\":\"" : ",\"pinned\":false,\"kind\":\"";
        m_buffer += kindName(kind).toLatin1();
        m_buffer += "\",\"text\":";
        appendJsonString(m_buffer, text);
        m_buffer += '}';
    } else {
        m_buffer += QByteArray::number(number);
        if (pinned)
            m_buffer += '*';
        m_buffer += '\t';
        m_buffer += previewLine(text, m_width).toUtf8();
        m_buffer += '\n';
    }
    ++m_written;
    return flushIfFull();
}

bool EntryListWriter::flushIfFull()
{
    if (m_buffer.size() < kChunkSize)
        return true;
    m_ok = m_sink(m_buffer.constData(), m_buffer.size());
    m_buffer.truncate(0);
    return m_ok;
}

bool EntryListWriter::finish()
{
    if (m_finished)
        return m_ok;
    m_finished = true;
    if (!m_ok)
        return false;
    if (m_format == Format::Json)
        m_buffer += m_written == 0 ? "[]\n" : "\n]\n";
    if (!m_buffer.isEmpty())
        m_ok = m_sink(m_buffer.constData(), m_buffer.size());
    m_buffer.truncate(0);
    return m_ok;
}

}  // namespace tavrin
