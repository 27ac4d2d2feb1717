// SPDX-License-Identifier: GPL-3.0-or-later
// The portal clients over a real D-Bus: a bus of the test's own with a portal service written for the test
// (fake_portal.py), which answers as xdg-desktop-portal does and stages what no desktop here offers (a working
// GlobalShortcuts portal, a session that fails to start or that the desktop closes, a dialog the user declines).
#include "PrivateBus.h"
#include "platform/portal/PortalBackends.h"
#include "platform/portal/PortalKeys.h"
#include "platform/portal/PortalShortcuts.h"
#include "platform/portal/RemoteDesktopKeyboard.h"

#include <QDBusInterface>
#include <QDBusReply>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <xkbcommon/xkbcommon-keysyms.h>

using namespace tavrin;

namespace {

using State = RemoteDesktopKeyboard::State;

QString keysym(std::uint32_t sym, bool down)
{
    return QStringLiteral("keysym 0x%1 %2").arg(sym, 0, 16).arg(down ? QStringLiteral("down") : QStringLiteral("up"));
}

// The portal's calls and the test's handle on it.
struct FakePortal {
    test::PrivateBus bus;
    std::unique_ptr<QProcess> process;
    std::unique_ptr<QDBusInterface> control;

    FakePortal()
    {
        if (!bus.isValid())
            return;
        process = bus.start(QStringLiteral(TAVRIN_FAKE_PORTAL));
        if (!process || !bus.waitForName(QStringLiteral("org.freedesktop.portal.Desktop")))
            return;
        control = std::make_unique<QDBusInterface>(QStringLiteral("org.freedesktop.portal.Desktop"),
                                                   QStringLiteral("/org/freedesktop/portal/desktop"),
                                                   QStringLiteral("io.tavrin.Test.FakePortal"), bus.connection());
    }
    ~FakePortal()
    {
        if (process) {
            process->terminate();
            process->waitForFinished(5000);
        }
    }
    bool isValid() const { return control && control->isValid(); }

    QStringList calls() const { return QDBusReply<QStringList>(control->call(QStringLiteral("Calls"))).value(); }
    QStringList keysyms() const { return calls().filter(QRegularExpression(QStringLiteral("^keysym "))); }
    int count(const QString &call) const { return int(calls().count(call)); }
    void stage(const QString &method, const QVariantList &arguments = {}) const
    {
        const QDBusMessage reply = control->callWithArgumentList(QDBus::Block, method, arguments);
        QVERIFY2(reply.type() == QDBusMessage::ReplyMessage, qPrintable(reply.errorMessage()));
    }
};

QStringList chord(const QList<std::uint32_t> &modifiers, std::uint32_t key)
{
    QStringList events;
    for (const std::uint32_t modifier : modifiers)
        events << keysym(modifier, true);
    events << keysym(key, true) << keysym(key, false);
    for (qsizetype i = modifiers.size() - 1; i >= 0; --i)
        events << keysym(modifiers.at(i), false);
    return events;
}

}  // namespace

