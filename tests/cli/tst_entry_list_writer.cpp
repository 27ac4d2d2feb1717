// SPDX-License-Identifier: GPL-3.0-or-later
// Listing entries: JSON that a JSON parser reads back to exactly the entries, whatever they hold, and one line per
// entry for menus.
#include "cli/EntryListWriter.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

using namespace tavrin;

namespace {

struct Entry {
    QString text;
    bool pinned = false;
    EntryKind kind = EntryKind::Text;
};

// The output of a writer over the entries, and the sizes of the chunks the sink got.
struct Written {
    QByteArray output;
    QList<qsizetype> chunks;
    bool ok = false;
};

Written write(EntryListWriter::Format format, const QList<Entry> &entries, int width = EntryListWriter::kDefaultWidth)
{
    Written written;
    EntryListWriter writer(format, width, [&written](const char *data, qsizetype size) {
        written.output.append(data, size);
        written.chunks.append(size);
        return true;
    });
    bool ok = true;
    for (qsizetype i = 0; i < entries.size(); ++i)
        ok = writer.write(i + 1, entries.at(i).text, entries.at(i).pinned, entries.at(i).kind) && ok;
    written.ok = writer.finish() && ok;
    return written;
}

QJsonArray parsed(const QByteArray &json)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError) {
        qWarning("JSON error at %d: %s", error.offset, qPrintable(error.errorString()));
        return {};
    }
    return document.array();
}

// Every character of the Basic Multilingual Plane but the surrogates, a few beyond it, all control characters.
QString everyCharacter()
{
    QString text;
    for (char32_t c = 0; c < 0x10000; ++c) {
        if (!QChar::isSurrogate(c))
            text += QChar(char16_t(c));
    }
    for (const char32_t c : {char32_t(0x10000), char32_t(0x1F600), char32_t(0x10FFFF)})
        text += QString::fromUcs4(&c, 1);
    return text;
}

}  // namespace

