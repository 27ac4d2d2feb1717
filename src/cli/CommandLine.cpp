// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CommandLine.h"

#include "cli/ControlBus.h"
#include "cli/ControlClient.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QRegularExpression>

#include <cstdio>
#include <limits>

namespace tavrin {

namespace {

using Action = Invocation::Action;

const QString kHelp = QStringLiteral("help");

Invocation usageError(const QString &message, const QString &command = QString())
{
    const QString hint =
        command.isEmpty() ? QStringLiteral("tavrin --help") : QStringLiteral("tavrin %1 --help").arg(command);
    return {Action::UsageError,
            {},
            QCoreApplication::translate("CommandLine", "tavrin: %1\nSee \"%2\".\n").arg(message, hint)};
}

// A whole number of at most 32 bits, digits only.
std::optional<std::uint32_t> wholeNumber(const QString &text)
{
    static const QRegularExpression digits(QStringLiteral("^[0-9]{1,10}$"));
    if (!digits.match(text).hasMatch())
        return std::nullopt;
    const qulonglong value = text.toULongLong();
    if (value > std::numeric_limits<std::uint32_t>::max())
        return std::nullopt;
    return std::uint32_t(value);
}

bool isDigits(const QString &text)
{
    static const QRegularExpression digits(QStringLiteral("^[0-9]+$"));
    return digits.match(text).hasMatch();
}

// "-1" would read as an option: a row operand that is a negative number is taken as an operand, to be refused as one.
QStringList negativeRowsAsOperands(const CommandSpec &spec, const QStringList &rest)
{
    if (spec.operand != CommandSpec::Operand::Number || rest.contains(QStringLiteral("--")))
        return rest;
    QStringList options;
    QStringList negatives;
    for (const QString &argument : rest)
        (argument.startsWith(QLatin1Char('-')) && isDigits(argument.mid(1)) ? negatives : options).append(argument);
    return negatives.isEmpty() ? rest : options + QStringList{QStringLiteral("--")} + negatives;
}

// A row operand: the number, or how the command line is wrong.
Invocation parseRow(const CommandSpec &spec, const QString &text, ParsedCommand &command)
{
    static const QRegularExpression zero(QStringLiteral("^0+$"));
    const bool negative = text.startsWith(QLatin1Char('-')) && isDigits(text.mid(1));
    if (negative || zero.match(text).hasMatch())
        return usageError(
            QCoreApplication::translate("CommandLine", "%1: row numbers start at 1, so there is no row %2")
                .arg(spec.name, text),
            spec.name);
    if (const std::optional<std::uint32_t> number = wholeNumber(text)) {
        command.number = *number;
        return {Action::Run, command, {}};
    }
    if (isDigits(text)) {
        command.rowBeyondRange = text;
        return {Action::Run, command, {}};
    }
    return usageError(
        QCoreApplication::translate("CommandLine", "%1: N is an entry's row, a whole number from 1 on, not \"%2\"")
            .arg(spec.name, text),
        spec.name);
}

Invocation parseCommand(const CommandSpec &spec, const QStringList &rest)
{
    QCommandLineParser parser;
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsOptions);
    for (const CommandOption &option : spec.options) {
        parser.addOption(option.kind == CommandOption::Kind::Count
                             ? QCommandLineOption(option.name, option.description, option.valueName())
                             : QCommandLineOption(option.name, option.description));
    }
    parser.addOption(QCommandLineOption({QStringLiteral("h"), kHelp}, QString()));
    if (!parser.parse(QStringList{QStringLiteral("tavrin")} + negativeRowsAsOperands(spec, rest)))
        return usageError(QStringLiteral("%1: %2").arg(spec.name, parser.errorText()), spec.name);
    if (parser.isSet(kHelp))
        return {Action::Help, {}, CommandLine::helpText(spec)};

    ParsedCommand command;
    command.spec = &spec;
    for (const CommandOption &option : spec.options) {
        if (!parser.isSet(option.name)) {
            if (option.required)
                return usageError(QCoreApplication::translate("CommandLine", "%1 needs --%2: %3")
                                      .arg(spec.name, option.name, option.description),
                                  spec.name);
            continue;
        }
        if (option.kind == CommandOption::Kind::Flag) {
            command.flags.append(option.name);
            continue;
        }
        const QStringList values = parser.values(option.name);
        const std::optional<std::uint32_t> value = wholeNumber(values.constLast());
        if (!value && isDigits(values.constLast()))
            return usageError(
                QCoreApplication::translate("CommandLine", "%1: --%2 takes a whole number up to %3, not \"%4\"")
                    .arg(spec.name, option.name)
                    .arg(std::numeric_limits<std::uint32_t>::max())
                    .arg(values.constLast()),
                spec.name);
        if (!value)
            return usageError(
                QCoreApplication::translate("CommandLine", "%1: --%2 takes a whole number, 0 or more, not \"%3\"")
                    .arg(spec.name, option.name, values.constLast()),
                spec.name);
        command.counts.insert(option.name, *value);
    }

