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

QString settingsPath()
{
    return e2e::configHome() + QStringLiteral("/tavrin/settings.plist");
}

QString historyPath()
{
    return e2e::dataHome() + QStringLiteral("/tavrin/myfile.plist");
}

}  // namespace

class TestE2eStartup : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        QDir(e2e::configHome() + QStringLiteral("/tavrin")).removeRecursively();
        QDir(e2e::dataHome() + QStringLiteral("/tavrin")).removeRecursively();
    }

    void startsWithItsStoredStateAndQuitsCleanlyOnSigterm()
    {
        test::writeFile(historyPath(), kHistory);
        const QByteArray settings =
            QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\">\n<dict>\n"
                           "\t<key>TotalPinCount</key>\n\t<integer>1</integer>\n"
                           "\t<key>firstRun</key>\n\t<integer>1</integer>\n"
                           "\t<key>userdefaultsCopiedPath</key>\n\t<string>%1</string>\n</dict>\n</plist>\n")
                .arg(historyPath())
                .toUtf8();
        test::writeFile(settingsPath(), settings);

        e2e::TavrinProcess tavrin;
        QVERIFY(tavrin.start());
        QVERIFY(tavrin.waitUntilRunning());
        QVERIFY(tavrin.terminate());
        QCOMPARE(tavrin.exitStatus(), QProcess::NormalExit);
        QCOMPARE(tavrin.exitCode(), 0);
        QVERIFY(tavrin.output().contains("terminate"));
        // Nothing was lost: the history and the pin count are as they were.
        QCOMPARE(test::readFile(historyPath()), kHistory);
        QVERIFY(test::readFile(settingsPath()).contains("<key>TotalPinCount</key>\n\t<integer>1</integer>"));
    }

    void aDamagedSettingsFileIsKeptAndTheProgramStillStarts()
    {
        test::writeFile(settingsPath(), QByteArray("\x00\x01garbage<dict>", 15));
        e2e::TavrinProcess tavrin;
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
