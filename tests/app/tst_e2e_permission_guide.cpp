// SPDX-License-Identifier: GPL-3.0-or-later
#include "E2e.h"
#include "app/GuideHelpPage.h"
#include "app/PasteAccessGuide.h"
#include "app/PasteAccessGuideWindow.h"
#include "platform/fake/FakeWorkspace.h"
#include "platform/qt/QtScheduler.h"
#include "platform/x11/X11Workspace.h"
#include <QPushButton>

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTest>

using namespace tavrin;

namespace {

QString run(const QStringList &xdotoolArguments)
{
    return QString::fromUtf8(e2e::runTool(QStringLiteral("xdotool"), xdotoolArguments).out).trimmed();
}

QStringList centreOf(QWidget *widget)
{
    const QPoint at = widget->mapToGlobal(widget->rect().center());
    return {QStringLiteral("mousemove"), QString::number(at.x()), QString::number(at.y())};
}

// The guide on the real clock and the real desktop, with the opened URLs recorded.
struct RealGuide {
    QtScheduler clock;
    FakeWorkspace workspace;
    X11Workspace desktop;
    PasteAccessGuideWindow window{
        new PasteAccessGuide(clock, workspace, GuideHelpPage::folderIn(e2e::dataHome() + QStringLiteral("/tavrin")))};
    PasteAccessGuide &vc = *window.content();

    RealGuide()
    {
        window.activateOnDesktop = [this](WId id) { desktop.activateWindow(id); };
    }

    bool shownAndActive()
    {
        window.showGuide();
        return QTest::qWaitForWindowExposed(&window) &&
               QTest::qWaitFor([&] { return e2e::activeWindow() == window.winId(); });
    }
};

}  // namespace

class TestE2ePermissionGuide : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void guideComesForwardWithoutFrameAndStaysAboveOtherWindows()
    {
        e2e::OtherWindow other;
        QVERIFY(other.open());

        RealGuide g;
        QVERIFY(g.shownAndActive());
        QVERIFY(e2e::windowProperty(g.window.winId(), QStringLiteral("_NET_WM_STATE")).contains("_NET_WM_STATE_ABOVE"));
        QVERIFY(e2e::windowProperty(g.window.winId(), QStringLiteral("_NET_FRAME_EXTENTS")).contains("= 0, 0, 0, 0"));

        // The other window takes the focus back (the guide may cover its middle), yet the guide stays on top of it.
        QVERIFY(other.activate());
        const QString stacking =
            QString::fromUtf8(e2e::runTool(QStringLiteral("xprop"),
                                           {QStringLiteral("-root"), QStringLiteral("_NET_CLIENT_LIST_STACKING")})
                                  .out);
        const QString guideId = QStringLiteral("0x%1").arg(g.window.winId(), 0, 16);
        const QString otherId = QStringLiteral("0x%1").arg(other.window, 0, 16);
        QVERIFY2(stacking.indexOf(guideId) > stacking.indexOf(otherId), qPrintable(stacking));
    }

    void realPointerAndKeysDriveTheGuide()
    {
        RealGuide g;
        QVERIFY(g.shownAndActive());
        QCOMPARE(g.vc.currentPage(), 1);
        run(centreOf(g.vc.secondPageButton) << QStringLiteral("click") << QStringLiteral("1"));
        QTRY_COMPARE(g.vc.currentPage(), 2);
        QVERIFY(!g.vc.isAdvancePending());

        // Pressed, dragged off and released outside: the button does nothing.
        const QPoint below = g.vc.openSettingsButton->mapToGlobal(QPoint(10, 80));
        run(centreOf(g.vc.openSettingsButton)
            << QStringLiteral("mousedown") << QStringLiteral("1") << QStringLiteral("mousemove")
            << QString::number(below.x()) << QString::number(below.y()) << QStringLiteral("mouseup")
            << QStringLiteral("1"));
        QTRY_VERIFY(!g.vc.openSettingsButton->isDown());
        QTest::qWait(200);
        QVERIFY(g.workspace.openedUrls.isEmpty());

        run({QStringLiteral("key"), QStringLiteral("Return")});
        QTRY_COMPARE(g.workspace.openedUrls.size(), 1);
        QVERIFY(g.workspace.openedUrls.first().toLocalFile().endsWith(QStringLiteral("/help/paste-help.html")));

        run({QStringLiteral("key"), QStringLiteral("Escape")});
        QTRY_VERIFY(!g.window.isVisible());
    }

    void slideshowMovesOnAfterFourSecondsOnTheRealClock()
    {
        RealGuide g;
        QElapsedTimer shown;
        shown.start();
        QVERIFY(g.shownAndActive());
        QTRY_COMPARE_WITH_TIMEOUT(g.vc.currentPage(), 2, 8000);
        QVERIFY(shown.elapsed() >= 3900);
    }
};

QTEST_MAIN(TestE2ePermissionGuide)
#include "tst_e2e_permission_guide.moc"
