// SPDX-License-Identifier: GPL-3.0-or-later
// The command line against the real program: a script adds, lists, pastes, pauses and quits it over the session
// bus, and every command fails with a message and a non-zero status when no program runs.
#include "E2e.h"
#include "TestDirs.h"
#include "X11TestOwner.h"
#include "store/StringListFiles.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

using namespace tavrin;

namespace {

constexpr int kNotRunning = 3;

using e2e::tavrinCommand;

QJsonArray listed()
{
    const e2e::ToolResult result = tavrinCommand({QStringLiteral("list"), QStringLiteral("--json")});
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(result.out, &error);
    if (result.exitCode != 0 || error.error != QJsonParseError::NoError || !document.isArray())
        return {};
    return document.array();
}

QStringList listedTexts()
{
    QStringList texts;
    for (const auto &entry : listed())
        texts.append(entry.toObject().value(QStringLiteral("text")).toString());
    return texts;
}

// The methods of one interface in an introspection text: "Name(in:s,in:u,out:b)", in document order.
QStringList methodsOf(const QByteArray &xml, const QString &interface)
{
    QStringList methods;
    QXmlStreamReader reader(xml);
    bool inside = false;
    QStringList arguments;
    QString method;
    while (!reader.atEnd()) {
        reader.readNext();
        const QString name = reader.name().toString();
        if (reader.isStartElement() && name == QLatin1String("interface"))
            inside = reader.attributes().value(QLatin1String("name")) == interface;
        else if (inside && reader.isStartElement() && name == QLatin1String("method"))
            method = reader.attributes().value(QLatin1String("name")).toString(), arguments.clear();
        else if (inside && reader.isStartElement() && name == QLatin1String("arg"))
            arguments.append(reader.attributes().value(QLatin1String("direction")).toString() + QLatin1Char(':') +
                             reader.attributes().value(QLatin1String("type")).toString());
        else if (inside && reader.isEndElement() && name == QLatin1String("method")) {
            arguments.sort();  // Qt lists the reply first; the documentation lists it last
            methods.append(method + QLatin1Char('(') + arguments.join(QLatin1Char(',')) + QLatin1Char(')'));
        } else if (reader.isEndElement() && name == QLatin1String("interface"))
            inside = false;
    }
    return methods;
}

}  // namespace

