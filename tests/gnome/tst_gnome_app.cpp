// SPDX-License-Identifier: GPL-3.0-or-later
// The real program in a GNOME Wayland session with its Shell extension, started as a user starts it: it picks the
// GNOME backend by itself, records a copy made in a GTK window, pastes an entry into a GTK window and into foot
// from the list opened with its recorded shortcut and with `tavrin paste 1`, ten times of ten each.
#include "E2e.h"
#include "GnomeTools.h"
#include "TestDirs.h"
#include "WaylandTools.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

using namespace tavrin;
using namespace tavrin::gnome;

namespace {

constexpr quint32 kControlL = 0xffe3;
constexpr quint32 kAltL = 0xffe9;

e2e::ToolResult runTavrin(const QStringList &arguments)
{
    return e2e::runTool(qEnvironmentVariable("TAVRIN_BINARY"), arguments, 30000);
}

QString topText()
{
    const e2e::ToolResult listed = runTavrin({QStringLiteral("list"), QStringLiteral("--json")});
    const QJsonArray entries = QJsonDocument::fromJson(listed.out).array();
    return entries.isEmpty() ? QString() : entries.at(0).toObject().value(QStringLiteral("text")).toString();
}

// Settings of an earlier run: past the welcome steps, with Ctrl+Alt+V recorded for the list ("V" with Command and
// Option, as the recorder stores them; Ctrl+Shift+V would be no choice here: it is the terminals' paste), and foot
// in the list of windows that paste on Ctrl+Shift+V, as a user adds their terminal there.
void storeQuickAccessShortcut()
{
    test::writeFile(e2e::settingsPath(),
                    QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\">\n<dict>\n"
                               "\t<key>firstRun</key>\n\t<integer>1</integer>\n"
                               "\t<key>userdefaults_shortcutKey</key>\n\t<string>V</string>\n"
                               "\t<key>userdefaults_shortcutflag</key>\n"
                               "\t<array>\n\t\t<integer>11</integer>\n\t\t<integer>13</integer>\n"
                               "\t</array>\n"
                               "\t<key>shiftPasteWindowClasses</key>\n\t<array>\n\t\t<string>foot</string>\n"
                               "\t</array>\n</dict>\n</plist>\n"));
}

}  // namespace

