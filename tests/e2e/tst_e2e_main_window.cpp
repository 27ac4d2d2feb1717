// SPDX-License-Identifier: GPL-3.0-or-later
// The main window of the real program: "Manage Clipboard" in the list's application menu opens it on the history,
// and files dragged from another program (over XDND) or history rows dragged from its Clipboard pane land in the
// group they are dropped on.
#include "E2e.h"
#include "TestDirs.h"
#include "ui/lists/HistoryRowDelegate.h"
#include "ui/main/ListPane.h"
#include "ui/main/Sidebar.h"
#include "ui/main/SidebarRowDelegate.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace tavrin;

namespace {

const QString kGroup = QStringLiteral("My Clipboard");

// A recorded Ctrl+Shift+V and a history of three entries, newest first.
void seedHistory()
{
    test::writeFile(e2e::historyPath(), "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\">\n<array>\n"
                                        "\t<string>first entry</string>\n\t<string>second entry</string>\n"
                                        "\t<string>third entry</string>\n</array>\n</plist>\n");
    test::writeFile(e2e::settingsPath(),
                    QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\">\n<dict>\n"
                                   "\t<key>firstRun</key>\n\t<integer>1</integer>\n"
                                   "\t<key>userdefaultsCopiedPath</key>\n\t<string>%1</string>\n"
                                   "\t<key>userdeafultsSoundEnable</key>\n\t<false/>\n"
                                   "\t<key>userdefaults_shortcutKey</key>\n\t<string>V</string>\n"
                                   "\t<key>userdefaults_shortcutflag</key>\n"
                                   "\t<array>\n\t\t<integer>14</integer>\n\t\t<integer>11</integer>\n"
                                   "\t</array>\n</dict>\n</plist>\n")
                        .arg(e2e::historyPath())
                        .toUtf8());
}

QString groupFile(const QString &name)
{
    return e2e::dataHome() + QStringLiteral("/tavrin/") + name + QStringLiteral(".plist");
}

bool xdotool(const QStringList &arguments)
{
    return e2e::runTool(QStringLiteral("xdotool"), arguments).exitCode == 0;
}

// The program's main window while it is shown: a visible normal window of the process titled "Tavrin".
quint64 shownMainWindow(qint64 pid)
{
    const QString found =
        QString::fromUtf8(e2e::runTool(QStringLiteral("xdotool"),
                                       {QStringLiteral("search"), QStringLiteral("--all"),
                                        QStringLiteral("--onlyvisible"), QStringLiteral("--pid"), QString::number(pid),
                                        QStringLiteral("--name"), QStringLiteral("^Tavrin$")})
                              .out);
    for (const QString &line : found.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const quint64 window = line.toULongLong();
        // The list is a utility window (its type names normal as a fallback).
        const QString type = e2e::windowProperty(window, QStringLiteral("_NET_WM_WINDOW_TYPE"));
        if (type.contains("_NET_WM_WINDOW_TYPE_NORMAL") && !type.contains("_NET_WM_WINDOW_TYPE_UTILITY"))
            return window;
    }
    return 0;
}

// Where things are in the main window, from its own layout.
QPoint groupRow(const QRect &window, int groupIndex)
{
    const int top = 8 + SidebarRowDelegate::kRowHeight + SidebarRowDelegate::kHeaderHeight +
                    groupIndex * SidebarRowDelegate::kRowHeight + SidebarRowDelegate::kRowHeight / 2;
    return window.topLeft() + QPoint(60, top);
}
QPoint historyRow(const QRect &window, int row)
{
    const int top = ListPane::kMargin + ListPane::kSearchFieldHeight + 8 + row * HistoryRowDelegate::kRowHeight +
                    HistoryRowDelegate::kRowHeight / 2;
    return window.topLeft() + QPoint(Sidebar::kWidth + 150, top);
}

