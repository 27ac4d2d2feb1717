// SPDX-License-Identifier: GPL-3.0-or-later
#include "E2e.h"
#include "TestDirs.h"

#include <QDir>
#include <QTest>

using namespace tavrin;

namespace {

const QByteArray kHistory("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                          "<!DOCTYPE plist PUBLIC \"-//Apple//DTD PLIST 1.0//EN\" "
                          "\"http://www.apple.com/DTDs/PropertyList-1.0.dtd\">\n"
                          "<plist version=\"1.0\">\n<array>\n\t<string>pinned</string>\n\t<string>second</string>\n"
                          "</array>\n</plist>\n");

}  // namespace

class TestE2eStartup : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { e2e::forgetStoredState(); }

    void startsWithItsStoredStateAndQuitsCleanlyOnSigterm()
    {
        test::writeFile(e2e::historyPath(), kHistory);
        const QByteArray settings =
            QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\">\n<dict>\n"
                           "\t<key>TotalPinCount</key>\n\t<integer>1</integer>\n"
                           "\t<key>firstRun</key>\n\t<integer>1</integer>\n"
                           "\t<key>userdefaultsCopiedPath</key>\n\t<string>%1</string>\n</dict>\n</plist>\n")
                .arg(e2e::historyPath())
                .toUtf8();
        test::writeFile(e2e::settingsPath(), settings);

        e2e::TavrinProcess tavrin;
        QVERIFY(tavrin.start());
        QVERIFY(tavrin.waitUntilRunning());
        QVERIFY(tavrin.terminate());
        QCOMPARE(tavrin.exitStatus(), QProcess::NormalExit);
        QCOMPARE(tavrin.exitCode(), 0);
        // Nothing was lost: the history and the pin count are as they were.
        QCOMPARE(test::readFile(e2e::historyPath()), kHistory);
        QVERIFY(test::readFile(e2e::settingsPath()).contains("<key>TotalPinCount</key>\n\t<integer>1</integer>"));
    }

    void aStartAndQuitWriteNothingToStandardOutputAndNameTheCategoryOfEveryLogLine()
    {
        e2e::TavrinProcess tavrin;
        // The program's own message pattern, not the harness's.
        tavrin.setEnvironmentValue(QStringLiteral("QT_MESSAGE_PATTERN"), QString());
        QVERIFY(tavrin.start());
        QVERIFY(tavrin.waitUntilRunning());
        QVERIFY(tavrin.terminate());
        QCOMPARE(tavrin.exitCode(), 0);
        QCOMPARE(tavrin.output(), QByteArray());
        const QList<QByteArray> lines = tavrin.errorOutput().trimmed().split('\n');
        // At least the backend's choice and what this desktop allows are logged.
        QVERIFY2(lines.size() >= 5, tavrin.errorOutput().constData());
        static const QRegularExpression categorised(QStringLiteral("^(tavrin|qt|default)(\\.[\\w-]+)*: \\S"));
        for (const QByteArray &line : lines)
            QVERIFY2(categorised.match(QString::fromUtf8(line)).hasMatch(), line.constData());
    }

    void theHarnessTellsSanitizerReportsAndUnexpectedWarningsFromOtherOutput()
    {
        const QByteArray standardError = "Tavrin: this desktop shows no tray; open the list with its shortcut\n"
                                         "info: tavrin.x11: sounds cannot be played: no device\n"
                                         "warning: tavrin.x11: the clipboard's owner did not answer TARGETS\n"
                                         "warning: qt.qpa.xcb: QXcbConnection: XCB error: 3 (BadWindow)\n"
                                         "src/x.cpp:12:5: runtime error: signed integer overflow\n"
                                         "==42==ERROR: AddressSanitizer: heap-use-after-free on address\n";
        const QStringList problems =
            e2e::reportedProblems(standardError, {QRegularExpression(QStringLiteral("did not answer TARGETS"))});
        QCOMPARE(problems.size(), 3);
        QVERIFY(problems.at(0).contains(QStringLiteral("BadWindow")));
        QVERIFY(problems.at(1).contains(QStringLiteral("runtime error")));
        QVERIFY(problems.at(2).contains(QStringLiteral("AddressSanitizer")));
        QVERIFY(e2e::reportedProblems("fatal: default: gone\n", {}).size() == 1);
    }

    void aDamagedSettingsFileIsKeptAndTheProgramStillStarts()
    {
        test::writeFile(e2e::settingsPath(), QByteArray("\x00\x01garbage<dict>", 15));
        e2e::TavrinProcess tavrin;
        tavrin.expectWarning(QStringLiteral("^warning: tavrin\\.store: cannot read the settings in .*; kept as "));
        QVERIFY(tavrin.start());
        QVERIFY(tavrin.waitUntilRunning());
        QVERIFY(tavrin.terminate());
        QCOMPARE(tavrin.exitCode(), 0);
        const QStringList aside =
            QDir(e2e::configHome() + QStringLiteral("/tavrin")).entryList({QStringLiteral("settings.plist.damaged-*")});
        QCOMPARE(aside.size(), 1);
    }
};

QTEST_GUILESS_MAIN(TestE2eStartup)
#include "tst_e2e_startup.moc"
