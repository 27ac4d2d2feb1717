// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CommandDocs.h"

#include "cli/CommandLine.h"
#include "cli/CommandTable.h"

#include <QStringList>

namespace tavrin::commanddocs {

namespace {

// Text for a roff line: a leading dot or quote would be a request, a backslash an escape, '-' a hyphen.
QString roff(QString text)
{
    text.replace(QLatin1Char('\\'), QStringLiteral("\\e"));
    text.replace(QLatin1Char('-'), QStringLiteral("\\-"));
    if (text.startsWith(QLatin1Char('.')) || text.startsWith(QLatin1Char('\'')))
        text.prepend(QStringLiteral("\\&"));
    return text;
}

QString optionWords(const CommandSpec &spec)
{
    QStringList words;
    for (const CommandOption &option : spec.options)
        words.append(QStringLiteral("--") + option.name);
    words.append(QStringLiteral("--help"));
    return words.join(QLatin1Char(' '));
}

QStringList commandNames()
{
    QStringList names;
    for (const CommandSpec &spec : commandTable())
        names.append(spec.name);
    return names;
}

// A zsh description text: single quotes closed around an escaped one, brackets and colons escaped.
QString zshText(QString text)
{
    text.replace(QLatin1Char('\''), QStringLiteral("'\\''"));
    text.replace(QLatin1Char(':'), QStringLiteral("\\:"));
    text.replace(QLatin1Char('['), QStringLiteral("\\["));
    text.replace(QLatin1Char(']'), QStringLiteral("\\]"));
    return text;
}

}  // namespace

QString manualPage()
{
    QStringList out;
    out << QStringLiteral(".TH TAVRIN 1 \"\" \"tavrin %1\" \"User Commands\"").arg(QStringLiteral(TAVRIN_VERSION));
    out << QStringLiteral(".SH NAME") << QStringLiteral("tavrin \\- clipboard history in the tray");
    out << QStringLiteral(".SH SYNOPSIS") << QStringLiteral(".B tavrin") << QStringLiteral(".br")
        << QStringLiteral(".B tavrin") << QStringLiteral(".I COMMAND")
        << QStringLiteral("[\\fIOPTIONS\\fR] [\\fIARGUMENT\\fR]");
    out << QStringLiteral(".SH DESCRIPTION")
        << roff(QStringLiteral("Tavrin keeps everything you copy. Without a command it starts, or shows the list of "
                               "the Tavrin already running on this display. A command asks the running Tavrin over "
                               "the D-Bus session bus and prints its answer."));
    out << QStringLiteral(".SH COMMANDS");
    for (const CommandSpec &spec : commandTable()) {
        out << QStringLiteral(".TP") << QStringLiteral(".B ") + roff(spec.synopsis());
        out << roff(spec.details);
        for (const CommandOption &option : spec.options) {
            out << QStringLiteral(".RS") << QStringLiteral(".TP")
                << QStringLiteral(".B ") +
                       roff((QStringLiteral("--") + option.name + QLatin1Char(' ') + option.valueName()).trimmed())
                << roff(option.description) << QStringLiteral(".RE");
        }
    }
    out << QStringLiteral(".SH OPTIONS") << QStringLiteral(".TP") << QStringLiteral(".B \\-h, \\-\\-help")
        << roff(QStringLiteral("Show the help; \"tavrin COMMAND --help\" shows a command's.")) << QStringLiteral(".TP")
        << QStringLiteral(".B \\-v, \\-\\-version") << QStringLiteral("Show the version.") << QStringLiteral(".TP")
        << QStringLiteral(".B \\-\\-backend NAME") << roff(CommandLine::backendOptionHelp());
    out << QStringLiteral(".SH EXIT STATUS") << QStringLiteral(".TP") << QStringLiteral("0")
        << QStringLiteral("The command was done.") << QStringLiteral(".TP") << QStringLiteral("1")
        << QStringLiteral("The running Tavrin refused the command or it failed; the reason is on standard error.")
        << QStringLiteral(".TP") << QStringLiteral("2") << QStringLiteral("The command line was wrong.")
        << QStringLiteral(".TP") << QStringLiteral("3") << QStringLiteral("Tavrin is not running on this display.");
    out << QStringLiteral(".SH EXAMPLES") << QStringLiteral(".nf")
        << roff(QStringLiteral("printf '%s' \"$TOKEN\" | tavrin add -"))
        << roff(QStringLiteral("tavrin list --limit 10"))
        << roff(QStringLiteral("tavrin list --json | jq -r '.[0].text'")) << roff(QStringLiteral("tavrin pause"))
        << QStringLiteral(".fi");
    out << QStringLiteral(".SH SEE ALSO")
        << roff(QStringLiteral("The D-Bus interface is described in docs/DBUS.md of the sources."));
    return out.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

QString bashCompletion()
{
    QStringList out;
    out << QStringLiteral("# bash completion for tavrin, generated from its command table")
        << QStringLiteral("_tavrin() {") << QStringLiteral("    local cur=${COMP_WORDS[COMP_CWORD]}")
        << QStringLiteral("    if [ \"$COMP_CWORD\" -eq 1 ]; then")
        << QStringLiteral("        COMPREPLY=($(compgen -W '%1 --help --version' -- \"$cur\"))")
               .arg(commandNames().join(QLatin1Char(' ')))
        << QStringLiteral("        return") << QStringLiteral("    fi")
        << QStringLiteral("    case ${COMP_WORDS[1]} in");
    for (const CommandSpec &spec : commandTable()) {
        out << QStringLiteral("    %1) COMPREPLY=($(compgen -W '%2' -- \"$cur\")) ;;")
                   .arg(spec.name, optionWords(spec));
    }
    out << QStringLiteral("    esac") << QStringLiteral("}") << QStringLiteral("complete -F _tavrin tavrin");
    return out.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

QString zshCompletion()
{
    QStringList out;
    out << QStringLiteral("#compdef tavrin")
        << QStringLiteral("# zsh completion for tavrin, generated from its command table")
        << QStringLiteral("local -a commands") << QStringLiteral("commands=(");
    for (const CommandSpec &spec : commandTable())
        out << QStringLiteral("  '%1:%2'").arg(spec.name, zshText(spec.summary));
    out << QStringLiteral(")") << QStringLiteral("if (( CURRENT == 2 )); then")
        << QStringLiteral("  _describe -t commands 'tavrin command' commands")
        << QStringLiteral("  _arguments '(- *)'{-h,--help}'[show the help]' '(- *)'{-v,--version}'[show the version]'")
        << QStringLiteral("  return") << QStringLiteral("fi") << QStringLiteral("case $words[2] in");
    for (const CommandSpec &spec : commandTable()) {
        QStringList specs;
        for (const CommandOption &option : spec.options) {
            specs << QStringLiteral("'--%1%2[%3]%4'")
                         .arg(option.name, option.kind == CommandOption::Kind::Count ? QStringLiteral("=") : QString(),
                              zshText(option.description),
                              option.kind == CommandOption::Kind::Count ? QStringLiteral(":N: ") : QString());
        }
        specs << QStringLiteral("'--help[show the help]'");
        out << QStringLiteral("  %1) _arguments %2 ;;").arg(spec.name, specs.join(QLatin1Char(' ')));
    }
    out << QStringLiteral("esac");
    return out.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

}  // namespace tavrin::commanddocs
