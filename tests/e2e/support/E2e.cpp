// SPDX-License-Identifier: GPL-3.0-or-later
#include "E2e.h"
#include "TestDirs.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTest>

#include <algorithm>
#include <csignal>
#include <sys/resource.h>

namespace tavrin::e2e {

QByteArray bigText(int bytes)
{
    QByteArray text;
    text.reserve(bytes);
    for (int i = 0; text.size() < bytes; ++i)
        text += "line " + QByteArray::number(i) + " of a long clipboard text, with ümlauts\n";
    text.truncate(bytes);
    return text;
}

ToolResult runTool(const QString &program, const QStringList &arguments, int timeoutMs, const QByteArray &input)
{
    QProcess process;
    QStringList wrapped = {QStringLiteral("--kill-after=2"), QString::number(timeoutMs / 1000.0, 'f', 1), program};
    wrapped += arguments;
    process.start(QStringLiteral("timeout"), wrapped);
    if (!process.waitForStarted(5000))
        return {};
    if (!input.isEmpty())
        process.write(input);
    process.closeWriteChannel();
    process.waitForFinished(timeoutMs + 5000);
    return ToolResult{process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
                      process.readAllStandardOutput(), process.readAllStandardError()};
}

ToolResult tavrinCommand(const QStringList &arguments, const QByteArray &input, int timeoutMs)
{
    ToolResult result = runTool(qEnvironmentVariable("TAVRIN_BINARY"), arguments, timeoutMs, input);
    const QStringList problems = reportedProblems(result.err, {});
    if (!problems.isEmpty())
        qWarning("tavrin %s reported: %s", qPrintable(arguments.join(QLatin1Char(' '))),
                 qPrintable(problems.join(QLatin1Char('\n'))));
    return result;
}

QString configHome()
{
    return qEnvironmentVariable("XDG_CONFIG_HOME");
}

QString dataHome()
{
    return qEnvironmentVariable("XDG_DATA_HOME");
}

QString settingsPath()
{
    return configHome() + QStringLiteral("/tavrin/settings.plist");
}

QString historyPath()
{
    return dataHome() + QStringLiteral("/tavrin/myfile.plist");
}

void forgetStoredState()
{
    QDir(configHome() + QStringLiteral("/tavrin")).removeRecursively();
    QDir(dataHome() + QStringLiteral("/tavrin")).removeRecursively();
}

void storeFinishedFirstRun()
{
    test::writeFile(settingsPath(),
                    QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\">\n<dict>\n"
                               "\t<key>firstRun</key>\n\t<integer>1</integer>\n</dict>\n</plist>\n"));
}

void storeRecordedQuickAccessShortcut(const QList<int> &modifierCodes)
{
    QByteArray codes;
    for (const int code : modifierCodes)
        codes += "\t\t<integer>" + QByteArray::number(code) + "</integer>\n";
    test::writeFile(settingsPath(),
                    QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\">\n<dict>\n"
                               "\t<key>firstRun</key>\n\t<integer>1</integer>\n"
                               "\t<key>userdefaults_shortcutKey</key>\n\t<string>V</string>\n"
                               "\t<key>userdefaults_shortcutflag</key>\n"
                               "\t<array>\n") +
                        codes + "\t</array>\n</dict>\n</plist>\n");
}

