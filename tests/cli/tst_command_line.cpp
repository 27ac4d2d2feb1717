// SPDX-License-Identifier: GPL-3.0-or-later
// Reading the command line: what starts the program, what is a command, and every way a command line is wrong.
#include "cli/CommandDocs.h"
#include "cli/CommandLine.h"
#include "cli/CommandTable.h"
#include "cli/ControlBus.h"

#include <QProcess>
#include <QTest>

using namespace tavrin;
using Action = Invocation::Action;

namespace {

Invocation parse(const QStringList &arguments)
{
    return CommandLine::parse(QStringList{QStringLiteral("tavrin")} + arguments);
}

}  // namespace

class TestCommandLine : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void startsTheProgramWithoutArgumentsOrWithQtsOwnOptions()
    {
        QCOMPARE(parse({}).action, Action::Start);
        // A session manager restores the program with -session; a user may pick a platform or display.
        QCOMPARE(parse({QStringLiteral("-session"), QStringLiteral("1234")}).action, Action::Start);
        QCOMPARE(parse({QStringLiteral("-platform"), QStringLiteral("xcb")}).action, Action::Start);
        QCOMPARE(parse({QStringLiteral("--display=:1")}).action, Action::Start);
        QVERIFY(!CommandLine::isCommand({QStringLiteral("tavrin")}));
        QVERIFY(CommandLine::isCommand({QStringLiteral("tavrin"), QStringLiteral("list")}));
        QVERIFY(CommandLine::isCommand({QStringLiteral("tavrin"), QStringLiteral("--quit")}));
    }

    void theBackendIsNamedAtStart()
    {
        // The name is passed on as written; the program checks it against the backends it carries.
        const Invocation spaced = parse({QStringLiteral("--backend"), QStringLiteral("wayland")});
        QCOMPARE(spaced.action, Action::Start);
        QCOMPARE(spaced.text, QStringLiteral("wayland"));
        const Invocation joined =
            parse({QStringLiteral("--backend=X11"), QStringLiteral("-platform"), QStringLiteral("xcb")});
        QCOMPARE(joined.action, Action::Start);
        QCOMPARE(joined.text, QStringLiteral("X11"));
        QVERIFY(parse({}).text.isEmpty());
        QVERIFY(!CommandLine::isCommand({QStringLiteral("tavrin"), QStringLiteral("--backend=auto")}));
        QVERIFY(!CommandLine::isCommand({QStringLiteral("tavrin"), QStringLiteral("--backend"), QStringLiteral("x")}));
        QVERIFY(CommandLine::isCommand({QStringLiteral("tavrin"), QStringLiteral("--backends")}));
        QVERIFY(CommandLine::helpText().contains(QStringLiteral("--backend NAME")));
        QVERIFY(commanddocs::manualPage().contains(QStringLiteral("\\-\\-backend NAME")));
    }

    void helpAndVersion()
    {
        for (const QString &help : {QStringLiteral("--help"), QStringLiteral("-h"), QStringLiteral("help")}) {
            const Invocation invocation = parse({help});
            QCOMPARE(invocation.action, Action::Help);
            for (const CommandSpec &spec : commandTable())
                QVERIFY2(invocation.text.contains(QStringLiteral("  ") + spec.name), qPrintable(spec.name));
        }
        const Invocation listHelp = parse({QStringLiteral("list"), QStringLiteral("--help")});
        QCOMPARE(listHelp.action, Action::Help);
        QVERIFY(listHelp.text.startsWith(QStringLiteral("Usage: tavrin list [--json] [--limit N] [--width N]\n")));
        QCOMPARE(parse({QStringLiteral("help"), QStringLiteral("list")}).text, listHelp.text);
        QCOMPARE(parse({QStringLiteral("help"), QStringLiteral("nothing")}).action, Action::UsageError);
        const Invocation version = parse({QStringLiteral("--version")});
        QCOMPARE(version.action, Action::Version);
        QVERIFY(version.text.startsWith(QStringLiteral("tavrin ")));
        QCOMPARE(parse({QStringLiteral("--version"), QStringLiteral("x")}).action, Action::UsageError);
    }

    void helpTextsFitTheTerminal()
    {
        QStringList texts{CommandLine::helpText()};
        for (const CommandSpec &spec : commandTable())
            texts.append(CommandLine::helpText(spec));
        for (const QString &text : std::as_const(texts)) {
            for (const QString &line : text.split(QLatin1Char('\n')))
                QVERIFY2(line.size() <= CommandLine::kTextWidth, qPrintable(line));
        }
    }

    void commandsWithTheirOperandsAndOptions()
    {
        const Invocation list =
            parse({QStringLiteral("list"), QStringLiteral("--json"), QStringLiteral("--limit"), QStringLiteral("5")});
        QCOMPARE(list.action, Action::Run);
        QCOMPARE(list.command.spec->name, QStringLiteral("list"));
        QVERIFY(list.command.isSet(QStringLiteral("json")));
        QCOMPARE(list.command.count(QStringLiteral("limit"), 0), 5u);
        QCOMPARE(list.command.count(QStringLiteral("width"), 100), 100u);
        QCOMPARE(parse({QStringLiteral("list"), QStringLiteral("--limit=0")}).command.count(QStringLiteral("limit"), 9),
                 0u);

        const Invocation paste = parse({QStringLiteral("paste"), QStringLiteral("12")});
        QCOMPARE(paste.action, Action::Run);
        QCOMPARE(paste.command.number, 12u);

        // A text operand is taken as it is, leading dash, spaces and all, after "--".
        const Invocation search = parse({QStringLiteral("search"), QStringLiteral("--"), QStringLiteral("-a b ")});
        QCOMPARE(search.action, Action::Run);
        QCOMPARE(search.command.text, QStringLiteral("-a b "));

        const Invocation addText = parse({QStringLiteral("add"), QStringLiteral("some text")});
        QVERIFY(!addText.command.readsInput);
        QCOMPARE(addText.command.text, QStringLiteral("some text"));
        QVERIFY(parse({QStringLiteral("add"), QStringLiteral("-")}).command.readsInput);
        QVERIFY(parse({QStringLiteral("add")}).command.readsInput);

        QCOMPARE(parse({QStringLiteral("clear"), QStringLiteral("--yes")}).action, Action::Run);
        QCOMPARE(parse({QStringLiteral("paste-next")}).command.spec->name, QStringLiteral("paste-next"));
        QCOMPARE(parse({QStringLiteral("paste-next"), QStringLiteral("1")}).action, Action::UsageError);
        QVERIFY(parse({QStringLiteral("show"), QStringLiteral("--main-window")})
                    .command.isSet(QStringLiteral("main-window")));
    }

    void wrongCommandLinesAreUsageErrorsThatSayWhy_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        QTest::newRow("unknown command") << QStringList{QStringLiteral("lsit")}
                                         << QStringLiteral("no command \"lsit\"");
        QTest::newRow("unknown option") << QStringList{QStringLiteral("--quit")} << QStringLiteral("unknown option");
        QTest::newRow("option of another command")
            << QStringList{QStringLiteral("paste"), QStringLiteral("--json"), QStringLiteral("1")}
            << QStringLiteral("Unknown option 'json'");
        QTest::newRow("row 0") << QStringList{QStringLiteral("paste"), QStringLiteral("0")}
                               << QStringLiteral("paste: row numbers start at 1, so there is no row 0");
        QTest::newRow("negative row") << QStringList{QStringLiteral("paste"), QStringLiteral("-1")}
                                      << QStringLiteral("paste: row numbers start at 1, so there is no row -1");
        QTest::newRow("negative row of another command")
            << QStringList{QStringLiteral("copy"), QStringLiteral("-20")}
            << QStringLiteral("copy: row numbers start at 1, so there is no row -20");
        QTest::newRow("row not a number")
            << QStringList{QStringLiteral("pin"), QStringLiteral("1x")} << QStringLiteral("not \"1x\"");
        QTest::newRow("negative row and another")
            << QStringList{QStringLiteral("pin"), QStringLiteral("-1"), QStringLiteral("2")} << QStringLiteral("also");
        QTest::newRow("missing row") << QStringList{QStringLiteral("remove")} << QStringLiteral("remove needs N");
        QTest::newRow("two rows") << QStringList{QStringLiteral("paste"), QStringLiteral("1"), QStringLiteral("2")}
                                  << QStringLiteral("also \"2\"");
        QTest::newRow("text unquoted") << QStringList{QStringLiteral("add"), QStringLiteral("two"),
                                                      QStringLiteral("words")}
                                       << QStringLiteral("quote a text");
        QTest::newRow("missing text") << QStringList{QStringLiteral("search")} << QStringLiteral("needs TEXT");
        QTest::newRow("argument to plain command")
            << QStringList{QStringLiteral("pause"), QStringLiteral("5")} << QStringLiteral("takes no arguments");
        QTest::newRow("clear unconfirmed") << QStringList{QStringLiteral("clear")} << QStringLiteral("needs --yes");
        QTest::newRow("limit too big") << QStringList{QStringLiteral("list"), QStringLiteral("--limit"),
                                                      QStringLiteral("99999999999")}
                                       << QStringLiteral(
                                              "--limit takes a whole number up to 4294967295, not \"99999999999\"");
        QTest::newRow("limit not a number")
            << QStringList{QStringLiteral("list"), QStringLiteral("--limit"), QStringLiteral("ten")}
            << QStringLiteral("whole number");
        QTest::newRow("backend without a name")
            << QStringList{QStringLiteral("--backend")} << QStringLiteral("--backend needs a name");
        QTest::newRow("backend with an empty name")
            << QStringList{QStringLiteral("--backend=")} << QStringLiteral("--backend needs a name");
        QTest::newRow("backend followed by an option")
            << QStringList{QStringLiteral("--backend"), QStringLiteral("--help")} << QStringLiteral("needs a name");
        QTest::newRow("backend with a command")
            << QStringList{QStringLiteral("--backend"), QStringLiteral("x11"), QStringLiteral("list")}
            << QStringLiteral("takes no command, but got \"list\"");
        QTest::newRow("limit missing") << QStringList{QStringLiteral("list"), QStringLiteral("--limit")}
                                       << QStringLiteral("Missing value");
    }

    void wrongCommandLinesAreUsageErrorsThatSayWhy()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        const Invocation invocation = parse(arguments);
        QCOMPARE(invocation.action, Action::UsageError);
        QVERIFY2(invocation.text.contains(message), qPrintable(invocation.text));
        QVERIFY(invocation.text.startsWith(QStringLiteral("tavrin: ")));
        QVERIFY(invocation.text.contains(QStringLiteral("--help")));
    }

    void aRowBeyondWhatTheBusCarriesIsLeftToTheProgramToRefuse()
    {
        // Only the program knows how many entries there are; the command asks it and says so.
        for (const QString &command : {QStringLiteral("paste"), QStringLiteral("remove"), QStringLiteral("unpin")}) {
            const Invocation invocation = parse({command, QStringLiteral("99999999999")});
            QCOMPARE(invocation.action, Action::Run);
            QCOMPARE(invocation.command.rowBeyondRange, QStringLiteral("99999999999"));
            QCOMPARE(invocation.command.number, 0u);
        }
        const Invocation largest = parse({QStringLiteral("copy"), QStringLiteral("4294967295")});
        QCOMPARE(largest.command.number, 4294967295u);
        QVERIFY(largest.command.rowBeyondRange.isEmpty());
        QCOMPARE(parse({QStringLiteral("copy"), QStringLiteral("4294967296")}).command.rowBeyondRange,
                 QStringLiteral("4294967296"));
    }

    void textsAreMeasuredInUtf8AsTheBusCarriesThem()
    {
        QCOMPARE(bus::utf8Length(QString()), 0);
        QCOMPARE(bus::utf8Length(QStringLiteral("abc")), 3);
        QCOMPARE(bus::utf8Length(QStringLiteral("Grüße")), QStringLiteral("Grüße").toUtf8().size());
        QCOMPARE(bus::utf8Length(QStringLiteral("你好 😀")), QStringLiteral("你好 😀").toUtf8().size());
        // An unpaired surrogate goes over the bus as the replacement character: three bytes.
        QString lone = QStringLiteral("x");
        lone.append(QChar(char16_t(0xD83D)));
        QCOMPARE(bus::utf8Length(lone), 4);
        QCOMPARE(bus::textTooLargeMessage(bus::kMaxAddedTextBytes + 1),
                 QStringLiteral("the text is 50331649 bytes long in UTF-8; Tavrin adds texts of at most 50331648 "
                                "bytes (48 MiB)"));
        QCOMPARE(bus::noSuchEntryMessage(QStringLiteral("99999999999"), 1),
                 QStringLiteral("there is no entry 99999999999: the history has 1 entry, numbered from 1"));
        QCOMPARE(bus::noSuchEntryMessage(QStringLiteral("3"), 0),
                 QStringLiteral("there is no entry 3: the history is empty"));
    }

    void everyCommandHasItsWordsAndAnAction()
    {
        QStringList names;
        for (const CommandSpec &spec : commandTable()) {
            QVERIFY(!names.contains(spec.name));
            names.append(spec.name);
            QVERIFY(!spec.summary.isEmpty() && !spec.details.isEmpty());
            QVERIFY(bool(spec.run));
            QCOMPARE(findCommand(spec.name), &spec);
        }
        QCOMPARE(findCommand(QStringLiteral("nothing")), nullptr);
    }

    void theManualAndTheCompletionsNameEveryCommand()
    {
        const QString manual = commanddocs::manualPage();
        const QString bash = commanddocs::bashCompletion();
        const QString zsh = commanddocs::zshCompletion();
        for (const CommandSpec &spec : commandTable()) {
            QVERIFY2(manual.contains(QStringLiteral("\n.B ") +
                                     QString(spec.synopsis()).replace(QLatin1Char('-'), QStringLiteral("\\-"))),
                     qPrintable(spec.name));
            QVERIFY(zsh.contains(QStringLiteral("\n  '") + spec.name + QLatin1Char(':')));
        }
        // No line of the manual starts with a dot that is not a request of ours.
        for (const QString &line : manual.split(QLatin1Char('\n')))
            QVERIFY2(!line.startsWith(QLatin1Char('\'')), qPrintable(line));

        // The bash completion completes commands, then the options of the command given.
        QProcess shell;
        shell.start(QStringLiteral("bash"),
                    {QStringLiteral("-c"), bash + QStringLiteral("COMP_WORDS=(tavrin pa); COMP_CWORD=1; _tavrin; "
                                                                 "echo \"${COMPREPLY[*]}\"; "
                                                                 "COMP_WORDS=(tavrin list --); COMP_CWORD=2; "
                                                                 "_tavrin; echo \"${COMPREPLY[*]}\"")});
        QVERIFY(shell.waitForFinished(10000));
        QCOMPARE(shell.exitCode(), 0);
        QCOMPARE(shell.readAllStandardOutput(), QByteArray("paste paste-next pause\n--json --limit --width --help\n"));
    }

    void wrapKeepsWordsWholeAndIndents()
    {
        QCOMPARE(CommandLine::wrap(QStringLiteral("aa bb cc dd"), 7, 2),
                 QStringList({QStringLiteral("  aa bb"), QStringLiteral("  cc dd")}));
        // A word longer than the width gets a line of its own rather than being cut.
        QCOMPARE(CommandLine::wrap(QStringLiteral("a verylongword b"), 5),
                 QStringList({QStringLiteral("a"), QStringLiteral("verylongword"), QStringLiteral("b")}));
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_command_line.moc"
