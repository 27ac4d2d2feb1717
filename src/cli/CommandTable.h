// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <optional>

namespace tavrin {

class ControlClient;
struct ParsedCommand;

/// An option of a command.
struct CommandOption {
    enum class Kind {
        Flag,  // --json
        Count,  // --limit N: a whole number, 0 or more
    };
    QString name;
    Kind kind = Kind::Flag;
    QString description;
    /// The command refuses to run without it (the confirmation of "clear").
    bool required = false;
    /// The value name shown in help texts ("N").
    QString valueName() const { return kind == Kind::Count ? QStringLiteral("N") : QString(); }
};

/// A command of the command line: its words, its help texts, and what it does with the running program.
struct CommandSpec {
    enum class Operand {
        None,
        Number,  // an entry's row, counted from 1
        Text,  // one text
        TextOrInput,  // one text, or standard input for "-" or nothing
    };
    QString name;
    Operand operand = Operand::None;
    /// One line, for the list of commands.
    QString summary;
    /// A paragraph, for the command's own help and the manual page.
    QString details;
    QList<CommandOption> options;
    /// Runs the parsed command and returns the exit status.
    std::function<int(const ParsedCommand &, ControlClient &)> run;

    /// The operand as help texts show it: "N", "TEXT", "[TEXT|-]".
    QString operandSynopsis() const;
    /// "list [--json] [--limit N]".
    QString synopsis() const;
};

/// A command with its operand and options as given.
struct ParsedCommand {
    const CommandSpec *spec = nullptr;
    /// The entry's row for a Number operand.
    std::uint32_t number = 0;
    /// A Number operand beyond any row the bus can carry (more than 4294967295), as given; number is 0 then. Only
    /// the program knows how many entries there are, so the refusal asks it.
    QString rowBeyondRange;
    /// The text for a Text operand, or for TextOrInput when one was given.
    QString text;
    /// TextOrInput without a text: the text is standard input.
    bool readsInput = false;
    QStringList flags;
    QHash<QString, std::uint32_t> counts;

    bool isSet(const QString &option) const { return flags.contains(option) || counts.contains(option); }
    std::uint32_t count(const QString &option, std::uint32_t fallback) const { return counts.value(option, fallback); }
};

/// Every command, in the order help texts list them. Adding a command is adding an entry here.
const QList<CommandSpec> &commandTable();
const CommandSpec *findCommand(const QString &name);

/// Exit statuses of the command line.
namespace exitcodes {
inline constexpr int kSuccess = 0;
inline constexpr int kFailed = 1;  // the program refused or could not do it
inline constexpr int kUsage = 2;  // the command line was wrong
inline constexpr int kNotRunning = 3;  // no running program to ask
}  // namespace exitcodes

}  // namespace tavrin
