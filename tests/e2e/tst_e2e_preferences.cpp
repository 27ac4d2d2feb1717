// SPDX-License-Identifier: GPL-3.0-or-later
// The Preferences of the real program: shortcuts recorded by clicking their boxes and pressing keys work in every
// application, a combination another program holds is refused, and recorded sequential shortcuts paste queued
// copies in order.
#include "E2e.h"
#include "TestDirs.h"

#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

using namespace tavrin;

namespace {

const QString kQuickAccessBox = QStringLiteral("Quick access shortcut");
const QString kToggleBox = QStringLiteral("Sequential paste on or off shortcut");
const QString kPasteBox = QStringLiteral("Paste next shortcut");
const QString kRefusal = QStringLiteral("Please use a different key combination.");

// Settings of a finished first run and nothing else: no shortcut is recorded.
void storeFreshSettings()
{
    e2e::forgetStoredState();
    test::writeFile(e2e::settingsPath(),
                    QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\">\n<dict>\n"
                               "\t<key>firstRun</key>\n\t<integer>1</integer>\n"
                               "\t<key>userdeafultsSoundEnable</key>\n\t<false/>\n</dict>\n</plist>\n"));
}

bool xdotool(const QStringList &arguments)
{
    return e2e::runTool(QStringLiteral("xdotool"), arguments).exitCode == 0;
}

bool pressKeys(const QString &keys)
{
    return xdotool({QStringLiteral("key"), QStringLiteral("--clearmodifiers"), keys});
}

bool failed(const char *why)
{
    qWarning("%s", why);
    return false;
}

// The program with fresh settings and its Preferences open.
struct Program {
    e2e::TavrinProcess tavrin;

    bool isShown(const QString &control, int timeoutMs = 10000)
    {
        return QTest::qWaitFor([&] { return !e2e::accessibleControl(tavrin.pid(), control).isEmpty(); }, timeoutMs);
    }

    /// The program's windows on screen now.
    QSet<QByteArray> shownWindows()
    {
        const e2e::ToolResult found =
            e2e::runTool(QStringLiteral("xdotool"), {QStringLiteral("search"), QStringLiteral("--pid"),
                                                     QString::number(tavrin.pid()), QStringLiteral("--onlyvisible")});
        QSet<QByteArray> windows;
        for (const QByteArray &line : found.out.split('\n')) {
            if (!line.trimmed().isEmpty())
                windows.insert(line.trimmed());
        }
        return windows;
    }

    bool isGone(const QString &control, int timeoutMs = 10000)
    {
        return QTest::qWaitFor([&] { return e2e::accessibleControl(tavrin.pid(), control).isEmpty(); }, timeoutMs);
    }

    /// Starts the program as the user does (the main window and the list come up), and opens the Preferences from
    /// the list's application menu.
    bool openPreferencesFromTheMenu()
    {
        storeFreshSettings();
        tavrin.enableAccessibility();
        if (!tavrin.start() || !tavrin.waitUntilRunning())
            return failed("the program did not start");
        quint64 list = 0;
        if (!QTest::qWaitFor(
                [&] {
                    list = e2e::shownListWindow(tavrin.pid());
                    return list != 0 && e2e::activeWindow() == list;
                },
                10000))
            return failed("the launch showed no list with the focus");
        // Where the settings button is drawn, the list's frameless window is not where its accessible position
        // says (the window manager moves it under the tray); the button is the last of the top row.
        if (!isShown(QStringLiteral("Settings")))
            return failed("the list's settings button was not found");
        const QRect frame = e2e::windowGeometry(list);
        const QSet<QByteArray> before = shownWindows();
        if (!e2e::clickAt(QRect(frame.right() - 16 - 6, frame.top() + 10 + 4, 12, 12)))
            return false;
        // The menu maps, then takes the keys: "Manage Clipboard", then "Preferences". (Screen readers learn of menus
        // by events, not in the tree: the menu is looked for as a new window.)
        if (!QTest::qWaitFor([&] { return !(shownWindows() - before).isEmpty(); }, 5000))
            return failed("the application menu did not open");
        if (!pressKeys(QStringLiteral("Down")) || !pressKeys(QStringLiteral("Down")) ||
            !pressKeys(QStringLiteral("Return")))
            return false;
        if (!isShown(kQuickAccessBox))
            return failed("\"Preferences\" did not show the shortcut rows");
        return true;
    }

    /// Presses a recorder box and, once it records, types the combination with xdotool.
    bool record(const QString &box, const QString &keys)
    {
        if (e2e::accessibleControl(tavrin.pid(), box, true).isEmpty())
            return failed("no recorder box to press");
        if (!QTest::qWaitFor(
                [&] { return e2e::accessibleDescription(tavrin.pid(), box).startsWith(QStringLiteral("Recording")); },
                5000))
            return failed("the box did not start recording");
        return pressKeys(keys);
    }

    bool settingsHold(const QByteArray &text)
    {
        return QTest::qWaitFor([&] { return test::readFile(e2e::settingsPath()).contains(text); }, 5000);
    }
};

// What the program says once its shortcuts are on the keys of a new layout.
const QByteArray kShortcutsMoved = "the keyboard layout changed; the shortcuts are on its keys now";

// A US layout variant on the session's display for as long as it lives.
struct LayoutOnThisDisplay {
    explicit LayoutOnThisDisplay(const QString &variant)
        : m_set(e2e::runTool(QStringLiteral("setxkbmap"), {QStringLiteral("us"), QStringLiteral("-variant"), variant})
                    .exitCode == 0)
    {
    }
    ~LayoutOnThisDisplay() { e2e::runTool(QStringLiteral("setxkbmap"), {QStringLiteral("us")}); }
    bool isSet() const { return m_set; }

private:
    bool m_set;
};

