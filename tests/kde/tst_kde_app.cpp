// SPDX-License-Identifier: GPL-3.0-or-later
// The real program on a headless KDE Plasma session (KWin 5.27 with the desktop portal, tests/e2e/kde-session.sh),
// started as a user starts it: it records copies made in native Wayland windows; it pastes through the RemoteDesktop
// portal, from its list and with "tavrin paste 1", into a Qt window, a GTK window and foot (Ctrl+Shift+V there, by
// the class KWin reports); and a shortcut recorded in its settings opens the list through
// KGlobalAccel. The test's own keys go through the same portal, as a user's keyboard would press them.
#include "E2e.h"
#include "KWinTools.h"
#include "ProgramTools.h"
#include "WaylandTools.h"
#include "platform/kde/KWinActiveWindow.h"
#include "platform/portal/RemoteDesktopKeyboard.h"

#include <QTemporaryDir>
#include <QTest>

using namespace tavrin;
using namespace tavrin::wayland;

class TestKdeApp : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY2(!qEnvironmentVariableIsEmpty("TAVRIN_BINARY"), "TAVRIN_BINARY names the program");
        QVERIFY(m_dir.isValid());
        e2e::forgetStoredState();
        // An earlier run recorded Ctrl+Alt+V (Option and Command) as the list's shortcut. Not Ctrl+Shift+V: the
        // desktop would take the paste keys of terminals for it.
        e2e::storeRecordedQuickAccessShortcut({13, 11});

        m_output = m_dir.filePath(QStringLiteral("pasted.txt"));
        m_target = startPasteTarget(m_output);
        QVERIFY(m_target);
        QTRY_COMPARE_WITH_TIMEOUT(m_focus.activeWindowClass(), QStringLiteral("tavrin-paste-target"), 10000);
        QTRY_COMPARE_WITH_TIMEOUT(m_keyboard.state(), RemoteDesktopKeyboard::State::Ready, 15000);

        m_tavrin.setEnvironmentValue(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("wayland"));
        QVERIFY(m_tavrin.start());
        QTRY_VERIFY_WITH_TIMEOUT(runTavrin({QStringLiteral("list")}).exitCode == 0, 20000);
        QTRY_VERIFY_WITH_TIMEOUT(m_tavrin.errorOutput().contains("start at login"), 10000);
        // No panel shows a tray here, so the start shows the list; the user clicks back into their window.
        QTRY_VERIFY_WITH_TIMEOUT(ownWindowHasTheFocus(), 10000);
        backToTheTarget();
    }

    void cleanupTestCase()
    {
        if (m_tavrin.isRunning()) {
            QCOMPARE(runTavrin({QStringLiteral("quit")}).exitCode, 0);
            QVERIFY(m_tavrin.waitForExit());
            QCOMPARE(m_tavrin.exitCode(), 0);
        }
    }

    void theLogSaysHowEachFeatureWorksHere()
    {
        const QByteArray log = m_tavrin.errorOutput();
        for (const char *line :
             {"backend: Wayland - the compositor lets programs follow the clipboard (zwlr_data_control_manager_v1)",
              "paste works: keys are typed through the desktop's RemoteDesktop portal (not used: the compositor's "
              "virtual keyboard: the compositor offers no virtual keyboard)",
              "global shortcuts works: KDE's shortcut service takes them"})
            QVERIFY2(log.contains(line), log.constData());
    }

    void aCopyInANativeWaylandWindowIsRecorded()
    {
        // Typed into a GTK window, selected and copied there with its own Ctrl+A and Ctrl+C.
        const QString output = m_dir.filePath(QStringLiteral("copied.txt"));
        {
            const Program gtk = startGtkPasteTarget(output);
            QVERIFY(gtk);
            QTRY_COMPARE_WITH_TIMEOUT(m_focus.activeWindowClass(), QStringLiteral("tavrin-gtk-paste-target"), 10000);
            for (const Qt::Key key : {Qt::Key_K, Qt::Key_D, Qt::Key_E})
                QVERIFY(m_keyboard.typeKeys(QKeyCombination(key)));
            QTRY_COMPARE(fileText(output), QByteArray("kde"));
            QVERIFY(m_keyboard.typeKeys(QKeyCombination(Qt::ControlModifier, Qt::Key_A)));
            QVERIFY(m_keyboard.typeKeys(QKeyCombination(Qt::ControlModifier, Qt::Key_C)));
            QTRY_COMPARE_WITH_TIMEOUT(topText(), QStringLiteral("kde"), 5000);
        }
        // The copy outlives its window: the program offers it again.
        QTRY_COMPARE_WITH_TIMEOUT(pasteWithWlPaste(), QByteArray("kde"), 5000);
        // And one of wl-copy, a Wayland client without a window.
        copyWithWlCopy("copied on KDE ✓");
        QTRY_COMPARE_WITH_TIMEOUT(topText(), QStringLiteral("copied on KDE ✓"), 5000);
        backToTheTarget();
    }

    void pastesFromTheListArriveTenTimesOfTen()
    {
        QCOMPARE(pasteTenCopiesFromTheList(m_output, QStringLiteral("list"),
                                           deskWith(QStringLiteral("tavrin-paste-target"))),
                 10);
    }

    void theCommandPastesIntoAQtWindowTenTimesOfTen()
    {
        backToTheTarget();
        QCOMPARE(pasteTenCopiesWithTheCommand(m_output, QStringLiteral("qt")), 10);
    }

    void theCommandAndTheListPasteIntoAGtkWindowTenTimesOfTen()
    {
        const QString output = m_dir.filePath(QStringLiteral("gtk.txt"));
        const Program gtk = startGtkPasteTarget(output);
        QVERIFY(gtk);
        QTRY_COMPARE_WITH_TIMEOUT(m_focus.activeWindowClass(), QStringLiteral("tavrin-gtk-paste-target"), 10000);
        QCOMPARE(pasteTenCopiesWithTheCommand(output, QStringLiteral("gtk")), 10);
        QCOMPARE(pasteTenCopiesFromTheList(output, QStringLiteral("gtk list"),
                                           deskWith(QStringLiteral("tavrin-gtk-paste-target"))),
                 10);
    }

    void theCommandPastesIntoFootWithCtrlShiftVTenTimesOfTen()
    {
        // KWin tells the program that foot is in front: Ctrl+Shift+V, where Ctrl+V would arrive as the byte 0x16.
        const QString output = m_dir.filePath(QStringLiteral("foot.txt"));
        const Program foot = startFoot(output);
        QVERIFY(foot);
        QTRY_COMPARE_WITH_TIMEOUT(m_focus.activeWindowClass(), QStringLiteral("foot"), 10000);
        QCOMPARE(pasteTenCopiesWithTheCommand(output, QStringLiteral("foot")), 10);
        QCOMPARE(pasteTenCopiesFromTheList(output, QStringLiteral("foot list"), deskWith(QStringLiteral("foot"))), 10);
        QVERIFY(!fileText(output).contains('\x16'));
    }

    void theRecordedShortcutOpensTheList()
    {
        backToTheTarget();
        const QByteArray before = fileText(m_output);
        QVERIFY(m_keyboard.typeKeys(QKeyCombination(Qt::ControlModifier | Qt::AltModifier, Qt::Key_V)));
        QTRY_VERIFY_WITH_TIMEOUT(ownWindowHasTheFocus(), 10000);
        // KDE took the keys for the program: the window in front did not paste.
        QCOMPARE(fileText(m_output), before);
        QVERIFY(m_keyboard.typeKeys(QKeyCombination(Qt::Key_Escape)));
        QTRY_COMPARE_WITH_TIMEOUT(m_focus.activeWindowClass(), QStringLiteral("tavrin-paste-target"), 10000);
    }

