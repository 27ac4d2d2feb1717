// SPDX-License-Identifier: GPL-3.0-or-later
// The real program on a headless sway, started the way a user starts it: it picks the Wayland backend by itself,
// records what Wayland clients copy while another program's window has the focus, pastes into that window (from its
// list and with "tavrin paste 1", into Qt, GTK and foot windows), never records its own writes again, and keeps the
// clipboard filled when the program that copied quits.
#include "E2e.h"
#include "ProgramTools.h"
#include "WaylandTools.h"
#include "platform/wayland/WaylandKeyEventPoster.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusInterface>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace tavrin;
using namespace tavrin::wayland;

namespace {

constexpr int kUsage = 2;

QProcessEnvironment onTheCompositor()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("wayland"));
    return environment;
}

}  // namespace

class TestWaylandApp : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY2(!qEnvironmentVariableIsEmpty("TAVRIN_BINARY"), "TAVRIN_BINARY names the program");
        QVERIFY2(!qEnvironmentVariableIsEmpty("TAVRIN_PASTE_TARGET"), "TAVRIN_PASTE_TARGET names the test window");
        QVERIFY(m_dir.isValid());
        e2e::forgetStoredState();

        // Another program's window has the focus the whole time: nothing of ours is in front.
        m_output = m_dir.filePath(QStringLiteral("pasted.txt"));
        m_target.setProcessEnvironment(onTheCompositor());
        m_target.setStandardOutputFile(QProcess::nullDevice());
        m_target.setStandardErrorFile(m_dir.filePath(QStringLiteral("target.log")));
        m_target.start(qEnvironmentVariable("TAVRIN_PASTE_TARGET"), {m_output});
        QVERIFY(m_target.waitForStarted(5000));
        QTRY_COMPARE_WITH_TIMEOUT(focusedWindowTitle(), QStringLiteral("Paste target"), 10000);

        // Qt draws on the compositor as it does in a user's session; no backend is named.
        m_tavrin.setEnvironmentValue(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("wayland"));
        QVERIFY(m_tavrin.start());
        QTRY_VERIFY_WITH_TIMEOUT(runTavrin({QStringLiteral("list")}).exitCode == 0, 20000);
        QVERIFY(m_tavrin.isRunning());
        QTRY_VERIFY(m_tavrin.errorOutput().contains("start at login"));
        const QByteArray log = m_tavrin.errorOutput();
        QVERIFY2(log.contains("backend: Wayland - the compositor lets programs follow the clipboard "
                              "(zwlr_data_control_manager_v1)"),
                 log.constData());
        for (const char *line : {"capture works", "paste works", "global shortcuts does not work", "start at login"})
            QVERIFY2(log.contains(line), line);
        // Whatever the start showed, the user clicks back into the window they were working in.
        QVERIFY(focusWindowTitled(QStringLiteral("Paste target")));
        QTRY_COMPARE_WITH_TIMEOUT(focusedWindowTitle(), QStringLiteral("Paste target"), 10000);
    }

    void cleanupTestCase()
    {
        if (m_tavrin.isRunning()) {
            QCOMPARE(runTavrin({QStringLiteral("quit")}).exitCode, 0);
            QVERIFY(m_tavrin.waitForExit());
            QCOMPARE(m_tavrin.exitCode(), 0);
        }
        m_target.terminate();
        m_target.waitForFinished(5000);
    }

    void copiesOfWaylandClientsAreRecordedWithoutFocus()
    {
        copyWithWlCopy("copied on Wayland ✓");
        QTRY_COMPARE_WITH_TIMEOUT(topText(), QStringLiteral("copied on Wayland ✓"), 5000);

        const QString path = m_dir.filePath(QStringLiteral("report.txt"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        copyWithWlCopy("file://" + path.toUtf8() + "\r\n", QStringLiteral("text/uri-list"));
        QTRY_COMPARE_WITH_TIMEOUT(history().value(0), (Listed{QStringLiteral("file"), path}), 5000);
        QCOMPARE(history().value(1).text, QStringLiteral("copied on Wayland ✓"));
        QCOMPARE(focusedWindowTitle(), QStringLiteral("Paste target"));
    }

    void whatTheProgramPutsOnTheClipboardIsReadButNeverRecordedAgain()
    {
        copyWithWlCopy("older");
        QTRY_COMPARE_WITH_TIMEOUT(topText(), QStringLiteral("older"), 5000);
        copyWithWlCopy("newer");
        QTRY_COMPARE_WITH_TIMEOUT(topText(), QStringLiteral("newer"), 5000);
        const QList<Listed> before = history();

        // An entry written back to the clipboard, and a text added from the command line.
        QCOMPARE(runTavrin({QStringLiteral("copy"), QStringLiteral("2")}).exitCode, 0);
        QTRY_COMPARE_WITH_TIMEOUT(pasteWithWlPaste(), QByteArray("older"), 5000);
        QVERIFY(clipboardTypes().filter(QStringLiteral("application/x-tavrin-offer")).size() == 1);
        QCOMPARE(runTavrin({QStringLiteral("add"), QStringLiteral("added ✓")}).exitCode, 0);
        QTRY_COMPARE_WITH_TIMEOUT(QString::fromUtf8(pasteWithWlPaste()), QStringLiteral("added ✓"), 5000);

        // A later copy of another program is the mark: once it is recorded, a record of our own writes would be too.
        copyWithWlCopy("mark");
        QTRY_COMPARE_WITH_TIMEOUT(topText(), QStringLiteral("mark"), 5000);
        const QList<Listed> after = history();
        QCOMPARE(after.size(), before.size() + 2);
        QCOMPARE(after.at(1).text, QStringLiteral("added ✓"));
        QCOMPARE(after.count(Listed{QStringLiteral("text"), QStringLiteral("older")}), 1);
        QCOMPARE(after.count(Listed{QStringLiteral("text"), QStringLiteral("added ✓")}), 1);
    }

    void theClipboardKeepsItsContentWhenTheCopyingProgramQuits()
    {
        const std::unique_ptr<QProcess> owner = startForegroundCopy("kept after its owner quit");
        QVERIFY(owner);
        QTRY_COMPARE_WITH_TIMEOUT(topText(), QStringLiteral("kept after its owner quit"), 5000);
        owner->terminate();
        QVERIFY(owner->waitForFinished(5000));
        QTRY_COMPARE_WITH_TIMEOUT(pasteWithWlPaste(), QByteArray("kept after its owner quit"), 5000);
        // Offering it again is no new copy.
        QCOMPARE(history().count(Listed{QStringLiteral("text"), QStringLiteral("kept after its owner quit")}), 1);
    }

    void entryOnePastesIntoTheFocusedWindowTenTimesOfTen()
    {
        QTRY_COMPARE_WITH_TIMEOUT(focusedWindowTitle(), QStringLiteral("Paste target"), 10000);
        QCOMPARE(pasteTenCopiesWithTheCommand(m_output, QStringLiteral("paste")), 10);
    }

    void pastesFromTheListArriveTenTimesOfTen()
    {
        QTRY_COMPARE_WITH_TIMEOUT(focusedWindowTitle(), QStringLiteral("Paste target"), 10000);
        QCOMPARE(pasteTenCopiesFromTheList(m_output, QStringLiteral("list"), deskWith(QStringLiteral("Paste target"))),
                 10);
    }

    void theCommandAndTheListPasteIntoAGtkWindowTenTimesOfTen()
    {
        const QString output = m_dir.filePath(QStringLiteral("gtk.txt"));
        const Program gtk = startGtkPasteTarget(output);
        QVERIFY(gtk);
        QTRY_COMPARE_WITH_TIMEOUT(focusedWindowTitle(), QStringLiteral("GTK paste target"), 10000);
        QCOMPARE(pasteTenCopiesWithTheCommand(output, QStringLiteral("gtk")), 10);
        QCOMPARE(
            pasteTenCopiesFromTheList(output, QStringLiteral("gtk list"), deskWith(QStringLiteral("GTK paste target"))),
            10);
    }

    void entryOnePastesIntoFootWithCtrlShiftVTenTimesOfTen()
    {
        // foot pastes on Ctrl+Shift+V; Ctrl+V would arrive as the byte 0x16. Its application id picks the keys.
        const QString output = m_dir.filePath(QStringLiteral("foot.txt"));
        const Program foot = startFoot(output);
        QVERIFY(foot);
        QTRY_COMPARE_WITH_TIMEOUT(focusedWindowTitle(), QStringLiteral("foot"), 10000);
        QCOMPARE(pasteTenCopiesWithTheCommand(output, QStringLiteral("foot")), 10);
        QCOMPARE(pasteTenCopiesFromTheList(output, QStringLiteral("foot list"), deskWith(QStringLiteral("foot"))), 10);
        QVERIFY(!fileText(output).contains('\x16'));
        QVERIFY(focusWindowTitled(QStringLiteral("Paste target")));
    }

    void pasteNextPastesTheQueueInOrderFromACommandBoundToAKey()
    {
        // Where the program cannot take shortcuts, the desktop's own key binding runs these commands.
        const e2e::ToolResult on = runTavrin({QStringLiteral("toggle-sequential")});
        QCOMPARE(on.exitCode, 0);
        QCOMPARE(on.out, QByteArray("sequential mode on\n"));
        copyWithWlCopy("first queued ");
        QTRY_COMPARE_WITH_TIMEOUT(topText(), QStringLiteral("first queued "), 5000);
        copyWithWlCopy("second queued");
        QTRY_COMPARE_WITH_TIMEOUT(topText(), QStringLiteral("second queued"), 5000);

        QVERIFY(focusWindowTitled(QStringLiteral("Paste target")));
        QTRY_COMPARE_WITH_TIMEOUT(focusedWindowTitle(), QStringLiteral("Paste target"), 10000);
        const QByteArray before = fileText(m_output);
        QCOMPARE(runTavrin({QStringLiteral("paste-next")}).exitCode, 0);
        QTRY_COMPARE_WITH_TIMEOUT(fileText(m_output), before + "first queued ", 5000);
        QCOMPARE(runTavrin({QStringLiteral("paste-next")}).exitCode, 0);
        QTRY_COMPARE_WITH_TIMEOUT(fileText(m_output), before + "first queued second queued", 5000);

        // The last entry ended the mode; another press has nothing to paste, and says so.
        const e2e::ToolResult empty = runTavrin({QStringLiteral("paste-next")});
        QCOMPARE(empty.exitCode, 1);
        QVERIFY2(empty.err.contains("the sequential paste queue is empty"), empty.err.constData());
        QCOMPARE(fileText(m_output), before + "first queued second queued");
    }

    void theTrayItemRegistersWithThePanelAndOpensItsMenuInAWindow()
    {
        QDBusInterface watcher(QStringLiteral("org.kde.StatusNotifierWatcher"),
                               QStringLiteral("/StatusNotifierWatcher"),
                               QStringLiteral("org.kde.StatusNotifierWatcher"), QDBusConnection::sessionBus());
        // swaybar's watcher lists each item as "bus name/object path".
        QString item;
        const auto findOurs = [&] {
            for (const QString &registered : watcher.property("RegisteredStatusNotifierItems").toStringList()) {
                const QString name = registered.section(QLatin1Char('/'), 0, 0);
                if (QDBusConnection::sessionBus().interface()->servicePid(name).value() == m_tavrin.pid())
                    item = registered;
            }
            return !item.isEmpty();
        };
        QTRY_VERIFY_WITH_TIMEOUT(findOurs(), 10000);

        // swaybar shows no menus: a right click on the item is this call, and the menu opens as a window of ours.
        QDBusInterface statusItem(item.section(QLatin1Char('/'), 0, 0),
                                  QLatin1Char('/') + item.section(QLatin1Char('/'), 1),
                                  QStringLiteral("org.kde.StatusNotifierItem"), QDBusConnection::sessionBus());
        const QDBusMessage reply = statusItem.call(QStringLiteral("ContextMenu"), 1200, 10);
        QVERIFY2(reply.type() == QDBusMessage::ReplyMessage, qPrintable(reply.errorMessage()));
        QTRY_COMPARE_WITH_TIMEOUT(focusedWindowTitle(), QStringLiteral("Tavrin Menu"), 10000);
        QVERIFY(floatingWindowTitles().contains(QStringLiteral("Tavrin Menu")));
        // Clicking elsewhere closes it, as a menu.
        QVERIFY(focusWindowTitled(QStringLiteral("Paste target")));
        QTRY_VERIFY_WITH_TIMEOUT(!floatingWindowTitles().contains(QStringLiteral("Tavrin Menu")), 10000);
        QCOMPARE(focusedWindowTitle(), QStringLiteral("Paste target"));
    }

    void aBackendIsForcedByNameAndAWrongNameIsRefused()
    {
        const e2e::ToolResult wrong = runTavrin({QStringLiteral("--backend"), QStringLiteral("mir")});
        QCOMPARE(wrong.exitCode, kUsage);
        QVERIFY2(wrong.err.contains("--backend names no backend (\"mir\")"), wrong.err.constData());

        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("TAVRIN_BACKEND"), QStringLiteral("quartz"));
        const e2e::ToolResult wrongVariable = runTavrin({}, environment);
        QCOMPARE(wrongVariable.exitCode, kUsage);
        QVERIFY2(wrongVariable.err.contains("TAVRIN_BACKEND names no backend (\"quartz\")"),
                 wrongVariable.err.constData());
        QVERIFY(m_tavrin.isRunning());
    }

private:
    // The user's keyboard is a virtual keyboard of the test's own; sway tells the focus by window title.
    Desk deskWith(const QString &targetTitle)
    {
        return {[this](QKeyCombination keys) { return m_keyboard.typeKeys(keys); },
                [] { return focusedWindowTitle() == QStringLiteral("Tavrin"); },
                [targetTitle] { return focusedWindowTitle() == targetTitle; }};
    }

    QTemporaryDir m_dir;
    QString m_output;
    QProcess m_target;
    e2e::TavrinProcess m_tavrin;
    WaylandKeyEventPoster m_keyboard;
};

QTEST_MAIN(TestWaylandApp)
#include "tst_wayland_app.moc"
