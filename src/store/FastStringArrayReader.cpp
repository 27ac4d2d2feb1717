// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/FastStringArrayReader.h"

#include "store/PropertyListCodec.h"

#include <QStringDecoder>

#include <algorithm>
#include <cstring>

namespace tavrin::plist {

namespace {

class Cursor {
public:
    Cursor(const char *begin, const char *end) : p(begin), e(end) {}

    bool atEnd() const { return p >= e; }
    bool startsWith(const char *literal) const
    {
        const size_t n = std::strlen(literal);
        return size_t(e - p) >= n && std::memcmp(p, literal, n) == 0;
    }
    bool take(const char *literal)
    {
        if (!startsWith(literal))
            return false;
        p += std::strlen(literal);
        return true;
    }
    void skipSpace()
    {
        while (p < e && (*p == ' ' || *p == '\t' || *p == '\n' || *p == '\r'))
            ++p;
    }
    // Moves past the next occurrence of literal; false when there is none.
    bool skipPast(const char *literal)
    {
        const size_t n = std::strlen(literal);
        const void *hit = ::memmem(p, size_t(e - p), literal, n);
        if (!hit)
            return false;
        p = static_cast<const char *>(hit) + n;
        return true;
    }
    // White space and comments between elements.
    bool skipMisc()
    {
        for (;;) {
            skipSpace();
            if (!startsWith("<!--"))
                return true;
            if (!skipPast("-->"))
                return false;
        }
    }

