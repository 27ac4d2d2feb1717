// SPDX-License-Identifier: GPL-3.0-or-later
#include "FileSizeLimit.h"
#include "TestDirs.h"
#include "store/AtomicFile.h"
#include "store/FastStringArrayReader.h"
#include "store/PropertyListCodec.h"
#include "store/StringListFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace tavrin;

namespace {

// The program's list files in the test's own folder, by name.
struct Lists {
    test::TestDirs dirs;
    ListFolder folder{dirs.documents()};

    QString path(const QString &name) const { return folder.pathFor(name); }
    bool write(const QString &name, const QStringList &strings) { return folder.write(path(name), strings); }
    QStringList read(const QString &name) { return folder.read(path(name)).strings.toStringList(); }
};

QStringList awkwardStrings()
{
    return {
        QString(),
        QStringLiteral("\t tab and spaces \t"),
        QStringLiteral("line\nfeed"),
        QStringLiteral("carriage\rreturn"),
        QStringLiteral("crlf\r\nline\r\n"),
        QStringLiteral("\r"),
        QStringLiteral("Grüße, Привет, 你好, مرحبا"),
        QStringLiteral("emoji 😀👍🏽 and ZWJ 👩‍💻"),
        QStringLiteral("markup & < > \" ' &amp; <string>"),
        QStringLiteral("]]> <![CDATA[ x ]]>"),
        QStringLiteral("  leading and trailing  "),
    };
}

// Characters XML 1.0 cannot carry, and our own escape character.
QStringList unencodableStrings()
{
    QString esc = QStringLiteral("\x1b[31mred\x1b[0m");
    QString nul = QStringLiteral("a");
    nul.append(QChar(u'\0'));
    nul.append(QStringLiteral("b"));
    QString lone;
    lone.append(QChar(char16_t(0xD83D)));  // high surrogate without its pair
    lone.append(QStringLiteral("x"));
    lone.append(QChar(char16_t(0xDE00)));  // low surrogate alone
    QString nonchars;
    nonchars.append(QChar(char16_t(0xFFFE)));
    nonchars.append(QChar(char16_t(0xFFFF)));
    QString escapeChar;
    escapeChar.append(QChar(char16_t(0xFDD0)));
    escapeChar.append(QChar(char16_t(0xE000)));  // looks like an escape of NUL, must stay as typed
    escapeChar.append(QChar(char16_t(0xFDD0)));
    QString controls;
    for (char16_t c = 1; c < 0x20; ++c)
        controls.append(QChar(c));
    controls.append(QChar(char16_t(0x7F)));
    controls.append(QChar(char16_t(0x85)));
    return {esc, nul, lone, nonchars, escapeChar, controls};
}

QString randomString(QRandomGenerator &rng)
{
    const int length = int(rng.bounded(40));
    QString s;
    for (int i = 0; i < length; ++i) {
        switch (rng.bounded(6)) {
        case 0: s.append(QChar(char16_t(rng.bounded(0x20)))); break;  // controls, NUL included
        case 1: s.append(QChar(char16_t(rng.bounded(0x20, 0x80)))); break;  // ASCII
        case 2: s.append(QChar(char16_t(rng.bounded(0xD800, 0xE000)))); break;  // surrogate halves, often unpaired
        case 3: s.append(QChar(char16_t(0xFDD0 + rng.bounded(3)))); break;  // around our escape
        case 4: s.append(QStringView(QChar::fromUcs4(char32_t(rng.bounded(0x10000, 0x110000))))); break;
        default: s.append(QChar(char16_t(rng.bounded(0x80, 0x10000)))); break;  // the rest of the BMP
        }
    }
    return s;
}

bool hasUnencodable(const QString &s)
{
    return plist::escapeUnencodable(s) != s;
}

// Reads a file with Python's plistlib, the reference reader of another implementation.
QStringList readWithPlistlib(const QString &path)
{
    const QString python = QStandardPaths::findExecutable(QStringLiteral("python3"));
    if (python.isEmpty())
        return {QStringLiteral("python3 missing")};
    const QByteArray out =
        test::runProgram(python, {QStringLiteral("-c"),
                                  QStringLiteral("import json,plistlib,sys\n"
                                                 "with open(sys.argv[1],'rb') as f: d=plistlib.load(f)\n"
                                                 "sys.stdout.write(json.dumps(d))"),
                                  path});
    QStringList list;
    for (const auto &v : QJsonDocument::fromJson(out).array())
        list.append(v.toString());
    return list;
}

}  // namespace