    const QStringList operands = parser.positionalArguments();
    using Operand = CommandSpec::Operand;
    const qsizetype most = spec.operand == Operand::None ? 0 : 1;
    const qsizetype least = (spec.operand == Operand::None || spec.operand == Operand::TextOrInput) ? 0 : 1;
    if (operands.size() > most) {
        const QString &extra = operands.at(most);
        return usageError(spec.operand == Operand::None
                              ? QCoreApplication::translate("CommandLine", "%1 takes no arguments, but got \"%2\"")
                                    .arg(spec.name, extra)
                              : QCoreApplication::translate(
                                    "CommandLine", "%1 takes one %2, but got also \"%3\" (quote a text with spaces)")
                                    .arg(spec.name, spec.operandSynopsis(), extra),
                          spec.name);
    }
    if (operands.size() < least)
        return usageError(
            QCoreApplication::translate("CommandLine", "%1 needs %2").arg(spec.name, spec.operandSynopsis()),
            spec.name);

    switch (spec.operand) {
    case Operand::None: break;
    case Operand::Number: return parseRow(spec, operands.constFirst(), command);
    case Operand::Text: command.text = operands.constFirst(); break;
    case Operand::TextOrInput:
        command.readsInput = operands.isEmpty() || operands.constFirst() == QLatin1String("-");
        if (!command.readsInput)
            command.text = operands.constFirst();
        break;
    }
    return {Action::Run, command, {}};
}

// Qt's own options of a GUI program, which a session manager or a user may give at start.
bool isGuiOption(QString argument)
{
    static const QStringList options = {
        QStringLiteral("-session"),         QStringLiteral("-platform"),    QStringLiteral("-platformpluginpath"),
        QStringLiteral("-platformtheme"),   QStringLiteral("-plugin"),      QStringLiteral("-display"),
        QStringLiteral("-geometry"),        QStringLiteral("-name"),        QStringLiteral("-title"),
        QStringLiteral("-qwindowgeometry"), QStringLiteral("-qwindowicon"), QStringLiteral("-qwindowtitle"),
        QStringLiteral("-reverse"),         QStringLiteral("-style"),       QStringLiteral("-stylesheet"),
        QStringLiteral("-widgetcount"),
    };
    if (argument.startsWith(QLatin1String("--")))
        argument.remove(0, 1);
    return options.contains(argument.section(QLatin1Char('='), 0, 0));
}

const QString kBackendOption = QStringLiteral("--backend");

bool isBackendOption(const QString &argument)
{
    return argument == kBackendOption || argument.startsWith(kBackendOption + QLatin1Char('='));
}

// "--backend NAME" or "--backend=NAME" at the start of the program, before Qt's own options. The name is checked by
// the program, which knows its backends.
Invocation parseStartOptions(const QStringList &arguments)
{
    const QString &first = arguments.at(1);
    qsizetype next = 2;
    QString name;
    if (first == kBackendOption) {
        if (arguments.size() <= next || arguments.at(next).startsWith(QLatin1Char('-')))
            return usageError(
                QCoreApplication::translate("CommandLine", "--backend needs a name: x11, wayland, gnome or auto"));
        name = arguments.at(next++);
    } else {
        name = first.mid(kBackendOption.size() + 1);
    }
    if (name.isEmpty())
        return usageError(
            QCoreApplication::translate("CommandLine", "--backend needs a name: x11, wayland, gnome or auto"));
    if (arguments.size() > next && !isGuiOption(arguments.at(next)))
        return usageError(
            QCoreApplication::translate("CommandLine", "--backend starts Tavrin and takes no command, but got \"%1\"")
                .arg(arguments.at(next)));
    return {Action::Start, {}, name};
}

QString column(const QString &left, const QString &right, int leftWidth)
{
    QStringList lines = CommandLine::wrap(right, CommandLine::kTextWidth, leftWidth + 4);
    const QString head = QStringLiteral("  ") + left.leftJustified(leftWidth + 2);
    if (lines.isEmpty())
        return head.trimmed();
    lines.first().replace(0, head.size(), head);
    return lines.join(QLatin1Char('\n'));
}

}  // namespace

QStringList CommandLine::arguments(int argc, char **argv)
{
    QStringList list;
    for (int i = 0; i < argc; ++i)
        list.append(QString::fromLocal8Bit(argv[i]));
    return list;
}

bool CommandLine::isCommand(const QStringList &arguments)
{
    return arguments.size() > 1 && !isGuiOption(arguments.at(1)) && !isBackendOption(arguments.at(1));
}

