// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/PropertyListCodec.h"

#include "store/FastStringArrayReader.h"

#include <QDateTime>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QTimeZone>

#include <plist/plist.h>

#include <cstring>
#include <limits>
#include <memory>

namespace tavrin::plist {

namespace {

// Writes an entity without its terminating NUL, returns the position after it.
template <std::size_t N> char *putLiteral(char *out, const char (&text)[N])
{
    std::memcpy(out, text, N - 1);  // NOLINT(bugprone-not-null-terminated-result): the output is no C string
    return out + N - 1;
}

constexpr char16_t kEscape = 0xFDD0;
// Escaped code units map into the private-use area: C0 controls to U+E000.., surrogate halves to
// U+E100.., and three singles after them.
constexpr char16_t kControlBase = 0xE000;
constexpr char16_t kSurrogateBase = 0xE100;
constexpr char16_t kEscapeSelf = 0xE900;
constexpr char16_t kFFFE = 0xE901;
constexpr char16_t kFFFF = 0xE902;

constexpr char kHeader[] =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<!DOCTYPE plist PUBLIC \"-//Apple//DTD PLIST 1.0//EN\" \"http://www.apple.com/DTDs/PropertyList-1.0.dtd\">\n"
    "<plist version=\"1.0\">\n";
constexpr char kFooter[] = "</plist>\n";

bool isXmlControl(char16_t c)
{
    return c < 0x20 && c != u'\t' && c != u'\n' && c != u'\r';
}

// True when the code unit at i cannot be written as XML text as it is.
bool needsEscape(const QChar *data, qsizetype size, qsizetype i)
{
    const char16_t c = data[i].unicode();
    if (isXmlControl(c) || c == kEscape || c == 0xFFFE || c == 0xFFFF)
        return true;
    if (QChar::isHighSurrogate(c))
        return !(i + 1 < size && QChar::isLowSurrogate(data[i + 1].unicode()));
    if (QChar::isLowSurrogate(c))
        return !(i > 0 && QChar::isHighSurrogate(data[i - 1].unicode()));
    return false;
}

char16_t escapeCode(char16_t c)
{
    if (c < 0x20)
        return kControlBase + c;
    if (c >= 0xD800 && c <= 0xDFFF)
        return kSurrogateBase + (c - 0xD800);
    if (c == kEscape)
        return kEscapeSelf;
    return c == 0xFFFE ? kFFFE : kFFFF;
}

std::optional<char16_t> unescapeCode(char16_t code)
{
    if (code >= kControlBase && code < kControlBase + 0x20)
        return char16_t(code - kControlBase);
    if (code >= kSurrogateBase && code < kSurrogateBase + 0x800)
        return char16_t(0xD800 + (code - kSurrogateBase));
    if (code == kEscapeSelf)
        return kEscape;
    if (code == kFFFE)
        return char16_t(0xFFFE);
    if (code == kFFFF)
        return char16_t(0xFFFF);
    return std::nullopt;
}

// Appends text as UTF-8 XML character data in one pass: markup characters as entities, CR as a
// character reference, and the characters XML cannot carry as our escape. Hot for large histories.
void appendXmlText(QByteArray &out, const QString &text)
{
    const char16_t *data = reinterpret_cast<const char16_t *>(text.constData());
    const qsizetype size = text.size();
    // Worst case per code unit: an escape pair of two three-byte characters.
    const qsizetype start = out.size();
    out.resize(start + size * 6);
    char *o = out.data() + start;
    auto put3 = [&o](char16_t c) {
        *o++ = char(0xE0 | (c >> 12));
        *o++ = char(0x80 | ((c >> 6) & 0x3F));
        *o++ = char(0x80 | (c & 0x3F));
    };
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t c = data[i];
        if (c < 0x80) {
            if (c >= 0x20 || c == u'\t' || c == u'\n') {
                switch (c) {
                case u'&': o = putLiteral(o, "&amp;"); break;
                case u'<': o = putLiteral(o, "&lt;"); break;
                case u'>': o = putLiteral(o, "&gt;"); break;
                default: *o++ = char(c); break;
                }
            } else if (c == u'\r') {
                o = putLiteral(o, "&#13;");
            } else {
                put3(kEscape);
                put3(escapeCode(c));
            }
        } else if (c < 0x800) {
            *o++ = char(0xC0 | (c >> 6));
            *o++ = char(0x80 | (c & 0x3F));
        } else if (QChar::isHighSurrogate(c) && i + 1 < size && QChar::isLowSurrogate(data[i + 1])) {
            const char32_t u = QChar::surrogateToUcs4(c, data[i + 1]);
            ++i;
            *o++ = char(0xF0 | (u >> 18));
            *o++ = char(0x80 | ((u >> 12) & 0x3F));
            *o++ = char(0x80 | ((u >> 6) & 0x3F));
            *o++ = char(0x80 | (u & 0x3F));
        } else if (QChar::isSurrogate(c) || c == kEscape || c == 0xFFFE || c == 0xFFFF) {
            put3(kEscape);
            put3(escapeCode(c));
        } else {
            put3(c);
        }
    }
    out.resize(o - out.constData());
}

// The same for a text in its stored form, where those characters are escaped already.
void appendXmlStored(QByteArray &out, QByteArrayView stored)
{
    const qsizetype start = out.size();
    out.resize(start + stored.size() * 5);
    char *o = out.data() + start;
    for (const char c : stored) {
        switch (c) {
        case '&': o = putLiteral(o, "&amp;"); break;
        case '<': o = putLiteral(o, "&lt;"); break;
        case '>': o = putLiteral(o, "&gt;"); break;
        case '\r': o = putLiteral(o, "&#13;"); break;
        default: *o++ = c; break;
        }
    }
    out.resize(o - out.constData());
}

void appendIndent(QByteArray &out, int depth)
{
    out.append(QByteArray(depth, '\t'));
}

// Seconds between the Unix epoch and the property-list epoch, 2001-01-01 UTC.
constexpr qint64 kPlistEpochOffset = 978307200;

void appendValue(QByteArray &out, const QVariant &value, int depth)
{
    appendIndent(out, depth);
    switch (value.metaType().id()) {
    case QMetaType::Bool: out.append(value.toBool() ? "<true/>\n" : "<false/>\n"); return;
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::LongLong:
    case QMetaType::Short:
        out.append("<integer>").append(QByteArray::number(value.toLongLong())).append("</integer>\n");
        return;
    case QMetaType::ULongLong:
    case QMetaType::ULong:
        out.append("<integer>").append(QByteArray::number(value.toULongLong())).append("</integer>\n");
        return;
    case QMetaType::Double:
    case QMetaType::Float:
        out.append("<real>").append(QByteArray::number(value.toDouble(), 'g', 17)).append("</real>\n");
        return;
    case QMetaType::QByteArray: out.append("<data>").append(value.toByteArray().toBase64()).append("</data>\n"); return;
    case QMetaType::QDateTime:
        out.append("<date>").append(value.toDateTime().toUTC().toString(Qt::ISODate).toUtf8()).append("</date>\n");
        return;
    case QMetaType::QStringList:
    case QMetaType::QVariantList: {
        const QVariantList list = value.toList();
        if (list.isEmpty()) {
            out.append("<array/>\n");
            return;
        }
        out.append("<array>\n");
        for (const QVariant &element : list)
            appendValue(out, element, depth + 1);
        appendIndent(out, depth);
        out.append("</array>\n");
        return;
    }
    case QMetaType::QVariantMap: {
        const QVariantMap map = value.toMap();
        if (map.isEmpty()) {
            out.append("<dict/>\n");
            return;
        }
        out.append("<dict>\n");
        for (auto it = map.cbegin(); it != map.cend(); ++it) {
            appendIndent(out, depth + 1);
            out.append("<key>");
            appendXmlText(out, it.key());
            out.append("</key>\n");
            appendValue(out, it.value(), depth + 1);
        }
        appendIndent(out, depth);
        out.append("</dict>\n");
        return;
    }
    default:
        out.append("<string>");
        appendXmlText(out, value.toString());
        out.append("</string>\n");
        return;
    }
}

struct PlistDeleter {
    void operator()(void *node) const { plist_free(static_cast<plist_t>(node)); }
};
using PlistPtr = std::unique_ptr<void, PlistDeleter>;

bool startsWith(const QByteArray &bytes, QByteArrayView prefix)
{
    return QByteArrayView(bytes).startsWith(prefix);
}

// libplist reads UTF-8 only, without a byte order mark. Other tools also write UTF-16, with or without a mark (then
// told apart by the NUL beside the opening '<'); such text is turned into UTF-8. Anything else is left as it is.
QByteArray asUtf8(const QByteArray &bytes)
{
    std::optional<QStringConverter::Encoding> utf16;
    qsizetype mark = 0;
    if (startsWith(bytes, QByteArrayView("\xFF\xFE", 2)) || startsWith(bytes, QByteArrayView("<\0", 2)))
        utf16 = QStringConverter::Utf16LE;
    else if (startsWith(bytes, QByteArrayView("\xFE\xFF", 2)) || startsWith(bytes, QByteArrayView("\0<", 2)))
        utf16 = QStringConverter::Utf16BE;
    if (!utf16)
        return startsWith(bytes, "\xEF\xBB\xBF") ? bytes.mid(3) : bytes;
    if (bytes.at(0) != '<' && bytes.at(0) != '\0')
        mark = 2;
    QStringDecoder decoder(*utf16, QStringConverter::Flag::Stateless);
    QString text = decoder.decode(QByteArrayView(bytes).sliced(mark));
    if (decoder.hasError())
        return QByteArray();
    // The declaration still names UTF-16; the fast reader takes UTF-8 declarations only.
    static const QRegularExpression declared(QStringLiteral("^(<\\?xml[^>]*encoding\\s*=\\s*[\"'])[^\"']*"));
    text.replace(declared, QStringLiteral("\\1UTF-8"));
    return text.toUtf8();
}

PlistPtr parseTree(const QByteArray &bytes)
{
    if (bytes.isEmpty() || bytes.size() > qsizetype(std::numeric_limits<uint32_t>::max()))
        return nullptr;
    plist_t root = nullptr;
    plist_from_memory(bytes.constData(), uint32_t(bytes.size()), &root);
    return PlistPtr(root);
}

QString stringOf(plist_t node)
{
    uint64_t length = 0;
    const char *data = plist_get_string_ptr(node, &length);
    return data ? textFromUtf8(data, qsizetype(length)) : QString();
}

QVariant toVariant(plist_t node)
{
    switch (plist_get_node_type(node)) {
    case PLIST_BOOLEAN: {
        uint8_t b = 0;
        plist_get_bool_val(node, &b);
        return QVariant(b != 0);
    }
    case PLIST_UINT: {
        uint64_t u = 0;
        plist_get_uint_val(node, &u);
        // libplist keeps negative integers as their two's complement.
        return QVariant(qint64(u));
    }
    case PLIST_REAL: {
        double d = 0;
        plist_get_real_val(node, &d);
        return QVariant(d);
    }
    case PLIST_STRING: return QVariant(stringOf(node));
    case PLIST_DATA: {
        char *data = nullptr;
        uint64_t length = 0;
        plist_get_data_val(node, &data, &length);
        QByteArray bytes(data, qsizetype(length));
        free(data);
        return QVariant(bytes);
    }
    case PLIST_DATE: {
        int32_t sec = 0;
        int32_t usec = 0;
        plist_get_date_val(node, &sec, &usec);
        const qint64 ms = (qint64(sec) + kPlistEpochOffset) * 1000 + usec / 1000;
        return QVariant(QDateTime::fromMSecsSinceEpoch(ms, QTimeZone::utc()));
    }
    case PLIST_ARRAY: {
        QVariantList list;
        const uint32_t size = plist_array_get_size(node);
        list.reserve(size);
        for (uint32_t i = 0; i < size; ++i)
            list.append(toVariant(plist_array_get_item(node, i)));
        return list;
    }
    case PLIST_DICT: {
        QVariantMap map;
        plist_dict_iter it = nullptr;
        plist_dict_new_iter(node, &it);
        for (;;) {
            char *key = nullptr;
            plist_t value = nullptr;
            plist_dict_next_item(node, it, &key, &value);
            if (!key)
                break;
            map.insert(unescapeUnencodable(QString::fromUtf8(key)), toVariant(value));
            free(key);
        }
        free(it);
        return map;
    }
    default: return QVariant();
    }
}

}  // namespace

