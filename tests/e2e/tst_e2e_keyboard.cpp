// SPDX-License-Identifier: GPL-3.0-or-later
// The real program driven from the keyboard alone (xdotool key events, never the pointer): a Custom Clipboard made,
// given a history row, renamed and deleted, a shortcut recorded, an entry pinned, searched and pasted; and a
// shortcut another program holds at start shown as not working, with the reason, as a screen reader reads it.
#include "E2e.h"
#include "TestDirs.h"

#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace tavrin;

namespace {

// A history of three entries and a finished first run; the quick-access shortcut given, if any, is stored.
void seed(const QByteArray &storedShortcut = {})
{
    e2e::forgetStoredState();
    test::writeFile(e2e::historyPath(), "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\">\n<array>\n"
                                        "\t<string>first entry</string>\n\t<string>second entry</string>\n"
                                        "\t<string>third entry</string>\n</array>\n</plist>\n");
    test::writeFile(e2e::settingsPath(),
                    QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\">\n<dict>\n"
                               "\t<key>firstRun</key>\n\t<integer>1</integer>\n"
                               "\t<key>userdefaultsCopiedPath</key>\n\t<string>") +
                        e2e::historyPath().toUtf8() +
                        QByteArray("</string>\n\t<key>userdeafultsSoundEnable</key>\n\t<false/>\n") + storedShortcut +
                        QByteArray("</dict>\n</plist>\n"));
}

QString groupFile(const QString &name)
{
    return e2e::dataHome() + QStringLiteral("/tavrin/") + name + QStringLiteral(".plist");
}

bool keys(const QString &sequence)
{
    return e2e::runTool(QStringLiteral("xdotool"),
                        {QStringLiteral("key"), QStringLiteral("--clearmodifiers"), sequence})
               .exitCode == 0;
}

bool type(const QString &text)
{
    return e2e::runTool(QStringLiteral("xdotool"),
                        {QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("30"), text})
               .exitCode == 0;
}

bool failed(const QString &why)
{
    qWarning().noquote() << why;
    return false;
}

struct Program {
    e2e::TavrinProcess tavrin;

    bool isShown(const QString &control, int timeoutMs = 10000)
    {
        return QTest::qWaitFor([&] { return !e2e::accessibleControl(tavrin.pid(), control).isEmpty(); }, timeoutMs);
    }
    bool isGone(const QString &control, int timeoutMs = 10000)
    {
        return QTest::qWaitFor([&] { return e2e::accessibleControl(tavrin.pid(), control).isEmpty(); }, timeoutMs);
    }
    bool focusIs(const QString &control, int timeoutMs = 5000)
    {
        return QTest::qWaitFor([&] { return e2e::focusedControl(tavrin.pid()) == control; }, timeoutMs);
    }
    /// Presses Tab (or Shift+Tab) until one of the named controls has the focus, as a keyboard user looks for it.
    bool tabTo(const QStringList &controls, bool backwards = false)
    {
        const QString control = controls.join(QStringLiteral("\" or \""));
        for (int presses = 0; presses < 40; ++presses) {
            if (QTest::qWaitFor([&] { return controls.contains(e2e::focusedControl(tavrin.pid())); }, 1500))
                return true;
            if (!keys(backwards ? QStringLiteral("shift+Tab") : QStringLiteral("Tab")))
                return false;
        }
        return failed(QStringLiteral("Tab never reached \"%1\" (the focus is on \"%2\")")
                          .arg(control, e2e::focusedControl(tavrin.pid())));
    }
    bool tabTo(const QString &control, bool backwards = false) { return tabTo(QStringList{control}, backwards); }
    /// How many windows of the program are on screen (a menu is a window of its own; screen readers learn of menus
    /// by events, not in the tree).
    int shownWindowCount()
    {
        const e2e::ToolResult found =
            e2e::runTool(QStringLiteral("xdotool"), {QStringLiteral("search"), QStringLiteral("--pid"),
                                                     QString::number(tavrin.pid()), QStringLiteral("--onlyvisible")});
        return int(found.out.trimmed().isEmpty() ? 0 : found.out.trimmed().split('\n').size());
    }
    /// Types a group's name into its open editor and stores it with Return.
    bool typeGroupName(const QString &name)
    {
        // The name's editor takes the focus (screen readers do not find an item view's editor in the tree).
        return focusIs(QString()) && keys(QStringLiteral("ctrl+a")) && type(name) && keys(QStringLiteral("Return")) &&
               fileHolds(e2e::settingsPath(), QStringLiteral("<string>%1</string>").arg(name).toUtf8());
    }
    /// Whether a sheet (a dialog window of the program) is on screen.
    bool showsSheet()
    {
        const e2e::ToolResult found =
            e2e::runTool(QStringLiteral("xdotool"), {QStringLiteral("search"), QStringLiteral("--pid"),
                                                     QString::number(tavrin.pid()), QStringLiteral("--onlyvisible")});
        for (const QByteArray &line : found.out.split('\n')) {
            const quint64 window = line.trimmed().toULongLong();
            if (window && e2e::windowProperty(window, QStringLiteral("_NET_WM_WINDOW_TYPE"))
                              .contains(QStringLiteral("_NET_WM_WINDOW_TYPE_DIALOG")))
                return true;
        }
        return false;
    }
    /// Presses keys that open a menu, and waits until it is on screen.
    bool opensMenu(const QString &sequence)
    {
        const int before = shownWindowCount();
        return keys(sequence) && QTest::qWaitFor([&] { return shownWindowCount() > before; }, 5000);
    }
    bool fileHolds(const QString &path, const QByteArray &text)
    {
        return QTest::qWaitFor([&] { return test::readFile(path).contains(text); }, 5000);
    }

