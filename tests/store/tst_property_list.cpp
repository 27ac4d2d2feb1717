#include "TestDirs.h"
#include "store/FastStringArrayReader.h"
#include "store/PropertyListCodec.h"
#include "store/StringListFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTest>

#include <sys/stat.h>

using namespace tavrin;

namespace {

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
    for (const QJsonValue &v : QJsonDocument::fromJson(out).array())
        list.append(v.toString());
    return list;
}

}  // namespace

class TestPropertyList : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void fileLayoutAndPaths()
    {
        test::TestDirs dirs;
        QVERIFY(!QFileInfo::exists(dirs.documents()));
        QCOMPARE(listFilePath(QStringLiteral("Work")), dirs.documents() + QStringLiteral("/Work.plist"));
        // The folder is made on demand, private to the user.
        QVERIFY(QFileInfo(dirs.documents()).isDir());
        QCOMPARE(QFileInfo(dirs.documents()).permissions() & 0x0077, QFile::Permissions());

        QVERIFY(writeStringList(QStringLiteral("Work"), {QStringLiteral("a"), QStringLiteral("b")}));
        const QByteArray bytes = test::readFile(listFilePath(QStringLiteral("Work")));
        QCOMPARE(bytes, QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                   "<!DOCTYPE plist PUBLIC \"-//Apple//DTD PLIST 1.0//EN\" "
                                   "\"http://www.apple.com/DTDs/PropertyList-1.0.dtd\">\n"
                                   "<plist version=\"1.0\">\n<array>\n\t<string>a</string>\n\t<string>b</string>\n"
                                   "</array>\n</plist>\n"));
        struct stat st = {};
        QCOMPARE(::stat(QFile::encodeName(listFilePath(QStringLiteral("Work"))).constData(), &st), 0);
        QCOMPARE(st.st_mode & 0777, mode_t(0600));
    }

    void emptyAndMissingLists()
    {
        test::TestDirs dirs;
        QVERIFY(writeStringList(QStringLiteral("Empty"), {}));
        QVERIFY(QFileInfo::exists(listFilePath(QStringLiteral("Empty"))));
        QCOMPARE(readStringList(QStringLiteral("Empty")), QStringList());
        QCOMPARE(readWithPlistlib(listFilePath(QStringLiteral("Empty"))), QStringList());

        QCOMPARE(readStringList(QStringLiteral("Never")), QStringList());
        QVERIFY(!QFileInfo::exists(listFilePath(QStringLiteral("Never"))));
    }

    void awkwardStringsRoundTripAndStayPlainXml()
    {
        test::TestDirs dirs;
        QStringList strings = awkwardStrings();
        strings.append(QString(3 * 1024 * 1024, QChar(u'x')) + QStringLiteral("\r\nend"));
        QVERIFY(writeStringList(QStringLiteral("awkward"), strings));
        QCOMPARE(readStringList(QStringLiteral("awkward")), strings);
        // Another property-list reader sees the same list, carriage returns included.
        QCOMPARE(readWithPlistlib(listFilePath(QStringLiteral("awkward"))), strings);
    }

    void unencodableCharactersRoundTripInValidXml()
    {
        test::TestDirs dirs;
        const QStringList strings = unencodableStrings();
        QVERIFY(writeStringList(QStringLiteral("controls"), strings));
        QCOMPARE(readStringList(QStringLiteral("controls")), strings);
        // The file stays well-formed XML: a strict reader accepts it (it sees the escapes).
        QCOMPARE(readWithPlistlib(listFilePath(QStringLiteral("controls"))).size(), strings.size());
    }

    void randomStringsRoundTrip()
    {
        test::TestDirs dirs;
        QRandomGenerator rng(20261207);
        for (int round = 0; round < 20; ++round) {
            QStringList strings;
            for (int i = 0; i < 50; ++i)
                strings.append(randomString(rng));
            QVERIFY(writeStringList(QStringLiteral("random"), strings));
            const QStringList back = readStringList(QStringLiteral("random"));
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

    void damagedOrForeignFilesReadEmptyAndAreKept()
    {
        test::TestDirs dirs;
        const QString path = listFilePath(QStringLiteral("broken"));
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
            QCOMPARE(readStringList(QStringLiteral("broken")), QStringList());
            QVERIFY(writeStringList(QStringLiteral("broken"), {QStringLiteral("new")}));
            QCOMPARE(readStringList(QStringLiteral("broken")), QStringList{QStringLiteral("new")});
            const QStringList aside = QDir(dirs.documents()).entryList({QStringLiteral("broken.plist.damaged-*")});
            QCOMPARE(aside.size(), 1);
            QCOMPARE(test::readFile(dirs.documents() + QLatin1Char('/') + aside.first()), bytes);
        }
    }

    void writeFailureLeavesTheOldFile()
    {
        test::TestDirs dirs;
        QVERIFY(writeStringList(QStringLiteral("kept"), {QStringLiteral("old")}));
        QFile::setPermissions(dirs.documents(), QFile::ReadOwner | QFile::ExeOwner);
        if (QFileInfo(dirs.documents()).isWritable())
            QSKIP("running with privileges that ignore folder permissions");
        QVERIFY(!writeStringList(QStringLiteral("kept"), {QStringLiteral("new")}));
        QCOMPARE(readStringList(QStringLiteral("kept")), QStringList{QStringLiteral("old")});
    }
};

QTEST_GUILESS_MAIN(TestPropertyList)
#include "tst_property_list.moc"
