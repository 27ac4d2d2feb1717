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
    if (!m_codePoints.empty())
        findStartUnits(m_codePoints.front());
}

void SearchQuery::findStartUnits(char32_t first)
{
    // The first character itself and every character that lower-cases to it can begin a match.
    QList<char32_t> sources;
    if (first < 0x80) {
        sources.append(first);
        if (first >= u'a' && first <= u'z')
            sources.append(first - 0x20);
        if (first == u'k')
            sources.append(0x212A);  // KELVIN SIGN
        if (first == u'i')
            sources.append(0x130);  // LATIN CAPITAL LETTER I WITH DOT ABOVE
    } else {
        sources = upperCaseSources().value(first);
        if (!sources.contains(first))
            sources.append(first);
    }
    QList<char16_t> units;
    for (char32_t c : sources) {
        const char16_t unit = QChar::requiresSurrogates(c) ? QChar::highSurrogate(c) : char16_t(c);
        if (!units.contains(unit))
            units.append(unit);
    }
    if (units.isEmpty() || units.size() > int(m_startUnits.size())) {
        m_anyStart = true;
        return;
    }
    for (size_t k = 0; k < m_startUnits.size(); ++k)
        m_startUnits[k] = units.at(qsizetype(std::min<size_t>(k, size_t(units.size()) - 1)));
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
    auto isStart = [this](char16_t u) {
        return m_anyStart || u == m_startUnits[0] || u == m_startUnits[1] || u == m_startUnits[2] ||
               u == m_startUnits[3];
    };
    auto tryAt = [&](qsizetype i) {
        // A low surrogate that completes a pair is inside a character, not at its start.
        if (i > 0 && QChar::isLowSurrogate(h[i]) && QChar::isHighSurrogate(h[i - 1]))
            return false;
        return verifyAt(h, n, i);
    };

    qsizetype i = 0;
    if (!m_anyStart) {
        // Eight units at a time: most blocks hold no unit that can start a match.
        auto splat = [](char16_t u) { return u16x8{u, u, u, u, u, u, u, u}; };
        const u16x8 s0 = splat(m_startUnits[0]);
        const u16x8 s1 = splat(m_startUnits[1]);
        const u16x8 s2 = splat(m_startUnits[2]);
        const u16x8 s3 = splat(m_startUnits[3]);
        for (; i + 8 <= n; i += 8) {
            u16x8 v;
            std::memcpy(&v, h + i, sizeof v);
            const auto hit = (v == s0) | (v == s1) | (v == s2) | (v == s3);
            std::uint64_t lanes[2];
            std::memcpy(lanes, &hit, sizeof lanes);
            if ((lanes[0] | lanes[1]) == 0)
                continue;
            for (qsizetype k = i; k < i + 8; ++k) {
                if (isStart(h[k]) && tryAt(k))
                    return true;
            }
        }
    }
    for (; i < n; ++i) {
        if (isStart(h[i]) && tryAt(i))
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