// Another X client holding Ctrl+Alt+J.
struct HeldCombination {
    QProcess process;
    bool hold()
    {
        process.start(qEnvironmentVariable("TAVRIN_GRABKEY"), {QStringLiteral("6a"), QStringLiteral("0xc")});
        return process.waitForReadyRead(5000) && process.readAll().contains("grabbed");
    }
    ~HeldCombination()
    {
        process.closeWriteChannel();
        process.waitForFinished(5000);
    }
};

}  // namespace

class TestE2ePreferences : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void aRecordedShortcutWorksInOtherApplicationsAndAHeldOneIsRefused()
    {
        HeldCombination held;
        QVERIFY(held.hold());
        Program program;
        program.tavrin.expectWarning(QStringLiteral(
            "tavrin.hotkeys: the quick-access shortcut is not registered: Ctrl\\+Alt\\+J is taken by another program"));
        QVERIFY(program.openPreferencesFromTheMenu());

        // Held by another client: the alert, and once it is answered the box records again.
        QVERIFY(program.record(kQuickAccessBox, QStringLiteral("ctrl+alt+j")));
        QVERIFY2(program.isShown(kRefusal), "no alert for a combination another client holds");
        QVERIFY2(program.isShown(QStringLiteral("Ctrl+Alt+J is taken by another program.")),
                 "the alert gave no reason");
        QVERIFY(pressKeys(QStringLiteral("Return")));
        QVERIFY(program.isGone(kRefusal));
        QVERIFY(!test::readFile(e2e::settingsPath()).contains("userdefaults_shortcutKey"));

        QVERIFY(pressKeys(QStringLiteral("ctrl+alt+k")));
        QVERIFY(program.settingsHold("<key>userdefaults_shortcutKey</key>\n\t<string>k</string>"));
        QVERIFY(program.isShown(QStringLiteral("Clear quick access shortcut")));

        // With another application in front, the shortcut opens the list.
        e2e::OtherWindow other;
        QVERIFY(other.open());
        QVERIFY(e2e::shownListWindow(program.tavrin.pid()) == 0);
        QVERIFY(pressKeys(QStringLiteral("ctrl+alt+k")));
        QVERIFY(QTest::qWaitFor([&] { return e2e::shownListWindow(program.tavrin.pid()) != 0; }, 5000));

        // Under dvorak "k" is another key: the shortcut follows the letter.
        QVERIFY(other.activate());
        QVERIFY(QTest::qWaitFor([&] { return e2e::shownListWindow(program.tavrin.pid()) == 0; }, 5000));
        const LayoutOnThisDisplay dvorak(QStringLiteral("dvorak"));
        QVERIFY(dvorak.isSet());
        QVERIFY2(QTest::qWaitFor([&] { return program.tavrin.errorOutput().contains(kShortcutsMoved); }, 5000),
                 "the shortcuts did not follow the new layout");
        QVERIFY(pressKeys(QStringLiteral("ctrl+alt+k")));
        QVERIFY(QTest::qWaitFor([&] { return e2e::shownListWindow(program.tavrin.pid()) != 0; }, 5000));
        QVERIFY(program.tavrin.terminate());
    }

    void recordedSequentialShortcutsPasteQueuedCopiesInOrder()
    {
        Program program;
        QVERIFY(program.openPreferencesFromTheMenu());
        QVERIFY(program.record(kToggleBox, QStringLiteral("ctrl+alt+t")));
        QVERIFY(program.settingsHold("<key>userdefaults_sequentialtoggleKey</key>\n\t<string>t</string>"));
        QVERIFY(program.record(kPasteBox, QStringLiteral("ctrl+alt+p")));
        QVERIFY(program.settingsHold("<key>userdefaults_sequentialPasteKey</key>\n\t<string>p</string>"));

        QTemporaryDir dir;
        const QString output = dir.filePath(QStringLiteral("pasted.txt"));
        e2e::OtherWindow target;
        QVERIFY(target.open(qEnvironmentVariable("TAVRIN_PASTE_TARGET"), {output}));
        // The toggle shortcut turns sequential mode on: the queue window shows, and copies join the queue.
        QVERIFY(pressKeys(QStringLiteral("ctrl+alt+t")));
        QVERIFY2(program.isShown(QStringLiteral("Queued entries")), "the toggle shortcut showed no queue");
        const QList<QByteArray> copies = {"one ", "two ", "three"};
        for (int i = 0; i < copies.size(); ++i) {
            e2e::copyWithXclip(copies.at(i));
            QVERIFY(
                program.isShown(QStringLiteral("%1: %2").arg(i + 1).arg(QString::fromLatin1(copies.at(i).trimmed()))));
        }
        // Each press of the paste shortcut pastes the next one into the window in front, first copied first.
        QVERIFY(target.activate());
        QByteArray expected;
        for (const QByteArray &text : copies) {
            QVERIFY(pressKeys(QStringLiteral("ctrl+alt+p")));
            expected += text;
            QTRY_COMPARE_WITH_TIMEOUT(test::readFile(output), expected, 5000);
        }
        // The last one ends the mode and the queue window goes.
        QVERIFY(program.isGone(QStringLiteral("Queued entries")));
        QVERIFY(program.tavrin.terminate());
    }
};

QTEST_MAIN(TestE2ePreferences)
#include "tst_e2e_preferences.moc"
