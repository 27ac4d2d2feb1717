// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QProcess>
#include <QRect>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

namespace tavrin::e2e {

// Helpers for tests that drive the real binary inside tests/e2e/x11-session.sh.

struct ToolResult {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

/// A text of that many bytes: numbered lines of mixed ASCII and non-ASCII characters.
QByteArray bigText(int bytes);

/// Runs an outside tool (xclip, xdotool, ...) under a time limit.
ToolResult runTool(const QString &program, const QStringList &arguments, int timeoutMs = 10000,
                   const QByteArray &input = QByteArray());
/// Runs a command of the tavrin binary ("list", "add", ...) against the running program; a problem it reports on
/// standard error (a sanitizer report, a Qt warning) is written to the test's log.
ToolResult tavrinCommand(const QStringList &arguments, const QByteArray &input = QByteArray(), int timeoutMs = 30000);

/// The session's private folders, set by x11-session.sh.
QString configHome();
QString dataHome();
/// The program's settings file there.
QString settingsPath();
/// The program's history file there.
QString historyPath();
/// Removes the program's settings and data, so that a test starts as on a new machine.
void forgetStoredState();
/// Writes settings that hold only "firstRun": the welcome steps were done before, nothing else was stored.
void storeFinishedFirstRun();
/// Writes the settings of an earlier run that finished its first run and recorded the quick-access shortcut: "V" with
/// the stored modifier codes, by default Shift and Command (Ctrl+Shift+V) as the recorder stores them.
void storeRecordedQuickAccessShortcut(const QList<int> &modifierCodes = {14, 11});

// Windows on the session's display, through xdotool, xprop and xwininfo. A window is its X11 id; 0 is none.

/// The window that has the focus now.
quint64 activeWindow();
/// An X11 property of a window as xprop prints it ("NAME(TYPE) = value"), empty when it has none.
QString windowProperty(quint64 window, const QString &name);
/// The window's place and size on the screen, frame not included.
QRect windowGeometry(quint64 window);
/// The work area the window manager leaves free for windows (_NET_WORKAREA of the first desktop).
QRect workArea();
/// The program's quick-access list window while it is shown: a visible utility window of the process, titled
/// "Tavrin".
quint64 shownListWindow(qint64 pid);
/// The program's main window while it is shown: a visible normal window of the process, titled "Tavrin".
quint64 shownMainWindow(qint64 pid);
/// True when one of the process's windows sits inside the tray host (trayer).
bool hasTrayIcon(qint64 pid);
/// The program's window that the tray embedded, 0 when none.
quint64 trayIconWindow(qint64 pid);
/// Clicks on the empty desktop, away from every window: the program in front loses the focus.
void clickOnDesktop();

/// Puts text on the CLIPBOARD with xclip, which stays in the background to serve it.
void copyWithXclip(const QByteArray &data, const QString &target = QStringLiteral("UTF8_STRING"));
/// What the CLIPBOARD holds for a target, read with xclip.
ToolResult readWithXclip(const QString &target = QStringLiteral("UTF8_STRING"));

// Another application's window, started as a process of its own.
struct OtherWindow {
    QProcess process;
    quint64 window = 0;

    /// Starts the program (an xterm unless told otherwise), waits until its window is on screen and clicks into it,
    /// as the user gives a window the focus; true once it has the focus.
    bool open(const QString &program = QStringLiteral("xterm"), const QStringList &arguments = {});
    /// Starts the program and waits until its window is on screen, without touching it.
    bool start(const QString &program, const QStringList &arguments = {});
    /// Clicks into the middle of the window.
    bool click() const;
    /// Gives the window the focus as a pager would, without the pointer (a window of ours may cover it); true once
    /// it has the focus.
    bool activate() const;
    ~OtherWindow();
};

// An X server of the test's own beside the session's, for a test that ends it. While it runs, DISPLAY names it, so
// the tools and the program started meanwhile use it.
class PrivateDisplay {
public:
    PrivateDisplay() = default;
    ~PrivateDisplay();
    PrivateDisplay(const PrivateDisplay &) = delete;
    PrivateDisplay &operator=(const PrivateDisplay &) = delete;

