// SPDX-License-Identifier: GPL-3.0-or-later
// The real X11 global shortcuts, driven with xdotool and setxkbmap on the session's display.
#include "E2e.h"
#include "X11Keyboard.h"
#include "platform/common/QtKeysyms.h"
#include "platform/common/XkbKeyPositions.h"
#include "platform/x11/X11GlobalShortcuts.h"

#include <QMap>
#include <QTest>

using namespace tavrin;

namespace {

constexpr std::uint16_t kLockMask = 0x2;
constexpr std::uint16_t kNumLockMask = 0x10;  // Mod2, where Xvfb's keymap puts Num Lock
constexpr Qt::KeyboardModifiers kCtrl = Qt::ControlModifier;
constexpr Qt::KeyboardModifiers kShift = Qt::ShiftModifier;
constexpr Qt::KeyboardModifiers kAlt = Qt::AltModifier;

void press(const QString &chord)
{
    const e2e::ToolResult result = e2e::runTool(QStringLiteral("xdotool"), {QStringLiteral("key"), chord});
    QVERIFY2(result.exitCode == 0, result.err.constData());
}

bool setLayout(const QString &layout, const QString &variant = QString())
{
    QStringList arguments = {layout};
    if (!variant.isEmpty())
        arguments += {QStringLiteral("-variant"), variant};
    return e2e::runTool(QStringLiteral("setxkbmap"), arguments).exitCode == 0;
}

QKeyCombination combo(Qt::KeyboardModifiers modifiers, Qt::Key key)
{
    return QKeyCombination(modifiers, key);
}

}  // namespace

class TestE2eHotKeys : public QObject {
    Q_OBJECT

    X11GlobalShortcuts *shortcuts = nullptr;
    QMap<QString, int> presses;
    QList<std::pair<QString, ShortcutStatus>> changes;

    ShortcutStatus take(const QString &id, QKeyCombination combination)
    {
        return shortcuts->registerShortcut(id, combination, QStringLiteral("a test shortcut"));
    }

    // Pressed after a combination that must do nothing, or after a layout change: once it arrives, what came before
    // it was handled too. F12 is on the same key in every layout (with Ctrl+Alt it would switch terminals).
    void waitForSentinel()
    {
        const int before = presses.value(QStringLiteral("sentinel"));
        press(QStringLiteral("ctrl+shift+F12"));
        QTRY_COMPARE_WITH_TIMEOUT(presses.value(QStringLiteral("sentinel")), before + 1, 5000);
    }

private Q_SLOTS:
    void initTestCase()
    {
        shortcuts = new X11GlobalShortcuts(QByteArray(), this);
        QVERIFY(shortcuts->isConnected());
        QVERIFY(shortcuts->isOffered());
        connect(shortcuts, &GlobalShortcuts::activated, this, [this](const QString &id) { ++presses[id]; });
        connect(shortcuts, &GlobalShortcuts::statusChanged, this,
                [this](const QString &id, const ShortcutStatus &status) {
                    changes.append({id, status});
                });
        QVERIFY(take(QStringLiteral("sentinel"), combo(kCtrl | kShift, Qt::Key_F12)).isActive());
    }

    void cleanupTestCase()
    {
        delete shortcuts;
        setLayout(QStringLiteral("us"));
    }

    void init()
    {
        presses.clear();
        changes.clear();
    }

    void cleanup()
    {
        for (const QString &id : {QStringLiteral("a"), QStringLiteral("b")})
            shortcuts->unregisterShortcut(id);
        // A failed test must not leave a lock or a layout on for the next one.
        const std::uint16_t state = e2e::keyboardState();
        if (state & kNumLockMask)
            press(QStringLiteral("Num_Lock"));
        if (state & kLockMask)
            press(QStringLiteral("Caps_Lock"));
        QVERIFY(setLayout(QStringLiteral("us")));
    }

    void aPressedShortcutFiresWhateverTheLocks()
    {
        QVERIFY(take(QStringLiteral("a"), combo(kCtrl | kShift, Qt::Key_V)).isActive());
        press(QStringLiteral("ctrl+shift+v"));
        QTRY_COMPARE_WITH_TIMEOUT(presses.value(QStringLiteral("a")), 1, 5000);

        press(QStringLiteral("Num_Lock"));
        QVERIFY(e2e::keyboardState() & kNumLockMask);
        press(QStringLiteral("ctrl+shift+v"));
        QTRY_COMPARE_WITH_TIMEOUT(presses.value(QStringLiteral("a")), 2, 5000);

        press(QStringLiteral("Caps_Lock"));
        QVERIFY(e2e::keyboardState() & kLockMask);
        press(QStringLiteral("ctrl+shift+v"));
        QTRY_COMPARE_WITH_TIMEOUT(presses.value(QStringLiteral("a")), 3, 5000);

        press(QStringLiteral("Num_Lock"));
        QVERIFY(!(e2e::keyboardState() & kNumLockMask));
        press(QStringLiteral("ctrl+shift+v"));
        QTRY_COMPARE_WITH_TIMEOUT(presses.value(QStringLiteral("a")), 4, 5000);
        press(QStringLiteral("Caps_Lock"));
        QCOMPARE(e2e::keyboardState() & (kLockMask | kNumLockMask), 0);

        // Other modifiers make another combination.
        press(QStringLiteral("ctrl+v"));
        press(QStringLiteral("ctrl+shift+alt+v"));
        waitForSentinel();
        QCOMPARE(presses.value(QStringLiteral("a")), 4);
        QVERIFY(changes.isEmpty());
    }

