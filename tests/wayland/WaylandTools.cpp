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

std::unique_ptr<QProcess> startPasteTarget(const QString &output)
{
    auto process = std::make_unique<QProcess>();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("wayland"));
    process->setProcessEnvironment(environment);
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    process->start(qEnvironmentVariable("TAVRIN_PASTE_TARGET"), {output});
    if (!process->waitForStarted(5000))
        return nullptr;
    return process;
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
