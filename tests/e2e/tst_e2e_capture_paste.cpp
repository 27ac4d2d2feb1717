// SPDX-License-Identifier: GPL-3.0-or-later
// Capture and paste over the real X11 backend: pastes reach other applications' windows, and a clipboard owner
// that never answers does not stall the GUI thread.
#include "E2e.h"
#include "TestDirs.h"
#include "X11Keyboard.h"
#include "X11TestOwner.h"
#include "app/ProgramHider.h"
#include "capture/CaptureServices.h"
#include "capture/ClipboardMonitor.h"
#include "capture/PasteEngine.h"
#include "platform/Platform.h"
#include "platform/x11/X11KeyEventPoster.h"
#include "platform/x11/X11Platform.h"
#include "store/HistoryStore.h"
#include "store/SettingsStore.h"
#include "store/StringListFiles.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWidget>

using namespace tavrin;

namespace {

constexpr unsigned XK_Shift_L = 0xffe1;

// The capture services over the real platform, as the program builds them.
struct Live {
    test::TestDirs dirs;
    std::unique_ptr<Platform> platform = createX11Platform();
    SettingsStore settings;
    ListFolder folder{dirs.documents()};
    HistoryStore history{settings, *platform->scheduler, folder};
    CaptureServices capture{platform->core(), settings, history};
    ProgramHider hider{*platform->workspace};

    Live()
    {
        capture.recordChangeCount();
        QObject::connect(&capture.pasteEngine(), &PasteEngine::programHideRequested, &capture.pasteEngine(),
                         [this] { hider.hideProgram(); });
    }
    PasteEngine &engine() { return capture.pasteEngine(); }
};

// The live services and a window of ours that takes pastes, with what it holds mirrored into a file.
struct PasteIntoTarget : Live {
    QTemporaryDir dir;
    const QString output = dir.filePath(QStringLiteral("pasted.txt"));
    e2e::OtherWindow target;

    /// Opens the target and gives it the focus.
    bool openTarget() { return target.open(qEnvironmentVariable("TAVRIN_PASTE_TARGET"), {output}); }
    QByteArray pasted() const { return test::readFile(output); }
};

bool setLayout(const QString &layout, const QString &variant = QString())
{
    QStringList arguments = {layout};
    if (!variant.isEmpty())
        arguments += {QStringLiteral("-variant"), variant};
    return e2e::runTool(QStringLiteral("setxkbmap"), arguments).exitCode == 0;
}

}  // namespace