class TestEntryListWriter : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void jsonRoundTripsEveryCharacter()
    {
        const QList<Entry> entries = {
            {everyCharacter(), false, EntryKind::Text},
            {QStringLiteral("\"quoted\" \\back\\slash\\ \n\r\t\b\f end"), true, EntryKind::Text},
            {QString(), false, EntryKind::Text},
            {QStringLiteral("/home/me/folder"), false, EntryKind::Folder},
            {QStringLiteral("/home/me/file.txt"), false, EntryKind::File},
        };
        const Written written = write(EntryListWriter::Format::Json, entries);
        QVERIFY(written.ok);
        // Plain UTF-8 JSON: no raw control character anywhere, and the JavaScript line separators escaped.
        for (const char byte : written.output)
            QVERIFY(byte == '\n' || static_cast<unsigned char>(byte) >= 0x20);
        QVERIFY(!QString::fromUtf8(written.output).contains(QChar(0x2028)));
        const QJsonArray array = parsed(written.output);
        QCOMPARE(array.size(), entries.size());
        const QStringList kinds = {QStringLiteral("text"), QStringLiteral("text"), QStringLiteral("text"),
                                   QStringLiteral("folder"), QStringLiteral("file")};
        for (qsizetype i = 0; i < entries.size(); ++i) {
            const QJsonObject object = array.at(i).toObject();
            QCOMPARE(object.value(QStringLiteral("index")).toInteger(), i + 1);
            QCOMPARE(object.value(QStringLiteral("pinned")).toBool(), entries.at(i).pinned);
            QCOMPARE(object.value(QStringLiteral("kind")).toString(), kinds.at(i));
            QCOMPARE(object.value(QStringLiteral("text")).toString(), entries.at(i).text);
        }
    }

    void unpairedSurrogatesAreEscapedNotLost()
    {
        QByteArray out;
        const char16_t units[] = {u'a', 0xD800, u'b', 0xDC00, 0xD83D, 0xDE00};
        EntryListWriter::appendJsonString(out, QStringView(units, 6));
        QCOMPARE(out, QByteArray("\"a\\ud800b\\udc00\xf0\x9f\x98\x80\""));
    }

    void aFiveMegabyteEntryGoesThroughInChunksWhole()
    {
        QString big;
        big.reserve(5 * 1024 * 1024);
        const QString piece = QStringLiteral("line \"%1\" with\ttabs, \u00e9t\u00e9 and \U0001F600\n");
        for (int i = 0; big.size() < 5 * 1024 * 1024; ++i)
            big += piece.arg(i);
        const QList<Entry> entries = {{QStringLiteral("small")}, {big}, {QStringLiteral("after")}};
        const Written written = write(EntryListWriter::Format::Json, entries);
        QVERIFY(written.ok);
        QVERIFY(written.chunks.size() >= 2);
        const QJsonArray array = parsed(written.output);
        QCOMPARE(array.size(), 3);
        QCOMPARE(array.at(1).toObject().value(QStringLiteral("text")).toString(), big);
        QCOMPARE(array.at(2).toObject().value(QStringLiteral("text")).toString(), QStringLiteral("after"));
    }

    void manyEntriesAreSplitIntoChunksOfAboutOneMegabyte()
    {
        QList<Entry> entries;
        for (int i = 0; i < 5000; ++i)
            entries.append({QString(1000, QLatin1Char('a' + i % 26)), i < 3});
        const Written written = write(EntryListWriter::Format::Json, entries);
        QVERIFY(written.chunks.size() >= 4);
        for (qsizetype i = 0; i + 1 < written.chunks.size(); ++i)
            QVERIFY(written.chunks.at(i) >= EntryListWriter::kChunkSize);
        const QJsonArray array = parsed(written.output);
        QCOMPARE(array.size(), 5000);
        QCOMPARE(array.at(4999).toObject().value(QStringLiteral("text")).toString(), entries.last().text);
        QCOMPARE(array.at(2).toObject().value(QStringLiteral("pinned")).toBool(), true);
        QCOMPARE(array.at(3).toObject().value(QStringLiteral("pinned")).toBool(), false);
    }

    void anEmptyHistoryIsAnEmptyArray()
    {
        QCOMPARE(write(EntryListWriter::Format::Json, {}).output, QByteArray("[]\n"));
        QCOMPARE(write(EntryListWriter::Format::Lines, {}).output, QByteArray());
    }

    void aFailingSinkStopsTheWriter()
    {
        int calls = 0;
        EntryListWriter writer(EntryListWriter::Format::Lines, 0, [&calls](const char *, qsizetype) {
            ++calls;
            return false;
        });
        const QString big(EntryListWriter::kChunkSize, QLatin1Char('x'));
        QVERIFY(!writer.write(1, big, false, EntryKind::Text));
        QVERIFY(!writer.write(2, big, false, EntryKind::Text));
        QVERIFY(!writer.finish());
        QCOMPARE(calls, 1);
    }

    void linesShowTheNumberThePinAndTheEntryOnOneLine()
    {
        const Written written = write(EntryListWriter::Format::Lines,
                                      {{QStringLiteral("pinned"), true}, {QStringLiteral("two\nlines\r\n  end ")}});
        QCOMPARE(written.output, QByteArray("1*\tpinned\n2\ttwo lines end\n"));
    }

    void previewLine_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("width");
        QTest::addColumn<QString>("line");
        QTest::newRow("white space runs") << QStringLiteral("  a \t\n b  ") << 100 << QStringLiteral("a b");
        QTest::newRow("control pictures")
            << QStringLiteral("a\x1b[0m\x7f") << 100 << QStringLiteral("a\u241b[0m\u2421");
        QTest::newRow("cut") << QStringLiteral("abcdefghij") << 5 << QStringLiteral("abcd\u2026");
        QTest::newRow("fits exactly") << QStringLiteral("abcde") << 5 << QStringLiteral("abcde");
        QTest::newRow("no space before the ellipsis")
            << QStringLiteral("abc defgh") << 5 << QStringLiteral("abc\u2026");
        QTest::newRow("pair not split") << QStringLiteral("ab\U0001F600\U0001F600cd") << 4
                                        << QStringLiteral("ab\U0001F600\u2026");
        QTest::newRow("unpaired surrogate") << QString(QChar(0xD800)) << 10 << QStringLiteral("\uFFFD");
        QTest::newRow("width 0 shows all") << QString(300, QLatin1Char('z')) << 0 << QString(300, QLatin1Char('z'));
    }

    void previewLine()
    {
        QFETCH(QString, text);
        QFETCH(int, width);
        QFETCH(QString, line);
        QCOMPARE(EntryListWriter::previewLine(text, width), line);
    }
};

QTEST_GUILESS_MAIN(TestEntryListWriter)
#include "tst_entry_list_writer.moc"
