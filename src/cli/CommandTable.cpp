// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CommandTable.h"

#include "cli/ControlBus.h"
#include "cli/ControlClient.h"
#include "cli/EntryListWriter.h"

#include <QDBusMessage>
#include <QStringDecoder>
#include <QVariantMap>

#include <QCoreApplication>
#include <cerrno>
#include <unistd.h>

namespace tavrin {

namespace {

using Operand = CommandSpec::Operand;
using Kind = CommandOption::Kind;

// What list and search print, and how much of it.
QVariantMap listOptions(const ParsedCommand &command)
{
    QVariantMap options;
    options.insert(QStringLiteral("format"),
                   command.isSet(QStringLiteral("json")) ? QStringLiteral("json") : QStringLiteral("lines"));
    options.insert(QStringLiteral("limit"), command.count(QStringLiteral("limit"), 0));
    options.insert(QStringLiteral("width"),
                   command.count(QStringLiteral("width"), std::uint32_t(EntryListWriter::kDefaultWidth)));
    return options;
}

const QList<CommandOption> &listingOptions()
{
    static const QList<CommandOption> options = {
        {QStringLiteral("json"), Kind::Flag,
         QCoreApplication::translate(
             "Commands", "Print a JSON array of objects with \"index\", \"pinned\", \"kind\" (\"text\", \"file\" or "
                         "\"folder\") and \"text\", the whole entry."),
         false},
        {QStringLiteral("limit"), Kind::Count,
         QCoreApplication::translate("Commands", "Print at most N entries (0: all, the default)."), false},
        {QStringLiteral("width"), Kind::Count,
         QCoreApplication::translate("Commands",
                                     "Show at most N characters of each entry on its line (default 100; 0: all)."),
         false},
    };
    return options;
}

// Standard input as text: UTF-8, invalid bytes replaced (with a warning); nothing when it cannot be text.
std::optional<QString> readInputText(ControlClient &client)
{
    QByteArray input;
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(0, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            client.printError(QCoreApplication::translate("Commands", "cannot read standard input: %1")
                                  .arg(QString::fromLocal8Bit(strerror(errno))));
            return std::nullopt;
        }
        if (got == 0)
            break;
        input.append(buffer, got);
        // Nothing beyond the limit is read: the text is refused whatever follows.
        if (input.size() > bus::kMaxAddedTextBytes) {
            client.printError(QCoreApplication::translate(
                                  "Commands", "standard input holds more than %1 bytes (%2 MiB), the most Tavrin adds "
                                              "as one text; nothing was added")
                                  .arg(bus::kMaxAddedTextBytes)
                                  .arg(bus::kMaxAddedTextBytes >> 20));
            return std::nullopt;
        }
    }
    // A text with a NUL byte cannot travel over the bus whole; refusing is better than adding a cut-off text.
    if (input.contains('\0')) {
        client.printError(
            QCoreApplication::translate("Commands", "standard input holds a NUL byte; Tavrin adds texts only"));
        return std::nullopt;
    }
    QStringDecoder decoder(QStringDecoder::Utf8);
    QString text = decoder.decode(input);
    if (decoder.hasError())
        client.printError(QCoreApplication::translate(
            "Commands", "standard input is not valid UTF-8; the invalid bytes were replaced"));
    return text;
}

int runList(const ParsedCommand &command, ControlClient &client)
{
    return client.callAndCopyOutput(QStringLiteral("List"), {listOptions(command)});
}

int runSearch(const ParsedCommand &command, ControlClient &client)
{
    return client.callAndCopyOutput(QStringLiteral("Search"), {command.text, listOptions(command)});
}

// A command that acts on one entry. A row beyond what the bus carries is beyond every history: the program is asked
// only how many entries it has, to say so.
std::function<int(const ParsedCommand &, ControlClient &)> onEntry(const QString &method)
{
    return [method](const ParsedCommand &command, ControlClient &client) {
        if (command.rowBeyondRange.isEmpty())
            return client.call(method, {QVariant::fromValue(command.number)});
        QDBusMessage reply;
        if (const int status = client.call(QStringLiteral("Count"), {}, &reply); status != exitcodes::kSuccess)
            return status;
        const qsizetype count = reply.arguments().isEmpty() ? 0 : reply.arguments().constFirst().toUInt();
        client.printError(bus::noSuchEntryMessage(command.rowBeyondRange, count));
        return exitcodes::kFailed;
    };
}

// A command without operands.
std::function<int(const ParsedCommand &, ControlClient &)> plain(const QString &method)
{
    return [method](const ParsedCommand &, ControlClient &client) { return client.call(method); };
}

int runAdd(const ParsedCommand &command, ControlClient &client)
{
    QString text = command.text;
    if (command.readsInput) {
        const std::optional<QString> input = readInputText(client);
        if (!input)
            return exitcodes::kFailed;
        text = *input;
    }
    // Checked before sending: libdbus never sends a call of more than 128 MiB, and QtDBus would wait for its answer
    // forever.
    if (const qsizetype bytes = bus::utf8Length(text); bytes > bus::kMaxAddedTextBytes) {
        client.printError(bus::textTooLargeMessage(bytes));
        return exitcodes::kFailed;
    }
    return client.call(QStringLiteral("Add"), {text});
}

int runShow(const ParsedCommand &command, ControlClient &client)
{
    return client.call(command.isSet(QStringLiteral("main-window")) ? QStringLiteral("ShowMainWindow")
                                                                    : QStringLiteral("ShowList"));
}

int runToggleSequential(const ParsedCommand &, ControlClient &client)
{
    QDBusMessage reply;
    const int status = client.call(QStringLiteral("ToggleSequentialMode"), {}, &reply);
    if (status == exitcodes::kSuccess && !reply.arguments().isEmpty())
        client.printLine(reply.arguments().constFirst().toBool() ? QStringLiteral("sequential mode on")
                                                                 : QStringLiteral("sequential mode off"));
    return status;
}

int runQuit(const ParsedCommand &, ControlClient &client)
{
    const int status = client.call(QStringLiteral("Quit"));
    return status == exitcodes::kSuccess ? client.waitUntilEnded() : status;
}

QList<CommandSpec> makeTable()
{
    const QString numbered = QCoreApplication::translate(
        "Commands",
        "N is the entry's row as \"tavrin list\" prints it and the list window shows it, counted from 1; a row "
        "beyond the history is refused with the number of entries there are.");
    return {
        {QStringLiteral("list"), Operand::None,
         QCoreApplication::translate("Commands", "Print the history, top row first"),
         QCoreApplication::translate(
             "Commands", "Prints the history in the list window's order: the pinned entries, then the others newest "
                         "first. Each line holds the row number (followed by * for a pinned entry), a tab, and the "
                         "entry on one line: white space runs become one space, control characters show as "
                         "symbols, and long entries end in \"…\"."),
         listingOptions(), runList},
        {QStringLiteral("search"), Operand::Text,
         QCoreApplication::translate("Commands", "Print the entries that contain TEXT"),
         QCoreApplication::translate(
             "Commands", "Prints the entries that contain TEXT, ignoring case, with their row numbers, in the form of "
                         "\"tavrin list\". An empty TEXT matches nothing."),
         listingOptions(), runSearch},
        {QStringLiteral("copy"),
         Operand::Number,
         QCoreApplication::translate("Commands", "Put entry N on the clipboard"),
         QCoreApplication::translate("Commands", "Puts entry N on the clipboard, a file or folder as a file.") +
             QLatin1Char(' ') + numbered,
         {},
         onEntry(QStringLiteral("Copy"))},
        {QStringLiteral("paste"),
         Operand::Number,
         QCoreApplication::translate("Commands", "Paste entry N into the window that has the focus"),
         QCoreApplication::translate(
             "Commands", "Puts entry N on the clipboard and pastes it into the window that had the focus when the "
                         "command ran, as Ctrl+N does in the list window. A folder is pasted once it is "
                         "confirmed.") +
             QLatin1Char(' ') + numbered,
         {},
         onEntry(QStringLiteral("Paste"))},
        {QStringLiteral("add"),
         Operand::TextOrInput,
         QCoreApplication::translate("Commands", "Copy TEXT, or standard input, as a new entry"),
         QCoreApplication::translate(
             "Commands", "Puts the text on the clipboard and at the top of the history, as if it had been copied. "
                         "Without TEXT, or with -, the text is standard input, exactly as read (a final line "
                         "break included). A text may hold up to %1 MiB of UTF-8; a larger one is refused, as is "
                         "any text while recording is paused.")
             .arg(bus::kMaxAddedTextBytes >> 20),
         {},
         runAdd},
        {QStringLiteral("remove"),
         Operand::Number,
         QCoreApplication::translate("Commands", "Remove entry N from the history"),
         QCoreApplication::translate("Commands", "Removes entry N, pinned or not.") + QLatin1Char(' ') + numbered,
         {},
         onEntry(QStringLiteral("Remove"))},
        {QStringLiteral("pin"),
         Operand::Number,
         QCoreApplication::translate("Commands", "Pin entry N"),
         QCoreApplication::translate(
             "Commands", "Pins entry N: it moves to the bottom of the pinned entries at the top of the list. At most "
                         "nine entries are pinned.") +
             QLatin1Char(' ') + numbered,
         {},
         onEntry(QStringLiteral("Pin"))},
        {QStringLiteral("unpin"),
         Operand::Number,
         QCoreApplication::translate("Commands", "Unpin entry N"),
         QCoreApplication::translate("Commands", "Unpins entry N: it moves to just below the pinned entries.") +
             QLatin1Char(' ') + numbered,
         {},
         onEntry(QStringLiteral("Unpin"))},
        {QStringLiteral("clear"),
         Operand::None,
         QCoreApplication::translate("Commands", "Remove every entry, pinned ones too"),
         QCoreApplication::translate(
             "Commands", "Removes every entry of the history, pinned ones included, as \"Clear Clipboard\" does. "
                         "--yes confirms it."),
         {{QStringLiteral("yes"), Kind::Flag,
           QCoreApplication::translate("Commands", "Confirm that the whole history goes."), true}},
         plain(QStringLiteral("Clear"))},
        {QStringLiteral("show"),
         Operand::None,
         QCoreApplication::translate("Commands", "Show the list window"),
         QCoreApplication::translate("Commands", "Shows the list window, as the tray icon and the shortcut do."),
         {{QStringLiteral("main-window"), Kind::Flag,
           QCoreApplication::translate("Commands", "Show the main window instead."), false}},
         runShow},
        {QStringLiteral("toggle-sequential"),
         Operand::None,
         QCoreApplication::translate("Commands", "Switch sequential paste mode on or off"),
         QCoreApplication::translate(
             "Commands", "Shows or hides the sequential paste queue, which switches sequential mode on or off, and "
                         "prints the new state."),
         {},
         runToggleSequential},
        {QStringLiteral("paste-next"),
         Operand::None,
         QCoreApplication::translate("Commands", "Paste the next entry of the sequential paste queue"),
         QCoreApplication::translate(
             "Commands", "Takes the next entry off the sequential paste queue, oldest or newest first as the "
                         "Preferences say, and pastes it into the window that has the focus, as the sequential paste "
                         "shortcut does. Fails when the queue is empty. Bind it to a key in the desktop's own key "
                         "settings where Tavrin cannot take shortcuts itself."),
         {},
         plain(QStringLiteral("PasteNext"))},
        {QStringLiteral("pause"),
         Operand::None,
         QCoreApplication::translate("Commands", "Stop recording copies"),
         QCoreApplication::translate(
             "Commands", "Stops recording: until \"tavrin resume\", or until Tavrin starts again, nothing copied goes "
                         "into the history, and what was copied meanwhile is not recorded later."),
         {},
         plain(QStringLiteral("Pause"))},
        {QStringLiteral("resume"),
         Operand::None,
         QCoreApplication::translate("Commands", "Record copies again"),
         QCoreApplication::translate("Commands", "Records copies again from the next one on."),
         {},
         plain(QStringLiteral("Resume"))},
        {QStringLiteral("quit"),
         Operand::None,
         QCoreApplication::translate("Commands", "End the running Tavrin"),
         QCoreApplication::translate(
             "Commands", "Ends the running Tavrin, which first writes a history save still waiting, and returns once "
                         "it has ended."),
         {},
         runQuit},
    };
}

}  // namespace

QString CommandSpec::operandSynopsis() const
{
    switch (operand) {
    case Operand::Number: return QStringLiteral("N");
    case Operand::Text: return QStringLiteral("TEXT");
    case Operand::TextOrInput: return QStringLiteral("[TEXT|-]");
    case Operand::None: break;
    }
    return {};
}

QString CommandSpec::synopsis() const
{
    QStringList parts{name};
    for (const CommandOption &option : options) {
        QString text = QStringLiteral("--") + option.name;
        if (option.kind == Kind::Count)
            text += QLatin1Char(' ') + option.valueName();
        parts.append(option.required ? text : QLatin1Char('[') + text + QLatin1Char(']'));
    }
    if (operand != Operand::None)
        parts.append(operandSynopsis());
    return parts.join(QLatin1Char(' '));
}

const QList<CommandSpec> &commandTable()
{
    static const QList<CommandSpec> table = makeTable();
    return table;
}

const CommandSpec *findCommand(const QString &name)
{
    for (const CommandSpec &spec : commandTable()) {
        if (spec.name == name)
            return &spec;
    }
    return nullptr;
}

}  // namespace tavrin