    /// Starts Xvfb on a free display (no window manager); true once it accepts clients.
    bool start();
    /// ":<number>" once started.
    QString name() const { return m_name; }
    /// Makes DISPLAY name this server for the test and the programs it starts, until end().
    void makeCurrent();
    /// Runs an outside tool on this display.
    ToolResult runTool(const QString &program, const QStringList &arguments, int timeoutMs = 10000) const;
    /// Ends the server, as a logout does; DISPLAY names the session's again.
    void end();

private:
    QProcess m_server;
    QString m_name;
    QByteArray m_sessionDisplay;
};

/// The problems a program's standard error reports: sanitizer reports, and Qt messages of warning level or worse
/// (written as "warning: ", "critical: " or "fatal: " under kMessagePattern) that match none of the expected ones.
QStringList reportedProblems(const QByteArray &standardError, const QList<QRegularExpression> &expected);
/// A control of a running program as a screen reader finds it over AT-SPI, by its accessible name: its place on the
/// screen, or an empty rectangle while no such control is shown. With press, its first action is done too (a button
/// is pressed as by a screen reader's user).
QRect accessibleControl(qint64 pid, const QString &name, bool press = false);
/// The name of the program's control that has the keyboard focus; empty when none has it.
QString focusedControl(qint64 pid);
/// The accessible description of such a control; empty when it has none or is not shown.
QString accessibleDescription(qint64 pid, const QString &name);
/// Clicks the middle of a rectangle of the screen with the pointer; false when xdotool failed.
bool clickAt(const QRect &area);

/// The message pattern the program runs with, so that its Qt messages can be told from other output.
inline constexpr const char *kMessagePattern = "%{type}: %{category}: %{message}";

// The real tavrin binary ($TAVRIN_BINARY) as a child process. Its standard error is kept: when the object goes, a
// sanitizer report or a Qt warning there that the test did not expect fails the test.
class TavrinProcess {
public:
    TavrinProcess();
    ~TavrinProcess();

    /// Lets screen readers (and accessibleControl) see the program's controls over AT-SPI; before start.
    void enableAccessibility();
    /// Runs the program on another display than the session's; before start.
    void setDisplay(const QString &display);
    /// Sets a variable of the program's environment (QT_QPA_PLATFORM=wayland, ...); before start.
    void setEnvironmentValue(const QString &name, const QString &value);
    /// Runs the program with a file size limit (ulimit -f) of that many bytes: a write beyond it fails ("File too
    /// large") as on a full disk, for any user. `prlimit --pid` lifts it from outside; before start.
    void limitFileSize(qint64 bytes);
    /// Starts the program; false when it could not start. Where it would find no settings, it finds them holding
    /// only "firstRun" (storeFinishedFirstRun), as after its welcome steps, unless the test wants a first run.
    bool start(const QStringList &arguments = {});
    /// Starts another program of ours in the program's place (the login launcher), with the same environment and the
    /// same checks of its standard error; programs it starts write there too.
    bool startProgram(const QString &program, const QStringList &arguments = {});
    /// The next start finds no settings written for it: the program's first run, with its welcome steps.
    void startAsFirstRun() { m_firstRun = true; }
    /// True once one of the program's windows is mapped on the display (it is up and running).
    bool waitUntilRunning(int timeoutMs = 10000);
    /// Starts the program and waits until its monitor runs: the first showing of the list saves the history once.
    bool startAndWaitForMonitor();
    /// Sends SIGTERM and waits for the exit; false when it did not end in time.
    bool terminate(int timeoutMs = 10000);
    /// Waits for the program to end by itself; false when it did not end in time.
    bool waitForExit(int timeoutMs = 10000);
    bool isRunning() const;
    int exitCode() const { return m_process.exitCode(); }
    QProcess::ExitStatus exitStatus() const { return m_process.exitStatus(); }
    /// Everything written to standard output so far.
    QByteArray output();
    /// Everything written to standard error so far.
    QByteArray errorOutput();
    /// A Qt warning the test provokes on purpose, matched against "type: category: message".
    void expectWarning(const QString &pattern);
    qint64 pid() const { return m_process.processId(); }

private:
    QProcess m_process;
    QByteArray m_output;
    QByteArray m_errors;
    QList<QRegularExpression> m_expected;
    bool m_firstRun = false;
};

}  // namespace tavrin::e2e