    void aCombinationAnotherClientHoldsIsRefusedAtOnce()
    {
        e2e::OtherClientGrab other;
        QVERIFY(other.start('g', 0x4 | 0x8));  // Control+Mod1
        QCOMPARE(take(QStringLiteral("a"), combo(kCtrl | kAlt, Qt::Key_G)),
                 ShortcutStatus::refused(QStringLiteral("Ctrl+Alt+G is taken by another program.")));
        press(QStringLiteral("ctrl+alt+g"));
        waitForSentinel();
        QCOMPARE(presses.value(QStringLiteral("a")), 0);

        // Nothing of the refused grab is left behind: the same combination with Shift is free.
        QVERIFY(take(QStringLiteral("b"), combo(kCtrl | kAlt | kShift, Qt::Key_G)).isActive());
        press(QStringLiteral("ctrl+alt+shift+g"));
        QTRY_COMPARE_WITH_TIMEOUT(presses.value(QStringLiteral("b")), 1, 5000);
        // One combination serves one shortcut.
        QCOMPARE(
            take(QStringLiteral("a"), combo(kCtrl | kAlt | kShift, Qt::Key_G)),
            ShortcutStatus::refused(QStringLiteral("Ctrl+Alt+Shift+G is already another shortcut of this program.")));
    }

    void unregisteringStopsDeliveryAndRegisteringAgainReplaces()
    {
        QVERIFY(take(QStringLiteral("a"), combo(kCtrl | kShift, Qt::Key_K)).isActive());
        press(QStringLiteral("ctrl+shift+k"));
        QTRY_COMPARE_WITH_TIMEOUT(presses.value(QStringLiteral("a")), 1, 5000);
        shortcuts->unregisterShortcut(QStringLiteral("a"));
        press(QStringLiteral("ctrl+shift+k"));
        waitForSentinel();
        QCOMPARE(presses.value(QStringLiteral("a")), 1);

        QVERIFY(take(QStringLiteral("a"), combo(kCtrl | kShift, Qt::Key_K)).isActive());
        QVERIFY(take(QStringLiteral("a"), combo(kCtrl | kShift, Qt::Key_L)).isActive());
        press(QStringLiteral("ctrl+shift+k"));
        press(QStringLiteral("ctrl+shift+l"));
        QTRY_COMPARE_WITH_TIMEOUT(presses.value(QStringLiteral("a")), 2, 5000);
        waitForSentinel();
        QCOMPARE(presses.value(QStringLiteral("a")), 2);
    }

    void aHeldKeyFiresOnce()
    {
        QVERIFY(take(QStringLiteral("a"), combo(kCtrl | kShift, Qt::Key_R)).isActive());
        const int repeatsBefore = shortcuts->autoRepeatsIgnored();
        QCOMPARE(e2e::runTool(QStringLiteral("xdotool"), {QStringLiteral("keydown"), QStringLiteral("ctrl+shift+r")})
                     .exitCode,
                 0);
        QTRY_COMPARE_WITH_TIMEOUT(presses.value(QStringLiteral("a")), 1, 5000);
        // Long enough for the server's auto-repeat to start (660 ms by default).
        QTRY_VERIFY_WITH_TIMEOUT(shortcuts->autoRepeatsIgnored() > repeatsBefore + 3, 5000);
        QCOMPARE(presses.value(QStringLiteral("a")), 1);
        QCOMPARE(e2e::runTool(QStringLiteral("xdotool"), {QStringLiteral("keyup"), QStringLiteral("r")}).exitCode, 0);
        e2e::runTool(QStringLiteral("xdotool"), {QStringLiteral("keyup"), QStringLiteral("ctrl+shift")});
        // Released, the key fires again on its next press.
        press(QStringLiteral("ctrl+shift+r"));
        QTRY_COMPARE_WITH_TIMEOUT(presses.value(QStringLiteral("a")), 2, 5000);
    }

