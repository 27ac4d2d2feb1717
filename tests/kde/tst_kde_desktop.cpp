// SPDX-License-Identifier: GPL-3.0-or-later
// What KDE Plasma offers a Wayland program, against a real headless KWin 5.27 and the real desktop portal
// (tests/e2e/kde-session.sh): keys typed through the RemoteDesktop portal into windows of other programs, global
// shortcuts through KGlobalAccel (pressed through the same portal, as a user's keyboard presses them), and the
// focused window's class through a KWin script.
#include "E2e.h"
#include "ProgramTools.h"
#include "WaylandTools.h"
#include "platform/kde/KGlobalAccelShortcuts.h"
#include "platform/kde/KWinActiveWindow.h"
#include "platform/portal/RemoteDesktopKeyboard.h"
#include "platform/wayland/WaylandCapabilities.h"
#include "platform/wayland/WaylandClipboard.h"
#include "platform/wayland/WaylandWorkspace.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QFile>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

using namespace tavrin;
using namespace tavrin::wayland;

class TestKdeDesktop : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY2(!qEnvironmentVariableIsEmpty("TAVRIN_PASTE_TARGET"), "TAVRIN_PASTE_TARGET names the test window");
        QVERIFY(m_dir.isValid());
    }

    void init()
    {
        // A warning of the backends is a fault here.
        QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
    }

    void theSessionOffersWhatKdeOffers()
    {
        const WaylandProtocols kwin = probeWaylandProtocols();
        QCOMPARE(kwin.dataControl, std::string("zwlr_data_control_manager_v1"));
        QVERIFY(!kwin.virtualKeyboard);
        QVERIFY(KGlobalAccelShortcuts::isServed());
        QString problem;
        QVERIFY2(RemoteDesktopKeyboard::isOffered(QDBusConnection::sessionBus(), &problem), qPrintable(problem));
    }

    void kwinTellsWhichWindowHasTheFocus()
    {
        KWinActiveWindow active;
        QVERIFY(active.isAvailable());
        QTRY_VERIFY_WITH_TIMEOUT(active.isReporting(), 10000);

        const Program target = startPasteTarget(m_dir.filePath(QStringLiteral("focus.txt")));
        QVERIFY(target);
        QTRY_COMPARE_WITH_TIMEOUT(active.activeWindowClass(), QStringLiteral("tavrin-paste-target"), 10000);
        const std::uint64_t before = active.activeWindow();
        const Program foot = startFoot(m_dir.filePath(QStringLiteral("foot-focus.txt")));
        QVERIFY(foot);
        QTRY_COMPARE_WITH_TIMEOUT(active.activeWindowClass(), QStringLiteral("foot"), 10000);
        QVERIFY(active.activeWindow() != before);

        // Only KWin is believed: a call of another program changes nothing.
        QDBusConnection other = QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("other"));
        QDBusMessage lie = QDBusMessage::createMethodCall(
            QDBusConnection::sessionBus().baseService(), KWinActiveWindow::kObjectPath,
            QStringLiteral("io.tavrin.Tavrin.KWinActiveWindow"), QStringLiteral("Activated"));
        lie << QStringLiteral("gnome-terminal");
        QDBusPendingCall answered = other.asyncCall(lie);
        QTRY_VERIFY(answered.isFinished());
        QVERIFY(!answered.isError());
        QCOMPARE(active.activeWindowClass(), QStringLiteral("foot"));
        QDBusConnection::disconnectFromBus(QStringLiteral("other"));

        foot->terminate();
        QVERIFY(foot->waitForFinished(5000));
        QTRY_COMPARE_WITH_TIMEOUT(active.activeWindowClass(), QStringLiteral("tavrin-paste-target"), 10000);
    }

    void theBackendsWorkspaceAsksKWinForTheWindowInFront()
    {
        // KWin lists its windows to no program: the workspace learns the one in front, and so the paste chord, from
        // KWin itself.
        WaylandWorkspace workspace;
        const Program foot = startFoot(m_dir.filePath(QStringLiteral("foot-class.txt")));
        QVERIFY(foot);
        QTRY_COMPARE_WITH_TIMEOUT(workspace.windowClass(workspace.activeWindow()), QStringLiteral("foot"), 10000);
        QCOMPARE(workspace.lastForeignActiveWindow(), Workspace::WindowId(0));
        QVERIFY(!workspace.activateWindow(workspace.activeWindow()));
    }

    void theRemoteDesktopPortalTypesIntoTheFocusedWindowTenTimesOfTen()
    {
        const QString output = m_dir.filePath(QStringLiteral("typed.txt"));
        const Program target = startPasteTarget(output);
        QVERIFY(target);
        KWinActiveWindow active;
        QTRY_COMPARE_WITH_TIMEOUT(active.activeWindowClass(), QStringLiteral("tavrin-paste-target"), 10000);

        // KDE's portal refuses the first session while it still connects to KWin: the keyboard asks again.
        RemoteDesktopKeyboard keyboard;
        QTRY_COMPARE_WITH_TIMEOUT(keyboard.state(), RemoteDesktopKeyboard::State::Ready, 10000);
        QVERIFY(keyboard.typeKeys(QKeyCombination(Qt::Key_A)));
        QVERIFY(keyboard.typeKeys(QKeyCombination(Qt::ShiftModifier, Qt::Key_A)));
        QTRY_COMPARE(fileText(output), QByteArray("aA"));

        WaylandClipboard clipboard;
        QVERIFY(clipboard.isValid());
        QByteArray expected = fileText(output);
        int arrived = 0;
        for (int i = 1; i <= 10; ++i) {
            const QString entry = QStringLiteral(" entry %1 ✓").arg(i);
            clipboard.writeString(entry);
            QVERIFY(keyboard.typeKeys(QKeyCombination(Qt::ControlModifier, Qt::Key_V)));
            expected += entry.toUtf8();
            arrived += waitForPaste(output, expected, i) ? 1 : 0;
        }
        QCOMPARE(arrived, 10);
    }

    void kglobalaccelTakesAShortcutAndReportsEachPress()
    {
        KGlobalAccelShortcuts shortcuts;
        QVERIFY(shortcuts.isOffered());
        QSignalSpy pressed(&shortcuts, &GlobalShortcuts::activated);
        const QKeyCombination keys(Qt::ControlModifier | Qt::AltModifier, Qt::Key_Y);
        QCOMPARE(shortcuts.registerShortcut(QStringLiteral("quick-access"), keys, QStringLiteral("Show the list")),
                 ShortcutStatus::active());

        const Program target = startPasteTarget(m_dir.filePath(QStringLiteral("shortcut.txt")));
        QVERIFY(target);
        RemoteDesktopKeyboard keyboard;
        QTRY_COMPARE_WITH_TIMEOUT(keyboard.state(), RemoteDesktopKeyboard::State::Ready, 10000);
        QVERIFY(keyboard.typeKeys(keys));
        QTRY_COMPARE(pressed.size(), 1);
        QCOMPARE(pressed.constFirst().constFirst().toString(), QStringLiteral("quick-access"));
        QVERIFY(keyboard.typeKeys(keys));
        QTRY_COMPARE(pressed.size(), 2);

        // Other keys for the same id: the old ones no longer fire, the new ones do.
        const QKeyCombination other(Qt::ControlModifier | Qt::AltModifier, Qt::Key_U);
        QCOMPARE(shortcuts.registerShortcut(QStringLiteral("quick-access"), other, QStringLiteral("Show the list")),
                 ShortcutStatus::active());
        // A second shortcut, pressed after the keys that must not fire, tells when KDE has handled them: it reports
        // presses in the order the keys came.
        const QKeyCombination fence(Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier, Qt::Key_F9);
        QCOMPARE(shortcuts.registerShortcut(QStringLiteral("paste-next"), fence, QStringLiteral("Paste the next")),
                 ShortcutStatus::active());
        const auto firedUpToTheFence = [&] {
            const auto fences = [&] {
                return std::count_if(pressed.cbegin(), pressed.cend(), [](const QList<QVariant> &press) {
                    return press.constFirst().toString() == QStringLiteral("paste-next");
                });
            };
            const auto before = fences();
            QVERIFY(keyboard.typeKeys(fence));
            QTRY_COMPARE(fences(), before + 1);
        };
        QVERIFY(keyboard.typeKeys(keys));
        QVERIFY(keyboard.typeKeys(other));
        firedUpToTheFence();
        QCOMPARE(pressed.size(), 4);
        QCOMPARE(pressed.at(2).constFirst().toString(), QStringLiteral("quick-access"));

        // Given back, they fire no more.
        shortcuts.unregisterShortcut(QStringLiteral("quick-access"));
        QVERIFY(keyboard.typeKeys(other));
        firedUpToTheFence();
        QCOMPARE(pressed.size(), 5);
    }

    void aCombinationKdeHoldsIsRefusedNamingItsHolder()
    {
        KGlobalAccelShortcuts shortcuts;
        const ShortcutStatus status = shortcuts.registerShortcut(
            QStringLiteral("paste-next"), QKeyCombination(Qt::AltModifier, Qt::Key_Tab), QStringLiteral("Paste next"));
        QCOMPARE(status.state, ShortcutStatus::State::Refused);
        QCOMPARE(status.reason, QStringLiteral("Alt+Tab is taken by KWin (Walk Through Windows)."));
    }

private:
    QTemporaryDir m_dir;
};

QTEST_MAIN(TestKdeDesktop)
#include "tst_kde_desktop.moc"
