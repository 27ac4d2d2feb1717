#include "E2e.h"

#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QTest>

#include <csignal>

namespace tavrin::e2e {

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

QString configHome()
{
    return qEnvironmentVariable("XDG_CONFIG_HOME");
}

QString dataHome()
{
    return qEnvironmentVariable("XDG_DATA_HOME");
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

TavrinProcess::TavrinProcess()
{
    m_process.setProcessChannelMode(QProcess::SeparateChannels);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    m_process.setProcessEnvironment(env);
}

TavrinProcess::~TavrinProcess()
{
    if (isRunning()) {
        m_process.kill();
        m_process.waitForFinished(5000);
    }
}

bool TavrinProcess::start(const QStringList &arguments)
{
    m_process.start(qEnvironmentVariable("TAVRIN_BINARY"), arguments);
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

bool TavrinProcess::terminate(int timeoutMs)
{
    if (!isRunning())
        return true;
    ::kill(pid_t(pid()), SIGTERM);
    return m_process.waitForFinished(timeoutMs);
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

}  // namespace tavrin::e2e
