// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestDirs.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTest>

namespace tavrin::test {

TestDirs::TestDirs() : m_oldConfig(qgetenv("XDG_CONFIG_HOME")), m_oldData(qgetenv("XDG_DATA_HOME"))
{
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(configHome()));
    qputenv("XDG_DATA_HOME", QFile::encodeName(dataHome()));
}

TestDirs::~TestDirs()
{
    // Read-only folders made by a test would stop the temporary folder from being removed.
    QProcess::execute(QStringLiteral("chmod"), {QStringLiteral("-R"), QStringLiteral("u+rwx"), m_dir.path()});
    qputenv("XDG_CONFIG_HOME", m_oldConfig);
    qputenv("XDG_DATA_HOME", m_oldData);
}

QByteArray runProgram(const QString &program, const QStringList &arguments, int timeoutMs)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished();
        QTest::qFail(qPrintable(QStringLiteral("%1 did not finish").arg(program)), __FILE__, __LINE__);
        return {};
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        const QString message =
            QStringLiteral("%1 failed: %2").arg(program, QString::fromUtf8(process.readAllStandardError()));
        QTest::qFail(qPrintable(message), __FILE__, __LINE__);
        return {};
    }
    return process.readAllStandardOutput();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

QString testDataPath(const QString &name)
{
    return QStringLiteral(TAVRIN_TEST_DATA_DIR "/") + name;
}

QByteArray settingsEntry(const QByteArray &file, const QString &key)
{
    const QByteArray start = "\t<key>" + key.toUtf8() + "</key>\n";
    const qsizetype from = file.indexOf(start);
    if (from < 0)
        return {};
    qsizetype to = file.indexOf("\t<key>", from + start.size());
    if (to < 0)
        to = file.indexOf("</dict>", from);
    return file.mid(from, to < 0 ? -1 : to - from);
}

}  // namespace tavrin::test
