// The real program as a person meets it: the tray item, the list window at the top right that the shortcut opens
// and a click elsewhere hides, and a second start (the first run: tst_e2e_onboarding).
#include "E2e.h"
#include "TestDirs.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTest>

using namespace tavrin;

namespace {

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
};

QTEST_GUILESS_MAIN(TestE2eApp)
#include "tst_e2e_app.moc"