    /// Starts the program as the user does; the launch shows the list with the focus.
    bool start()
    {
        tavrin.enableAccessibility();
        if (!tavrin.start() || !tavrin.waitUntilRunning())
            return failed(QStringLiteral("the program did not start"));
        if (!QTest::qWaitFor(
                [&] {
                    const quint64 list = e2e::shownListWindow(tavrin.pid());
                    return list != 0 && e2e::activeWindow() == list;
                },
                10000))
            return failed(QStringLiteral("the launch showed no list with the focus"));
        return true;
    }

    /// Ctrl+, in the list: the main window on its Preferences, with the focus.
    bool openPreferences()
    {
        if (!keys(QStringLiteral("ctrl+comma")))
            return false;
        if (!isShown(QStringLiteral("Quick access shortcut")))
            return failed(QStringLiteral("Ctrl+, did not open the Preferences"));
        return QTest::qWaitFor([&] { return e2e::activeWindow() == e2e::shownMainWindow(tavrin.pid()); }, 5000) ||
               failed(QStringLiteral("the main window did not take the focus"));
    }
};

}  // namespace

class TestE2eKeyboard : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void aShortcutHeldAtStartIsShownAsNotWorkingWithTheReason()
    {
        // Ctrl+Alt+J recorded earlier; another program took it before this start.
        seed("\t<key>userdefaults_shortcutKey</key>\n\t<string>j</string>\n"
             "\t<key>userdefaults_shortcutflag</key>\n\t<array>\n\t\t<integer>11</integer>\n"
             "\t\t<integer>13</integer>\n\t</array>\n");
        QProcess held;
        held.start(qEnvironmentVariable("TAVRIN_GRABKEY"), {QStringLiteral("6a"), QStringLiteral("0xc")});
        QVERIFY(held.waitForReadyRead(5000) && held.readAll().contains("grabbed"));
        Program program;
        program.tavrin.expectWarning(QStringLiteral(
            "^warning: tavrin\\.hotkeys: the quick-access shortcut is not registered: Ctrl\\+Alt\\+J is taken by "
            "another program\\.$"));
        QVERIFY(program.start());
        QVERIFY(program.openPreferences());
        QVERIFY2(program.isShown(QStringLiteral("Does not work: Ctrl+Alt+J is taken by another program.")),
                 "Preferences does not say that the shortcut does not work");
        QVERIFY(program.isShown(QStringLiteral("Global shortcuts: Not every shortcut works")));
        QVERIFY(program.isShown(QStringLiteral("Quick access shortcut: Ctrl+Alt+J is taken by another program.")));
        QVERIFY(program.tavrin.terminate());
        held.closeWriteChannel();
        held.waitForFinished(5000);
    }

    void everythingFromTheKeyboard()
    {
        seed();
        Program program;
        QVERIFY(program.start());
        QVERIFY(program.openPreferences());

        // A shortcut: Tab to its box, Space starts the recording, the keys are recorded.
        QVERIFY(program.tabTo(QStringLiteral("Quick access shortcut")));
        QVERIFY(keys(QStringLiteral("space")));
        QVERIFY(QTest::qWaitFor(
            [&] {
                return e2e::accessibleDescription(program.tavrin.pid(), QStringLiteral("Quick access shortcut"))
                    .startsWith(QStringLiteral("Recording"));
            },
            5000));
        QVERIFY(keys(QStringLiteral("ctrl+alt+k")));
        QVERIFY(program.fileHolds(e2e::settingsPath(), "<key>userdefaults_shortcutKey</key>\n\t<string>k</string>"));

        // A Custom Clipboard: Tab to the sidebar's add button, Space, type its name.
        QVERIFY(program.tabTo(QStringLiteral("Add Clipboard")));
        QVERIFY(keys(QStringLiteral("space")));
        QVERIFY(program.isShown(QStringLiteral("My Clipboard1")));
        QVERIFY(program.typeGroupName(QStringLiteral("Recipes")));

        // Renamed with F2.
        QVERIFY(program.focusIs(QStringLiteral("Recipes")));
        QVERIFY(keys(QStringLiteral("F2")));
        QVERIFY(program.typeGroupName(QStringLiteral("Cooking")));

        // A history row joins it: Home selects the Clipboard, Tab goes to its rows, the row menu's "Add to".
        QVERIFY(program.focusIs(QStringLiteral("Cooking")));
        QVERIFY(keys(QStringLiteral("Home")));
        QVERIFY(program.isShown(QStringLiteral("Clipboard history")));
        // The list, or its current row, takes the focus; Down moves to the second entry.
        QVERIFY(program.tabTo({QStringLiteral("Clipboard history"), QStringLiteral("first entry"),
                               QStringLiteral("second entry"), QStringLiteral("third entry")}));
        for (int presses = 0; presses < 3 && !program.focusIs(QStringLiteral("second entry"), 1500); ++presses)
            QVERIFY(keys(QStringLiteral("Down")));
        QVERIFY(program.focusIs(QStringLiteral("second entry")));
        QVERIFY(program.opensMenu(QStringLiteral("Menu")));
        // The last item, "Add to Custom Clipboard", opens its submenu; the group added last is its last item.
        QVERIFY(keys(QStringLiteral("Up")));
        QVERIFY(program.opensMenu(QStringLiteral("Right")));
        QVERIFY(keys(QStringLiteral("Up")));
        QVERIFY(keys(QStringLiteral("Return")));
        QVERIFY(program.fileHolds(groupFile(QStringLiteral("Cooking")), "<string>second entry</string>"));

        // Pinned with Ctrl+P: it moves to the top.
        QVERIFY(keys(QStringLiteral("ctrl+p")));
        QVERIFY(program.fileHolds(e2e::settingsPath(), "<key>TotalPinCount</key>\n\t<integer>1</integer>"));

        // Deleted: back to the sidebar, End selects the last group, Delete asks in a sheet, Return says "Yes".
        QVERIFY(program.tabTo(QStringLiteral("Clipboard"), true));
        QVERIFY(keys(QStringLiteral("End")));
        QVERIFY(program.focusIs(QStringLiteral("Cooking")));
        QVERIFY(keys(QStringLiteral("Delete")));
        QVERIFY2(QTest::qWaitFor([&] { return program.showsSheet(); }, 5000), "Delete asked nothing");
        QVERIFY(keys(QStringLiteral("Return")));
        QVERIFY(QTest::qWaitFor([] { return !QFileInfo::exists(groupFile(QStringLiteral("Cooking"))); }, 5000));

        // Searched and pasted with the recorded shortcut into another program's window.
        QTemporaryDir dir;
        const QString output = dir.filePath(QStringLiteral("pasted.txt"));
        e2e::OtherWindow target;
        QVERIFY(target.start(qEnvironmentVariable("TAVRIN_PASTE_TARGET"), {output}));
        QVERIFY(target.activate());
        QVERIFY(keys(QStringLiteral("ctrl+alt+k")));
        QVERIFY(QTest::qWaitFor(
            [&] {
                const quint64 list = e2e::shownListWindow(program.tavrin.pid());
                return list != 0 && e2e::activeWindow() == list;
            },
            5000));
        QVERIFY(type(QStringLiteral("third")));
        // Return pastes the best match; without the search it would paste the pinned "second entry" on top.
        QVERIFY(keys(QStringLiteral("Return")));
        QTRY_COMPARE_WITH_TIMEOUT(test::readFile(output), QByteArray("third entry"), 5000);
        QVERIFY(program.tavrin.terminate());
    }
};

QTEST_MAIN(TestE2eKeyboard)
#include "tst_e2e_keyboard.moc"
