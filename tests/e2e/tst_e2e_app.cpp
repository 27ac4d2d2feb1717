// SPDX-License-Identifier: GPL-3.0-or-later
// The real program as a person meets it: the tray item, the list window at the top right that the shortcut opens
// and a click elsewhere hides, a second start (the first run: tst_e2e_onboarding), and the desktop's language.
#include "E2e.h"
#include "TestDirs.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QScopeGuard>
#include <QTest>

#include <csignal>
#include <cstdlib>

#include <xcb/xcb.h>

using namespace tavrin;

namespace {

// As any X client may: the window goes without its owner's say.
bool destroyWindow(quint64 window)
{
    xcb_connection_t *connection = xcb_connect(nullptr, nullptr);
    xcb_generic_error_t *error = xcb_connection_has_error(connection)
                                     ? nullptr
                                     : xcb_request_check(connection, xcb_destroy_window_checked(connection, window));
    const bool done = !xcb_connection_has_error(connection) && !error;
    std::free(error);
    xcb_disconnect(connection);
    return done;
}

bool pressShortcut()
{
    return e2e::runTool(QStringLiteral("xdotool"), {QStringLiteral("key"), QStringLiteral("ctrl+shift+v")}).exitCode ==
           0;
}

// Starts the program and waits until the launch has shown its list and the history was saved once (the monitor
// runs from then on).
bool startAndWaitForList(e2e::TavrinProcess &tavrin)
{
    return tavrin.startAndWaitForMonitor() &&
           QTest::qWaitFor([&] { return e2e::shownListWindow(tavrin.pid()) != 0; }, 5000);
}

// The panel's side of StatusNotifierItem: the items that register, and a host that shows them.
class StatusNotifierWatcher : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierWatcher")
    Q_PROPERTY(QStringList RegisteredStatusNotifierItems READ registeredItems)
    Q_PROPERTY(bool IsStatusNotifierHostRegistered READ isHostRegistered)
    Q_PROPERTY(int ProtocolVersion READ protocolVersion)

public:
    QStringList items;

    bool registerOn(QDBusConnection bus)
    {
        return bus.registerObject(QStringLiteral("/StatusNotifierWatcher"), this,
                                  QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllProperties |
                                      QDBusConnection::ExportAllSignals) &&
               bus.registerService(QStringLiteral("org.kde.StatusNotifierWatcher"));
    }
    QStringList registeredItems() const { return items; }
    bool isHostRegistered() const { return true; }
    int protocolVersion() const { return 0; }

public Q_SLOTS:
    void RegisterStatusNotifierItem(const QString &service, const QDBusMessage &message)
    {
        // An item names its bus name, or only its path on the caller's connection.
        items.append(service.startsWith(u'/') ? message.service() : service);
        Q_EMIT StatusNotifierItemRegistered(service);
    }
    void RegisterStatusNotifierHost(const QString &) {}

Q_SIGNALS:
    void StatusNotifierItemRegistered(const QString &service);
};

// The labels of a com.canonical.dbusmenu layout, (ia{sv}av), and of all its submenus.
void menuLabels(const QDBusArgument &layout, QStringList &labels)
{
    int id = 0;
    QVariantMap properties;
    layout.beginStructure();
    layout >> id >> properties;
    labels.append(properties.value(QStringLiteral("label")).toString());
    layout.beginArray();
    while (!layout.atEnd()) {
        QDBusVariant child;
        layout >> child;
        menuLabels(child.variant().value<QDBusArgument>(), labels);
    }
    layout.endArray();
    layout.endStructure();
}

}  // namespace

