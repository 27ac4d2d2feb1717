// The real X11 hot key service under the registry, driven with xdotool on the session's display.
#include "E2e.h"
#include "X11Keyboard.h"
#include "hotkeys/HotKey.h"
#include "hotkeys/HotKeysController.h"
#include "platform/common/CarbonKeysyms.h"
#include "platform/common/EvdevKeyPositions.h"
#include "platform/x11/X11HotKeyService.h"

#include <QTest>

using namespace tavrin;

namespace {

constexpr std::uint32_t kCommand = 0x100;
constexpr std::uint32_t kShift = 0x200;
constexpr std::uint32_t kOption = 0x800;
constexpr std::uint16_t kLockMask = 0x2;
constexpr std::uint16_t kNumLockMask = 0x10;  // Mod2, where Xvfb's keymap puts Num Lock

void press(const QString &chord)
{
    const e2e::ToolResult result = e2e::runTool(QStringLiteral("xdotool"), {QStringLiteral("key"), chord});
    QVERIFY2(result.exitCode == 0, result.err.constData());
}

struct Counter {
    int downs = 0;
    int ups = 0;
    HotKey::Handler down()
    {
        return [this] { ++downs; };
    }
    HotKey::Handler up()
    {
        return [this] { ++ups; };
    }
};

}  // namespace

class TestE2eHotKeys : public QObject {
    Q_OBJECT

    X11HotKeyService *service = nullptr;
    HotKeysController *controller = nullptr;
    int failures = 0;
    // Pressed after a combination that must do nothing: once it arrives, the other press was handled too.
    std::shared_ptr<HotKey> sentinel;
    Counter sentinelCount;

    void waitForSentinel()
    {
        const int before = sentinelCount.downs;
        press(QStringLiteral("ctrl+alt+s"));
        QTRY_COMPARE_WITH_TIMEOUT(sentinelCount.downs, before + 1, 5000);
    }

private Q_SLOTS:
    void initTestCase()
    {
        service = new X11HotKeyService(QByteArray(), this);
        QVERIFY(service->isConnected());
        controller = new HotKeysController(*service, 0, this);
        controller->registrationFailedHook = [this] { ++failures; };
        sentinel = HotKey::create(*controller, 1, kCommand | kOption, sentinelCount.down());
        QCOMPARE(failures, 0);
    }

    void cleanupTestCase()
    {
        sentinel.reset();
        delete controller;
        delete service;
        e2e::runTool(QStringLiteral("setxkbmap"), {QStringLiteral("us")});
    }

    void init() { failures = 0; }

    void cleanup()
    {
        // A failed test must not leave a lock on for the next one.
        const std::uint16_t state = e2e::keyboardState();
        if (state & kNumLockMask)
            press(QStringLiteral("Num_Lock"));
        if (state & kLockMask)
            press(QStringLiteral("Caps_Lock"));
    }

    void aPressedShortcutRunsItsHandlersWhateverTheLocks()
    {
        Counter count;
        const auto hotKey = HotKey::create(*controller, 9, kCommand | kShift, count.down(), count.up());
        QCOMPARE(failures, 0);
        press(QStringLiteral("ctrl+shift+v"));
        QTRY_COMPARE_WITH_TIMEOUT(count.downs, 1, 5000);
        QTRY_COMPARE_WITH_TIMEOUT(count.ups, 1, 5000);

        press(QStringLiteral("Num_Lock"));
        QVERIFY(e2e::keyboardState() & kNumLockMask);
        press(QStringLiteral("ctrl+shift+v"));
        QTRY_COMPARE_WITH_TIMEOUT(count.downs, 2, 5000);

        press(QStringLiteral("Caps_Lock"));
        QVERIFY(e2e::keyboardState() & kLockMask);
        press(QStringLiteral("ctrl+shift+v"));
        QTRY_COMPARE_WITH_TIMEOUT(count.downs, 3, 5000);

        press(QStringLiteral("Num_Lock"));
        QVERIFY(!(e2e::keyboardState() & kNumLockMask));
        press(QStringLiteral("ctrl+shift+v"));
        QTRY_COMPARE_WITH_TIMEOUT(count.downs, 4, 5000);
        press(QStringLiteral("Caps_Lock"));
        QCOMPARE(e2e::keyboardState() & (kLockMask | kNumLockMask), 0);

        // Other modifiers make another combination.
        press(QStringLiteral("ctrl+v"));
        press(QStringLiteral("ctrl+shift+alt+v"));
        waitForSentinel();
        QCOMPARE(count.downs, 4);
        QTRY_COMPARE_WITH_TIMEOUT(count.ups, 4, 5000);
    }

    void aCombinationAnotherClientHoldsIsRefusedAtOnce()
    {
        e2e::OtherClientGrab other;
        QVERIFY(other.start('g', 0x4 | 0x8));  // Control+Mod1
        Counter count;
        const auto hotKey = HotKey::create(*controller, 5, kCommand | kOption, count.down());
        QCOMPARE(failures, 1);
        QCOMPARE(controller->hotKeys().size(), std::size_t(2));  // the sentinel and the refused box
        press(QStringLiteral("ctrl+alt+g"));
        waitForSentinel();
        QCOMPARE(count.downs, 0);
        QCOMPARE(failures, 1);

        // Nothing of the refused grab is left behind: the same combination with Shift is free.
        const auto other2 = HotKey::create(*controller, 5, kCommand | kOption | kShift, count.down());
        QCOMPARE(failures, 1);
        press(QStringLiteral("ctrl+alt+shift+g"));
        QTRY_COMPARE_WITH_TIMEOUT(count.downs, 1, 5000);
    }