QString escapeUnencodable(const QString &text)
{
    const QChar *data = text.constData();
    const qsizetype size = text.size();
    qsizetype first = 0;
    while (first < size && !needsEscape(data, size, first))
        ++first;
    if (first == size)
        return text;
    QString out;
    out.reserve(size + 16);
    out.append(QStringView(data, first));
    for (qsizetype i = first; i < size; ++i) {
        if (needsEscape(data, size, i)) {
            out.append(QChar(kEscape));
            out.append(QChar(escapeCode(data[i].unicode())));
        } else {
            out.append(data[i]);
        }
    }
    return out;
}

namespace {

// True when the UTF-8 text holds U+FDD0, the mark of our escapes (rare: a noncharacter).
bool holdsEscapeMark(const char *p, const char *e)
{
    while (p < e) {
        const char *lead = static_cast<const char *>(std::memchr(p, 0xEF, size_t(e - p)));
        if (!lead)
            return false;
        if (e - lead >= 3 && uchar(lead[1]) == 0xB7 && uchar(lead[2]) == 0x90)
            return true;
        p = lead + 1;
    }
    return false;
}

}  // namespace

QString textFromUtf8(const char *data, qsizetype size)
{
    QString text = QString::fromUtf8(data, size);
    // Only texts that hold the mark need the slower unescape, which builds a new string anyway.
    if (holdsEscapeMark(data, data + size))
        return unescapeUnencodable(text);
    // The decoder makes room for a character a byte: twice or three times what text in most scripts but Latin
    // needs, and a history holds a million texts.
    static constexpr qsizetype kSlack = 8;
    if (text.capacity() - text.size() > kSlack)
        text.squeeze();
    return text;
}

