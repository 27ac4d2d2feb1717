// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/SearchQuery.h"

#include <QHash>

#include <cstdint>
#include <cstring>

namespace tavrin {

namespace {

using u16x8 = std::uint16_t __attribute__((vector_size(16)));

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
    if (!m_codePoints.empty()) {
        m_first = unitsFor(m_codePoints.front(), true);
        m_last = unitsFor(m_codePoints.back(), false);
        m_lastOffset = m_lower.size() - 1;
    }
}

SearchQuery::UnitSet SearchQuery::unitsFor(char32_t lowered, bool leadingUnit)
{
    // The character itself and every character that lower-cases to it.
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

    qsizetype i = 0;
    // Eight positions at a time: a position is kept only when both its first and its last unit fit, which
    // rules out nearly every block before any character is compared.
    auto splat = [](char16_t u) { return u16x8{u, u, u, u, u, u, u, u}; };
    const u16x8 f0 = splat(m_first.units[0]), f1 = splat(m_first.units[1]), f2 = splat(m_first.units[2]),
                f3 = splat(m_first.units[3]), anyFirst = splat(m_first.any ? 0xFFFF : 0);
    const u16x8 l0 = splat(m_last.units[0]), l1 = splat(m_last.units[1]), l2 = splat(m_last.units[2]),
                l3 = splat(m_last.units[3]), anyLast = splat(m_last.any ? 0xFFFF : 0);
    for (; i + last + 8 <= n; i += 8) {
        u16x8 v;
        u16x8 w;
        std::memcpy(&v, h + i, sizeof v);
        std::memcpy(&w, h + i + last, sizeof w);
        const auto hit = (anyFirst | (v == f0) | (v == f1) | (v == f2) | (v == f3)) &
                         (anyLast | (w == l0) | (w == l1) | (w == l2) | (w == l3));
        std::uint64_t lanes[2];
        std::memcpy(lanes, &hit, sizeof lanes);
        if ((lanes[0] | lanes[1]) == 0)
            continue;
        for (qsizetype k = i; k < i + 8; ++k) {
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

QStringList SearchQuery::filter(const QStringList &source) const
{
    QStringList results;
    if (isEmpty())
        return results;
    for (const QString &entry : source) {
        if (matches(entry))
            results.append(entry);
    }
    return results;
}

}  // namespace tavrin