class TestE2eCapturePaste : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { QVERIFY(setLayout(QStringLiteral("us"))); }

    void aPasteFollowsALayoutChange()
    {
        PasteIntoTarget live;
        QVERIFY(live.openTarget());
        live.engine().pasteItem(QStringLiteral("us "));
        QTRY_COMPARE_WITH_TIMEOUT(live.pasted(), QByteArray("us "), 5000);
        // On Dvorak the key that types "v" is another: the key of "v" on US types "k" there.
        QVERIFY(setLayout(QStringLiteral("us"), QStringLiteral("dvorak")));
        live.engine().pasteItem(QStringLiteral("dvorak"));
        QTRY_COMPARE_WITH_TIMEOUT(live.pasted(), QByteArray("us dvorak"), 5000);
    }

    void aPasteWorksOnLayoutsWithoutALatinV()
    {
        PasteIntoTarget live;
        auto &keys = dynamic_cast<X11KeyEventPoster &>(*live.platform->keyEventPoster);
        QVERIFY(live.openTarget());
        QByteArray expected;
        for (const QString &layout : {QStringLiteral("ru"), QStringLiteral("gr")}) {
            QVERIFY(setLayout(layout));
            QVERIFY(live.target.activate());
            const QString text = QStringLiteral("on %1 ").arg(layout);
            live.engine().pasteItem(text);
            expected += text.toUtf8();
            QTRY_COMPARE_WITH_TIMEOUT(live.pasted(), expected, 5000);
            // The keycode lent to "v" for the chord is given back.
            QTRY_VERIFY_WITH_TIMEOUT(!keys.hasBorrowedKeycode(), 5000);
            QCOMPARE(e2e::keycodeForKeysym('v'), std::uint8_t(0));
        }
    }
    void aPasteReachesTheWindowThatHadTheFocusBeforeOurs()
    {
        PasteIntoTarget live;
        QVERIFY(live.openTarget());

        // Our list window comes to the front, as when the user opens it to pick an entry.
        QWidget list;
        list.setWindowTitle(QStringLiteral("Tavrin list"));
        list.resize(200, 200);
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        QVERIFY(e2e::runTool(QStringLiteral("xdotool"), {QStringLiteral("windowactivate"), QStringLiteral("--sync"),
                                                         QString::number(list.winId())})
                    .exitCode == 0);
        QTRY_COMPARE(live.platform->workspace->activeWindow(), Workspace::WindowId(list.winId()));
        QTRY_COMPARE(live.platform->workspace->lastForeignActiveWindow(), live.target.window);

        const QString text = QStringLiteral("Exact text – ✓ 42");
        live.engine().pasteItem(text);
        QVERIFY(!list.isVisible());
        QTRY_COMPARE_WITH_TIMEOUT(live.pasted(), text.toUtf8(), 5000);
        QTest::qWait(300);
        QCOMPARE(live.pasted(), text.toUtf8());  // once, nothing more
    }

    void aModifierStillHeldDoesNotLeakIntoThePasteAndStaysHeld()
    {
        PasteIntoTarget live;
        QVERIFY(live.openTarget());
        QCOMPARE(e2e::runTool(QStringLiteral("xdotool"), {QStringLiteral("keydown"), QStringLiteral("shift")}).exitCode,
                 0);
        QVERIFY(e2e::isKeyDown(XK_Shift_L));
        live.engine().pasteItem(QStringLiteral("held shift"));
        QTRY_COMPARE_WITH_TIMEOUT(live.pasted(), QByteArray("held shift"), 5000);
        QVERIFY(e2e::isKeyDown(XK_Shift_L));  // the user's key is as the user holds it
        e2e::runTool(QStringLiteral("xdotool"), {QStringLiteral("keyup"), QStringLiteral("shift")});
        QVERIFY(!e2e::isKeyDown(XK_Shift_L));
    }

    void xtermGetsThePasteThroughShiftInsert()
    {
        Live live;
        QTemporaryDir dir;
        const QString output = dir.filePath(QStringLiteral("typed.txt"));
        e2e::OtherWindow xterm;
        QVERIFY(xterm.open(QStringLiteral("xterm"), {QStringLiteral("-e"), QStringLiteral("sh"), QStringLiteral("-c"),
                                                     QStringLiteral("stty raw -echo; exec cat > '%1'").arg(output)}));
        QTRY_COMPARE(live.platform->workspace->windowClass(live.platform->workspace->activeWindow()),
                     QStringLiteral("XTerm"));
        QTest::qWait(300);  // the shell has set the terminal up
        live.engine().pasteItem(QStringLiteral("echo pasted into xterm"));
        QTRY_COMPARE_WITH_TIMEOUT(test::readFile(output), QByteArray("echo pasted into xterm"), 5000);
    }

    void ourWritesAreServedAndNotRecordedAgain()
    {
        Live live;
        live.capture.monitor().start();
        live.engine().writeItemToClipboard(QStringLiteral("written back"));
        QTRY_COMPARE(e2e::readWithXclip().out, QByteArray("written back"));
        QTest::qWait(1200);  // a tick and every notice have passed
        QVERIFY(live.history.items().isEmpty());
        e2e::copyWithXclip("then a real copy");
        QTRY_COMPARE(live.history.items(), QStringList({QStringLiteral("then a real copy")}));
    }

    void anOwnerThatNeverAnswersLeavesTheGuiThreadResponsive()
    {
        Live live;
        live.capture.monitor().start();
        e2e::SilentClipboardOwner silent;
        QVERIFY(silent.isOwner());
        // While the worker waits for the silent owner, measure how late the GUI thread's timer events come.
        QElapsedTimer clock;
        clock.start();
        qint64 last = 0;
        qint64 worstDelay = 0;
        QTimer probe;
        probe.setTimerType(Qt::PreciseTimer);
        QObject::connect(&probe, &QTimer::timeout, [&] {
            const qint64 now = clock.elapsed();
            worstDelay = std::max(worstDelay, now - last - probe.interval());
            last = now;
        });
        probe.start(10);
        QTest::qWait(2000);
        probe.stop();
        qInfo("worst event-loop delay while the read hangs: %lld ms", worstDelay);
        // A blocked GUI thread would stall for the whole read timeout (3 s); a busy machine delays a timer far less.
        QVERIFY2(worstDelay < 1000, qPrintable(QString::number(worstDelay)));
        QVERIFY(live.history.items().isEmpty());
        // The read times out, and the next copy is recorded as usual.
        e2e::copyWithXclip("after the silent owner");
        QTRY_COMPARE_WITH_TIMEOUT(live.history.items(), QStringList({QStringLiteral("after the silent owner")}), 6000);
    }
};

QTEST_MAIN(TestE2eCapturePaste)
#include "tst_e2e_capture_paste.moc"