bool isStoredForm(const char *data, qsizetype size)
{
    const auto *p = reinterpret_cast<const uchar *>(data);
    const uchar *e = p + size;
    const auto continuation = [](uchar c) { return (c & 0xC0) == 0x80; };
    while (p < e) {
        // Eight bytes at a time while they are printable ASCII (no high bit, none below a space).
        if (e - p >= 8) {
            quint64 word = 0;
            std::memcpy(&word, p, sizeof word);
            constexpr quint64 kHigh = 0x8080808080808080ULL;
            constexpr quint64 kSpaces = 0x2020202020202020ULL;
            if (((word | ((word - kSpaces) & ~word)) & kHigh) == 0) {
                p += 8;
                continue;
            }
        }
        const uchar c = *p;
        if (c < 0x80) {
            if (c < 0x20 && c != '\t' && c != '\n' && c != '\r')
                return false;
            ++p;
            continue;
        }
        int length = 0;
        uchar low = 0x80;
        uchar high = 0xBF;
        if (c >= 0xC2 && c <= 0xDF) {
            length = 2;
        } else if (c >= 0xE0 && c <= 0xEF) {
            length = 3;
            low = c == 0xE0 ? 0xA0 : 0x80;
            high = c == 0xED ? 0x9F : 0xBF;  // no surrogates
        } else if (c >= 0xF0 && c <= 0xF4) {
            length = 4;
            low = c == 0xF0 ? 0x90 : 0x80;
            high = c == 0xF4 ? 0x8F : 0xBF;
        } else {
            return false;
        }
        if (e - p < length || p[1] < low || p[1] > high)
            return false;
        for (int k = 2; k < length; ++k) {
            if (!continuation(p[k]))
                return false;
        }
        // Our escape mark (U+FDD0), U+FFFE and U+FFFF are written escaped.
        if (c == 0xEF && ((p[1] == 0xB7 && p[2] == 0x90) || (p[1] == 0xBF && (p[2] == 0xBE || p[2] == 0xBF))))
            return false;
        p += length;
    }
    return true;
}