class TestPropertyList : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void fileLayoutAndPaths()
    {
        Lists lists;
        const test::TestDirs &dirs = lists.dirs;
        QVERIFY(!QFileInfo::exists(dirs.documents()));
        QCOMPARE(lists.path(QStringLiteral("Work")), dirs.documents() + QStringLiteral("/Work.plist"));
        QVERIFY(lists.write(QStringLiteral("Work"), {QStringLiteral("a"), QStringLiteral("b")}));
        // The folder is made on demand, private to the user.
        QVERIFY(QFileInfo(dirs.documents()).isDir());
        QCOMPARE(QFileInfo(dirs.documents()).permissions() & 0x0077, QFile::Permissions());

        const QByteArray bytes = test::readFile(lists.path(QStringLiteral("Work")));
        QCOMPARE(bytes, QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                   "<!DOCTYPE plist PUBLIC \"-//Apple//DTD PLIST 1.0//EN\" "
                                   "\"http://www.apple.com/DTDs/PropertyList-1.0.dtd\">\n"
                                   "<plist version=\"1.0\">\n<array>\n\t<string>a</string>\n\t<string>b</string>\n"
                                   "</array>\n</plist>\n"));
        struct stat st = {};
        QCOMPARE(::stat(QFile::encodeName(lists.path(QStringLiteral("Work"))).constData(), &st), 0);
        QCOMPARE(st.st_mode & 0777, mode_t(0600));
    }

    void emptyAndMissingLists()
    {
        Lists lists;
        QVERIFY(lists.write(QStringLiteral("Empty"), {}));
        QVERIFY(QFileInfo::exists(lists.path(QStringLiteral("Empty"))));
        QCOMPARE(lists.read(QStringLiteral("Empty")), QStringList());
        QCOMPARE(readWithPlistlib(lists.path(QStringLiteral("Empty"))), QStringList());

        QCOMPARE(lists.read(QStringLiteral("Never")), QStringList());
        QVERIFY(!QFileInfo::exists(lists.path(QStringLiteral("Never"))));
    }

    void awkwardStringsRoundTripAndStayPlainXml()
    {
        Lists lists;
        QStringList strings = awkwardStrings();
        strings.append(QString(3 * 1024 * 1024, QChar(u'x')) + QStringLiteral("\r\nend"));
        QVERIFY(lists.write(QStringLiteral("awkward"), strings));
        QCOMPARE(lists.read(QStringLiteral("awkward")), strings);
        // Another property-list reader sees the same list, carriage returns included.
        QCOMPARE(readWithPlistlib(lists.path(QStringLiteral("awkward"))), strings);
    }

    void unencodableCharactersRoundTripInValidXml()
    {
        Lists lists;
        const QStringList strings = unencodableStrings();
        QVERIFY(lists.write(QStringLiteral("controls"), strings));
        QCOMPARE(lists.read(QStringLiteral("controls")), strings);
        // The file stays well-formed XML: a strict reader accepts it (it sees the escapes).
        QCOMPARE(readWithPlistlib(lists.path(QStringLiteral("controls"))).size(), strings.size());
    }

    void randomStringsRoundTrip()
    {
        Lists lists;
        QRandomGenerator rng(20261207);
        for (int round = 0; round < 20; ++round) {
            QStringList strings;
            for (int i = 0; i < 50; ++i)
                strings.append(randomString(rng));
            QVERIFY(lists.write(QStringLiteral("random"), strings));
            const QStringList back = lists.read(QStringLiteral("random"));
            QCOMPARE(back.size(), strings.size());
            for (int i = 0; i < strings.size(); ++i) {
                if (back.at(i) != strings.at(i))
                    QFAIL(qPrintable(QStringLiteral("string %1 of round %2 changed").arg(i).arg(round)));
            }
        }
    }

    void plainStringsAreUntouchedByTheEscape()
    {
        for (const QString &s : awkwardStrings())
            QVERIFY2(!hasUnencodable(s), qPrintable(s));
        for (const QString &s : unencodableStrings())
            QCOMPARE(plist::unescapeUnencodable(plist::escapeUnencodable(s)), s);
        // A U+FDD0 that is not followed by one of our codes (a file from elsewhere) reads as written.
        const QString foreign = QString(QChar(char16_t(0xFDD0))) + QStringLiteral("a");
        QCOMPARE(plist::unescapeUnencodable(foreign), foreign);
    }

    void theFastReaderAgreesWithTheGeneralParser()
    {
        QRandomGenerator rng(7);
        for (int round = 0; round < 10; ++round) {
            QStringList strings = awkwardStrings() + unencodableStrings();
            for (int i = 0; i < 30; ++i)
                strings.append(randomString(rng));
            const QByteArray bytes = plist::serializeStringArray(strings);
            QCOMPARE(plist::readStringArrayFast(bytes), std::optional<QStringList>(strings));
            QCOMPARE(plist::parseStringArrayGeneral(bytes), std::optional<QStringList>(strings));
        }

        const QByteArray head("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\">");
        // Forms other writers produce, which the fast reader must read exactly as the general one does.
        const QList<QByteArray> accepted = {
            head +
                "<!-- c --><array>\n<!-- between -->\n<string>a</string> <string/>\n</array>\n</plist><!-- end -->\n",
            head + "<array><string>&quot;q&quot; &apos;a&apos; &#65;&#x42;&#x1F600; &amp;amp;</string></array></plist>",
            head + "<array/></plist>",
            "<plist version=\"1.0\"><array><string>  spaced\n\t</string></array></plist>",
        };
        for (const QByteArray &doc : accepted) {
            QVERIFY2(plist::readStringArrayFast(doc).has_value(), doc.constData());
            QCOMPARE(plist::readStringArrayFast(doc), plist::parseStringArrayGeneral(doc));
        }
        // A byte-order mark is valid XML that libplist refuses; the fast reader takes it.
        QCOMPARE(plist::parseStringArray("\xEF\xBB\xBF" + head + "<array><string>bom</string></array></plist>"),
                 std::optional<QStringList>(QStringList{QStringLiteral("bom")}));
        // Forms it leaves to the general parser; the combined reader still gives the general answer.
        const QList<QByteArray> declined = {
            head + "<array><string><![CDATA[<raw>]]></string></array></plist>",
            head + "<array><string>a</string><integer>1</integer></array></plist>",
            "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><plist><array><string>x</string></array></plist>",
            head + "<array><string>&unknown;</string></array></plist>",
            head + "<array><string>&#0;</string></array></plist>",
            head + "<array><string>&#4294967361;</string></array></plist>",
            head + "<array><string>&#xZ1;</string></array></plist>",
            head + "<dict/></plist>",
        };
        for (const QByteArray &doc : declined) {
            QVERIFY2(!plist::readStringArrayFast(doc).has_value(), doc.constData());
            QCOMPARE(plist::parseStringArray(doc), plist::parseStringArrayGeneral(doc));
        }
        QCOMPARE(plist::parseStringArray(declined.first()),
                 std::optional<QStringList>(QStringList{QStringLiteral("<raw>")}));
    }

    void textsReadHoldNoMoreMemoryThanTheirCharactersNeed()
    {
        // Three bytes of UTF-8 a character: a decoder making room for a character a byte holds three times as much.
        const QString cjk = QString::fromUtf8("日本語のテキスト").repeated(40);
        const QString cyrillic = QString::fromUtf8("Привет, мир. ").repeated(40);
        const QStringList texts = {cjk, cyrillic, cjk + plist::escapeUnencodable(QString(QChar(char16_t(1)))),
                                   cyrillic + QStringLiteral(" &amp; <tag>")};
        const auto fits = [](const QStringList &read) {
            return std::all_of(read.begin(), read.end(),
                               [](const QString &text) { return text.capacity() - text.size() <= 8; });
        };
        const QByteArray xml = plist::serializeStringArray(texts);
        QCOMPARE(plist::readStringArrayFast(xml), std::optional<QStringList>(texts));
        QVERIFY(fits(plist::readStringArrayFast(xml)->toStringList()));
        QVERIFY(fits(*plist::parseStringArrayGeneral(xml)));
        // Long enough to be read in pieces on threads.
        test::TestDirs dirs;
        const QString path = dirs.documents() + QStringLiteral("/scripts.plist");
        QStringList many;
        for (int i = 0; i < 5000; ++i)
            many += texts;
        test::writeFile(path, plist::serializeStringArray(many));
        const ListFileRead read = readListFile(path);
        QCOMPARE(read.strings, many);
        QVERIFY(fits(read.strings.toStringList()));
    }

    void aListReadInPiecesIsTheListReadWhole()
    {
        QRandomGenerator rng(11);
        QStringList strings;
        for (int i = 0; i < 40; ++i)
            strings += awkwardStrings() + unencodableStrings() + QStringList{QString(), randomString(rng)};
        const QByteArray bytes = plist::serializeStringArray(strings);
        // Pieces of a few hundred bytes: every way of cutting is met, up to sixteen pieces side by side.
        for (const int pieces : {2, 3, 16}) {
            int piecesRead = 0;
            QCOMPARE(plist::readStringArrayFast(bytes, 256, pieces, &piecesRead), std::optional<QStringList>(strings));
            QCOMPARE(piecesRead, pieces);
        }

        // A cut inside a comment, which may hold an end tag: the list is read whole instead, with the same answer.
        const QByteArray head("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\">\n<array>\n");
        const QByteArray endTags = QByteArray("</string> ").repeated(500);
        const QByteArray inside =
            head + "<string>a</string><!-- " + endTags + "--><string>b</string>\n</array>\n</plist>\n";
        const QByteArray after =
            head + "<string>a</string><string>b</string>\n</array>\n</plist>\n<!-- " + endTags + "-->\n";
        const std::optional<QStringList> ab(QStringList{QStringLiteral("a"), QStringLiteral("b")});
        QCOMPARE(plist::parseStringArrayGeneral(inside), ab);
        QCOMPARE(plist::parseStringArrayGeneral(after), ab);
        for (const int pieces : {1, 2, 3, 16}) {
            int piecesRead = 0;
            QCOMPARE(plist::readStringArrayFast(inside, 64, pieces, &piecesRead), ab);
            QCOMPARE(piecesRead, 1);
            QCOMPARE(plist::readStringArrayFast(after, 64, pieces), ab);
        }

        // What one piece refuses, pieces refuse too: a list cut off, an element of another type in a later piece.
        const QByteArray cutOff = bytes.left(bytes.size() * 3 / 4);
        QByteArray foreign = bytes;
        foreign.insert(bytes.lastIndexOf("<string>"), "<integer>1</integer>");
        for (const QByteArray &doc : {cutOff, foreign}) {
            QVERIFY(!plist::readStringArrayFast(doc, 256, 1));
            QVERIFY(!plist::readStringArrayFast(doc, 256, 4));
        }
    }

    void aListReadFromItsFileInChunksIsTheListReadWhole()
    {
        QRandomGenerator rng(12);
        QStringList strings;
        for (int i = 0; i < 40; ++i)
            strings += awkwardStrings() + unencodableStrings() + QStringList{QString(), randomString(rng)};
        // An entry longer than many chunks, and one of empty entries only, which hold no end tag.
        strings.insert(7, QString(5000, QLatin1Char('l')));
        strings.insert(90, QStringLiteral("after the empty ones"));
        for (int i = 0; i < 300; ++i)
            strings.insert(90, QString());
        const QByteArray bytes = plist::serializeStringArray(strings);
        const test::TestDirs dirs;
        const QString path = dirs.documents() + QStringLiteral("/list.plist");
        const auto readFile = [&path](const QByteArray &content, qsizetype minPiece, int pieces, qsizetype chunk,
                                      int *piecesRead = nullptr, FileChecksum *checksum = nullptr) {
            test::writeFile(path, content);
            const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
            std::optional<EntryList> read =
                plist::readStringArrayFile(fd, QFileInfo(path).size(), minPiece, pieces, chunk, piecesRead, checksum);
            ::close(fd);
            return read;
        };
        // Chunks from a few bytes (every cut of every tag is met) to more than the file, in up to sixteen pieces; the
        // checksum taken while reading is the file's.
        FileChecksum whole;
        test::writeFile(path, bytes);
        QVERIFY(checksumOfFile(path, &whole));
        for (const qsizetype chunk : {qsizetype(7), qsizetype(100), qsizetype(4096), qsizetype(1) << 20}) {
            for (const int pieces : {1, 2, 3, 16}) {
                int piecesRead = 0;
                FileChecksum read;
                QCOMPARE(readFile(bytes, 256, pieces, chunk, &piecesRead, &read), std::optional<QStringList>(strings));
                QCOMPARE(piecesRead, pieces);
                QCOMPARE(read, whole);
            }
        }

        // What the reader of whole lists refuses, this one refuses too: a cut inside a comment holding end tags, a
        // list cut off, an element of another type, another encoding. The file is then read whole.
        const QByteArray head("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\">\n<array>\n");
        const QByteArray inside = head + "<string>a</string><!-- " + QByteArray("</string> ").repeated(500) +
                                  "--><string>b</string>\n</array>\n</plist>\n";
        QByteArray foreign = bytes;
        foreign.insert(bytes.lastIndexOf("<string>"), "<integer>1</integer>");
        QByteArray latin1 = bytes;
        latin1.replace("UTF-8", "ISO-8859-1");
        for (const QByteArray &doc : {inside, bytes.left(bytes.size() * 3 / 4), foreign, latin1}) {
            for (const int pieces : {1, 4})
                QVERIFY(!readFile(doc, 64, pieces, 100));
        }
        // The list files' reader reads long files this way, and what this way refuses whole.
        QStringList longList;
        for (int i = 0; i < 50000; ++i)
            longList.append(QStringLiteral("entry %1 & <more>").arg(i).repeated(6));
        QByteArray longBytes = plist::serializeStringArray(longList);
        QVERIFY(longBytes.size() > plist::kMinPieceBytes);
        test::writeFile(path, longBytes);
        QVERIFY(checksumOfFile(path, &whole));
        ListFileRead read = readListFile(path, kMaxStoredFileSize, true);
        QCOMPARE(read.strings, longList);
        QCOMPARE(read.checksum, std::optional<FileChecksum>(whole));
        QCOMPARE(readListFile(path).checksum, std::nullopt);
        longBytes.replace("UTF-8", "ISO-8859-1");
        QVERIFY(!readFile(longBytes, plist::kMinPieceBytes, 0, plist::kChunkBytes));
        QVERIFY(checksumOfFile(path, &whole));
        read = readListFile(path, kMaxStoredFileSize, true);
        QCOMPARE(read.strings, longList);
        QCOMPARE(read.checksum, std::optional<FileChecksum>(whole));
    }

    void damagedOrForeignFilesReadEmptyAndAreKept()
    {
        Lists lists;
        const test::TestDirs &dirs = lists.dirs;
        const QString path = lists.path(QStringLiteral("broken"));
        const QList<QByteArray> damaged = {
            QByteArray("<?xml version=\"1.0\"?><plist version=\"1.0\"><array><string>cut off"),
            QByteArray("not a property list at all"),
            QByteArray(),
            QByteArray(
                "<?xml version=\"1.0\"?><plist version=\"1.0\"><dict><key>a</key><string>b</string></dict></plist>"),
            QByteArray("<?xml version=\"1.0\"?><plist "
                       "version=\"1.0\"><array><string>a</string><integer>1</integer></array></plist>"),
        };
        for (const QByteArray &bytes : damaged) {
            QDir(dirs.documents()).removeRecursively();
            test::writeFile(path, bytes);
            QCOMPARE(lists.read(QStringLiteral("broken")), QStringList());
            QVERIFY(lists.write(QStringLiteral("broken"), {QStringLiteral("new")}));
            QCOMPARE(lists.read(QStringLiteral("broken")), QStringList{QStringLiteral("new")});
            const QStringList aside = QDir(dirs.documents()).entryList({QStringLiteral("broken.plist.damaged-*")});
            QCOMPARE(aside.size(), 1);
            QCOMPARE(test::readFile(dirs.documents() + QLatin1Char('/') + aside.first()), bytes);
        }
    }

    void aDamagedListGivesBackEveryEntryThatIsWhole()
    {
        const QStringList written = {QStringLiteral("first"),
                                     QStringLiteral("a < b & c"),
                                     QStringLiteral("third"),
                                     QStringLiteral("fourth"),
                                     QString(),
                                     QStringLiteral("last")};
        const QByteArray whole = plist::serializeStringArray(written);

        // Three bit flips turned "&lt;" into "&l4;": that entry keeps the reference as it stands, the others are
        // read as written.
        QByteArray flipped = whole;
        flipped.replace("&lt;", "&l4;");
        QVERIFY(!plist::parseStringArray(flipped));
        std::optional<plist::SalvagedStrings> salvaged = plist::salvageStringArray(flipped);
        QVERIFY(salvaged);
        QStringList expected = written;
        expected[1] = QStringLiteral("a &l4; b & c");
        QCOMPARE(salvaged->strings, expected);
        QCOMPARE(salvaged->problems,
                 QStringList{QStringLiteral("entry 2: \"&l4;\" is no character reference; kept as it stands")});

        // A flipped tag loses its entry only; bytes that are not UTF-8 are replaced; an unterminated reference stays.
        QByteArray tag = whole;
        tag.replace("<string>third</string>", "<strinf>third</string>");
        tag.replace("fourth", "fo\xffrth & more");
        salvaged = plist::salvageStringArray(tag);
        QVERIFY(salvaged);
        QCOMPARE(salvaged->strings,
                 (QStringList{QStringLiteral("first"), QStringLiteral("a < b & c"),
                              QStringLiteral("fo\uFFFDrth & more"), QString(), QStringLiteral("last")}));
        QVERIFY(salvaged->problems.join(u'|').contains(QStringLiteral("before entry 3 is left out")));
        QVERIFY(salvaged->problems.join(u'|').contains(QStringLiteral("entry 3: bytes that are not UTF-8")));

        // Cut off: the whole entries before the cut.
        salvaged = plist::salvageStringArray(whole.left(whole.indexOf("fourth") + 3));
        QVERIFY(salvaged);
        QCOMPARE(salvaged->strings, written.first(3));
        QVERIFY(salvaged->problems.last().contains(QStringLiteral("cut off")));

        // Not a property list at all: nothing to salvage.
        QVERIFY(!plist::salvageStringArray("not a property list at all"));
        QVERIFY(!plist::salvageStringArray("<plist><dict><key>a</key></dict></plist>"));
    }

    void aPartlyReadFileIsReadAndKeptAsideByteForByte()
    {
        Lists lists;
        QByteArray bytes =
            plist::serializeStringArray({QStringLiteral("one"), QStringLiteral("<tag>"), QStringLiteral("three")});
        bytes.replace("&lt;tag", "&l4;tag");
        test::writeFile(lists.path(QStringLiteral("history")), bytes);
        const ListFileRead direct = readListFile(lists.path(QStringLiteral("history")));
        QCOMPARE(direct.status, ListFileRead::Status::partlyRead);
        QVERIFY(direct.isDamaged());
        QCOMPARE(direct.reason, QStringLiteral("it is damaged; 3 entries could still be read"));

        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("cannot read all of .*history.plist.*")));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral(".*&l4;.*")));
        QCOMPARE(lists.read(QStringLiteral("history")),
                 (QStringList{QStringLiteral("one"), QStringLiteral("&l4;tag>"), QStringLiteral("three")}));
        QSignalSpy keptAside(&lists.folder, &ListFolder::keptAside);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("kept .* before replacing it")));
        QVERIFY(lists.write(QStringLiteral("history"), {QStringLiteral("new")}));
        QCOMPARE(keptAside.size(), 1);
        QCOMPARE(keptAside.first().at(0).toString(), lists.path(QStringLiteral("history")));
        QCOMPARE(keptAside.first().at(2).toString(), direct.reason);
        QCOMPARE(test::readFile(keptAside.first().at(1).toString()), bytes);
    }

    void anythingButAFileIsKeptAsideAndNeverOpened()
    {
        Lists lists;
        const QString path = lists.path(QStringLiteral("odd"));
        QVERIFY(QDir().mkpath(lists.dirs.documents()));
        // A named pipe would hold a reader forever: it is refused at once.
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        const ListFileRead pipe = readListFile(path);
        QCOMPARE(pipe.status, ListFileRead::Status::damaged);
        QCOMPARE(pipe.reason, QStringLiteral("it is a named pipe"));
        QSignalSpy keptAside(&lists.folder, &ListFolder::keptAside);
        // Never read by this folder, still moved: a write cannot replace it.
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("kept .* before replacing it")));
        QVERIFY(lists.write(QStringLiteral("odd"), {QStringLiteral("a")}));
        QCOMPARE(lists.read(QStringLiteral("odd")), QStringList{QStringLiteral("a")});
        QCOMPARE(keptAside.size(), 1);
        QCOMPARE(keptAside.first().at(2).toString(), QStringLiteral("it is a named pipe"));
        struct stat st {};
        QCOMPARE(::lstat(QFile::encodeName(keptAside.first().at(1).toString()).constData(), &st), 0);
        QVERIFY(S_ISFIFO(st.st_mode));

        // A removal moves a folder aside as well, with what it holds.
        const QString folder = lists.path(QStringLiteral("folder"));
        QVERIFY(QDir().mkpath(folder));
        test::writeFile(folder + QStringLiteral("/inside"), "kept");
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("kept .* instead of removing it")));
        QVERIFY(lists.folder.remove(folder));
        QVERIFY(!QFileInfo::exists(folder));
        QCOMPARE(keptAside.size(), 2);
        QCOMPARE(test::readFile(keptAside.last().at(1).toString() + QStringLiteral("/inside")), QByteArray("kept"));

        // A link to a file is followed: the file is replaced, the link stays.
        const QString target = lists.dirs.root() + QStringLiteral("/target.plist");
        QVERIFY(writeStringListAtPath(target, {QStringLiteral("old")}));
        QVERIFY(QFile::link(target, lists.path(QStringLiteral("linked"))));
        QCOMPARE(lists.read(QStringLiteral("linked")), QStringList{QStringLiteral("old")});
        QVERIFY(lists.write(QStringLiteral("linked"), {QStringLiteral("new")}));
        QVERIFY(QFileInfo(lists.path(QStringLiteral("linked"))).isSymLink());
        QCOMPARE(readStringListAtPath(target), QStringList{QStringLiteral("new")});
        QCOMPARE(keptAside.size(), 2);
    }

    void failuresCarryTheSystemsReason()
    {
        test::TestDirs dirs;
        // A folder that does not exist is not made for a write that names it.
        const QString missing = dirs.root() + QStringLiteral("/missing/list.plist");
        ListFolder folder(dirs.documents());
        QString error;
        QVERIFY(!folder.write(missing, {QStringLiteral("a")}, &error));
        QCOMPARE(error, QStringLiteral("No such file or directory"));
        QVERIFY(!QFileInfo::exists(QFileInfo(missing).absolutePath()));
        QCOMPARE(whyFolderIsUnwritable(missing),
                 QStringLiteral("its folder %1 does not exist").arg(QFileInfo(missing).absolutePath()));
        QCOMPARE(whyFolderIsUnwritable(dirs.root() + QStringLiteral("/x.plist")), QString());

        // A full disk, for any user: "File too large", and no temporary file is left behind.
        const QString path = folder.pathFor(QStringLiteral("full"));
        {
            const test::FileSizeLimit full(64);
            QVERIFY(!folder.write(path, {QString(1000, QLatin1Char('x'))}, &error));
        }
        QCOMPARE(error, QStringLiteral("File too large"));
        QCOMPARE(QDir(dirs.documents()).entryList(QDir::Files | QDir::Hidden), QStringList());

        // Folders and files that are not ours to write or read (they bind only an unprivileged user).
        QVERIFY(folder.write(path, {QStringLiteral("a")}, &error));
        QFile::setPermissions(path, QFileDevice::Permissions());
        QFile::setPermissions(dirs.documents(), QFile::ReadOwner | QFile::ExeOwner);
        const bool binds = !QFileInfo(dirs.documents()).isWritable();
        if (binds) {
            QCOMPARE(readListFile(path).reason, QStringLiteral("Permission denied"));
            QVERIFY(!writeFileAtomically(dirs.documents() + QStringLiteral("/other.plist"), QByteArray("x"), &error));
            QCOMPARE(error, QStringLiteral("Permission denied"));
            QVERIFY(whyFolderIsUnwritable(path).endsWith(QStringLiteral("cannot be written: Permission denied")));
        }
        QFile::setPermissions(dirs.documents(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        if (!binds)
            QSKIP("folder permissions do not bind this user (run the suite unprivileged)");
    }

    void temporaryFilesLeftByAKilledWriteAreRemoved()
    {
        Lists lists;
        QVERIFY(lists.write(QStringLiteral("list"), {QStringLiteral("a")}));
        // What a write cut short by SIGKILL leaves beside the file, and files that only look similar.
        const QString leftover = lists.path(QStringLiteral("list")) + QStringLiteral(".saving-Ab3dEf");
        const QString other = lists.path(QStringLiteral("list")) + QStringLiteral(".saving-notours");
        test::writeFile(leftover, "half a history");
        test::writeFile(other, "someone's");
        // The next run's first write of the file clears what the killed one left.
        ListFolder folder(lists.dirs.documents());
        QVERIFY(folder.write(lists.path(QStringLiteral("list")), {QStringLiteral("b")}));
        QVERIFY(!QFileInfo::exists(leftover));
        QVERIFY(QFileInfo::exists(other));
        QCOMPARE(readStringListAtPath(lists.path(QStringLiteral("list"))), QStringList{QStringLiteral("b")});
    }

    void otherToolsEncodingsAreRead()
    {
        const QString xml = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-16\"?>\n"
                                           "<!DOCTYPE plist PUBLIC \"-//Apple//DTD PLIST 1.0//EN\" "
                                           "\"http://www.apple.com/DTDs/PropertyList-1.0.dtd\">\n"
                                           "<plist version=\"1.0\">\n<array>\n\t<string>Grüße &amp; 😀</string>\n"
                                           "\t<string>two</string>\n</array>\n</plist>\n");
        const QStringList expected = {QStringLiteral("Grüße & 😀"), QStringLiteral("two")};
        auto utf16 = [&xml](QSysInfo::Endian order, bool mark) {
            QByteArray bytes;
            const QString text = mark ? QChar(QChar::ByteOrderMark) + xml : xml;
            for (const QChar c : text) {
                const char high = char(c.unicode() >> 8);
                const char low = char(c.unicode() & 0xFF);
                bytes.append(order == QSysInfo::LittleEndian ? low : high);
                bytes.append(order == QSysInfo::LittleEndian ? high : low);
            }
            return bytes;
        };
        QByteArray utf8WithMark("\xEF\xBB\xBF");
        utf8WithMark.append(QString(xml).replace(QStringLiteral("UTF-16"), QStringLiteral("UTF-8")).toUtf8());
        const QList<QByteArray> files = {utf16(QSysInfo::LittleEndian, true), utf16(QSysInfo::BigEndian, true),
                                         utf16(QSysInfo::LittleEndian, false), utf16(QSysInfo::BigEndian, false),
                                         utf8WithMark};
        for (const QByteArray &bytes : files) {
            QCOMPARE(plist::parseStringArray(bytes), std::optional<QStringList>(expected));
            QCOMPARE(plist::parseStringArrayGeneral(bytes), std::optional<QStringList>(expected));
        }
        // Cut off, even in the middle of a character, it is damaged, not read as something else.
        const QByteArray whole = utf16(QSysInfo::LittleEndian, true);
        QVERIFY(!plist::parseStringArray(whole.left(whole.size() / 2 + 1)));
    }

    void filesTooLargeAreNeitherReadNorLost()
    {
        test::TestDirs dirs;
        ListFolder folder(dirs.documents(), 1024);
        const QString path = folder.pathFor(QStringLiteral("large"));
        QVERIFY(writeStringListAtPath(path, {QString(2000, QChar(u'x'))}));
        const QByteArray large = test::readFile(path);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("cannot read .*more than the 1024.*")));
        const ListFileRead read = folder.read(path);
        QCOMPARE(read.status, ListFileRead::Status::damaged);
        QVERIFY(read.strings.isEmpty());
        QVERIFY(folder.write(path, {QStringLiteral("small")}));
        const QStringList aside = QDir(dirs.documents()).entryList({QStringLiteral("large.plist.damaged-*")});
        QCOMPARE(aside.size(), 1);
        QCOMPARE(test::readFile(dirs.documents() + QLatin1Char('/') + aside.first()), large);

        // The real limit, on a sparse file of just over a gibibyte: refused at once, nothing read.
        QFile huge(dirs.documents() + QStringLiteral("/huge.plist"));
        QVERIFY(huge.open(QIODevice::WriteOnly));
        QVERIFY(huge.resize(kMaxStoredFileSize + 1));
        huge.close();
        QCOMPARE(readListFile(huge.fileName()).status, ListFileRead::Status::damaged);
        QVERIFY(readListFile(huge.fileName()).reason.contains(QString::number(kMaxStoredFileSize)));
    }

    void filesInTheWayAreKept()
    {
        Lists lists;
        const test::TestDirs &dirs = lists.dirs;
        // Never read: its content is unknown, so it is kept before the first write replaces it.
        QVERIFY(writeStringListAtPath(lists.path(QStringLiteral("found")), {QStringLiteral("someone's")}));
        QVERIFY(lists.write(QStringLiteral("found"), {QStringLiteral("ours")}));
        QCOMPARE(QDir(dirs.documents()).entryList({QStringLiteral("found.plist.replaced-*")}).size(), 1);
        // Read, or written by us: replaced and removed as usual.
        QVERIFY(lists.write(QStringLiteral("found"), {QStringLiteral("ours again")}));
        QVERIFY(lists.folder.remove(lists.path(QStringLiteral("found"))));
        QCOMPARE(QDir(dirs.documents()).entryList({QStringLiteral("found.plist*")}).size(), 1);
        QVERIFY(writeStringListAtPath(lists.path(QStringLiteral("read")), {QStringLiteral("x")}));
        QCOMPARE(lists.read(QStringLiteral("read")), QStringList{QStringLiteral("x")});
        QVERIFY(lists.write(QStringLiteral("read"), {QStringLiteral("y")}));
        QCOMPARE(QDir(dirs.documents()).entryList({QStringLiteral("read.plist.*")}), QStringList());
        // A removal of a file never read reads it first: a readable one goes, a damaged one is kept.
        QVERIFY(writeStringListAtPath(lists.path(QStringLiteral("fine")), {}));
        QVERIFY(lists.folder.remove(lists.path(QStringLiteral("fine"))));
        test::writeFile(lists.path(QStringLiteral("bad")), "<plist><array><string>");
        QVERIFY(lists.folder.remove(lists.path(QStringLiteral("bad"))));
        QCOMPARE(QDir(dirs.documents()).entryList({QStringLiteral("fine.plist*"), QStringLiteral("bad.plist*")}).size(),
                 1);
        QCOMPARE(QDir(dirs.documents()).entryList({QStringLiteral("bad.plist.damaged-*")}).size(), 1);
    }

    void writeFailureLeavesTheOldFile()
    {
        Lists lists;
        const test::TestDirs &dirs = lists.dirs;
        QVERIFY(lists.write(QStringLiteral("kept"), {QStringLiteral("old")}));
        QFile::setPermissions(dirs.documents(), QFile::ReadOwner | QFile::ExeOwner);
        if (QFileInfo(dirs.documents()).isWritable())
            QSKIP("running with privileges that ignore folder permissions");
        QVERIFY(!lists.write(QStringLiteral("kept"), {QStringLiteral("new")}));
        QCOMPARE(lists.read(QStringLiteral("kept")), QStringList{QStringLiteral("old")});
    }
};

QTEST_GUILESS_MAIN(TestPropertyList)
#include "tst_property_list.moc"