Invocation CommandLine::parse(const QStringList &arguments)
{
    if (arguments.size() > 1 && isBackendOption(arguments.at(1)))
        return parseStartOptions(arguments);
    if (!isCommand(arguments))
        return {Action::Start, {}, {}};
    const QString &first = arguments.at(1);
    const QStringList rest = arguments.mid(2);
    if (first == QLatin1String("--help") || first == QLatin1String("-h") || first == kHelp) {
        if (first == kHelp && !rest.isEmpty()) {
            const CommandSpec *spec = findCommand(rest.constFirst());
            if (!spec)
                return usageError(
                    QCoreApplication::translate("CommandLine", "there is no command \"%1\"").arg(rest.constFirst()));
            return {Action::Help, {}, helpText(*spec)};
        }
        return rest.isEmpty() || first == kHelp
                   ? Invocation{Action::Help, {}, helpText()}
                   : usageError(QCoreApplication::translate("CommandLine", "--help takes no arguments"));
    }
    if (first == QLatin1String("--version") || first == QLatin1String("-v"))
        return rest.isEmpty() ? Invocation{Action::Version, {}, versionText()}
                              : usageError(QCoreApplication::translate("CommandLine", "--version takes no arguments"));
    if (first.startsWith(QLatin1Char('-')))
        return usageError(QCoreApplication::translate("CommandLine", "unknown option \"%1\"").arg(first));
    const CommandSpec *spec = findCommand(first);
    if (!spec)
        return usageError(QCoreApplication::translate("CommandLine", "there is no command \"%1\"").arg(first));
    return parseCommand(*spec, rest);
}

QStringList CommandLine::wrap(const QString &text, int width, int indent)
{
    QStringList lines;
    QString line;
    const QString margin(indent, QLatin1Char(' '));
    for (const QString &word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (!line.isEmpty() && line.size() + 1 + word.size() > width) {
            lines.append(line);
            line.clear();
        }
        line += line.isEmpty() ? margin + word : QLatin1Char(' ') + word;
    }
    if (!line.isEmpty())
        lines.append(line);
    return lines;
}

QString CommandLine::helpText()
{
    QStringList out;
    out << QCoreApplication::translate("CommandLine", "Usage: tavrin [COMMAND [OPTIONS] [ARGUMENT]]") << QString();
    out << wrap(QCoreApplication::translate(
                    "CommandLine",
                    "Tavrin keeps everything you copy. Without a command it starts, or shows the list of "
                    "the Tavrin already running on this display. A command asks the running Tavrin."),
                kTextWidth)
        << QString() << QCoreApplication::translate("CommandLine", "Commands:");
    int width = 0;
    for (const CommandSpec &spec : commandTable())
        width = std::max<int>(width, int((spec.name + QLatin1Char(' ') + spec.operandSynopsis()).size()));
    for (const CommandSpec &spec : commandTable())
        out << column((spec.name + QLatin1Char(' ') + spec.operandSynopsis()).trimmed(), spec.summary, width);
    out << QString() << QCoreApplication::translate("CommandLine", "Options:");
    out << column(
        QStringLiteral("-h, --help"),
        QCoreApplication::translate("CommandLine", "Show this help; \"tavrin COMMAND --help\" shows a command's."),
        width);
    out << column(QStringLiteral("-v, --version"), QCoreApplication::translate("CommandLine", "Show the version."),
                  width);
    out << column(QStringLiteral("--backend NAME"), backendOptionHelp(), width);
    out << QString()
        << wrap(QCoreApplication::translate(
                    "CommandLine", "Exit status: 0 done, 1 the command failed, 2 a wrong command line, 3 Tavrin is not "
                                   "running on this display."),
                kTextWidth);
    return out.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

QString CommandLine::helpText(const CommandSpec &spec)
{
    QStringList out;
    out << QCoreApplication::translate("CommandLine", "Usage: tavrin %1").arg(spec.synopsis()) << QString();
    out << wrap(spec.details, kTextWidth);
    out << QString() << QCoreApplication::translate("CommandLine", "Options:");
    int width = QStringLiteral("-h, --help").size();
    for (const CommandOption &option : spec.options)
        width = std::max<int>(width, int(option.name.size() + option.valueName().size() + 3));
    for (const CommandOption &option : spec.options)
        out << column((QStringLiteral("--") + option.name + QLatin1Char(' ') + option.valueName()).trimmed(),
                      option.description, width);
    out << column(QStringLiteral("-h, --help"), QCoreApplication::translate("CommandLine", "Show this help."), width);
    return out.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

QString CommandLine::backendOptionHelp()
{
    return QCoreApplication::translate(
        "CommandLine", "Start on the desktop backend NAME: wayland, gnome, x11 or auto (the default: wayland "
                       "where the compositor lets programs follow the clipboard, gnome in a GNOME Wayland session, "
                       "else x11). The TAVRIN_BACKEND environment variable does the same.");
}

QString CommandLine::versionText()
{
    return QStringLiteral("tavrin %1\n").arg(QStringLiteral(TAVRIN_VERSION));
}

int runCommandLine()
{
    const Invocation invocation = CommandLine::parse(QCoreApplication::arguments());
    switch (invocation.action) {
    case Invocation::Action::Help:
    case Invocation::Action::Version: std::fputs(qPrintable(invocation.text), stdout); return exitcodes::kSuccess;
    case Invocation::Action::UsageError: std::fputs(qPrintable(invocation.text), stderr); return exitcodes::kUsage;
    case Invocation::Action::Start: break;  // not reached: main starts the program itself
    case Invocation::Action::Run: {
        ControlClient client(QDBusConnection::sessionBus(), bus::currentDisplay());
        return invocation.command.spec->run(invocation.command, client);
    }
    }
    return exitcodes::kUsage;
}

}  // namespace tavrin