QString unescapeUnencodable(const QString &text)
{
    qsizetype at = text.indexOf(QChar(kEscape));
    if (at < 0)
        return text;
    QString out;
    out.reserve(text.size());
    qsizetype from = 0;
    while (at >= 0) {
        out.append(QStringView(text).mid(from, at - from));
        const std::optional<char16_t> original =
            at + 1 < text.size() ? unescapeCode(text.at(at + 1).unicode()) : std::nullopt;
        if (original) {
            out.append(QChar(*original));
            from = at + 2;
        } else {
            // Not one of ours (a file from elsewhere): keep the character as it stands.
            out.append(QChar(kEscape));
            from = at + 1;
        }
        at = text.indexOf(QChar(kEscape), from);
    }
    out.append(QStringView(text).mid(from));
    return out;
}

bool writeStringArray(const EntryList &strings, const ChunkSink &sink, qsizetype chunkSize)
{
    // A bounded buffer handed out in chunks: no second copy of a large history in memory.
    QByteArray chunk;
    chunk.reserve(chunkSize + 4096);
    chunk.append(kHeader);
    if (strings.isEmpty()) {
        chunk.append("<array/>\n");
    } else {
        chunk.append("<array>\n");
        const EntryList::ReadLock reading(strings);
        for (qsizetype i = 0; i < strings.size(); ++i) {
            chunk.append("\t<string>");
            appendXmlStored(chunk, strings.storedAt(i));
            chunk.append("</string>\n");
            if (chunk.size() >= chunkSize) {
                if (!sink(chunk))
                    return false;
                chunk.resize(0);
            }
        }
        chunk.append("</array>\n");
    }
    chunk.append(kFooter);
    return sink(chunk);
}