    void grabsFollowALayoutChange()
    {
        QVERIFY(take(QStringLiteral("a"), combo(kCtrl | kShift, Qt::Key_Z)).isActive());
        const std::uint8_t before = e2e::keycodeForKeysym('z');
        QVERIFY(setLayout(QStringLiteral("de")));
        QTRY_VERIFY_WITH_TIMEOUT(e2e::keycodeForKeysym('z') != before, 5000);  // z moved to another key
        // The shortcuts see the change before the sentinel's press, which comes after it.
        waitForSentinel();
        press(QStringLiteral("ctrl+shift+z"));
        QTRY_COMPARE_WITH_TIMEOUT(presses.value(QStringLiteral("a")), 1, 5000);
        // The key that typed z before types y now: it is no longer the shortcut.
        press(QStringLiteral("ctrl+shift+y"));
        waitForSentinel();
        QCOMPARE(presses.value(QStringLiteral("a")), 1);

        // Dvorak moves nearly every letter.
        QVERIFY(setLayout(QStringLiteral("us"), QStringLiteral("dvorak")));
        QTRY_VERIFY_WITH_TIMEOUT(e2e::keycodeForKeysym('z') != before, 5000);
        waitForSentinel();
        press(QStringLiteral("ctrl+shift+z"));
        QTRY_COMPARE_WITH_TIMEOUT(presses.value(QStringLiteral("a")), 2, 5000);
        QVERIFY(setLayout(QStringLiteral("us")));
        QTRY_COMPARE_WITH_TIMEOUT(e2e::keycodeForKeysym('z'), before, 5000);
        waitForSentinel();
        press(QStringLiteral("ctrl+shift+z"));
        QTRY_COMPARE_WITH_TIMEOUT(presses.value(QStringLiteral("a")), 3, 5000);
        QVERIFY(changes.isEmpty());
    }

    void aLayoutWithoutTheKeyTakesTheShortcutAwayUntilOneHasItAgain()
    {
        QVERIFY(take(QStringLiteral("a"), combo(kCtrl | kShift, Qt::Key_Q)).isActive());
        // Russian has no Latin letters.
        QVERIFY(setLayout(QStringLiteral("ru")));
        const auto lost = std::pair{
            QStringLiteral("a"), ShortcutStatus::refused(QStringLiteral("The keyboard has no key for Ctrl+Shift+Q."))};
        QTRY_COMPARE_WITH_TIMEOUT(changes, QList{lost}, 5000);
        QVERIFY(setLayout(QStringLiteral("us")));
        QTRY_COMPARE_WITH_TIMEOUT(changes.size(), 2, 5000);
        QCOMPARE(changes.last(), std::pair(QStringLiteral("a"), ShortcutStatus::active()));
        waitForSentinel();
        press(QStringLiteral("ctrl+shift+q"));
        QTRY_COMPARE_WITH_TIMEOUT(presses.value(QStringLiteral("a")), 1, 5000);
    }

    void aKeyTheKeyboardLacksIsRefused()
    {
        QCOMPARE(take(QStringLiteral("a"), combo(kCtrl, Qt::Key_F35)),
                 ShortcutStatus::refused(QStringLiteral("The keyboard has no key for Ctrl+F35.")));
        QCOMPARE(take(QStringLiteral("a"), combo(kCtrl, Qt::Key_LaunchMail)).state, ShortcutStatus::State::Refused);
        // The keypad's digits are there, behind Num Lock.
        QVERIFY(take(QStringLiteral("b"), combo(kCtrl | Qt::KeypadModifier, Qt::Key_1)).isActive());
        QCOMPARE(take(QStringLiteral("a"), combo(kCtrl | kAlt, Qt::Key(0x41b))).state, ShortcutStatus::State::Refused);
    }

    void keyPlacesAreTheSameUnderEveryLayout()
    {
        // On a US layout the key that types a character is the one at that character's place: the places agree with
        // the server for every letter, digit and mark.
        const XkbKeyPositions places;
        const QByteArray characters("abcdefghijklmnopqrstuvwxyz0123456789`-=[]\\;',./");
        QCOMPARE(characters.size(), 26 + 10 + 11);
        for (const char c : characters) {
            const std::uint8_t keycode = e2e::keycodeForKeysym(std::uint32_t(c));
            QVERIFY2(keycode != 0, QByteArray(1, c).constData());
            QCOMPARE(places.usLayoutKey(keycode), keyForKeysym(std::uint32_t(c)));
        }
        // AZERTY types "&" where US types "1", and "a" where US types "q": the places stay those of "1" and "q".
        QVERIFY(setLayout(QStringLiteral("fr")));
        QTRY_VERIFY_WITH_TIMEOUT(e2e::keycodeForKeysym('&') != 0, 5000);
        QCOMPARE(places.usLayoutKey(e2e::keycodeForKeysym('&')), Qt::Key_1);
        QCOMPARE(places.usLayoutKey(e2e::keycodeForKeysym('a')), Qt::Key_Q);
    }
};

QTEST_GUILESS_MAIN(TestE2eHotKeys)
#include "tst_e2e_hotkeys.moc"
