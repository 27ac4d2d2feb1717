// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QTemporaryDir>

namespace tavrin::test {

// Points XDG_CONFIG_HOME and XDG_DATA_HOME at a fresh temporary folder for one test and restores them after.
class TestDirs {
public:
    TestDirs();
    ~TestDirs();
    TestDirs(const TestDirs &) = delete;
    TestDirs &operator=(const TestDirs &) = delete;

    QString root() const { return m_dir.path(); }
    QString configHome() const { return m_dir.path() + QStringLiteral("/config"); }
    QString dataHome() const { return m_dir.path() + QStringLiteral("/data"); }
    /// Where the program keeps its lists: dataHome()/tavrin.
    QString documents() const { return dataHome() + QStringLiteral("/tavrin"); }
    QString settingsPath() const { return configHome() + QStringLiteral("/tavrin/settings.plist"); }

private:
    QTemporaryDir m_dir;
    QByteArray m_oldConfig;
    QByteArray m_oldData;
};

/// Runs a program with arguments and returns its standard output; fails the test on a non-zero exit.
QByteArray runProgram(const QString &program, const QStringList &arguments, int timeoutMs = 30000);

/// Writes bytes to a file, creating its folder.
void writeFile(const QString &path, const QByteArray &bytes);
QByteArray readFile(const QString &path);

/// A file of tests/data.
QString testDataPath(const QString &name);
/// One entry of a settings file as its bytes stand: the line of its key up to the next key or the end of the
/// dictionary. Empty when the key is not there.
QByteArray settingsEntry(const QByteArray &file, const QString &key);

}  // namespace tavrin::test