namespace {

QString xdotool(const QStringList &arguments)
{
    return QString::fromUtf8(runTool(QStringLiteral("xdotool"), arguments).out).trimmed();
}

// The windows of a process that meet every condition; a name pattern goes last.
QList<quint64> windowsOf(qint64 pid, const QStringList &conditions)
{
    QList<quint64> windows;
    const QString found = xdotool(
        QStringList{QStringLiteral("search"), QStringLiteral("--all"), QStringLiteral("--pid"), QString::number(pid)} +
        conditions);
    for (const QString &line : found.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        windows.append(line.toULongLong());
    return windows;
}

quint64 parentWindow(quint64 window)
{
    static const QRegularExpression parent(QStringLiteral("Parent window id: (0x[0-9a-f]+)"));
    const QString tree =
        QString::fromUtf8(runTool(QStringLiteral("xwininfo"),
                                  {QStringLiteral("-children"), QStringLiteral("-id"), QString::number(window)})
                              .out);
    const QRegularExpressionMatch match = parent.match(tree);
    return match.hasMatch() ? match.captured(1).toULongLong(nullptr, 16) : 0;
}

}  // namespace

quint64 activeWindow()
{
    return xdotool({QStringLiteral("getactivewindow")}).toULongLong();
}

QString windowProperty(quint64 window, const QString &name)
{
    const ToolResult result = runTool(QStringLiteral("xprop"), {QStringLiteral("-id"), QString::number(window), name});
    const QString text = QString::fromUtf8(result.out).trimmed();
    return text.contains(QStringLiteral("not found")) ? QString() : text;
}

QRect windowGeometry(quint64 window)
{
    const QString text =
        QString::fromUtf8(runTool(QStringLiteral("xwininfo"), {QStringLiteral("-id"), QString::number(window)}).out);
    auto value = [&text](const QString &label) {
        const QRegularExpression line(QRegularExpression::escape(label) + QStringLiteral(":\\s+(-?\\d+)"));
        return line.match(text).captured(1).toInt();
    };
    return QRect(value(QStringLiteral("Absolute upper-left X")), value(QStringLiteral("Absolute upper-left Y")),
                 value(QStringLiteral("Width")), value(QStringLiteral("Height")));
}

QRect workArea()
{
    const QString text = QString::fromUtf8(
        runTool(QStringLiteral("xprop"), {QStringLiteral("-root"), QStringLiteral("_NET_WORKAREA")}).out);
    const QStringList numbers = text.section(QLatin1Char('='), 1).split(QLatin1Char(','), Qt::SkipEmptyParts);
    if (numbers.size() < 4)
        return {};
    return QRect(numbers.at(0).trimmed().toInt(), numbers.at(1).trimmed().toInt(), numbers.at(2).trimmed().toInt(),
                 numbers.at(3).trimmed().toInt());
}

namespace {

// Qt names the normal type after any other as a fallback, so the first type named is the window's own.
quint64 shownWindowOfType(qint64 pid, const char *type)
{
    const QList<quint64> windows =
        windowsOf(pid, {QStringLiteral("--onlyvisible"), QStringLiteral("--name"), QStringLiteral("^Tavrin$")});
    const QString first = QStringLiteral("_NET_WM_WINDOW_TYPE(ATOM) = ") + QLatin1String(type);
    for (quint64 window : windows) {
        if (windowProperty(window, QStringLiteral("_NET_WM_WINDOW_TYPE")).startsWith(first))
            return window;
    }
    return 0;
}

}  // namespace

quint64 shownListWindow(qint64 pid)
{
    return shownWindowOfType(pid, "_NET_WM_WINDOW_TYPE_UTILITY");
}

quint64 shownMainWindow(qint64 pid)
{
    return shownWindowOfType(pid, "_NET_WM_WINDOW_TYPE_NORMAL");
}

quint64 trayIconWindow(qint64 pid)
{
    for (quint64 window : windowsOf(pid, {})) {
        // The icon sits in a socket window of the tray host, which sits in the host's panel.
        quint64 ancestor = parentWindow(window);
        for (int level = 0; level < 4 && ancestor != 0; ++level) {
            if (windowProperty(ancestor, QStringLiteral("WM_CLASS")).contains(QStringLiteral("\"trayer\"")))
                return window;
            ancestor = parentWindow(ancestor);
        }
    }
    return 0;
}

bool hasTrayIcon(qint64 pid)
{
    return trayIconWindow(pid) != 0;
}

void clickOnDesktop()
{
    // The bottom middle of the screen: new windows open at the top left and the list at the top right.
    const QRect area = workArea();
    xdotool({QStringLiteral("mousemove"), QString::number(area.center().x()), QString::number(area.bottom() - 10),
             QStringLiteral("click"), QStringLiteral("1")});
}

void copyWithXclip(const QByteArray &data, const QString &target)
{
    // xclip forks a server that keeps the selection; its output goes to a file so nothing waits on a pipe.
    QProcess process;
    process.setStandardOutputFile(QStringLiteral("/dev/null"));
    process.setStandardErrorFile(QStringLiteral("/dev/null"));
    process.start(QStringLiteral("xclip"), {QStringLiteral("-selection"), QStringLiteral("clipboard"),
                                            QStringLiteral("-t"), target, QStringLiteral("-i")});
    QVERIFY(process.waitForStarted(5000));
    process.write(data);
    process.closeWriteChannel();
    QVERIFY(process.waitForFinished(10000));
}

ToolResult readWithXclip(const QString &target)
{
    return runTool(QStringLiteral("xclip"), {QStringLiteral("-selection"), QStringLiteral("clipboard"),
                                             QStringLiteral("-t"), target, QStringLiteral("-o")});
}

bool OtherWindow::open(const QString &program, const QStringList &arguments)
{
    if (!start(program, arguments) || !click())
        return false;
    // A click can land while the window manager is still placing the window (it then keeps the focus where it
    // was): ask the window manager directly in that case.
    return QTest::qWaitFor([this] { return activeWindow() == window; }, 5000) || activate();
}

bool OtherWindow::start(const QString &program, const QStringList &arguments)
{
    process.start(program, arguments);
    if (!process.waitForStarted(5000))
        return false;
    // Only a window on screen can take the focus: a window that exists but is not mapped yet would take it later,
    // from whatever the test shows next.
    // xdotool's own --sync gives up, with nothing found, when a window of another program goes away during its
    // search; so the search is repeated here.
    const QStringList search = {QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--pid"),
                                QString::number(process.processId())};
    return QTest::qWaitFor(
        [&] { return (window = xdotool(search).section(QLatin1Char('\n'), 0, 0).toULongLong()) != 0; }, 10000);
}

bool OtherWindow::click() const
{
    const QRect frame = windowGeometry(window);
    return runTool(QStringLiteral("xdotool"),
                   {QStringLiteral("mousemove"), QString::number(frame.center().x()),
                    QString::number(frame.center().y()), QStringLiteral("click"), QStringLiteral("1")})
               .exitCode == 0;
}

bool OtherWindow::activate() const
{
    runTool(QStringLiteral("xdotool"), {QStringLiteral("windowactivate"), QString::number(window)});
    return QTest::qWaitFor([this] { return activeWindow() == window; }, 5000);
}

OtherWindow::~OtherWindow()
{
    process.kill();
    process.waitForFinished(5000);
}

bool PrivateDisplay::start()
{
    // -displayfd picks a free display and writes its number to the descriptor named: standard output. Two servers
    // starting at once can pick the same number, and the later one gives up: start again then. -noreset: without it
    // the server resets when its last client leaves (the check below), and a program connecting meanwhile fails.
    for (int attempt = 0; attempt < 5; ++attempt) {
        m_server.start(QStringLiteral("Xvfb"),
                       {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                        QStringLiteral("0"), QStringLiteral("1024x768x24"), QStringLiteral("-nolisten"),
                        QStringLiteral("tcp"), QStringLiteral("-noreset")});
        if (!m_server.waitForStarted(5000))
            return false;
        QByteArray number;
        while (!number.contains('\n') && m_server.waitForReadyRead(10000))
            number += m_server.readAllStandardOutput();
        const QString display = QStringLiteral(":") + QString::fromLatin1(number.trimmed());
        if (!number.trimmed().isEmpty() && m_server.state() == QProcess::Running &&
            runTool(QStringLiteral("xdpyinfo"), {QStringLiteral("-display"), display}).exitCode == 0) {
            m_name = display;
            return true;
        }
        m_server.kill();
        m_server.waitForFinished(5000);
    }
    return false;
}

void PrivateDisplay::makeCurrent()
{
    if (m_sessionDisplay.isNull())
        m_sessionDisplay = qgetenv("DISPLAY");
    qputenv("DISPLAY", m_name.toLatin1());
}

ToolResult PrivateDisplay::runTool(const QString &program, const QStringList &arguments, int timeoutMs) const
{
    return e2e::runTool(QStringLiteral("env"), QStringList{QStringLiteral("DISPLAY=") + m_name, program} + arguments,
                        timeoutMs);
}

void PrivateDisplay::end()
{
    m_server.kill();
    m_server.waitForFinished(5000);
    if (m_sessionDisplay.isNull())
        return;
    qputenv("DISPLAY", m_sessionDisplay);
    m_sessionDisplay.clear();
}

PrivateDisplay::~PrivateDisplay()
{
    end();
}

QStringList reportedProblems(const QByteArray &standardError, const QList<QRegularExpression> &expected)
{
    static const QRegularExpression sanitizer(
        QStringLiteral("AddressSanitizer|LeakSanitizer|ThreadSanitizer|UndefinedBehaviorSanitizer|runtime error:"));
    static const QRegularExpression qtWarning(QStringLiteral("^(warning|critical|fatal): "));
    QStringList problems;
    for (const QByteArray &raw : standardError.split('\n')) {
        const QString line = QString::fromUtf8(raw);
        if (line.contains(sanitizer)) {
            problems.append(line);
        } else if (line.contains(qtWarning)) {
            const bool isExpected = std::any_of(expected.begin(), expected.end(),
                                                [&line](const QRegularExpression &e) { return line.contains(e); });
            if (!isExpected)
                problems.append(line);
        }
    }
    return problems;
}

TavrinProcess::TavrinProcess()
{
    m_process.setProcessChannelMode(QProcess::SeparateChannels);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    env.insert(QStringLiteral("QT_MESSAGE_PATTERN"), QString::fromLatin1(kMessagePattern));
    // A sanitizer report ends the program, and says where.
    env.insert(QStringLiteral("UBSAN_OPTIONS"), QStringLiteral("print_stacktrace=1:halt_on_error=1"));
    m_process.setProcessEnvironment(env);
}

void TavrinProcess::enableAccessibility()
{
    QProcessEnvironment env = m_process.processEnvironment();
    env.insert(QStringLiteral("QT_LINUX_ACCESSIBILITY_ALWAYS_ON"), QStringLiteral("1"));
    m_process.setProcessEnvironment(env);
}

namespace {
// The script's two lines: the place, and the description.
QStringList findAccessible(qint64 pid, const QString &name, bool press)
{
    QStringList arguments = {QString::number(pid), name};
    if (press)
        arguments << QStringLiteral("press");
    const ToolResult found = runTool(QStringLiteral(TAVRIN_E2E_SUPPORT_DIR "/accessible.py"), arguments, 20000);
    if (found.exitCode != 0)
        return {};
    return QString::fromUtf8(found.out).split(u'\n');
}
}  // namespace

QString focusedControl(qint64 pid)
{
    const ToolResult found = runTool(QStringLiteral(TAVRIN_E2E_SUPPORT_DIR "/accessible.py"),
                                     {QString::number(pid), QStringLiteral("--focused")}, 20000);
    return found.exitCode == 0 ? QString::fromUtf8(found.out).trimmed() : QString();
}

QString accessibleDescription(qint64 pid, const QString &name)
{
    return findAccessible(pid, name, false).value(1);
}

QRect accessibleControl(qint64 pid, const QString &name, bool press)
{
    const QStringList numbers = findAccessible(pid, name, press).value(0).simplified().split(u' ');
    if (numbers.size() != 4)
        return {};
    return QRect(numbers.at(0).toInt(), numbers.at(1).toInt(), numbers.at(2).toInt(), numbers.at(3).toInt());
}

bool clickAt(const QRect &area)
{
    const QPoint centre = area.center();
    return runTool(QStringLiteral("xdotool"),
                   {QStringLiteral("mousemove"), QString::number(centre.x()), QString::number(centre.y()),
                    QStringLiteral("click"), QStringLiteral("1")})
               .exitCode == 0;
}

TavrinProcess::~TavrinProcess()
{
    if (isRunning()) {
        m_process.kill();
        m_process.waitForFinished(5000);
    }
    const QStringList problems = reportedProblems(errorOutput(), m_expected);
    if (!problems.isEmpty()) {
        const QByteArray message = "the program reported on its standard error:\n" + problems.join('\n').toUtf8() +
                                   "\n--- its whole standard error:\n" + m_errors;
        QTest::qFail(message.constData(), __FILE__, __LINE__);
    }
}

bool TavrinProcess::start(const QStringList &arguments)
{
    // Commands (arguments) never read the settings; only a start of the program itself meets the first run.
    if (!m_firstRun && arguments.isEmpty() && !QFileInfo::exists(settingsPath()))
        storeFinishedFirstRun();
    m_process.start(qEnvironmentVariable("TAVRIN_BINARY"), arguments);
    return m_process.waitForStarted(10000);
}

bool TavrinProcess::startProgram(const QString &program, const QStringList &arguments)
{
    m_process.start(program, arguments);
    return m_process.waitForStarted(10000);
}

bool TavrinProcess::waitUntilRunning(int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    const QString pidText = QString::number(pid());
    while (clock.elapsed() < timeoutMs && isRunning()) {
        const ToolResult found =
            runTool(QStringLiteral("xdotool"), {QStringLiteral("search"), QStringLiteral("--pid"), pidText});
        if (found.exitCode == 0 && !found.out.trimmed().isEmpty())
            return true;
        QTest::qWait(50);
    }
    return false;
}

bool TavrinProcess::startAndWaitForMonitor()
{
    return start() && waitUntilRunning() && QTest::qWaitFor([] { return QFileInfo::exists(historyPath()); }, 5000);
}

bool TavrinProcess::terminate(int timeoutMs)
{
    if (!isRunning())
        return true;
    ::kill(pid_t(pid()), SIGTERM);
    return m_process.waitForFinished(timeoutMs);
}

bool TavrinProcess::waitForExit(int timeoutMs)
{
    return !isRunning() || m_process.waitForFinished(timeoutMs);
}

bool TavrinProcess::isRunning() const
{
    return m_process.state() != QProcess::NotRunning;
}

QByteArray TavrinProcess::output()
{
    m_output += m_process.readAllStandardOutput();
    return m_output;
}

QByteArray TavrinProcess::errorOutput()
{
    m_errors += m_process.readAllStandardError();
    return m_errors;
}

void TavrinProcess::expectWarning(const QString &pattern)
{
    m_expected.append(QRegularExpression(pattern));
}

void TavrinProcess::setDisplay(const QString &display)
{
    setEnvironmentValue(QStringLiteral("DISPLAY"), display);
}

void TavrinProcess::limitFileSize(qint64 bytes)
{
    m_process.setChildProcessModifier([bytes] {
        // Between fork and exec: only the soft limit, so that the test can lift it again.
        rlimit limit{};
        ::getrlimit(RLIMIT_FSIZE, &limit);
        limit.rlim_cur = rlim_t(bytes);
        ::setrlimit(RLIMIT_FSIZE, &limit);
    });
}

void TavrinProcess::setEnvironmentValue(const QString &name, const QString &value)
{
    QProcessEnvironment env = m_process.processEnvironment();
    env.insert(name, value);
    m_process.setProcessEnvironment(env);
}

}  // namespace tavrin::e2e
