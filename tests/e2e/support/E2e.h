#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>

namespace tavrin::e2e {

// Helpers for tests that drive the real binary inside tests/e2e/x11-session.sh.

struct ToolResult {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

/// Runs an outside tool (xclip, xdotool, ...) under a time limit.
ToolResult runTool(const QString &program, const QStringList &arguments, int timeoutMs = 10000,
                   const QByteArray &input = QByteArray());

/// The session's private folders, set by x11-session.sh.
QString configHome();
QString dataHome();

/// Puts text on the CLIPBOARD with xclip, which stays in the background to serve it.
void copyWithXclip(const QByteArray &data, const QString &target = QStringLiteral("UTF8_STRING"));
/// What the CLIPBOARD holds for a target, read with xclip.
ToolResult readWithXclip(const QString &target = QStringLiteral("UTF8_STRING"));

// The real tavrin binary ($TAVRIN_BINARY) as a child process.
class TavrinProcess {
public:
    TavrinProcess();
    ~TavrinProcess();

    /// Starts the program; false when it could not start.
    bool start(const QStringList &arguments = {});
    /// True once one of the program's windows is mapped on the display (it is up and running).
    bool waitUntilRunning(int timeoutMs = 10000);
    /// Sends SIGTERM and waits for the exit; false when it did not end in time.
    bool terminate(int timeoutMs = 10000);
    bool isRunning() const;
    int exitCode() const { return m_process.exitCode(); }
    QProcess::ExitStatus exitStatus() const { return m_process.exitStatus(); }
    /// Everything written to standard output so far.
    QByteArray output();
    qint64 pid() const { return m_process.processId(); }

private:
    QProcess m_process;
    QByteArray m_output;
};

}  // namespace tavrin::e2e