class TestE2eCommandLine : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        e2e::forgetStoredState();
        e2e::clearClipboard();
    }

    void commandsWithoutARunningProgramSaySoAndFail()
    {
        const QList<QStringList> commands = {
            {QStringLiteral("list"), QStringLiteral("--json")},
            {QStringLiteral("add"), QStringLiteral("-")},
            {QStringLiteral("paste"), QStringLiteral("1")},
            {QStringLiteral("pause")},
            {QStringLiteral("resume")},
            {QStringLiteral("quit")},
        };
        for (const QStringList &command : commands) {
            const e2e::ToolResult result = tavrinCommand(command, "text");
            QCOMPARE(result.exitCode, kNotRunning);
            QVERIFY2(result.err.contains("Tavrin is not running on display"), result.err.constData());
            QVERIFY(result.out.isEmpty());
        }
        // Nothing was started by them.
        QVERIFY(!QFileInfo::exists(e2e::historyPath()));
    }

    void aScriptAddsListsPastesPausesAndQuits()
    {
        e2e::TavrinProcess tavrin;
        QVERIFY(tavrin.startAndWaitForMonitor());
        QTemporaryDir dir;
        const QString pastedFile = dir.filePath(QStringLiteral("pasted.txt"));
        e2e::OtherWindow target;
        QVERIFY(target.open(qEnvironmentVariable("TAVRIN_PASTE_TARGET"), {pastedFile}));

        // Standard input, taken exactly: quotes, a tab, a final line break and a non-Latin letter.
        const QByteArray input = "from \"standard input\"\twith\xc3\xa9 and a line break\n";
        QCOMPARE(tavrinCommand({QStringLiteral("add"), QStringLiteral("-")}, input).exitCode, 0);
        const QJsonArray entries = listed();
        QVERIFY(!entries.isEmpty());
        const QJsonObject first = entries.first().toObject();
        QCOMPARE(first.value(QStringLiteral("text")).toString(), QString::fromUtf8(input));
        QCOMPARE(first.value(QStringLiteral("index")).toInt(), 1);
        QCOMPARE(first.value(QStringLiteral("pinned")).toBool(), false);
        QCOMPARE(first.value(QStringLiteral("kind")).toString(), QStringLiteral("text"));
        // It went on the clipboard too, as a copy would.
        QCOMPARE(e2e::readWithXclip().out, input);

        // The paste goes to the window that has the focus: the target, not a window of the program.
        QCOMPARE(e2e::activeWindow(), target.window);
        QCOMPARE(tavrinCommand({QStringLiteral("paste"), QStringLiteral("1")}).exitCode, 0);
        QTRY_COMPARE_WITH_TIMEOUT(test::readFile(pastedFile), input, 5000);

        const e2e::ToolResult outOfRange = tavrinCommand({QStringLiteral("paste"), QStringLiteral("99")});
        QCOMPARE(outOfRange.exitCode, 1);
        QVERIFY2(outOfRange.err.contains("there is no entry 99"), outOfRange.err.constData());

        QCOMPARE(tavrinCommand({QStringLiteral("pause")}).exitCode, 0);
        e2e::copyWithXclip("copied during the pause");
        QTRY_COMPARE(e2e::readWithXclip().out, QByteArray("copied during the pause"));
        const e2e::ToolResult refused = tavrinCommand({QStringLiteral("add"), QStringLiteral("added in the pause")});
        QCOMPARE(refused.exitCode, 1);
        QVERIFY2(refused.err.contains("paused"), refused.err.constData());
        QCOMPARE(tavrinCommand({QStringLiteral("resume")}).exitCode, 0);
        e2e::copyWithXclip("copied after the resume");
        QTRY_COMPARE_WITH_TIMEOUT(listedTexts().value(0), QStringLiteral("copied after the resume"), 5000);
        QCOMPARE(listedTexts(), QStringList({QStringLiteral("copied after the resume"), QString::fromUtf8(input)}));

        // Quit returns once the program has ended, its pending save written.
        const e2e::ToolResult quit = tavrinCommand({QStringLiteral("quit")});
        QCOMPARE(quit.exitCode, 0);
        QVERIFY(tavrin.waitForExit(1000));
        QCOMPARE(tavrin.exitCode(), 0);
        QVERIFY(tavrin.errorOutput().contains("quit: everything saved"));
        QCOMPARE(readStringListAtPath(e2e::historyPath()),
                 QStringList({QStringLiteral("copied after the resume"), QString::fromUtf8(input)}));
    }

    void entriesAreSearchedCopiedPinnedRemovedAndClearedWithTheMenusRules()
    {
        e2e::TavrinProcess tavrin;
        QVERIFY(tavrin.startAndWaitForMonitor());
        for (int i = 1; i <= 10; ++i)
            QCOMPARE(tavrinCommand({QStringLiteral("add"), QStringLiteral("entry %1").arg(i)}).exitCode, 0);

        const e2e::ToolResult found = tavrinCommand({QStringLiteral("search"), QStringLiteral("ENTRY 1")});
        QCOMPARE(found.exitCode, 0);
        QCOMPARE(found.out, QByteArray("1\tentry 10\n10\tentry 1\n"));

        QCOMPARE(tavrinCommand({QStringLiteral("copy"), QStringLiteral("10")}).exitCode, 0);
        QTRY_COMPARE(e2e::readWithXclip().out, QByteArray("entry 1"));

        // Nine pins at most; the tenth is refused and says why.
        for (int i = 1; i <= 9; ++i)
            QCOMPARE(tavrinCommand({QStringLiteral("pin"), QStringLiteral("10")}).exitCode, 0);
        const e2e::ToolResult tenth = tavrinCommand({QStringLiteral("pin"), QStringLiteral("10")});
        QCOMPARE(tenth.exitCode, 1);
        QVERIFY2(tenth.err.contains("9 entries are pinned already"), tenth.err.constData());
        const QJsonArray entries = listed();
        QCOMPARE(entries.size(), 10);
        QCOMPARE(entries.at(8).toObject().value(QStringLiteral("pinned")).toBool(), true);
        QCOMPARE(entries.at(9).toObject().value(QStringLiteral("pinned")).toBool(), false);
        QCOMPARE(entries.at(9).toObject().value(QStringLiteral("text")).toString(), QStringLiteral("entry 10"));

        QCOMPARE(tavrinCommand({QStringLiteral("unpin"), QStringLiteral("1")}).exitCode, 0);
        QCOMPARE(tavrinCommand({QStringLiteral("unpin"), QStringLiteral("9")}).exitCode, 1);
        QCOMPARE(tavrinCommand({QStringLiteral("remove"), QStringLiteral("9")}).exitCode, 0);
        QCOMPARE(listedTexts().size(), 9);
        QVERIFY(!listedTexts().contains(QStringLiteral("entry 1")));

        // Clearing needs its confirmation on the command line, as the menu asks first.
        QCOMPARE(tavrinCommand({QStringLiteral("clear")}).exitCode, 2);
        QCOMPARE(listedTexts().size(), 9);
        QCOMPARE(tavrinCommand({QStringLiteral("clear"), QStringLiteral("--yes")}).exitCode, 0);
        QCOMPARE(tavrinCommand({QStringLiteral("list")}).out, QByteArray());
        QCOMPARE(tavrinCommand({QStringLiteral("list"), QStringLiteral("--json")}).out, QByteArray("[]\n"));
        QVERIFY(tavrin.terminate());
    }

    void rowsThatCannotBeEntriesAreRefusedWithTheRealProblem()
    {
        // Without a program, even a row beyond every history needs one to say how many entries there are.
        QCOMPARE(tavrinCommand({QStringLiteral("paste"), QStringLiteral("99999999999")}).exitCode, kNotRunning);

        e2e::TavrinProcess tavrin;
        QVERIFY(tavrin.startAndWaitForMonitor());
        for (const char *text : {"one", "two"})
            QCOMPARE(tavrinCommand({QStringLiteral("add"), QString::fromUtf8(text)}).exitCode, 0);
        const qsizetype count = listed().size();
        QVERIFY(count >= 2);

        for (const QString &row : {QStringLiteral("-1"), QStringLiteral("0")}) {
            const e2e::ToolResult refused = tavrinCommand({QStringLiteral("paste"), row});
            QCOMPARE(refused.exitCode, 2);
            QVERIFY2(refused.err.contains(
                         QStringLiteral("paste: row numbers start at 1, so there is no row %1").arg(row).toUtf8()),
                     refused.err.constData());
        }
        const QStringList tooLarge = {QStringLiteral("99999999999"), QStringLiteral("4294967296"),
                                      QString::number(count + 1)};
        for (const QString &row : tooLarge) {
            for (const QString &command : {QStringLiteral("paste"), QStringLiteral("remove")}) {
                const e2e::ToolResult refused = tavrinCommand({command, row});
                QCOMPARE(refused.exitCode, 1);
                const QString said = QStringLiteral("there is no entry %1: the history has %2 entries, numbered from 1")
                                         .arg(row)
                                         .arg(count);
                QVERIFY2(refused.err.contains(said.toUtf8()), refused.err.constData());
            }
        }
        QCOMPARE(listed().size(), count);
        QVERIFY(tavrin.terminate());
    }

    void commandsWhileALongHistoryIsReadAnswerWithAllOfIt()
    {
        // Long enough that reading it takes seconds in a test build, so the commands below come while it is read.
        constexpr int kEntries = 1000000;
        QStringList entries;
        entries.reserve(kEntries);
        for (int i = kEntries; i >= 1; --i)
            entries.append(QStringLiteral("entry %1").arg(i));
        QVERIFY(writeStringListAtPath(e2e::historyPath(), entries));
        const QByteArray readLine = "tavrin.store: read " + e2e::historyPath().toUtf8() + " in ";

        e2e::TavrinProcess tavrin;
        QVERIFY(tavrin.start());
        // A command that needs no history answers while it is being read.
        QVERIFY(QTest::qWaitFor([] { return tavrinCommand({QStringLiteral("resume")}).exitCode == 0; }, 10000));
        QCOMPARE(tavrinCommand({QStringLiteral("add"), QStringLiteral("added while reading")}).exitCode, 0);
        QCoreApplication::processEvents();  // what the program wrote so far is taken from its pipe
        QVERIFY2(!tavrin.errorOutput().contains(readLine), "the history was read before the commands came");
        // One that needs it is answered once it is in, its refusal too, and counts every entry and the added one.
        const e2e::ToolResult refused = tavrinCommand({QStringLiteral("remove"), QString::number(kEntries + 2)});
        QTRY_VERIFY(tavrin.errorOutput().contains(readLine));
        QCOMPARE(refused.exitCode, 1);
        QVERIFY2(refused.err.contains(QStringLiteral("there is no entry %1: the history has %2 entries")
                                          .arg(kEntries + 2)
                                          .arg(kEntries + 1)
                                          .toUtf8()),
                 refused.err.constData());
        QCOMPARE(tavrinCommand({QStringLiteral("pin"), QStringLiteral("2")}).exitCode, 0);
        const e2e::ToolResult shown = tavrinCommand(
            {QStringLiteral("list"), QStringLiteral("--json"), QStringLiteral("--limit"), QStringLiteral("3")});
        const QJsonArray rows = QJsonDocument::fromJson(shown.out).array();
        QStringList texts;
        for (const auto &row : rows)
            texts.append(row.toObject().value(QStringLiteral("text")).toString());
        QCOMPARE(texts, QStringList({QStringLiteral("entry %1").arg(kEntries), QStringLiteral("added while reading"),
                                     QStringLiteral("entry %1").arg(kEntries - 1)}));

        QCOMPARE(tavrinCommand({QStringLiteral("quit")}).exitCode, 0);
        QVERIFY(tavrin.waitForExit(30000));
        const QStringList saved = readStringListAtPath(e2e::historyPath());
        QCOMPARE(saved.size(), kEntries + 1);
        QCOMPARE(saved.mid(0, 3), texts);
        QCOMPARE(saved.constLast(), QStringLiteral("entry 1"));
    }

    void theLauncherScriptsPasteTheChosenEntry()
    {
        e2e::TavrinProcess tavrin;
        QVERIFY(tavrin.startAndWaitForMonitor());
        for (const char *text : {"oldest", "second\twith a tab and\nmore lines", "newest"})
            QCOMPARE(tavrinCommand({QStringLiteral("add"), QString::fromUtf8(text)}).exitCode, 0);

        // Stand-ins for rofi and dmenu: they note what they were shown and pick line 2.
        QTemporaryDir dir;
        const QString shown = dir.filePath(QStringLiteral("shown.txt"));
        for (const QString &menu : {QStringLiteral("rofi"), QStringLiteral("dmenu")}) {
            test::writeFile(dir.filePath(menu),
                            QStringLiteral("#!/bin/sh\ntee '%1' | sed -n 2p\n").arg(shown).toUtf8());
            QVERIFY(QFile::setPermissions(dir.filePath(menu), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        }
        const QString pastedFile = dir.filePath(QStringLiteral("pasted.txt"));
        e2e::OtherWindow target;
        QVERIFY(target.open(qEnvironmentVariable("TAVRIN_PASTE_TARGET"), {pastedFile}));

        QProcess script;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("PATH"),
                           dir.path() + QLatin1Char(':') + environment.value(QStringLiteral("PATH")));
        environment.insert(QStringLiteral("TAVRIN"), qEnvironmentVariable("TAVRIN_BINARY"));
        script.setProcessEnvironment(environment);
        script.start(QStringLiteral(TAVRIN_CONTRIB_DIR "/tavrin-rofi"));
        QVERIFY(script.waitForFinished(30000));
        QCOMPARE(script.exitCode(), 0);
        QCOMPARE(test::readFile(shown), QByteArray("1\tnewest\n2\tsecond with a tab and more lines\n3\toldest\n"));
        QTRY_COMPARE_WITH_TIMEOUT(test::readFile(pastedFile), QByteArray("second\twith a tab and\nmore lines"), 5000);

        // dmenu the same way; its choice goes after the first paste.
        script.start(QStringLiteral(TAVRIN_CONTRIB_DIR "/tavrin-dmenu"));
        QVERIFY(script.waitForFinished(30000));
        QCOMPARE(script.exitCode(), 0);
        QTRY_COMPARE_WITH_TIMEOUT(test::readFile(pastedFile),
                                  QByteArray("second\twith a tab and\nmore linessecond\twith a tab and\nmore lines"),
                                  5000);
        QVERIFY(tavrin.terminate());
    }

    void theInterfaceIsTheDocumentedOne()
    {
        e2e::TavrinProcess tavrin;
        QVERIFY(tavrin.startAndWaitForMonitor());
        const QString service = QStringLiteral("io.tavrin.Tavrin.display_") + qEnvironmentVariable("DISPLAY").mid(1);
        const e2e::ToolResult live =
            e2e::runTool(QStringLiteral("dbus-send"),
                         {QStringLiteral("--session"), QStringLiteral("--print-reply=literal"),
                          QStringLiteral("--dest=") + service, QStringLiteral("/io/tavrin/Tavrin/Control"),
                          QStringLiteral("org.freedesktop.DBus.Introspectable.Introspect")});
        QCOMPARE(live.exitCode, 0);
        QFile documented(QStringLiteral(TAVRIN_DBUS_XML));
        QVERIFY(documented.open(QIODevice::ReadOnly));
        const QString interface = QStringLiteral("io.tavrin.Tavrin.Control");
        const QStringList expected = methodsOf(documented.readAll(), interface);
        QVERIFY(expected.size() > 10);
        QCOMPARE(methodsOf(live.out.trimmed(), interface), expected);
        QVERIFY(tavrin.terminate());
    }
};

QTEST_GUILESS_MAIN(TestE2eCommandLine)
#include "tst_e2e_command_line.moc"
