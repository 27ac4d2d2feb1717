// The real binary registers the stored shortcuts at launch and answers them.
#include "E2e.h"
#include "TestDirs.h"
#include "X11Keyboard.h"

#include <QDir>
#include <QTest>

using namespace tavrin;

namespace {

QString settingsPath()
{
    return e2e::configHome() + QStringLiteral("/tavrin/settings.plist");
}

// Quick access on Command-Shift-V ("V" with Shift and Command, as the recorder stores it).
void storeQuickAccessShortcut()
{
    test::writeFile(settingsPath(),
                    QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\">\n<dict>\n"
                               "\t<key>firstRun</key>\n\t<integer>1</integer>\n"
                               "\t<key>userdefaults_shortcutKey</key>\n\t<string>V</string>\n"
                               "\t<key>userdefaults_shortcutflag</key>\n"
                               "\t<array>\n\t\t<integer>14</integer>\n\t\t<integer>11</integer>\n"
                               "\t</array>\n</dict>\n</plist>\n"));
}

bool placeholderShown()
{
    const e2e::ToolResult found =
        e2e::runTool(QStringLiteral("xdotool"), {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                                 QStringLiteral("--name"), QStringLiteral("^Tavrin$")});
    return found.exitCode == 0 && !found.out.trimmed().isEmpty();
}

}  // namespace

class TestE2eHotKeysApp : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        QDir(e2e::configHome() + QStringLiteral("/tavrin")).removeRecursively();
        QDir(e2e::dataHome() + QStringLiteral("/tavrin")).removeRecursively();
    }

    void theStoredQuickAccessShortcutOpensTheList()
    {
        storeQuickAccessShortcut();
        e2e::TavrinProcess tavrin;
        QVERIFY(tavrin.start());
        QVERIFY(tavrin.waitUntilRunning());
        QVERIFY(!placeholderShown());
        QVERIFY(!tavrin.output().contains("Pressed at "));

        QCOMPARE(
            e2e::runTool(QStringLiteral("xdotool"), {QStringLiteral("key"), QStringLiteral("ctrl+shift+v")}).exitCode,
            0);
        QTRY_VERIFY_WITH_TIMEOUT(tavrin.output().contains("Pressed at "), 5000);
        QTRY_VERIFY_WITH_TIMEOUT(placeholderShown(), 5000);
        QVERIFY(tavrin.terminate());
        QCOMPARE(tavrin.exitCode(), 0);
    }

    void aShortcutAnotherClientHoldsLeavesTheProgramRunning()
    {
        storeQuickAccessShortcut();
        e2e::OtherClientGrab other;
        QVERIFY(other.start('v', 0x4 | 0x1));  // Control+Shift
        e2e::TavrinProcess tavrin;
        QVERIFY(tavrin.start());
        QVERIFY(tavrin.waitUntilRunning());
        e2e::runTool(QStringLiteral("xdotool"), {QStringLiteral("key"), QStringLiteral("ctrl+shift+v")});
        QTest::qWait(300);  // the other client has the key; there is nothing to wait for
        QVERIFY(!tavrin.output().contains("Pressed at "));
        QVERIFY(tavrin.isRunning());
        QVERIFY(tavrin.terminate());
        QCOMPARE(tavrin.exitCode(), 0);
    }
};

QTEST_GUILESS_MAIN(TestE2eHotKeysApp)
#include "tst_e2e_hotkeys_app.moc"