    void pausingStopsDeliveryAndResumingRestoresIt()
    {
        Counter count;
        const auto hotKey = HotKey::create(*controller, 40, kCommand | kShift, count.down());
        press(QStringLiteral("ctrl+shift+k"));
        QTRY_COMPARE_WITH_TIMEOUT(count.downs, 1, 5000);
        hotKey->setPaused(true);
        press(QStringLiteral("ctrl+shift+k"));
        waitForSentinel();
        QCOMPARE(count.downs, 1);
        hotKey->setPaused(false);
        press(QStringLiteral("ctrl+shift+k"));
        QTRY_COMPARE_WITH_TIMEOUT(count.downs, 2, 5000);
        QCOMPARE(failures, 0);
    }

    void aHeldKeyIsPressedOnceAndReleasedOnce()
    {
        Counter count;
        const auto hotKey = HotKey::create(*controller, 15, kCommand | kShift, count.down(), count.up());
        const int repeatsBefore = service->autoRepeatsIgnored();
        QCOMPARE(e2e::runTool(QStringLiteral("xdotool"), {QStringLiteral("keydown"), QStringLiteral("ctrl+shift+r")})
                     .exitCode,
                 0);
        QTRY_COMPARE_WITH_TIMEOUT(count.downs, 1, 5000);
        // Long enough for the server's auto-repeat to start (660 ms by default).
        QTRY_VERIFY_WITH_TIMEOUT(service->autoRepeatsIgnored() > repeatsBefore + 3, 5000);
        QCOMPARE(count.ups, 0);
        QCOMPARE(e2e::runTool(QStringLiteral("xdotool"), {QStringLiteral("keyup"), QStringLiteral("r")}).exitCode, 0);
        QTRY_COMPARE_WITH_TIMEOUT(count.ups, 1, 5000);
        e2e::runTool(QStringLiteral("xdotool"), {QStringLiteral("keyup"), QStringLiteral("ctrl+shift")});
        QCOMPARE(count.downs, 1);
    }

    void grabsFollowAKeymapChange()
    {
        Counter count;
        const auto hotKey = HotKey::create(*controller, 6, kCommand | kShift, count.down());  // z
        const std::uint8_t before = e2e::keycodeForKeysym('z');
        QCOMPARE(e2e::runTool(QStringLiteral("setxkbmap"), {QStringLiteral("de")}).exitCode, 0);
        QTRY_VERIFY_WITH_TIMEOUT(e2e::keycodeForKeysym('z') != before, 5000);  // z moved to another key
        // The service sees the change before the sentinel's press, which comes after it.
        waitForSentinel();
        press(QStringLiteral("ctrl+shift+z"));
        QTRY_COMPARE_WITH_TIMEOUT(count.downs, 1, 5000);
        // The key that typed z before types y now: it is no longer the shortcut.
        press(QStringLiteral("ctrl+shift+y"));
        waitForSentinel();
        QCOMPARE(count.downs, 1);
        QCOMPARE(e2e::runTool(QStringLiteral("setxkbmap"), {QStringLiteral("us")}).exitCode, 0);
        QTRY_COMPARE_WITH_TIMEOUT(e2e::keycodeForKeysym('z'), before, 5000);
        waitForSentinel();
        press(QStringLiteral("ctrl+shift+z"));
        QTRY_COMPARE_WITH_TIMEOUT(count.downs, 2, 5000);
    }

    void aKeyTheKeyboardLacksIsRefused()
    {
        // fn is handled inside the keyboard and never reaches X.
        Counter count;
        const auto function = HotKey::create(*controller, 63, kCommand, count.down());
        QCOMPARE(failures, 1);
    }

    void keyPlacesAreTheSameUnderEveryLayout()
    {
        // On a US layout the key that types a character is the one at that character's place: the table of places
        // agrees with the server for every letter, digit and mark.
        const EvdevKeyPositions places;
        QCOMPARE(e2e::runTool(QStringLiteral("setxkbmap"), {QStringLiteral("us")}).exitCode, 0);
        int checked = 0;
        for (std::uint16_t code = 0; code < 128; ++code) {
            const auto keysym = keysymForCarbonKeyCode(code);
            if (!keysym || *keysym < 0x20 || *keysym > 0x7e)
                continue;
            const std::uint8_t keycode = e2e::keycodeForKeysym(*keysym);
            QVERIFY2(keycode != 0, qPrintable(QString::number(code)));
            QCOMPARE(places.carbonKeyCode(keycode), std::optional<std::uint16_t>(code));
            ++checked;
        }
        QCOMPARE(checked, 26 + 10 + 11 + 1);  // letters, digits, marks, space
        // AZERTY types "&" where US types "1", and "a" where US types "q": the places stay those of "1" and "q".
        QCOMPARE(e2e::runTool(QStringLiteral("setxkbmap"), {QStringLiteral("fr")}).exitCode, 0);
        QTRY_VERIFY_WITH_TIMEOUT(e2e::keycodeForKeysym('&') != 0, 5000);
        QCOMPARE(places.carbonKeyCode(e2e::keycodeForKeysym('&')), std::optional<std::uint16_t>(18));
        QCOMPARE(places.carbonKeyCode(e2e::keycodeForKeysym('a')), std::optional<std::uint16_t>(12));
        QCOMPARE(e2e::runTool(QStringLiteral("setxkbmap"), {QStringLiteral("us")}).exitCode, 0);
    }
};

QTEST_GUILESS_MAIN(TestE2eHotKeys)
#include "tst_e2e_hotkeys.moc"