// Presses at from, moves there in small steps (as a hand does, so the drag starts and the target sees it), releases.
bool dragWithPointer(const QPoint &from, const QPoint &to)
{
    QStringList steps{QStringLiteral("mousemove"), QString::number(from.x()), QString::number(from.y()),
                      QStringLiteral("sleep"),     QStringLiteral("0.2"),     QStringLiteral("mousedown"),
                      QStringLiteral("1"),         QStringLiteral("sleep"),   QStringLiteral("0.2")};
    constexpr int kSteps = 12;
    for (int i = 1; i <= kSteps; ++i) {
        const QPoint at = from + (to - from) * i / kSteps;
        steps << QStringLiteral("sleep") << QStringLiteral("0.05") << QStringLiteral("mousemove")
              << QString::number(at.x()) << QString::number(at.y());
    }
    steps << QStringLiteral("sleep") << QStringLiteral("0.3") << QStringLiteral("mouseup") << QStringLiteral("1");
    return xdotool(steps);
}

}  // namespace

class TestE2eMainWindow : public QObject {
    Q_OBJECT

private:
    static bool failed(const char *why)
    {
        qWarning("%s", why);
        return false;
    }

    // The program with the seeded history, its main window opened by "Manage Clipboard" of the list's menu.
    bool openMainWindowFromTheMenu(e2e::TavrinProcess &tavrin, QRect *geometry)
    {
        seedHistory();
        // A launch by the user shows the main window and the list.
        if (!tavrin.start() || !tavrin.waitUntilRunning() ||
            !QTest::qWaitFor([&] { return shownMainWindow(tavrin.pid()) != 0; }, 5000))
            return failed("the launch showed no main window");
        // Closed, it goes, and the program stays.
        // The list shown at launch may take the focus back after the activation; the key is only sent once the
        // main window has it, and sent again if the list came in between.
        const quint64 launched = shownMainWindow(tavrin.pid());
        bool hidden = false;
        for (int attempt = 0; attempt < 3 && !hidden; ++attempt) {
            if (!xdotool({QStringLiteral("windowactivate"), QStringLiteral("--sync"), QString::number(launched)}) ||
                !QTest::qWaitFor([&] { return e2e::activeWindow() == launched; }, 2000))
                continue;
            if (!xdotool({QStringLiteral("key"), QStringLiteral("--clearmodifiers"), QStringLiteral("alt+F4")}))
                return false;
            hidden = QTest::qWaitFor([&] { return shownMainWindow(tavrin.pid()) == 0; }, 3000);
        }
        if (!hidden || !tavrin.isRunning())
            return failed("closing the main window did not hide it");
        // The list, opened with its shortcut.
        if (!xdotool({QStringLiteral("key"), QStringLiteral("--clearmodifiers"), QStringLiteral("ctrl+shift+v")}))
            return false;
        quint64 list = 0;
        if (!QTest::qWaitFor(
                [&] {
                    list = e2e::shownListWindow(tavrin.pid());
                    return list != 0 && e2e::activeWindow() == list;
                },
                5000))
            return failed("the shortcut showed no list with the focus");
        // The settings button is the last one of the list's top row, at its right end.
        const QRect listFrame = e2e::windowGeometry(list);
        const QPoint settings(listFrame.right() - 10 - 6, listFrame.top() + 10 + 10);
        if (!xdotool({QStringLiteral("mousemove"), QString::number(settings.x()), QString::number(settings.y()),
                      QStringLiteral("click"), QStringLiteral("1")}))
            return false;
        QTest::qWait(300);  // the menu maps, then takes the keys
        if (!xdotool({QStringLiteral("key"), QStringLiteral("Down"), QStringLiteral("Return")}))
            return false;
        quint64 window = 0;
        if (!QTest::qWaitFor([&] { return (window = shownMainWindow(tavrin.pid())) != 0; }, 5000))
            return failed("\"Manage Clipboard\" showed no main window");
        // In front, with the focus; the list is gone.
        if (!QTest::qWaitFor([&] { return e2e::activeWindow() == window; }, 5000))
            return failed("the main window did not get the focus");
        if (e2e::shownListWindow(tavrin.pid()) != 0)
            return failed("the list stayed");
        *geometry = e2e::windowGeometry(window);
        return true;
    }

private Q_SLOTS:
    void init() { e2e::forgetStoredState(); }