private:
    // The program's windows carry its application id, which KWin reports as their class.
    bool ownWindowHasTheFocus() const { return m_focus.activeWindowClass() == QStringLiteral("io.tavrin.Tavrin"); }

    // The user's keyboard is the test's own RemoteDesktop session; KWin's script tells the focus.
    Desk deskWith(const QString &targetClass)
    {
        return {[this](QKeyCombination keys) { return m_keyboard.typeKeys(keys); },
                [this] { return ownWindowHasTheFocus(); },
                [this, targetClass] { return m_focus.activeWindowClass() == targetClass; }};
    }

    void backToTheTarget()
    {
        QVERIFY(kde::activateWindowTitled(QStringLiteral("Paste target")));
        const bool back = QTest::qWaitFor(
            [this] { return m_focus.activeWindowClass() == QStringLiteral("tavrin-paste-target"); }, 10000);
        QVERIFY2(back, qPrintable(QStringLiteral("%1 is still in front; the program's log:\n%2")
                                      .arg(m_focus.activeWindowClass(), QString::fromUtf8(m_tavrin.errorOutput()))));
    }

    QTemporaryDir m_dir;
    QString m_output;
    Program m_target;
    // The test's own view of the focus, beside the program's script.
    KWinActiveWindow m_focus{QDBusConnection::sessionBus(), QStringLiteral("tavrin-test-active-window")};
    RemoteDesktopKeyboard m_keyboard;
    e2e::TavrinProcess m_tavrin;
};

QTEST_MAIN(TestKdeApp)
#include "tst_kde_app.moc"
