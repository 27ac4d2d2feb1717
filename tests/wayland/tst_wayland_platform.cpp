// SPDX-License-Identifier: GPL-3.0-or-later
// The assembled Wayland backend on a real compositor (headless sway with swaybar): what it finds in the session, and
// the clipboard monitor recording other programs' copies through it, never its own writes.
#include "TestDirs.h"
#include "WaylandTools.h"
#include "capture/CaptureServices.h"
#include "capture/ClipboardMonitor.h"
#include "capture/InteractionSound.h"
#include "capture/PasteEngine.h"
#include "platform/wayland/WaylandCapabilities.h"
#include "platform/wayland/WaylandClipboard.h"
#include "platform/wayland/WaylandPlatform.h"
#include "store/HistoryStore.h"
#include "store/SettingsStore.h"
#include "store/StringListFiles.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace tavrin;
using namespace tavrin::wayland;

namespace {

// Capture and paste over the real backend, with a history in the test's own folder.
struct WaylandCapture {
    test::TestDirs dirs;
    std::unique_ptr<Platform> platform = createWaylandPlatform();
    SettingsStore settings;
    ListFolder folder{dirs.documents()};
    HistoryStore history{settings, *platform->scheduler, folder};
    CaptureServices capture{platform->core(), settings, history};
};

}  // namespace

class TestWaylandPlatform : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        // A warning of the backend is a fault here.
        QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
    }

    void theCompositorIsAskedWhatItOffers()
    {
        const WaylandProtocols sway = probeWaylandProtocols();
        QVERIFY(sway.supportsClipboard());
        QCOMPARE(sway.dataControl, std::string("zwlr_data_control_manager_v1"));
        QVERIFY(sway.primarySelection);
        QVERIFY(sway.virtualKeyboard);

        const WaylandProtocols none = probeWaylandProtocols("wayland-no-such-display");
        QVERIFY(!none.supportsClipboard());
        QVERIFY(!none.connectionProblem.empty());
    }

    void theBackendReportsWhatWorksInThisSession()
    {
        DesktopCapabilities capabilities;
        const auto platform = createWaylandPlatform(&capabilities);
        QCOMPARE(capabilities.backend, QStringLiteral("Wayland"));
        QVERIFY2(capabilities.capture.available, qPrintable(capabilities.capture.detail));
        QVERIFY(capabilities.capture.detail.contains(QStringLiteral("zwlr_data_control_manager_v1")));
        QVERIFY2(capabilities.paste.available, qPrintable(capabilities.paste.detail));
        QCOMPARE(capabilities.paste.detail, QStringLiteral("keys are typed through the compositor's virtual keyboard"));
        // The portal is not needed, so not asked.
        QCOMPARE(capabilities.paste.otherWays,
                 QStringList({QStringLiteral("the desktop's RemoteDesktop portal: not needed")}));
        QVERIFY(!capabilities.globalShortcuts.available);
        QVERIFY(capabilities.globalShortcuts.detail.contains(QStringLiteral("key settings")));
        QCOMPARE(capabilities.globalShortcuts.otherWays,
                 QStringList({QStringLiteral("KDE's shortcut service: it is not running (not a KDE Plasma session)"),
                              QStringLiteral("the desktop's GlobalShortcuts portal: no portal backend of this desktop "
                                             "offers it")}));
        QCOMPARE(capabilities.logLines().size(), 5);
        QCOMPARE(platform->capabilities.backend, capabilities.backend);
        QVERIFY(platform->accessibility->isProcessTrusted(false));

        // swaybar is the tray host of this session; it may still be starting.
        QTRY_VERIFY_WITH_TIMEOUT(describeWaylandSession(static_cast<WaylandClipboard &>(*platform->clipboard),
                                                        capabilities.paste, capabilities.globalShortcuts)
                                     .tray.available,
                                 10000);

        // Without a shortcut service every combination is refused at once, with the reason.
        QVERIFY(!platform->globalShortcuts->isOffered());
        QCOMPARE(platform->globalShortcuts->registerShortcut(QStringLiteral("quick-access"),
                                                             QKeyCombination(Qt::ControlModifier, Qt::Key_V),
                                                             QStringLiteral("Show the clipboard list")),
                 ShortcutStatus::refused(QStringLiteral("This desktop lets no program take global shortcuts.")));
        platform->globalShortcuts->unregisterShortcut(QStringLiteral("quick-access"));
    }

    void theMonitorRecordsOtherProgramsCopiesAndNeverItsOwnWrites()
    {
        WaylandCapture f;
        HistoryStore &history = f.history;
        CaptureServices &capture = f.capture;
        capture.sound().load();
        capture.recordChangeCount();
        capture.monitor().start();

        // No window of ours exists, let alone has the focus.
        QElapsedTimer clock;
        clock.start();
        copyWithWlCopy("copied in another program");
        QTRY_COMPARE_WITH_TIMEOUT(history.items().value(0), QStringLiteral("copied in another program"), 1100);
        qInfo("copy to history entry: %lld ms", clock.elapsed());

        copyWithWlCopy("file:///tmp/copied%20file.txt\r\n", QStringLiteral("text/uri-list"));
        QTRY_COMPARE_WITH_TIMEOUT(history.items().value(0), QStringLiteral("/tmp/copied file.txt"), 1100);

        const qsizetype entries = history.items().size();
        capture.pasteEngine().writeItemToClipboard(QStringLiteral("written by us"));
        QCOMPARE(pasteWithWlPaste(), QByteArray("written by us"));
        // Another copy after ours: once it is recorded, ours has long been looked at (and left alone).
        copyWithWlCopy("after ours");
        QTRY_COMPARE_WITH_TIMEOUT(history.items().value(0), QStringLiteral("after ours"), 1100);
        QCOMPARE(history.items().size(), entries + 1);
        QVERIFY(!history.items().contains(QStringLiteral("written by us")));
    }

    void pastesAskedForInQuickSuccessionEachPasteTheirOwnEntry()
    {
        QVERIFY2(!qEnvironmentVariableIsEmpty("TAVRIN_PASTE_TARGET"), "TAVRIN_PASTE_TARGET names the test window");
        QTemporaryDir dir;
        const QString output = dir.filePath(QStringLiteral("pasted.txt"));
        const Program target = startPasteTarget(output);
        QVERIFY(target);
        QTRY_COMPARE_WITH_TIMEOUT(focusedWindowTitle(), QStringLiteral("Paste target"), 10000);

        WaylandCapture f;
        // Three pastes at once, as from quick clicks: each entry must stay on the clipboard until it was pasted.
        for (const char *entry : {"one ", "two ", "three "})
            f.capture.pasteEngine().pasteItem(QString::fromLatin1(entry));
        const auto pasted = [&] {
            QFile file(output);
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        };
        QTRY_COMPARE_WITH_TIMEOUT(pasted(), QByteArray("one two three "), 10000);
        target->terminate();
        target->waitForFinished(5000);
    }
};

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);  // the backend's workspace and sounds want a GUI application, as the program has
    TestWaylandPlatform test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_wayland_platform.moc"