    const char *p;
    const char *e;
};

bool isXmlChar(char32_t c)
{
    return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) || (c >= 0xE000 && c <= 0xFFFD) ||
           (c >= 0x10000 && c <= 0x10FFFF);
}

void appendUtf8(QByteArray &out, char32_t c)
{
    if (c < 0x80) {
        out.append(char(c));
    } else if (c < 0x800) {
        out.append(char(0xC0 | (c >> 6)));
        out.append(char(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        out.append(char(0xE0 | (c >> 12)));
        out.append(char(0x80 | ((c >> 6) & 0x3F)));
        out.append(char(0x80 | (c & 0x3F)));
    } else {
        out.append(char(0xF0 | (c >> 18)));
        out.append(char(0x80 | ((c >> 12) & 0x3F)));
        out.append(char(0x80 | ((c >> 6) & 0x3F)));
        out.append(char(0x80 | (c & 0x3F)));
    }
}

int digitValue(char c, bool hex)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (hex && c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (hex && c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool spanIs(const char *p, const char *e, const char *literal)
{
    const size_t n = std::strlen(literal);
    return size_t(e - p) == n && std::memcmp(p, literal, n) == 0;
}

// Appends the character of the reference between '&' (name is just after it) and ';' (semi); false, appending
// nothing, for a reference we do not handle.
bool appendReference(QByteArray &out, const char *name, const char *semi)
{
    static constexpr std::pair<const char *, char> kEntities[] = {
        {"amp", '&'}, {"lt", '<'}, {"gt", '>'}, {"quot", '"'}, {"apos", '\''}};
    for (const auto &[entity, character] : kEntities) {
        if (spanIs(name, semi, entity)) {
            out.append(character);
            return true;
        }
    }
    if (*name != '#')
        return false;
    const bool hex = name + 1 < semi && name[1] == 'x';
    const char *digits = name + (hex ? 2 : 1);
    if (digits == semi)
        return false;
    char32_t code = 0;
    for (const char *d = digits; d < semi; ++d) {
        const int digit = digitValue(*d, hex);
        code = code * (hex ? 16 : 10) + char32_t(digit);
        // Past the last code point: also stops the sum from wrapping around.
        if (digit < 0 || code > 0x10FFFF)
            return false;
    }
    if (!isXmlChar(code))
        return false;
    appendUtf8(out, code);
    return true;
}

// Decodes character data holding entities. A reference we do not handle makes it none, or, when kept is given, is
// kept as it stands and named there.
std::optional<QByteArray> decodeEntities(const char *p, const char *e, QList<QByteArray> *kept = nullptr)
{
    QByteArray out;
    out.reserve(e - p);
    while (p < e) {
        const char *amp = static_cast<const char *>(std::memchr(p, '&', size_t(e - p)));
        if (!amp) {
            out.append(p, e - p);
            break;
        }
        out.append(p, amp - p);
        const char *semi = static_cast<const char *>(std::memchr(amp, ';', size_t(std::min<ptrdiff_t>(e - amp, 13))));
        if (semi && appendReference(out, amp + 1, semi)) {
            p = semi + 1;
            continue;
        }
        if (!kept)
            return std::nullopt;
        kept->append(QByteArray(amp, semi ? semi + 1 - amp : std::min<ptrdiff_t>(e - amp, 12)));
        out.append('&');
        p = amp + 1;
    }
    return out;
}

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

QString toText(const char *p, const char *e)
{
    const QString text = QString::fromUtf8(p, e - p);
    return holdsEscapeMark(p, e) ? unescapeUnencodable(text) : text;
}

bool isBlank(const char *p, const char *e)
{
    return std::all_of(p, e, [](char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; });
}

// One entry's text, with what had to be kept or replaced in it told in problems.
QString salvagedText(const char *p, const char *e, qsizetype entry, QStringList &problems)
{
    QList<QByteArray> kept;
    const QByteArray decoded = *decodeEntities(p, e, &kept);
    for (const QByteArray &reference : std::as_const(kept))
        problems.append(QStringLiteral("entry %1: \"%2\" is no character reference; kept as it stands")
                            .arg(entry)
                            .arg(QString::fromUtf8(reference)));
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8.decode(decoded);
    if (utf8.hasError())
        problems.append(QStringLiteral("entry %1: bytes that are not UTF-8 are replaced").arg(entry));
    return holdsEscapeMark(decoded.constData(), decoded.constData() + decoded.size()) ? unescapeUnencodable(text)
                                                                                      : text;
}

}  // namespace

std::optional<QStringList> readStringArrayFast(const QByteArray &bytes)
{
    Cursor c(bytes.constData(), bytes.constData() + bytes.size());
    c.take("\xEF\xBB\xBF");
    c.skipSpace();
    if (c.take("<?xml")) {
        const char *declEnd = static_cast<const char *>(::memmem(c.p, size_t(c.e - c.p), "?>", 2));
        if (!declEnd)
            return std::nullopt;
        const QByteArray decl = QByteArray(c.p, declEnd - c.p).toLower();
        if (decl.contains("encoding") && !decl.contains("utf-8"))
            return std::nullopt;
        c.p = declEnd + 2;
    }
    if (!c.skipMisc())
        return std::nullopt;
    if (c.take("<!DOCTYPE")) {
        const char *close = static_cast<const char *>(std::memchr(c.p, '>', size_t(c.e - c.p)));
        const char *subset = static_cast<const char *>(std::memchr(c.p, '[', size_t(c.e - c.p)));
        if (!close || (subset && subset < close))
            return std::nullopt;
        c.p = close + 1;
    }
    if (!c.skipMisc() || !c.take("<plist"))
        return std::nullopt;
    const char *plistOpen = static_cast<const char *>(std::memchr(c.p, '>', size_t(c.e - c.p)));
    if (!plistOpen || plistOpen[-1] == '/')
        return std::nullopt;
    c.p = plistOpen + 1;
    if (!c.skipMisc())
        return std::nullopt;

    QStringList strings;
    if (!c.take("<array/>")) {
        if (!c.take("<array>"))
            return std::nullopt;
        for (;;) {
            if (!c.skipMisc())
                return std::nullopt;
            if (c.take("</array>"))
                break;
            if (c.take("<string/>")) {
                strings.append(QString());
                continue;
            }
            if (!c.take("<string>"))
                return std::nullopt;
            const char *textEnd = static_cast<const char *>(std::memchr(c.p, '<', size_t(c.e - c.p)));
            if (!textEnd)
                return std::nullopt;
            const char *textBegin = c.p;
            c.p = textEnd;
            if (!c.take("</string>"))
                return std::nullopt;
            if (std::memchr(textBegin, '&', size_t(textEnd - textBegin))) {
                const std::optional<QByteArray> decoded = decodeEntities(textBegin, textEnd);
                if (!decoded)
                    return std::nullopt;
                strings.append(toText(decoded->constData(), decoded->constData() + decoded->size()));
            } else {
                strings.append(toText(textBegin, textEnd));
            }
        }
    }
    if (!c.skipMisc() || !c.take("</plist>") || !c.skipMisc() || !c.atEnd())
        return std::nullopt;
    return strings;
}

std::optional<SalvagedStrings> salvageStringArray(const QByteArray &bytes)
{
    const char *begin = bytes.constData();
    const char *end = begin + bytes.size();
    const char *plist = static_cast<const char *>(::memmem(begin, size_t(end - begin), "<plist", 6));
    if (!plist)
        return std::nullopt;
    Cursor c(plist, end);
    if (!c.skipPast("<array"))
        return std::nullopt;
    SalvagedStrings out;
    if (c.take("/>"))
        return out;
    const QString cutOff = QStringLiteral("the file ends before its list does: it is cut off");
    if (!c.skipPast(">")) {
        out.problems.append(cutOff);
        return out;
    }
    auto entry = [&out] { return out.strings.size() + 1; };
    for (;;) {
        const char *tag = static_cast<const char *>(std::memchr(c.p, '<', size_t(c.e - c.p)));
        if (!tag) {
            out.problems.append(cutOff);
            break;
        }
        if (!isBlank(c.p, tag))
            out.problems.append(QStringLiteral("damaged text before entry %1 is left out").arg(entry()));
        c.p = tag;
        if (c.take("</array>"))
            break;
        if (c.take("<string/>")) {
            out.strings.append(QString());
            continue;
        }
        if (c.startsWith("<!--")) {
            if (!c.skipPast("-->")) {
                out.problems.append(cutOff);
                break;
            }
            continue;
        }
        if (c.take("<string>")) {
            const char *textBegin = c.p;
            const char *textEnd = static_cast<const char *>(std::memchr(c.p, '<', size_t(c.e - c.p)));
            if (!textEnd) {
                out.problems.append(cutOff);
                break;
            }
            c.p = textEnd;
            if (!c.take("</string>")) {
                out.problems.append(QStringLiteral("entry %1 is damaged and left out").arg(entry()));
                continue;
            }
            out.strings.append(salvagedText(textBegin, textEnd, entry(), out.problems));
            continue;
        }
        // Markup that a flipped bit made unknown.
        if (!c.skipPast(">")) {
            out.problems.append(cutOff);
            break;
        }
        out.problems.append(QStringLiteral("damaged markup before entry %1 is left out").arg(entry()));
    }
    return out;
}

}  // namespace tavrin::plist