class TestPortal : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        // A warning the test does not name is a fault.
        QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
    }

    void triggersAndModifiersAreNamedAsThePortalsTakeThem()
    {
        QCOMPARE(portal::modifierKeysyms(Qt::MetaModifier | Qt::ShiftModifier | Qt::ControlModifier),
                 QList<std::uint32_t>({XKB_KEY_Control_L, XKB_KEY_Shift_L, XKB_KEY_Super_L}));
        QCOMPARE(portal::shortcutTrigger(QKeyCombination(Qt::Key_F12)), QStringLiteral("F12"));
        QCOMPARE(portal::shortcutTrigger(QKeyCombination(Qt::ControlModifier | Qt::AltModifier, Qt::Key_V)),
                 QStringLiteral("CTRL+ALT+v"));
        QCOMPARE(portal::shortcutTrigger(QKeyCombination(Qt::MetaModifier | Qt::ShiftModifier, Qt::Key_Return)),
                 QStringLiteral("SHIFT+LOGO+Return"));
        QCOMPARE(portal::shortcutTrigger(QKeyCombination(Qt::ControlModifier, Qt::Key_unknown)), QString());
    }

    void onlyTheDesktopsOwnPortalBackendsCount()
    {
        QTemporaryDir first;
        QTemporaryDir second;
        const auto write = [](const QTemporaryDir &dir, const char *name, const QByteArray &text) {
            QDir().mkpath(dir.filePath(QStringLiteral("xdg-desktop-portal/portals")));
            QFile file(dir.filePath(QStringLiteral("xdg-desktop-portal/portals/%1.portal").arg(QLatin1String(name))));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(text);
        };
        write(first, "kde",
              "[portal]\nDBusName=org.freedesktop.impl.portal.desktop.kde\n"
              "Interfaces=org.freedesktop.impl.portal.Access;org.freedesktop.impl.portal.RemoteDesktop;\nUseIn=KDE\n");
        write(second, "wlr",
              "[portal]\nDBusName=org.freedesktop.impl.portal.desktop.wlr\n"
              "Interfaces=org.freedesktop.impl.portal.Screenshot;org.freedesktop.impl.portal.ScreenCast\n"
              "UseIn=wlroots;sway;Wayfire;river\n");
        const QStringList folders = {first.path(), second.path(), QStringLiteral("/nonexistent")};
        const QString remoteDesktop = QStringLiteral("org.freedesktop.impl.portal.RemoteDesktop");
        QCOMPARE(portal::backendsFor(remoteDesktop, {QStringLiteral("KDE")}, folders), QStringList({"kde"}));
        // KDE's backend lent to sway would answer and then fail: it does not count there.
        QCOMPARE(portal::backendsFor(remoteDesktop, {QStringLiteral("sway")}, folders), QStringList());
        QCOMPARE(portal::backendsFor(QStringLiteral("org.freedesktop.impl.portal.ScreenCast"),
                                     {QStringLiteral("ubuntu"), QStringLiteral("sway")}, folders),
                 QStringList({"wlr"}));
        QCOMPARE(portal::backendsFor(remoteDesktop, {}, folders), QStringList());
    }

    void withoutAPortalNothingIsOffered()
    {
        test::PrivateBus bus;
        QVERIFY(bus.isValid());
        QString problem;
        QVERIFY(!RemoteDesktopKeyboard::isOffered(bus.connection(), &problem));
        QCOMPARE(problem, QStringLiteral("no desktop portal is installed"));
        QVERIFY(!PortalShortcuts::isOffered(bus.connection(), &problem));
        QCOMPARE(problem, QStringLiteral("no desktop portal is installed"));
    }

    void aKeyboardOnlySessionIsMadeOnceAndTypesKeysWithTheirModifiers()
    {
        FakePortal portal;
        QVERIFY(portal.isValid());
        QVERIFY(RemoteDesktopKeyboard::isOffered(portal.bus.connection()));
        QVERIFY(PortalShortcuts::isOffered(portal.bus.connection()));
        {
            RemoteDesktopKeyboard keyboard(portal.bus.connection());
            QTRY_COMPARE(keyboard.state(), State::Ready);
            QCOMPARE(portal.calls(), QStringList({"RemoteDesktop.CreateSession", "RemoteDesktop.SelectDevices types=1",
                                                  "RemoteDesktop.Start"}));

            QVERIFY(keyboard.typeKeys(QKeyCombination(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_V)));
            QVERIFY(keyboard.typeKeys(QKeyCombination(Qt::ShiftModifier, Qt::Key_Insert)));
            QVERIFY(keyboard.typeKeys(QKeyCombination(Qt::ControlModifier, Qt::Key_V)));
            const QStringList expected = chord({XKB_KEY_Control_L, XKB_KEY_Shift_L}, XKB_KEY_v) +
                                         chord({XKB_KEY_Shift_L}, XKB_KEY_Insert) +
                                         chord({XKB_KEY_Control_L}, XKB_KEY_v);
            QTRY_COMPARE(portal.keysyms(), expected);
            // A key without a keysym types nothing at all.
            QVERIFY(!keyboard.typeKeys(QKeyCombination(Qt::ControlModifier, Qt::Key_unknown)));
            QCOMPARE(portal.count(QStringLiteral("RemoteDesktop.CreateSession")), 1);
        }
        // The program's end closes its session.
        QTRY_COMPARE(portal.count(QStringLiteral("Close RemoteDesktop")), 1);
    }

    void keysAskedForWhileTheSessionStartsAreTypedOnceItIsThere()
    {
        FakePortal portal;
        QVERIFY(portal.isValid());
        portal.stage(QStringLiteral("HoldResponses"), {true});
        RemoteDesktopKeyboard keyboard(portal.bus.connection());
        QTRY_COMPARE(portal.count(QStringLiteral("RemoteDesktop.CreateSession")), 1);
        QCOMPARE(keyboard.state(), State::Starting);
        QVERIFY(keyboard.typeKeys(QKeyCombination(Qt::ControlModifier, Qt::Key_V)));
        // The test asks over the keyboard's own connection: a key sent would have reached the portal first.
        QVERIFY(portal.keysyms().isEmpty());
        portal.stage(QStringLiteral("HoldResponses"), {false});
        QTRY_COMPARE(keyboard.state(), State::Ready);
        QTRY_COMPARE(portal.keysyms(), chord({XKB_KEY_Control_L}, XKB_KEY_v));
    }

    void aSessionThatDidNotStartIsAskedForAgain()
    {
        // KDE's portal refuses the first session while it still connects to the compositor.
        FakePortal portal;
        QVERIFY(portal.isValid());
        portal.stage(QStringLiteral("FailStarts"), {2u});
        RemoteDesktopKeyboard keyboard(portal.bus.connection());
        QTRY_COMPARE_WITH_TIMEOUT(keyboard.state(), State::Ready, 5000);
        QCOMPARE(portal.count(QStringLiteral("RemoteDesktop.Start")), 3);
        QCOMPARE(portal.count(QStringLiteral("RemoteDesktop.CreateSession")), 3);
        QVERIFY(keyboard.problem().isEmpty());
    }

    void aSessionTheDesktopClosesIsMadeAgain()
    {
        FakePortal portal;
        QVERIFY(portal.isValid());
        RemoteDesktopKeyboard keyboard(portal.bus.connection());
        QTRY_COMPARE(keyboard.state(), State::Ready);
        portal.stage(QStringLiteral("CloseSessions"), {QStringLiteral("RemoteDesktop")});
        QTRY_COMPARE(portal.count(QStringLiteral("RemoteDesktop.CreateSession")), 2);
        QTRY_COMPARE(keyboard.state(), State::Ready);
        QVERIFY(keyboard.typeKeys(QKeyCombination(Qt::ControlModifier, Qt::Key_V)));
        QTRY_COMPARE(portal.keysyms(), chord({XKB_KEY_Control_L}, XKB_KEY_v));
    }

    void aDeclinedDialogIsAskedAgainOnlyWhenKeysAreWanted()
    {
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("not allowed in the desktop's dialog")));
        FakePortal portal;
        QVERIFY(portal.isValid());
        portal.stage(QStringLiteral("DeclineNextStart"));
        RemoteDesktopKeyboard keyboard(portal.bus.connection());
        QTRY_COMPARE(keyboard.state(), State::Declined);
        QVERIFY(!keyboard.problem().isEmpty());
        QTest::qWait(400);
        QCOMPARE(portal.count(QStringLiteral("RemoteDesktop.Start")), 1);

        // The user asks to paste: the desktop asks again, and the keys follow the answer.
        QVERIFY(keyboard.typeKeys(QKeyCombination(Qt::ControlModifier, Qt::Key_V)));
        QTRY_COMPARE(keyboard.state(), State::Ready);
        QCOMPARE(portal.count(QStringLiteral("RemoteDesktop.Start")), 2);
        QTRY_COMPARE(portal.keysyms(), chord({XKB_KEY_Control_L}, XKB_KEY_v));
    }

    void aPortalThatNeverStartsASessionIsGivenUpWithItsReason()
    {
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("RemoteDesktop portal: the session")));
        FakePortal portal;
        QVERIFY(portal.isValid());
        portal.stage(QStringLiteral("FailStarts"), {100u});
        RemoteDesktopKeyboard keyboard(portal.bus.connection());
        // The attempts are spread over about 10 s, as the desktop's portal may take that long to be ready.
        QTRY_COMPARE_WITH_TIMEOUT(keyboard.state(), State::Failed, 30000);
        QCOMPARE(portal.count(QStringLiteral("RemoteDesktop.Start")), RemoteDesktopKeyboard::kStartAttempts);
        QVERIFY2(keyboard.problem().contains(QStringLiteral("did not start")), qPrintable(keyboard.problem()));
        QVERIFY(!keyboard.typeKeys(QKeyCombination(Qt::ControlModifier, Qt::Key_V)));
        QVERIFY(portal.keysyms().isEmpty());
    }

    void shortcutsOfOneTurnAreBoundInOneRequestAndPendingUntilTheDesktopAnswers()
    {
        FakePortal portal;
        QVERIFY(portal.isValid());
        PortalShortcuts shortcuts(portal.bus.connection());
        QVERIFY(shortcuts.isOffered());
        QSignalSpy status(&shortcuts, &GlobalShortcuts::statusChanged);
        QSignalSpy pressed(&shortcuts, &GlobalShortcuts::activated);
        const QKeyCombination show(Qt::ControlModifier | Qt::AltModifier, Qt::Key_V);
        QCOMPARE(shortcuts.registerShortcut(QStringLiteral("quick-access"), show, QStringLiteral("Show the list")),
                 ShortcutStatus::pending());
        QCOMPARE(shortcuts.registerShortcut(QStringLiteral("paste-next"),
                                            QKeyCombination(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_B),
                                            QStringLiteral("Paste the next entry")),
                 ShortcutStatus::pending());
        QTRY_COMPARE(status.size(), 2);
        for (const auto &change : status)
            QCOMPARE(change.at(1).value<ShortcutStatus>(), ShortcutStatus::active());
        QCOMPARE(portal.calls(),
                 QStringList({"GlobalShortcuts.CreateSession",
                              "GlobalShortcuts.BindShortcuts paste-next=CTRL+SHIFT+b,quick-access=CTRL+ALT+v"}));

        // A press is one activation, however long the keys are held.
        portal.stage(QStringLiteral("Press"), {QStringLiteral("quick-access"), false});
        portal.stage(QStringLiteral("Press"), {QStringLiteral("quick-access"), true});
        QTRY_COMPARE(pressed.size(), 1);
        portal.stage(QStringLiteral("Press"), {QStringLiteral("quick-access"), true});
        QTRY_COMPARE(pressed.size(), 2);
        QCOMPARE(pressed.constLast().constFirst().toString(), QStringLiteral("quick-access"));

        // The same keys again change nothing; other keys bind the set again in a new session.
        QCOMPARE(shortcuts.registerShortcut(QStringLiteral("quick-access"), show, QStringLiteral("Show the list")),
                 ShortcutStatus::active());
        QCOMPARE(shortcuts.registerShortcut(QStringLiteral("quick-access"),
                                            QKeyCombination(Qt::MetaModifier, Qt::Key_V),
                                            QStringLiteral("Show the list")),
                 ShortcutStatus::pending());
        QTRY_COMPARE(status.size(), 4);
        QCOMPARE(portal.calls().mid(2), QStringList({"Close GlobalShortcuts", "GlobalShortcuts.CreateSession",
                                                     "GlobalShortcuts.BindShortcuts "
                                                     "paste-next=CTRL+SHIFT+b,quick-access=LOGO+v"}));
        // A press in the old session is nobody's now.
        shortcuts.unregisterShortcut(QStringLiteral("paste-next"));
        shortcuts.unregisterShortcut(QStringLiteral("quick-access"));
        QTRY_COMPARE(portal.count(QStringLiteral("Close GlobalShortcuts")), 2);
    }

    void whatTheDesktopDoesNotBindIsRefusedWithWhy()
    {
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("closed without it")));
        FakePortal portal;
        QVERIFY(portal.isValid());
        PortalShortcuts shortcuts(portal.bus.connection());
        QSignalSpy status(&shortcuts, &GlobalShortcuts::statusChanged);
        portal.stage(QStringLiteral("RefuseIds"), {QStringList{QStringLiteral("toggle-sequential")}});
        shortcuts.registerShortcut(QStringLiteral("quick-access"), QKeyCombination(Qt::ControlModifier, Qt::Key_F1),
                                   {});
        shortcuts.registerShortcut(QStringLiteral("toggle-sequential"),
                                   QKeyCombination(Qt::ControlModifier, Qt::Key_F2), {});
        QTRY_COMPARE(status.size(), 2);
        QHash<QString, ShortcutStatus> outcome;
        for (const auto &change : status)
            outcome.insert(change.at(0).toString(), change.at(1).value<ShortcutStatus>());
        QCOMPARE(outcome.value(QStringLiteral("quick-access")), ShortcutStatus::active());
        QCOMPARE(outcome.value(QStringLiteral("toggle-sequential")).state, ShortcutStatus::State::Refused);
        QVERIFY(!outcome.value(QStringLiteral("toggle-sequential")).reason.isEmpty());

        // The user closes the desktop's dialog: nothing is bound.
        portal.stage(QStringLiteral("DeclineNextBind"));
        shortcuts.registerShortcut(QStringLiteral("quick-access"), QKeyCombination(Qt::ControlModifier, Qt::Key_F3),
                                   {});
        QTRY_COMPARE(status.size(), 4);
        QCOMPARE(status.constLast().at(1).value<ShortcutStatus>().reason,
                 QStringLiteral("The desktop's dialog was closed without it."));
        QCOMPARE(
            shortcuts.registerShortcut(QStringLiteral("x"), QKeyCombination(Qt::ControlModifier, Qt::Key_unknown), {})
                .state,
            ShortcutStatus::State::Refused);
    }
};

QTEST_GUILESS_MAIN(TestPortal)
#include "tst_portal.moc"
