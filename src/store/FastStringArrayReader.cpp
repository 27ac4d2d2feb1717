#include "store/FastStringArrayReader.h"

#include "store/PropertyListCodec.h"

#include <cstring>
#include <string.h>

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

// Decodes character data holding entities; none for a reference we do not handle.
std::optional<QByteArray> decodeEntities(const char *p, const char *e)
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
        const char *semi = static_cast<const char *>(std::memchr(amp, ';', size_t(e - amp)));
        if (!semi || semi - amp > 12)
            return std::nullopt;
        const char *name = amp + 1;
        if (spanIs(name, semi, "amp")) {
            out.append('&');
        } else if (spanIs(name, semi, "lt")) {
            out.append('<');
        } else if (spanIs(name, semi, "gt")) {
            out.append('>');
        } else if (spanIs(name, semi, "quot")) {
            out.append('"');
        } else if (spanIs(name, semi, "apos")) {
            out.append('\'');
        } else if (*name == '#') {
            const bool hex = name + 1 < semi && name[1] == 'x';
            const char *digits = name + (hex ? 2 : 1);
            if (digits == semi)
                return std::nullopt;
            char32_t code = 0;
            for (const char *d = digits; d < semi; ++d) {
                const int digit = digitValue(*d, hex);
                code = code * (hex ? 16 : 10) + char32_t(digit);
                // Past the last code point: also stops the sum from wrapping around.
                if (digit < 0 || code > 0x10FFFF)
                    return std::nullopt;
            }
            if (!isXmlChar(code))
                return std::nullopt;
            appendUtf8(out, code);
        } else {
            return std::nullopt;
        }
        p = semi + 1;
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

}  // namespace tavrin::plist