class TestE2eApp : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { e2e::forgetStoredState(); }

    void theShortcutShowsTheListAtTheTopRightAboveOtherWindowsAndAClickElsewhereHidesIt()
    {
        e2e::storeRecordedQuickAccessShortcut();
        e2e::TavrinProcess tavrin;
        QVERIFY(startAndWaitForList(tavrin));
        QVERIFY(e2e::hasTrayIcon(tavrin.pid()));

        e2e::OtherWindow other;
        QVERIFY(other.open());
        QTRY_COMPARE_WITH_TIMEOUT(e2e::activeWindow(), other.window, 5000);
        QTRY_COMPARE_WITH_TIMEOUT(e2e::shownListWindow(tavrin.pid()), quint64(0), 5000);

        QVERIFY(pressShortcut());
        quint64 list = 0;
        QTRY_VERIFY_WITH_TIMEOUT((list = e2e::shownListWindow(tavrin.pid())) != 0, 5000);
        QTRY_COMPARE_WITH_TIMEOUT(e2e::activeWindow(), list, 5000);

        // Its left edge 450 pixels from the right of the free area, its top at the top of it, no frame, on top.
        const QRect free = e2e::workArea();
        const QRect frame = e2e::windowGeometry(list);
        QCOMPARE(frame.topLeft(), QPoint(free.x() + free.width() - 450, free.y()));
        QVERIFY2(frame.right() <= free.right() && frame.height() >= 370,
                 qPrintable(QStringLiteral("%1x%2").arg(frame.width()).arg(frame.height())));
        QCOMPARE(e2e::windowProperty(list, QStringLiteral("_NET_FRAME_EXTENTS")),
                 QStringLiteral("_NET_FRAME_EXTENTS(CARDINAL) = 0, 0, 0, 0"));
        QVERIFY(e2e::windowProperty(list, QStringLiteral("_NET_WM_STATE")).contains("_NET_WM_STATE_ABOVE"));

        // Clicking into the other application hides the list; the program keeps running in the tray.
        QVERIFY(other.click());
        QTRY_COMPARE_WITH_TIMEOUT(e2e::shownListWindow(tavrin.pid()), quint64(0), 5000);
        QCOMPARE(e2e::activeWindow(), other.window);
        QVERIFY(tavrin.isRunning());

        // Shown again, it opens at the same place.
        QVERIFY(pressShortcut());
        QTRY_VERIFY_WITH_TIMEOUT((list = e2e::shownListWindow(tavrin.pid())) != 0, 5000);
        QCOMPARE(e2e::windowGeometry(list).topLeft(), frame.topLeft());
        QVERIFY(tavrin.terminate());
        QCOMPARE(tavrin.exitCode(), 0);
    }

    void theShortcutPressedAsTheFocusLeavesTheProgramShowsTheListOnASlowDesktop()
    {
        e2e::storeRecordedQuickAccessShortcut();
        e2e::TavrinProcess tavrin;
        tavrin.setEnvironmentValue(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("tavrin.app.debug=true"));
        QVERIFY(startAndWaitForList(tavrin));
        e2e::OtherWindow other;
        QVERIFY(other.open());
        QVERIFY(pressShortcut());
        QTRY_VERIFY_WITH_TIMEOUT(e2e::activeWindow() != 0 && e2e::activeWindow() == e2e::shownListWindow(tavrin.pid()),
                                 5000);

        // The window manager stalls, as on a loaded machine, while the focus goes to the other window (set on the
        // display directly) and the shortcut is pressed right after: the program learns of the loss only after its
        // show, and the list must not take it for a reason to go.
        const pid_t windowManager = pid_t(qEnvironmentVariableIntValue("TAVRIN_SESSION_WM_PID"));
        QVERIFY(windowManager > 0);
        QVERIFY(::kill(windowManager, SIGSTOP) == 0);
        const auto resume = qScopeGuard([windowManager] { ::kill(windowManager, SIGCONT); });
        QCOMPARE(e2e::runTool(QStringLiteral("xdotool"), {QStringLiteral("windowfocus"), QString::number(other.window)})
                     .exitCode,
                 0);
        QVERIFY(pressShortcut());
        // Until the program has had the report (which it logs), or has hidden the list on it.
        QVERIFY(QTest::qWaitFor(
            [&] {
                return tavrin.errorOutput().contains("the list waits for the focus") ||
                       e2e::shownListWindow(tavrin.pid()) == 0;
            },
            5000));
        ::kill(windowManager, SIGCONT);

        QTRY_VERIFY_WITH_TIMEOUT(e2e::activeWindow() != 0 && e2e::activeWindow() == e2e::shownListWindow(tavrin.pid()),
                                 5000);
        // Once it has the focus, a click elsewhere hides it as before.
        QVERIFY(other.click());
        QTRY_COMPARE_WITH_TIMEOUT(e2e::shownListWindow(tavrin.pid()), quint64(0), 5000);
        QVERIFY(tavrin.terminate());
    }

    void aSecondStartBringsTheFirstForwardAndEnds()
    {
        e2e::storeRecordedQuickAccessShortcut();
        e2e::TavrinProcess first;
        QVERIFY(startAndWaitForList(first));
        e2e::OtherWindow other;
        QVERIFY(other.open());
        QTRY_COMPARE_WITH_TIMEOUT(e2e::shownListWindow(first.pid()), quint64(0), 5000);

        e2e::TavrinProcess second;
        QElapsedTimer clock;
        clock.start();
        QVERIFY(second.start());
        QTRY_VERIFY_WITH_TIMEOUT(!second.isRunning(), 10000);
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 0);
        qInfo("the second start ended after %lld ms", clock.elapsed());

        quint64 list = 0;
        QTRY_VERIFY_WITH_TIMEOUT((list = e2e::shownListWindow(first.pid())) != 0, 5000);
        QTRY_COMPARE_WITH_TIMEOUT(e2e::activeWindow(), list, 5000);
        // The first one still answers its shortcut: the second never grabbed it.
        other.click();
        QTRY_COMPARE_WITH_TIMEOUT(e2e::shownListWindow(first.pid()), quint64(0), 5000);
        QVERIFY(pressShortcut());
        QTRY_VERIFY_WITH_TIMEOUT(e2e::shownListWindow(first.pid()) != 0, 5000);
        QVERIFY(first.terminate());
        QCOMPARE(first.exitCode(), 0);

        // Once the first has quit, a start is a first start again.
        e2e::TavrinProcess later;
        QVERIFY(startAndWaitForList(later));
        QVERIFY(later.isRunning());
        QVERIFY(later.terminate());
    }

    void aRestartWhoseIconTheTrayDroppedIsOfferedANewOne()
    {
        // The tray stalls while a run starts and quits and the next one starts: it then meets the next run's offer
        // of its icon right after the quit run's, for a window with the same id, and trayer ignores that one.
        const pid_t tray = pid_t(qEnvironmentVariableIntValue("TAVRIN_SESSION_TRAY_PID"));
        QVERIFY(tray > 0);
        QVERIFY(::kill(tray, SIGSTOP) == 0);
        auto resume = qScopeGuard([tray] { ::kill(tray, SIGCONT); });
        {
            e2e::TavrinProcess quitting;
            quitting.setEnvironmentValue(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("tavrin.app.debug=true"));
            QVERIFY(quitting.start());
            QTRY_VERIFY_WITH_TIMEOUT(quitting.errorOutput().contains("the icon is offered to the tray"), 10000);
            QVERIFY(quitting.terminate());
        }
        e2e::TavrinProcess tavrin;
        tavrin.setEnvironmentValue(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("tavrin.app.debug=true"));
        QVERIFY(tavrin.start());
        QTRY_VERIFY_WITH_TIMEOUT(tavrin.errorOutput().contains("the icon is offered to the tray"), 10000);
        resume.dismiss();
        QVERIFY(::kill(tray, SIGCONT) == 0);

        // Mostly the offer is dropped and the program makes a second one; on a loaded machine trayer sometimes
        // takes the first.
        const bool docked = QTest::qWaitFor([&] { return e2e::hasTrayIcon(tavrin.pid()); }, 15000);
        if (!docked) {
            // Seen under load: no window of the icon left anywhere in the tree, while the program took it as docked.
            qInfo("the program's log:\n%s", tavrin.errorOutput().constData());
            qInfo("the windows:\n%s",
                  e2e::runTool(QStringLiteral("xwininfo"), {QStringLiteral("-root"), QStringLiteral("-tree")})
                      .out.constData());
        }
        QVERIFY(docked);
        qInfo("offered again: %s", tavrin.errorOutput().contains("offering it again") ? "yes" : "no");
        QVERIFY(tavrin.terminate());
    }

    void anIconWhoseWindowAnotherProgramDestroyedIsOfferedANewOne()
    {
        // What trayer does when it handles a quit run's requests late: it destroys the window it embedded.
        e2e::TavrinProcess tavrin;
        QVERIFY(tavrin.startAndWaitForMonitor());
        quint64 icon = 0;
        QTRY_VERIFY_WITH_TIMEOUT((icon = e2e::trayIconWindow(tavrin.pid())) != 0, 10000);
        QVERIFY(destroyWindow(icon));
        QTRY_VERIFY_WITH_TIMEOUT(tavrin.errorOutput().contains("the icon's window was destroyed; offering it again"),
                                 10000);
        quint64 offered = 0;
        QTRY_VERIFY_WITH_TIMEOUT((offered = e2e::trayIconWindow(tavrin.pid())) != 0, 10000);
        QVERIFY(offered != icon);
        QVERIFY(tavrin.terminate());
        QCOMPARE(tavrin.exitCode(), 0);
    }

    void aGermanDesktopGetsGermanTexts()
    {
        // A panel that shows status icons: Qt then exports the tray menu over D-Bus, where the test reads it.
        StatusNotifierWatcher watcher;
        QVERIFY(watcher.registerOn(QDBusConnection::sessionBus()));
        // Only the language's name: the system needs no generated locale for Qt to read it.
        e2e::TavrinProcess tavrin;
        tavrin.enableAccessibility();
        tavrin.setEnvironmentValue(QStringLiteral("LANG"), QStringLiteral("de_DE.UTF-8"));
        QVERIFY(startAndWaitForList(tavrin));
        // The list's search field, as a screen reader reads it.
        QTRY_VERIFY_WITH_TIMEOUT(!e2e::accessibleControl(tavrin.pid(), QStringLiteral("Suchen")).isEmpty(), 10000);
        QVERIFY(e2e::accessibleControl(tavrin.pid(), QStringLiteral("Search")).isEmpty());

        // The tray menu as the panel asks for it when it opens it.
        QTRY_VERIFY_WITH_TIMEOUT(!watcher.items.isEmpty(), 10000);
        const QString item = watcher.items.constFirst();
        QDBusMessage opening = QDBusMessage::createMethodCall(
            item, QStringLiteral("/MenuBar"), QStringLiteral("com.canonical.dbusmenu"), QStringLiteral("AboutToShow"));
        opening.setArguments({0});
        QDBusConnection::sessionBus().call(opening);
        QDBusMessage layout = QDBusMessage::createMethodCall(
            item, QStringLiteral("/MenuBar"), QStringLiteral("com.canonical.dbusmenu"), QStringLiteral("GetLayout"));
        layout.setArguments({0, -1, QStringList()});
        const QDBusMessage reply = QDBusConnection::sessionBus().call(layout);
        QCOMPARE(reply.type(), QDBusMessage::ReplyMessage);
        QStringList labels;
        menuLabels(reply.arguments().value(1).value<QDBusArgument>(), labels);
        QVERIFY2(labels.contains(QStringLiteral("Zwischenablage anzeigen")), qPrintable(labels.join(u'|')));
        QVERIFY(labels.contains(QStringLiteral("Beenden")));
        QVERIFY(!labels.contains(QStringLiteral("Quit")));
        QVERIFY(tavrin.terminate());
        QCOMPARE(tavrin.exitCode(), 0);
    }

    // Last: it replaces the session's tray with one of its own.
    void aTrayThatRestartsGetsTheIconBack()
    {
        e2e::TavrinProcess tavrin;
        QVERIFY(tavrin.startAndWaitForMonitor());
        QTRY_VERIFY_WITH_TIMEOUT(e2e::hasTrayIcon(tavrin.pid()), 10000);
        const pid_t tray = pid_t(qEnvironmentVariableIntValue("TAVRIN_SESSION_TRAY_PID"));
        QVERIFY(tray > 0);
        QVERIFY(::kill(tray, SIGTERM) == 0);
        // The icon's window goes back to the root window; Qt hands it to the next tray, and watching it must not get
        // in the way.
        QTRY_VERIFY_WITH_TIMEOUT(!e2e::hasTrayIcon(tavrin.pid()), 10000);

        QProcess panel;
        panel.setStandardOutputFile(QProcess::nullDevice());
        panel.setStandardErrorFile(QProcess::nullDevice());
        panel.start(QStringLiteral("trayer"),
                    {QStringLiteral("--edge"), QStringLiteral("top"), QStringLiteral("--align"),
                     QStringLiteral("right"), QStringLiteral("--widthtype"), QStringLiteral("request"),
                     QStringLiteral("--height"), QStringLiteral("24"), QStringLiteral("--SetDockType"),
                     QStringLiteral("true")});
        QVERIFY(panel.waitForStarted(5000));
        auto stop = qScopeGuard([&panel] {
            panel.terminate();
            panel.waitForFinished(5000);
        });
        QTRY_VERIFY_WITH_TIMEOUT(e2e::hasTrayIcon(tavrin.pid()), 15000);
        QVERIFY(tavrin.terminate());
        QCOMPARE(tavrin.exitCode(), 0);
    }
};

QTEST_GUILESS_MAIN(TestE2eApp)
#include "tst_e2e_app.moc"
