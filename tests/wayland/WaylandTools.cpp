// SPDX-License-Identifier: GPL-3.0-or-later
#include "WaylandTools.h"

#include "E2e.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTest>

#include <functional>

namespace tavrin::wayland {

void copyWithWlCopy(const QByteArray &data, const QString &type)
{
    // The server wl-copy leaves behind keeps its output open: send it to /dev/null so nothing waits on a pipe.
    QProcess process;
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    QStringList arguments;
    if (!type.isEmpty())
        arguments << QStringLiteral("--type") << type;
    process.start(QStringLiteral("wl-copy"), arguments);
    QVERIFY(process.waitForStarted(5000));
    process.write(data);
    process.closeWriteChannel();
    QVERIFY(process.waitForFinished(10000));
    QCOMPARE(process.exitCode(), 0);
}

std::unique_ptr<QProcess> startForegroundCopy(const QByteArray &data)
{
    auto process = std::make_unique<QProcess>();
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    process->start(QStringLiteral("wl-copy"), {QStringLiteral("--foreground")});
    if (!process->waitForStarted(5000))
        return nullptr;
    process->write(data);
    process->closeWriteChannel();
    return process;
}

void ProgramStopper::operator()(QProcess *process) const
{
    if (process->state() != QProcess::NotRunning) {
        process->terminate();
        if (!process->waitForFinished(5000)) {
            process->kill();
            process->waitForFinished(5000);
        }
    }
    delete process;
}

namespace {
Program startOnTheCompositor(const QString &program, const QStringList &arguments,
                             const QProcessEnvironment &environment)
{
    Program process(new QProcess);
    process->setProcessEnvironment(environment);
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    process->start(program, arguments);
    if (!process->waitForStarted(5000))
        return nullptr;
    return process;
}
}  // namespace

Program startPasteTarget(const QString &output)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("wayland"));
    return startOnTheCompositor(qEnvironmentVariable("TAVRIN_PASTE_TARGET"), {output}, environment);
}

Program startGtkPasteTarget(const QString &output)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("GDK_BACKEND"), QStringLiteral("wayland"));
    return startOnTheCompositor(QStringLiteral(TAVRIN_E2E_SUPPORT_DIR "/gtk-paste-target.py"), {output}, environment);
}

Program startFoot(const QString &output)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (!qEnvironmentVariableIsEmpty("TAVRIN_FOOT_PRELOAD"))
        environment.insert(QStringLiteral("LD_PRELOAD"), qEnvironmentVariable("TAVRIN_FOOT_PRELOAD"));
    // Raw mode: each byte reaches the program as it is typed or pasted, with no echo and no line editing.
    const QString program = QStringLiteral("stty raw -echo && exec cat > '%1'").arg(output);
    return startOnTheCompositor(QStringLiteral("foot"),
                                {QStringLiteral("--title=foot"), QStringLiteral("sh"), QStringLiteral("-c"), program},
                                environment);
}

QByteArray pasteWithWlPaste(const QString &type, bool primary)
{
    QStringList arguments = {QStringLiteral("--no-newline")};
    if (!type.isEmpty())
        arguments << QStringLiteral("--type") << type;
    if (primary)
        arguments << QStringLiteral("--primary");
    const e2e::ToolResult result = e2e::runTool(QStringLiteral("wl-paste"), arguments);
    return result.exitCode == 0 ? result.out : QByteArray();
}

QStringList clipboardTypes()
{
    const e2e::ToolResult result = e2e::runTool(QStringLiteral("wl-paste"), {QStringLiteral("--list-types")});
    return QString::fromUtf8(result.out).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

}  // namespace tavrin::wayland

namespace tavrin::wayland {

namespace {
// Calls the function for every window in sway's tree (tiled and floating), with its node.
void forEachWindow(const QJsonObject &node, const std::function<void(const QJsonObject &)> &call)
{
    const QString type = node.value(QStringLiteral("type")).toString();
    if (type == QLatin1String("con") || type == QLatin1String("floating_con"))
        call(node);
    for (const char *children : {"nodes", "floating_nodes"}) {
        for (const auto &child : node.value(QLatin1String(children)).toArray())
            forEachWindow(child.toObject(), call);
    }
}

QJsonObject swayTree()
{
    const e2e::ToolResult tree =
        e2e::runTool(QStringLiteral("swaymsg"), {QStringLiteral("-t"), QStringLiteral("get_tree")});
    return QJsonDocument::fromJson(tree.out).object();
}
}  // namespace

QString focusedWindowTitle()
{
    QString title;
    forEachWindow(swayTree(), [&title](const QJsonObject &window) {
        if (window.value(QStringLiteral("focused")).toBool())
            title = window.value(QStringLiteral("name")).toString();
    });
    return title;
}

QStringList floatingWindowTitles()
{
    QStringList titles;
    forEachWindow(swayTree(), [&titles](const QJsonObject &window) {
        if (window.value(QStringLiteral("type")) == QStringLiteral("floating_con"))
            titles.append(window.value(QStringLiteral("name")).toString());
    });
    return titles;
}

bool focusWindowTitled(const QString &title)
{
    // A title is a regular expression for sway; ours hold no special characters but may hold spaces.
    const QString criteria = QStringLiteral("[title=\"^%1$\"] focus").arg(QRegularExpression::escape(title));
    return e2e::runTool(QStringLiteral("swaymsg"), {criteria}).exitCode == 0;
}

}  // namespace tavrin::wayland