class TestGnomeApp : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY2(!qEnvironmentVariableIsEmpty("TAVRIN_BINARY"), "TAVRIN_BINARY names the program");
        QVERIFY(m_dir.isValid());
        QVERIFY(m_keyboard.isValid());
        e2e::forgetStoredState();
        storeQuickAccessShortcut();

        m_gtk = startGtkTarget(m_dir.filePath(QStringLiteral("gtk.txt")));
        QVERIFY(m_gtk);
        // Qt draws on the compositor as in a user's session; no backend is named.
        m_tavrin.setEnvironmentValue(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("wayland"));
        QVERIFY(m_tavrin.start());
        QTRY_VERIFY_WITH_TIMEOUT(runTavrin({QStringLiteral("list")}).exitCode == 0, 20000);
        QTRY_VERIFY(m_tavrin.errorOutput().contains("start at login"));
        const QByteArray log = m_tavrin.errorOutput();
        QVERIFY2(log.contains("backend: GNOME - GNOME Shell keeps the clipboard, typing and shortcuts to itself"),
                 log.constData());
        for (const char *line : {"capture works", "paste works", "global shortcuts works"})
            QVERIFY2(log.contains(line), line);
        // The start opens the main window; the user clicks back into the window they were working in.
        QTRY_COMPARE_WITH_TIMEOUT(focusedWindowPid(), m_tavrin.pid(), 10000);
        QVERIFY(m_gtk->focus());
    }

    void cleanupTestCase()
    {
        if (m_tavrin.isRunning()) {
            QCOMPARE(runTavrin({QStringLiteral("quit")}).exitCode, 0);
            QVERIFY(m_tavrin.waitForExit());
            QCOMPARE(m_tavrin.exitCode(), 0);
        }
    }

    void aCopyInAGtkWindowIsRecorded()
    {
        QVERIFY(m_gtk->focus());
        for (const char key : QByteArrayLiteral("gtk"))
            QVERIFY(m_keyboard.press({quint32(key)}));
        QTRY_COMPARE_WITH_TIMEOUT(m_gtk->received(), QByteArray("gtk"), 5000);
        QVERIFY(m_keyboard.press({kControlL, 'a'}));
        QVERIFY(m_keyboard.press({kControlL, 'c'}));
        QTRY_COMPARE_WITH_TIMEOUT(topText(), QStringLiteral("gtk"), 5000);
        // What is typed or pasted later goes after it.
        QVERIFY(m_keyboard.press({kControlL, 0xff57}));  // Ctrl+End
        QVERIFY(m_keyboard.press({' '}));
        QTRY_COMPARE_WITH_TIMEOUT(m_gtk->received(), QByteArray("gtk "), 5000);
        // A copy of a Wayland client that is no window at all.
        wayland::copyWithWlCopy("copied with wl-copy ✓");
        QTRY_COMPARE_WITH_TIMEOUT(topText(), QStringLiteral("copied with wl-copy ✓"), 5000);
    }

    void theRecordedShortcutOpensTheList()
    {
        QVERIFY(m_gtk->focus());
        QVERIFY(m_keyboard.press({kControlL, kAltL, 'v'}));
        QTRY_COMPARE_WITH_TIMEOUT(focusedWindowPid(), m_tavrin.pid(), 10000);
        QVERIFY(m_keyboard.press({0xff1b}));  // Escape closes it
        QTRY_COMPARE_WITH_TIMEOUT(focusedWindowClass(), m_gtk->wmClass, 10000);
    }

    void entriesPasteIntoGtkAndFootTenTimesOfTen_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<bool>("fromTheList");
        QTest::newRow("GTK, tavrin paste 1") << "gtk" << false;
        QTest::newRow("GTK, from the list") << "gtk" << true;
        QTest::newRow("foot, tavrin paste 1") << "foot" << false;
        QTest::newRow("foot, from the list") << "foot" << true;
    }

    void entriesPasteIntoGtkAndFootTenTimesOfTen()
    {
        QFETCH(QString, target);
        QFETCH(bool, fromTheList);
        if (target == QLatin1String("foot") && !m_foot) {
            m_foot = startFootTarget(m_dir.filePath(QStringLiteral("foot.txt")));
            QVERIFY(m_foot);
        }
        const PasteTarget &window = target == QLatin1String("foot") ? *m_foot : *m_gtk;
        QVERIFY(window.focus());
        QByteArray expected = window.received();
        int arrived = 0;
        for (int i = 1; i <= 10; ++i) {
            const QString entry = QStringLiteral("%1 %2 ✓ ").arg(fromTheList ? "listed" : "command").arg(i);
            wayland::copyWithWlCopy(entry.toUtf8());
            QTRY_COMPARE_WITH_TIMEOUT(topText(), entry, 5000);
            QTRY_COMPARE_WITH_TIMEOUT(focusedWindowClass(), window.wmClass, 5000);
            if (fromTheList) {
                // The shortcut opens the list; Ctrl+1 pastes its first row into the window that had the focus.
                QVERIFY(m_keyboard.press({kControlL, kAltL, 'v'}));
                QTRY_COMPARE_WITH_TIMEOUT(focusedWindowPid(), m_tavrin.pid(), 10000);
                QVERIFY(m_keyboard.press({kControlL, '1'}));
            } else {
                QCOMPARE(runTavrin({QStringLiteral("paste"), QStringLiteral("1")}).exitCode, 0);
            }
            expected += entry.toUtf8();
            if (QTest::qWaitFor([&] { return window.received() == expected; }, 5000)) {
                ++arrived;
            } else {
                qWarning("paste %d did not arrive: the window holds \"%s\"", i, window.received().constData());
                expected = window.received();
                QVERIFY(window.focus());
            }
        }
        QCOMPARE(arrived, 10);
    }

private:
    QTemporaryDir m_dir;
    RemoteKeyboard m_keyboard;
    std::unique_ptr<PasteTarget> m_gtk;
    std::unique_ptr<PasteTarget> m_foot;
    e2e::TavrinProcess m_tavrin;
};

QTEST_MAIN(TestGnomeApp)
#include "tst_gnome_app.moc"
