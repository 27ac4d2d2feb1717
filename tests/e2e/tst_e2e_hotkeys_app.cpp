// The real binary registers the stored shortcuts at launch and answers them.
#include "E2e.h"
#include "X11Keyboard.h"

#include <QDir>
#include <QTest>

using namespace tavrin;

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
        QVERIFY(!tavrin.output().contains("Pressed at "));

        QCOMPARE(
            e2e::runTool(QStringLiteral("xdotool"), {QStringLiteral("key"), QStringLiteral("ctrl+shift+v")}).exitCode,
            0);
        QTRY_VERIFY_WITH_TIMEOUT(tavrin.output().contains("Pressed at "), 5000);
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
        tavrin.expectWarning(QStringLiteral("^warning: tavrin.hotkeys: the shortcut \\(key code 9, modifiers 0x300\\) "
                                            "cannot be registered"));
        tavrin.expectWarning(QStringLiteral(
            "^warning: tavrin.app: a shortcut does not work: Ctrl\\+Shift\\+V is taken by another program"));
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