    void manageClipboardShowsTheMainWindowWithTheHistory()
    {
        e2e::TavrinProcess tavrin;
        QRect window;
        QVERIFY(openMainWindowFromTheMenu(tavrin, &window));
        // The Clipboard pane lists the history: a double-click on its second row copies that entry.
        const QPoint second = historyRow(window, 1);
        QVERIFY(xdotool({QStringLiteral("mousemove"), QString::number(second.x()), QString::number(second.y()),
                         QStringLiteral("click"), QStringLiteral("--repeat"), QStringLiteral("2"),
                         QStringLiteral("--delay"), QStringLiteral("80"), QStringLiteral("1")}));
        QTRY_COMPARE_WITH_TIMEOUT(e2e::readWithXclip().out, QByteArray("second entry"), 5000);
        QVERIFY(tavrin.terminate());
        QCOMPARE(tavrin.exitCode(), 0);
    }

    void aHistoryRowDraggedOntoAGroupLandsInItsFile()
    {
        e2e::TavrinProcess tavrin;
        QRect window;
        QVERIFY(openMainWindowFromTheMenu(tavrin, &window));
        QVERIFY(dragWithPointer(historyRow(window, 2), groupRow(window, 0)));
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(groupFile(kGroup)), 5000);
        QVERIFY(test::readFile(groupFile(kGroup)).contains("<string>third entry</string>"));
        QVERIFY(!test::readFile(groupFile(kGroup)).contains("second entry"));
        // The history keeps its rows.
        QVERIFY(test::readFile(e2e::historyPath()).contains("third entry"));
        QVERIFY(tavrin.terminate());
        QCOMPARE(tavrin.exitCode(), 0);
    }

    void aFileDraggedFromAnotherProgramLandsInTheGroupItIsDroppedOn()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("report.txt"));
        test::writeFile(file, "a report");
        e2e::TavrinProcess tavrin;
        QRect window;
        QVERIFY(openMainWindowFromTheMenu(tavrin, &window));

        QProcess source;
        source.setProcessChannelMode(QProcess::SeparateChannels);
        source.start(qEnvironmentVariable("TAVRIN_DRAG_SOURCE"), {file});
        QVERIFY(source.waitForStarted(5000));
        const quint64 sourceWindow =
            QString::fromUtf8(
                e2e::runTool(QStringLiteral("xdotool"),
                             {QStringLiteral("search"), QStringLiteral("--sync"), QStringLiteral("--onlyvisible"),
                              QStringLiteral("--pid"), QString::number(source.processId())})
                    .out)
                .section(QLatin1Char('\n'), 0, 0)
                .toULongLong();
        QVERIFY(sourceWindow != 0);
        // Out of the main window's way, so its rows stay visible.
        QVERIFY(xdotool({QStringLiteral("windowmove"), QString::number(sourceWindow), QStringLiteral("1000"),
                         QStringLiteral("600")}));
        QTRY_VERIFY_WITH_TIMEOUT(e2e::windowGeometry(sourceWindow).topLeft().x() >= 1000, 5000);
        const QPoint from = e2e::windowGeometry(sourceWindow).center();
        // A click first gives it the focus, as a user's first click on another program does.
        QVERIFY(xdotool({QStringLiteral("mousemove"), QString::number(from.x()), QString::number(from.y()),
                         QStringLiteral("click"), QStringLiteral("1")}));
        QTRY_COMPARE_WITH_TIMEOUT(e2e::activeWindow(), sourceWindow, 5000);

        // Between two rows nothing is taken; onto the group row it is.
        const QPoint between = groupRow(window, 0) - QPoint(0, SidebarRowDelegate::kRowHeight / 2);
        QVERIFY(dragWithPointer(from, between));
        QByteArray said;
        QTRY_VERIFY_WITH_TIMEOUT((said += source.readAllStandardOutput()).contains("dragged: none"), 5000);
        QVERIFY(!QFile::exists(groupFile(kGroup)));
        QVERIFY(dragWithPointer(from, groupRow(window, 0)));
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(groupFile(kGroup)), 5000);
        QVERIFY(test::readFile(groupFile(kGroup)).contains(("<string>" + file + "</string>").toUtf8()));
        // Only a reference was kept: for the source, nothing moved.
        QTRY_VERIFY_WITH_TIMEOUT((said += source.readAllStandardOutput()).contains("dragged: copy"), 5000);
        QVERIFY(QFile::exists(file));
        source.kill();
        source.waitForFinished(5000);
        QVERIFY(tavrin.terminate());
        QCOMPARE(tavrin.exitCode(), 0);
    }
};

QTEST_GUILESS_MAIN(TestE2eMainWindow)
#include "tst_e2e_main_window.moc"
