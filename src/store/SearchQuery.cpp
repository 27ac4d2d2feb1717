// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/SearchQuery.h"

#include "store/PropertyListCodec.h"

#include <QHash>
#include <QStringDecoder>

#include <algorithm>

#include <cstdint>
#include <cstring>

namespace tavrin {

namespace {

using u16x8 = std::uint16_t __attribute__((vector_size(16)));
using u8x16 = std::uint8_t __attribute__((vector_size(16)));

// Tries tryAt at each position whose first unit and the unit last further on fit (hits gives the lanes where both do),
// a vector of positions at a time, then one by one at the end.
template <typename Vector, typename Unit, typename Hits, typename TryAt>
bool scanCandidates(const Unit *h, qsizetype n, qsizetype last, const Hits &hits, const TryAt &tryAt)
{
    constexpr qsizetype kLanes = sizeof(Vector) / sizeof(Unit);
    qsizetype i = 0;
    for (; i + last + kLanes <= n; i += kLanes) {
        Vector v;
        Vector w;
        std::memcpy(&v, h + i, sizeof v);
        std::memcpy(&w, h + i + last, sizeof w);
        const auto hit = hits(v, w);
        std::uint64_t words[2];
        std::memcpy(words, &hit, sizeof words);
        if ((words[0] | words[1]) == 0)
            continue;
        for (qsizetype k = i; k < i + kLanes; ++k) {
            if (tryAt(k))
                return true;
        }
    }
    for (; i + last < n; ++i) {
        if (tryAt(i))
            return true;
    }
    return false;
}

char32_t lowerCodePoint(char32_t c)
{
    if (c < 0x80)
        return (c >= u'A' && c <= u'Z') ? c + 0x20 : c;
    return QChar::toLower(c);
}

// Reads the code point at i and moves i past it; an unpaired surrogate stands for itself.
char32_t nextCodePoint(const char16_t *s, qsizetype n, qsizetype &i)
{
    const char16_t c = s[i++];
    if (QChar::isHighSurrogate(c) && i < n && QChar::isLowSurrogate(s[i]))
        return QChar::surrogateToUcs4(c, s[i++]);
    return c;
}

// For each lower-case character outside ASCII, the characters that lower-case to it (itself included).
// Case pairs live in the first two planes; the table is built once.
const QHash<char32_t, QList<char32_t>> &upperCaseSources()
{
    static const QHash<char32_t, QList<char32_t>> table = [] {
        QHash<char32_t, QList<char32_t>> t;
        for (char32_t c = 0x80; c < 0x20000; ++c) {
            if (QChar::isSurrogate(c))
                continue;
            const char32_t lower = QChar::toLower(c);
            if (lower != c || QChar::toUpper(c) != c)
                t[lower].append(c);
        }
        return t;
    }();
    return table;
}

// The character itself and every character that lower-cases to it.
QList<char32_t> sourcesOf(char32_t lowered)
{
    QList<char32_t> sources;
    if (lowered < 0x80) {
        sources.append(lowered);
        if (lowered >= u'a' && lowered <= u'z')
            sources.append(lowered - 0x20);
        if (lowered == u'k')
            sources.append(0x212A);  // KELVIN SIGN
        if (lowered == u'i')
            sources.append(0x130);  // LATIN CAPITAL LETTER I WITH DOT ABOVE
    } else {
        sources = upperCaseSources().value(lowered);
        if (!sources.contains(lowered))
            sources.append(lowered);
    }
    return sources;
}

}  // namespace

SearchQuery::SearchQuery(const QString &text) : m_lower(text.toLower())
{
    const char16_t *s = reinterpret_cast<const char16_t *>(m_lower.constData());
    bool unpaired = false;
    for (qsizetype i = 0; i < m_lower.size();) {
        const char32_t c = nextCodePoint(s, m_lower.size(), i);
        unpaired = unpaired || QChar::isSurrogate(c);
        m_codePoints.push_back(c);
    }
    // Only U+0130 lower-cases to two characters (i and U+0307), so a text holding U+0307 may need that
    // full mapping; a text holding half a surrogate pair can match half of one. Both are compared the
    // exact, slower way. Neither comes from typing.
    m_exactOnly = unpaired || m_lower.contains(QChar(u'\u0307'));
    m_ascii = !m_exactOnly &&
              std::all_of(m_codePoints.begin(), m_codePoints.end(), [](char32_t c) { return c >= 0x20 && c < 0x7F; });
    m_otherSources = m_ascii && (m_lower.contains(u'k') || m_lower.contains(u'i'));
    // Text without case (most scripts but Latin, Greek and Cyrillic) matches only itself: its UTF-8 is looked for.
    // Characters the stored form escapes (controls, U+FDD0, U+FFFE, U+FFFF) are not looked for on its bytes.
    const bool storedAsThemselves = std::all_of(m_codePoints.begin(), m_codePoints.end(), [](char32_t c) {
        return c >= 0x20 && c != 0xFDD0 && c != 0xFFFE && c != 0xFFFF;
    });
    m_caseless =
        !m_codePoints.empty() && !m_ascii && !m_exactOnly && storedAsThemselves &&
        std::all_of(m_codePoints.begin(), m_codePoints.end(), [](char32_t c) { return sourcesOf(c).size() == 1; });
    if (m_caseless)
        m_utf8 = m_lower.toUtf8();
    if (!m_codePoints.empty() && !m_ascii && !m_exactOnly && !m_caseless && storedAsThemselves) {
        // Each character as the UTF-8 of every character that lower-cases to it, when there are few: the text is
        // then matched on its bytes. U+0130 stands for i only at the end (it lower-cases to i and U+0307).
        bool few = true;
        for (size_t k = 0; k < m_codePoints.size() && few; ++k) {
            const char32_t lowered = m_codePoints[k];
            QList<char32_t> sources = sourcesOf(lowered);
            if (lowered == u'i' && k + 1 < m_codePoints.size())
                sources.removeAll(0x130);
            few = sources.size() <= kMaxForms;
            QList<QByteArray> forms;
            for (char32_t c : sources)
                forms.append(QString::fromUcs4(&c, 1).toUtf8());
            m_forms.append(forms);
        }
        if (!few) {
            m_forms.clear();
        } else {
            for (const QByteArray &form : m_forms.constFirst())
                m_firstBytes.set(uchar(form.front()));
        }
        // A text that holds none of the forms of one character cannot match: most are passed over at once. A
        // character outside ASCII is the rarer one to look for.
        const auto rare = std::find_if(m_codePoints.begin(), m_codePoints.end(), [](char32_t c) { return c >= 0x80; });
        const QList<char32_t> sources = sourcesOf(rare != m_codePoints.end() ? *rare : m_codePoints.front());
        if (sources.size() <= kMaxForms) {
            for (char32_t c : sources)
                m_needles.append(QString::fromUcs4(&c, 1).toUtf8());
        }
    }
    if (!m_codePoints.empty()) {
        m_first = unitsFor(m_codePoints.front(), true);
        m_last = unitsFor(m_codePoints.back(), false);
        m_lastOffset = m_lower.size() - 1;
    }
}

SearchQuery::UnitSet SearchQuery::unitsFor(char32_t lowered, bool leadingUnit)
{
    const QList<char32_t> sources = sourcesOf(lowered);
    QList<char16_t> units;
    for (char32_t c : sources) {
        const char16_t unit = !QChar::requiresSurrogates(c) ? char16_t(c)
                              : leadingUnit                 ? QChar::highSurrogate(c)
                                                            : QChar::lowSurrogate(c);
        if (!units.contains(unit))
            units.append(unit);
    }
    UnitSet set;
    if (units.isEmpty() || units.size() > qsizetype(set.units.size())) {
        set.any = true;
        return set;
    }
    for (size_t k = 0; k < set.units.size(); ++k)
        set.units[k] = units.at(qsizetype(std::min<size_t>(k, size_t(units.size()) - 1)));
    return set;
}

bool SearchQuery::narrows(const SearchQuery &other) const
{
    return !other.isEmpty() && m_exactOnly == other.m_exactOnly && m_lower.contains(other.m_lower);
}

bool SearchQuery::verifyAt(const char16_t *h, qsizetype n, qsizetype at) const
{
    qsizetype i = at;
    const size_t m = m_codePoints.size();
    for (size_t k = 0; k < m; ++k) {
        if (i >= n)
            return false;
        const char32_t c = nextCodePoint(h, n, i);
        if (c == 0x130) {
            // Lower-cases to i and U+0307; texts holding U+0307 never get here, so only a final i matches.
            return m_codePoints[k] == u'i' && k + 1 == m;
        }
        if (lowerCodePoint(c) != m_codePoints[k])
            return false;
    }
    return true;
}

bool SearchQuery::matches(QStringView entry) const
{
    if (m_codePoints.empty())
        return false;
    if (m_exactOnly)
        return entry.toString().toLower().contains(m_lower);

    const char16_t *h = reinterpret_cast<const char16_t *>(entry.utf16());
    const qsizetype n = entry.size();
    const qsizetype last = m_lastOffset;
    auto tryAt = [&](qsizetype i) {
        if (!m_first.contains(h[i]) || !m_last.contains(h[i + last]))
            return false;
        // A low surrogate that completes a pair is inside a character, not at its start.
        if (i > 0 && QChar::isLowSurrogate(h[i]) && QChar::isHighSurrogate(h[i - 1]))
            return false;
        return verifyAt(h, n, i);
    };

    // Eight positions at a time: a position is kept only when both its first and its last unit fit, which
    // rules out nearly every block before any character is compared.
    auto splat = [](char16_t u) { return u16x8{u, u, u, u, u, u, u, u}; };
    const u16x8 f0 = splat(m_first.units[0]), f1 = splat(m_first.units[1]), f2 = splat(m_first.units[2]),
                f3 = splat(m_first.units[3]), anyFirst = splat(m_first.any ? 0xFFFF : 0);
    const u16x8 l0 = splat(m_last.units[0]), l1 = splat(m_last.units[1]), l2 = splat(m_last.units[2]),
                l3 = splat(m_last.units[3]), anyLast = splat(m_last.any ? 0xFFFF : 0);
    return scanCandidates<u16x8>(
        h, n, last,
        [&](const u16x8 &v, const u16x8 &w) {
            return (anyFirst | (v == f0) | (v == f1) | (v == f2) | (v == f3)) &
                   (anyLast | (w == l0) | (w == l1) | (w == l2) | (w == l3));
        },
        tryAt);
}

bool SearchQuery::matchesAsciiBytes(QByteArrayView stored) const
{
    const auto *h = reinterpret_cast<const std::uint8_t *>(stored.data());
    const qsizetype n = stored.size();
    const qsizetype last = m_lastOffset;
    const auto lowerByte = [](std::uint8_t c) { return std::uint8_t(c >= 'A' && c <= 'Z' ? c + 0x20 : c); };
    const auto upperByte = [](std::uint8_t c) { return std::uint8_t(c >= 'a' && c <= 'z' ? c - 0x20 : c); };
    const auto firstLower = std::uint8_t(m_codePoints.front());
    const auto lastLower = std::uint8_t(m_codePoints.back());
    const auto tryAt = [&](qsizetype i) {
        for (qsizetype k = 0; k <= last; ++k) {
            if (lowerByte(h[i + k]) != m_codePoints[size_t(k)])
                return false;
        }
        return true;
    };
    // Sixteen positions at a time, kept only when their first and last bytes fit, as in matches().
    auto splat = [](std::uint8_t b) { return u8x16{b, b, b, b, b, b, b, b, b, b, b, b, b, b, b, b}; };
    const u8x16 f0 = splat(firstLower), f1 = splat(upperByte(firstLower));
    const u8x16 l0 = splat(lastLower), l1 = splat(upperByte(lastLower));
    return scanCandidates<u8x16>(
        h, n, last, [&](const u8x16 &v, const u8x16 &w) { return ((v == f0) | (v == f1)) & ((w == l0) | (w == l1)); },
        tryAt);
}

namespace {

// Whether the bytes hold the UTF-8 of lead followed by rest.
bool holdsSequence(QByteArrayView bytes, char lead, QByteArrayView rest)
{
    const char *p = bytes.data();
    const char *e = p + bytes.size();
    while (p < e) {
        const auto *hit = static_cast<const char *>(std::memchr(p, lead, size_t(e - p)));
        if (!hit)
            return false;
        if (e - hit > rest.size() && std::memcmp(hit + 1, rest.data(), size_t(rest.size())) == 0)
            return true;
        p = hit + 1;
    }
    return false;
}

}  // namespace

bool SearchQuery::matchesForms(QByteArrayView stored) const
{
    const char *h = stored.data();
    const qsizetype n = stored.size();
    const auto formAt = [h, n](qsizetype at, const QList<QByteArray> &forms) -> qsizetype {
        for (const QByteArray &form : forms) {
            if (n - at >= form.size() && std::memcmp(h + at, form.constData(), size_t(form.size())) == 0)
                return form.size();
        }
        return 0;
    };
    for (qsizetype i = 0; i < n; ++i) {
        // A character starts with a byte no continuation has, so a match starts on a first byte of the first forms.
        if (!m_firstBytes.test(uchar(h[i])))
            continue;
        qsizetype at = i;
        bool found = true;
        for (const QList<QByteArray> &forms : m_forms) {
            const qsizetype length = formAt(at, forms);
            if (length == 0) {
                found = false;
                break;
            }
            at += length;
        }
        if (found)
            return true;
    }
    return false;
}

bool SearchQuery::matchesStored(QByteArrayView stored) const
{
    if (m_codePoints.empty() || stored.isEmpty())
        return false;
    if (m_ascii) {
        if (matchesAsciiBytes(stored))
            return true;
        // Without KELVIN SIGN or U+0130 in it, nothing else in the text lower-cases to ASCII.
        if (!m_otherSources ||
            (!holdsSequence(stored, char(0xE2), "\x84\xAA") && !holdsSequence(stored, char(0xC4), "\xB0")))
            return false;
    }
    // Our escape mark needs the unescaping of a stored text (whose escapes could look like text); any other is
    // matched on its bytes, or decoded into a buffer kept for the next.
    if (holdsSequence(stored, char(0xEF), "\xB7\x90"))
        return matches(plist::textFromUtf8(stored.data(), stored.size()));
    if (m_caseless)
        return ::memmem(stored.data(), size_t(stored.size()), m_utf8.constData(), size_t(m_utf8.size())) != nullptr;
    if (!m_needles.isEmpty() && std::none_of(m_needles.begin(), m_needles.end(), [stored](const QByteArray &needle) {
            return ::memmem(stored.data(), size_t(stored.size()), needle.constData(), size_t(needle.size()));
        }))
        return false;
    if (!m_forms.isEmpty())
        return matchesForms(stored);
    // A text of many megabytes gets a buffer of its own, so that the thread does not keep one that size.
    constexpr qsizetype kLongestBuffered = qsizetype(1) << 20;
    if (stored.size() > kLongestBuffered)
        return matches(QString::fromUtf8(stored));
    thread_local QList<QChar> buffer;
    if (buffer.size() < stored.size())
        buffer.resize(stored.size());
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QChar *end = utf8.appendToBuffer(buffer.data(), stored);
    return matches(QStringView(buffer.constData(), end - buffer.constData()));
}

EntryList SearchQuery::filter(const EntryList &source) const
{
    EntryList results;
    if (isEmpty())
        return results;
    const EntryList::ReadLock reading(source);
    for (qsizetype i = 0; i < source.size(); ++i) {
        if (matchesStored(source.storedAt(i)))
            results.appendFrom(source, i);
    }
    return results;
}

}  // namespace tavrin
