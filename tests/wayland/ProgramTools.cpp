// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgramTools.h"

#include "WaylandTools.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTest>

namespace tavrin::wayland {

e2e::ToolResult runTavrin(const QStringList &arguments, const QProcessEnvironment &environment)
{
    QProcess process;
    if (!environment.isEmpty())
        process.setProcessEnvironment(environment);
    process.start(qEnvironmentVariable("TAVRIN_BINARY"), arguments);
    e2e::ToolResult result;
    if (!process.waitForFinished(30000)) {
        process.kill();
        process.waitForFinished();
        return result;
    }
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.out = process.readAllStandardOutput();
    result.err = process.readAllStandardError();
    if (const QStringList problems = e2e::reportedProblems(result.err, {}); !problems.isEmpty())
        qWarning("tavrin %s reported: %s", qPrintable(arguments.join(QLatin1Char(' '))),
                 qPrintable(problems.join(QLatin1Char('\n'))));
    return result;
}

QList<Listed> history()
{
    const e2e::ToolResult result = runTavrin({QStringLiteral("list"), QStringLiteral("--json")});
    QList<Listed> entries;
    if (result.exitCode != 0)
        return entries;
    for (const auto &value : QJsonDocument::fromJson(result.out).array()) {
        const QJsonObject entry = value.toObject();
        entries.append(
            {entry.value(QStringLiteral("kind")).toString(), entry.value(QStringLiteral("text")).toString()});
    }
    return entries;
}

QString topText()
{
    const QList<Listed> entries = history();
    return entries.isEmpty() ? QString() : entries.constFirst().text;
}

QByteArray fileText(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

int pasteTenCopiesWithTheCommand(const QString &output, const QString &tag)
{
    QByteArray expected = fileText(output);
    int arrived = 0;
    for (int i = 1; i <= 10; ++i) {
        const QString entry = QStringLiteral("%1 %2 ✓ ").arg(tag).arg(i);
        copyWithWlCopy(entry.toUtf8());
        if (!QTest::qWaitFor([&] { return topText() == entry; }, 5000)) {
            qWarning("copy %d was not recorded", i);
            continue;
        }
        if (runTavrin({QStringLiteral("paste"), QStringLiteral("1")}).exitCode != 0)
            continue;
        expected += entry.toUtf8();
        arrived += waitForPaste(output, expected, i) ? 1 : 0;
    }
    return arrived;
}

int pasteTenCopiesFromTheList(const QString &output, const QString &tag, const Desk &desk)
{
    QByteArray expected = fileText(output);
    int arrived = 0;
    for (int i = 1; i <= 10; ++i) {
        const QString entry = QStringLiteral("%1 %2 ✓ ").arg(tag).arg(i);
        copyWithWlCopy(entry.toUtf8());
        if (!QTest::qWaitFor([&] { return topText() == entry; }, 5000)) {
            qWarning("copy %d was not recorded", i);
            continue;
        }
        if (runTavrin({QStringLiteral("show")}).exitCode != 0 || !QTest::qWaitFor(desk.listHasFocus, 10000) ||
            !desk.press(QKeyCombination(Qt::Key_Return))) {
            qWarning("the list did not open for paste %d", i);
            continue;
        }
        expected += entry.toUtf8();
        arrived += waitForPaste(output, expected, i) ? 1 : 0;
        if (!QTest::qWaitFor(desk.targetHasFocus, 5000))
            qWarning("the window did not get the focus back after paste %d", i);
    }
    return arrived;
}

bool waitForPaste(const QString &output, QByteArray &expected, int attempt)
{
    if (QTest::qWaitFor([&] { return fileText(output) == expected; }, 5000))
        return true;
    qWarning("paste %d did not arrive: the window holds \"%s\"", attempt, fileText(output).constData());
    expected = fileText(output);
    return false;
}

}  // namespace tavrin::wayland
