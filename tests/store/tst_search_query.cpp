// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/SearchQuery.h"

#include <QRandomGenerator>
#include <QTest>

using namespace tavrin;

namespace {

// The rule itself, written the slow and obvious way.
bool reference(const QString &entry, const QString &text)
{
    return !text.isEmpty() && entry.toLower().contains(text.toLower());
}

QString randomText(QRandomGenerator &rng, int maxLength)
{
    // A small alphabet so that matches are frequent, with the characters whose case rules are unusual.
    // Entries are well-formed text: they come from UTF-8, which cannot hold half a surrogate pair.
    static const QList<char32_t> alphabet = {u'a',  u'A',  u'b',  u'B',    u'k',    u'K',    u'z',  u'Z',
                                             u'1',  u' ',  u'/',  0x212A,  0x130,   u'i',    0x307, 0xDF,
                                             0x3A3, 0x3C3, 0x3C2, 0x10400, 0x10428, 0x1F600, 0x1,   0xFDD0};
    QString s;
    const int length = int(rng.bounded(maxLength + 1));
    for (int i = 0; i < length; ++i)
        s.append(QStringView(QChar::fromUcs4(alphabet.at(int(rng.bounded(qsizetype(alphabet.size())))))));
    return s;
}

}  // namespace

class TestSearchQuery : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void matchesLowerCasedSubstrings()
    {
        const SearchQuery abc(QStringLiteral("ABC"));
        QVERIFY(abc.matches(u"xabcx"));
        QVERIFY(abc.matches(u"XaBc"));
        QVERIFY(!abc.matches(u"ab c"));
        QVERIFY(!SearchQuery(QString()).matches(u"anything"));
        QVERIFY(!SearchQuery(QString()).matches(u""));
        // A file entry matches on any part of its path.
        QVERIFY(SearchQuery(QStringLiteral("projects/")).matches(u"/home/me/Projects/report.pdf"));
        // Long entries cross the vector width; the match may sit in the tail.
        const QString longEntry = QString(1000, QChar(u'x')) + QStringLiteral("Needle") + QStringLiteral("yz");
        QVERIFY(SearchQuery(QStringLiteral("NEEDLEy")).matches(longEntry));
        QVERIFY(!SearchQuery(QStringLiteral("needlex")).matches(longEntry));
        // The Kelvin sign lower-cases to k; Greek and Deseret letters by their own rules.
        QVERIFY(SearchQuery(QStringLiteral("k")).matches(QStringLiteral("\u212A")));
        QVERIFY(SearchQuery(QStringLiteral("\u03C3")).matches(QStringLiteral("\u03A3")));
        QVERIFY(SearchQuery(QStringLiteral("\U00010428")).matches(QStringLiteral("a\U00010400")));
        // A list's texts are searched in their stored form, where a control character is an escape of two others:
        // the private-use character of the escape is not in the text.
        const QString withControl = QStringLiteral("a") + QChar(char16_t(1)) + QStringLiteral("b");
        QVERIFY(!SearchQuery(QString(QChar(char16_t(0xE001)))).matchesStored(EntryList::storedForm(withControl)));
        QVERIFY(SearchQuery(QString(QChar(char16_t(1)))).matchesStored(EntryList::storedForm(withControl)));
        QVERIFY(SearchQuery(QStringLiteral("A\u0001B")).matchesStored(EntryList::storedForm(withControl)));
    }

    void agreesWithTheRuleOnRandomTexts()
    {
        QRandomGenerator rng(1207);
        for (int round = 0; round < 20000; ++round) {
            const QString entry = randomText(rng, 40);
            const QString text = randomText(rng, 3);
            // Lists hold their texts as UTF-8 (with escapes), searched mostly byte by byte.
            const SearchQuery query(text);
            const bool expected = reference(entry, text);
            if (query.matches(entry) != expected || query.matchesStored(EntryList::storedForm(entry)) != expected) {
                auto units = [](const QString &s) {
                    QStringList hex;
                    for (QChar c : s)
                        hex.append(QString::number(c.unicode(), 16));
                    return hex.join(QLatin1Char(' '));
                };
                QFAIL(qPrintable(QStringLiteral("entry [%1] text [%2]").arg(units(entry), units(text))));
            }
        }
    }

    void filteringKeepsOrderAndNarrowingIsSafe()
    {
        const QStringList source = {QStringLiteral("alpha"), QStringLiteral("beta"), QStringLiteral("Alphabet"),
                                    QStringLiteral("gamma")};
        const EntryList found = SearchQuery(QStringLiteral("ALPHA")).filter(source);
        QCOMPARE(found, (QStringList{QStringLiteral("alpha"), QStringLiteral("Alphabet")}));
        QCOMPARE(SearchQuery(QStringLiteral("BET")).filter(found), QStringList{QStringLiteral("Alphabet")});
        QVERIFY(SearchQuery(QStringLiteral("alphab")).narrows(SearchQuery(QStringLiteral("alpha"))));
        QVERIFY(SearchQuery(QStringLiteral("xalpha")).narrows(SearchQuery(QStringLiteral("ALP"))));
        QVERIFY(!SearchQuery(QStringLiteral("alp")).narrows(SearchQuery(QStringLiteral("alpha"))));
        QVERIFY(!SearchQuery(QStringLiteral("alpha")).narrows(SearchQuery(QString())));
    }
};

QTEST_GUILESS_MAIN(TestSearchQuery)
#include "tst_search_query.moc"
