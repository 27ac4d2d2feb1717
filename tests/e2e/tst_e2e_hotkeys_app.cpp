// SPDX-License-Identifier: GPL-3.0-or-later
// The real binary registers the stored shortcuts at launch and answers them.
#include "E2e.h"
#include "TestDirs.h"
#include "X11Keyboard.h"

#include <QDir>
#include <QTest>

using namespace tavrin;

namespace {

bool press(const QString &keys)
{
    return e2e::runTool(QStringLiteral("xdotool"), {QStringLiteral("key"), keys}).exitCode == 0;
}

// True while the sequential paste queue is on screen (found as a screen reader finds it).
bool queueShown(qint64 pid)
{
    return !e2e::accessibleControl(pid, QStringLiteral("Queued entries")).isEmpty();
}

const QStringList kShortcutKeys = {
    QStringLiteral("userdefaults_shortcutKey"),         QStringLiteral("userdefaults_shortcutflag"),
    QStringLiteral("userdefaults_sequentialtoggleKey"), QStringLiteral("userdefaults_sequentialtoggleflag"),
    QStringLiteral("userdefaults_sequentialPasteKey"),  QStringLiteral("userdefaults_sequentialPasteflag")};

}  // namespace

class TestE2eHotKeysApp : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { e2e::forgetStoredState(); }

    void theStoredQuickAccessShortcutOpensTheList()
    {
        e2e::storeRecordedQuickAccessShortcut();
        e2e::TavrinProcess tavrin;
        QVERIFY(tavrin.start());
        QVERIFY(tavrin.waitUntilRunning());
        // The launch shows the list; a click elsewhere hides it, and the shortcut brings it back.
        QTRY_VERIFY_WITH_TIMEOUT(e2e::shownListWindow(tavrin.pid()) != 0, 5000);
        e2e::clickOnDesktop();
        QTRY_COMPARE_WITH_TIMEOUT(e2e::shownListWindow(tavrin.pid()), quint64(0), 5000);

        QVERIFY(press(QStringLiteral("ctrl+shift+v")));
        QTRY_VERIFY_WITH_TIMEOUT(e2e::shownListWindow(tavrin.pid()) != 0, 5000);
        QVERIFY(tavrin.terminate());
        QCOMPARE(tavrin.exitCode(), 0);
    }

    void aShortcutAnotherClientHoldsLeavesTheProgramRunning()
    {
        e2e::storeRecordedQuickAccessShortcut();
        e2e::OtherClientGrab other;
        QVERIFY(other.start('v', 0x4 | 0x1));  // Control+Shift
        e2e::TavrinProcess tavrin;
        tavrin.expectWarning(QStringLiteral("^warning: tavrin.hotkeys: the quick-access shortcut is not registered: "
                                            "Ctrl\\+Shift\\+V is taken by another program\\.$"));
        QVERIFY(tavrin.start());
        QVERIFY(tavrin.waitUntilRunning());
        QVERIFY(press(QStringLiteral("ctrl+shift+v")));
        // The other client has the key.
        QVERIFY(other.waitForPress());
        QVERIFY(tavrin.isRunning());
        QVERIFY(tavrin.terminate());
        QCOMPARE(tavrin.exitCode(), 0);
    }

    void settingsOfAnOlderTavrinKeepTheirShortcutsAndTheyFire()
    {
        // Shortcuts as an older Tavrin recorded them: Ctrl+Shift+V (quick access), Super+F5 and Ctrl+Alt+Shift+1.
        const QByteArray older =
            test::readFile(test::testDataPath(QStringLiteral("settings-recorded-shortcuts.plist")));
        QVERIFY(!older.isEmpty());
        test::writeFile(e2e::settingsPath(), older);
        e2e::TavrinProcess tavrin;
        tavrin.enableAccessibility();
        QVERIFY(tavrin.start());
        QVERIFY(tavrin.waitUntilRunning());
        // The launch writes the settings again (it adds the paste order); the shortcut values stand as they were.
        QTRY_VERIFY_WITH_TIMEOUT(test::readFile(e2e::settingsPath()).contains("SequentialPasteStayle"), 5000);
        const QByteArray rewritten = test::readFile(e2e::settingsPath());
        for (const QString &key : kShortcutKeys)
            QCOMPARE(test::settingsEntry(rewritten, key), test::settingsEntry(older, key));

        QTRY_VERIFY_WITH_TIMEOUT(e2e::shownListWindow(tavrin.pid()) != 0, 5000);
        e2e::clickOnDesktop();
        QTRY_COMPARE_WITH_TIMEOUT(e2e::shownListWindow(tavrin.pid()), quint64(0), 5000);
        QVERIFY(press(QStringLiteral("ctrl+shift+v")));
        QTRY_VERIFY_WITH_TIMEOUT(e2e::shownListWindow(tavrin.pid()) != 0, 5000);
        // Super+F5 turns sequential paste on: its queue window comes up, and goes with a second press.
        QVERIFY(!queueShown(tavrin.pid()));
        QVERIFY(press(QStringLiteral("super+F5")));
        QTRY_VERIFY_WITH_TIMEOUT(queueShown(tavrin.pid()), 5000);
        QVERIFY(press(QStringLiteral("super+F5")));
        QTRY_VERIFY_WITH_TIMEOUT(!queueShown(tavrin.pid()), 5000);
        QVERIFY(tavrin.terminate());
        QCOMPARE(tavrin.exitCode(), 0);
        const QByteArray afterQuit = test::readFile(e2e::settingsPath());
        for (const QString &key : kShortcutKeys)
            QCOMPARE(test::settingsEntry(afterQuit, key), test::settingsEntry(older, key));
    }
};

QTEST_GUILESS_MAIN(TestE2eHotKeysApp)
#include "tst_e2e_hotkeys_app.moc"
