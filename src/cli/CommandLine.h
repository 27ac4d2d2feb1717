// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/CommandTable.h"

#include <QString>
#include <QStringList>

namespace tavrin {

/// What the program was asked to do by its arguments.
struct Invocation {
    enum class Action {
        Start,  // no command: start the program (or hand over to the one running)
        Help,  // print text and succeed
        Version,  // print text and succeed
        Run,  // run command
        UsageError,  // print text and fail with exitcodes::kUsage
    };
    Action action = Action::Start;
    ParsedCommand command;
    /// The text to print; for Start, the backend named by --backend (empty when none was).
    QString text;
};

// The command line: "tavrin" alone starts the program; "tavrin COMMAND ..." asks the running one to do something,
// with the commands of commandTable().
class CommandLine {
public:
    /// Lines of help texts are wrapped at this width.
    static constexpr int kTextWidth = 79;

    /// The arguments as main gets them, before any application object exists.
    static QStringList arguments(int argc, char **argv);
    /// Reads the arguments (the program's name first).
    static Invocation parse(const QStringList &arguments);
    /// True when the arguments name a command or an option of ours; false for none, for the options Qt takes
    /// at the start of a GUI program (-session after a session restore, -platform, -display, ...) and for --backend,
    /// which starts the program too.
    static bool isCommand(const QStringList &arguments);

    /// The program's help: its use, every command, the options and the exit statuses.
    static QString helpText();
    /// One command's help.
    static QString helpText(const CommandSpec &spec);
    static QString versionText();
    /// What --backend does, for the help and the manual page.
    static QString backendOptionHelp();

    /// Words of text as lines of at most width characters, each starting with indent spaces.
    static QStringList wrap(const QString &text, int width, int indent = 0);
};

/// The command-line side of main: parses QCoreApplication::arguments(), runs a command against the running program,
/// and returns the exit status. Runs without a GUI, in the QCoreApplication that main made (with its translations).
int runCommandLine();

}  // namespace tavrin
