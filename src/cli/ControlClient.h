// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QString>
#include <QVariantList>

#include <chrono>
#include <optional>

namespace tavrin {

// The command line's side of the command interface: calls the program running on this display over the session
// bus, and says on standard error, in words, why a call failed. Every method returns an exit status
// (exitcodes::...).
class ControlClient {
public:
    /// How long a starting program may take to answer commands.
    static constexpr std::chrono::milliseconds kStartingTimeout{5000};
    /// How long "quit" waits for the program to end (it writes a pending save first).
    static constexpr std::chrono::milliseconds kQuitTimeout{30000};

    /// The program of a display on a bus; error lines go to errorFd, output to outputFd.
    ControlClient(const QDBusConnection &bus, const QString &display, int outputFd = 1, int errorFd = 2);

    /// Calls a method; its reply is stored in *reply when given.
    int call(const QString &method, const QVariantList &arguments = {}, QDBusMessage *reply = nullptr);
    /// Calls a method that answers with a file descriptor and copies what comes through it to the output.
    int callAndCopyOutput(const QString &method, const QVariantList &arguments);
    /// After "Quit" was answered: waits until the program has ended and left the bus.
    int waitUntilEnded();

    /// Writes a line to the output.
    void printLine(const QString &line);
    /// Writes "tavrin: message" to the error output.
    void printError(const QString &message);

private:
    std::optional<int> checkBus();
    int failure(const QDBusMessage &error);

    QDBusConnection m_bus;
    QString m_display;
    QString m_service;
    int m_outputFd;
    int m_errorFd;
};

}  // namespace tavrin