QByteArray serializeStringArray(const EntryList &strings)
{
    QByteArray out;
    writeStringArray(strings, [&out](const QByteArray &chunk) {
        out.append(chunk);
        return true;
    });
    return out;
}

QByteArray serialize(const QVariant &root)
{
    QByteArray out(kHeader);
    appendValue(out, root, 0);
    out.append(kFooter);
    return out;
}

std::optional<EntryList> parseStringArray(const QByteArray &bytes)
{
    const QByteArray utf8 = asUtf8(bytes);
    if (std::optional<EntryList> fast = readStringArrayFast(utf8))
        return fast;
    if (std::optional<QStringList> general = parseStringArrayGeneral(utf8))
        return EntryList(*general);
    return std::nullopt;
}

std::optional<QStringList> parseStringArrayGeneral(const QByteArray &bytes)
{
    PlistPtr root = parseTree(asUtf8(bytes));
    if (!root || plist_get_node_type(root.get()) != PLIST_ARRAY)
        return std::nullopt;
    const uint32_t size = plist_array_get_size(root.get());
    QStringList strings;
    strings.reserve(size);
    for (uint32_t i = 0; i < size; ++i) {
        plist_t item = plist_array_get_item(root.get(), i);
        if (plist_get_node_type(item) != PLIST_STRING)
            return std::nullopt;
        strings.append(stringOf(item));
    }
    return strings;
}

std::optional<QVariant> parse(const QByteArray &bytes)
{
    PlistPtr root = parseTree(asUtf8(bytes));
    if (!root)
        return std::nullopt;
    return toVariant(root.get());
}

}  // namespace tavrin::plist
