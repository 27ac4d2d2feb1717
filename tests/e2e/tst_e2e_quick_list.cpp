// SPDX-License-Identifier: GPL-3.0-or-later
// The quick-access list of the real program, driven from the keyboard as a user does: the shortcut opens it,
// Ctrl+digit pastes an entry into the window that had the focus, Escape hides it, and a copy made while it is
// open is at its top at once.
#include "E2e.h"
#include "TestDirs.h"
#include "X11TestOwner.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace tavrin;

namespace {

// Settings with a recorded Ctrl+Shift+V quick-access shortcut and a history of three entries, newest first.
void seedHistory()
{
    test::writeFile(e2e::historyPath(), "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\">\n<array>\n"
                                        "\t<string>first entry</string>\n\t<string>second entry</string>\n"
                                        "\t<string>third entry</string>\n</array>\n</plist>\n");
    test::writeFile(e2e::settingsPath(),
                    QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\">\n<dict>\n"
                                   "\t<key>firstRun</key>\n\t<integer>1</integer>\n"
                                   "\t<key>userdefaultsCopiedPath</key>\n\t<string>%1</string>\n"
                                   "\t<key>userdefaults_shortcutKey</key>\n\t<string>V</string>\n"
                                   "\t<key>userdefaults_shortcutflag</key>\n"
                                   "\t<array>\n\t\t<integer>14</integer>\n\t\t<integer>11</integer>\n"
                                   "\t</array>\n</dict>\n</plist>\n")
                        .arg(e2e::historyPath())
                        .toUtf8());
}

bool xdotool(const QStringList &arguments)
{
    return e2e::runTool(QStringLiteral("xdotool"), arguments).exitCode == 0;
}

bool pressKeys(const QString &keys)
{
    return xdotool({QStringLiteral("key"), QStringLiteral("--clearmodifiers"), keys});
}

// A text window of our own that writes what is pasted into it to a file, with the focus.
// A window that writes what is pasted into it to a file; opened by a click, which also hides the list the launch
// showed.
struct PasteTarget {
    QTemporaryDir dir;
    QString output = dir.filePath(QStringLiteral("pasted.txt"));
    e2e::OtherWindow other;
    const quint64 &window = other.window;

    bool open() { return other.open(qEnvironmentVariable("TAVRIN_PASTE_TARGET"), {output}); }
    QByteArray pasted() const { return test::readFile(output); }
};

}  // namespace

class TestE2eQuickList : public QObject {
    Q_OBJECT

private:
    // The program with the seeded history, its launch list hidden again by a click into the paste target.
    bool startWithTarget(e2e::TavrinProcess &tavrin, PasteTarget &target)
    {
        seedHistory();
        // Generous waits: on a loaded machine the launch's list takes seconds to show, and its focus wait (2 s)
        // comes before it goes.
        return tavrin.start() && tavrin.waitUntilRunning() &&
               QTest::qWaitFor([&] { return e2e::shownListWindow(tavrin.pid()) != 0; }, 10000) && target.open() &&
               QTest::qWaitFor([&] { return e2e::shownListWindow(tavrin.pid()) == 0; }, 10000);
    }
    bool openListWithShortcut(e2e::TavrinProcess &tavrin)
    {
        if (!pressKeys(QStringLiteral("ctrl+shift+v")))
            return false;
        return QTest::qWaitFor(
            [&] {
                const quint64 list = e2e::shownListWindow(tavrin.pid());
                return list != 0 && e2e::activeWindow() == list;
            },
            5000);
    }

private Q_SLOTS:
    void init()
    {
        e2e::forgetStoredState();
        e2e::clearClipboard();
    }

    void ctrlDigitPastesThatEntryIntoTheWindowThatHadTheFocus()
    {
        e2e::TavrinProcess tavrin;
        PasteTarget target;
        QVERIFY(startWithTarget(tavrin, target));
        QVERIFY(openListWithShortcut(tavrin));
        QVERIFY(pressKeys(QStringLiteral("ctrl+2")));
        QTRY_COMPARE_WITH_TIMEOUT(target.pasted(), QByteArray("second entry"), 5000);
        QCOMPARE(e2e::shownListWindow(tavrin.pid()), quint64(0));
        QCOMPARE(e2e::activeWindow(), target.window);
        QVERIFY(tavrin.terminate());
        QCOMPARE(tavrin.exitCode(), 0);
    }

    void escapeHidesTheList()
    {
        e2e::TavrinProcess tavrin;
        PasteTarget target;
        QVERIFY(startWithTarget(tavrin, target));
        QVERIFY(openListWithShortcut(tavrin));
        QVERIFY(pressKeys(QStringLiteral("Escape")));
        QTRY_COMPARE_WITH_TIMEOUT(e2e::shownListWindow(tavrin.pid()), quint64(0), 5000);
        QTest::qWait(300);
        QVERIFY(target.pasted().isEmpty());
    }

    void aCopyMadeWhileTheListIsOpenIsAtItsTopWithinASecond()
    {
        e2e::TavrinProcess tavrin;
        PasteTarget target;
        QVERIFY(startWithTarget(tavrin, target));
        QVERIFY(openListWithShortcut(tavrin));
        QElapsedTimer clock;
        clock.start();
        e2e::copyWithXclip("copied while the list is open");
        QTest::qWait(int(std::max<qint64>(0, 1100 - clock.elapsed())));
        // Row 1 of the open list is pasted: it must be the new copy.
        QVERIFY(e2e::shownListWindow(tavrin.pid()) != 0);
        QVERIFY(pressKeys(QStringLiteral("ctrl+1")));
        QTRY_COMPARE_WITH_TIMEOUT(target.pasted(), QByteArray("copied while the list is open"), 5000);
    }
};

QTEST_GUILESS_MAIN(TestE2eQuickList)
#include "tst_e2e_quick_list.moc"
