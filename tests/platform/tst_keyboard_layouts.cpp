// SPDX-License-Identifier: GPL-3.0-or-later
// Qt's keys on keyboard layouts: keysyms for Qt keys and back, keys for keysyms on the system's layouts, and key
// places as a US keyboard has them.
#include "hotkeys/StoredShortcut.h"
#include "platform/common/QtKeysyms.h"
#include "platform/common/XkbKeyPositions.h"
#include "platform/common/XkbKeymap.h"

#include <QSet>
#include <QTest>

#include <xkbcommon/xkbcommon-keysyms.h>

using namespace tavrin;

namespace {

constexpr std::uint32_t kShiftBit = 1u << 0;
constexpr std::uint32_t kControlBit = 1u << 2;
constexpr std::uint32_t kMod1Bit = 1u << 3;
constexpr std::uint32_t kMod2Bit = 1u << 4;
constexpr std::uint32_t kMod4Bit = 1u << 6;

QKeyCombination plain(Qt::Key key)
{
    return QKeyCombination(Qt::NoModifier, key);
}

QKeyCombination keypad(Qt::Key key)
{
    return QKeyCombination(Qt::KeypadModifier, key);
}

// The xkb keycode of the key that types the keysym plainly on a layout.
std::uint32_t keycodeOf(const XkbKeymap &layout, std::uint32_t keysym)
{
    const std::optional<XkbKeymap::Key> key = layout.keyFor(keysym);
    return key && key->levelModifiers == 0 ? key->keycode : 0;
}

}  // namespace

class TestKeyboardLayouts : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void qtKeysHaveTheKeysymsOfWhatTheyType()
    {
        QCOMPARE(keysymForKey(plain(Qt::Key_V)), std::uint32_t(XKB_KEY_v));
        QCOMPARE(keysymForKey(QKeyCombination(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_V)),
                 std::uint32_t(XKB_KEY_v));
        QCOMPARE(keysymForKey(plain(Qt::Key_1)), std::uint32_t(XKB_KEY_1));
        QCOMPARE(keysymForKey(keypad(Qt::Key_1)), std::uint32_t(XKB_KEY_KP_1));
        QCOMPARE(keysymForKey(plain(Qt::Key_Space)), std::uint32_t(XKB_KEY_space));
        QCOMPARE(keysymForKey(plain(Qt::Key_Exclam)), std::uint32_t(XKB_KEY_exclam));
        QCOMPARE(keysymForKey(plain(Qt::Key_Udiaeresis)), std::uint32_t(XKB_KEY_udiaeresis));
        QCOMPARE(keysymForKey(plain(Qt::Key(0x41b))), std::uint32_t(XKB_KEY_Cyrillic_el));  // Л
        QCOMPARE(keysymForKey(plain(Qt::Key_Return)), std::uint32_t(XKB_KEY_Return));
        QCOMPARE(keysymForKey(keypad(Qt::Key_Enter)), std::uint32_t(XKB_KEY_KP_Enter));
        QCOMPARE(keysymForKey(plain(Qt::Key_Insert)), std::uint32_t(XKB_KEY_Insert));
        QCOMPARE(keysymForKey(plain(Qt::Key_F1)), std::uint32_t(XKB_KEY_F1));
        QCOMPARE(keysymForKey(plain(Qt::Key_F35)), std::uint32_t(XKB_KEY_F35));
        QCOMPARE(keysymForKey(plain(Qt::Key_PageDown)), std::uint32_t(XKB_KEY_Next));
        QCOMPARE(keysymForKey(plain(Qt::Key_VolumeUp)), std::uint32_t(XKB_KEY_XF86AudioRaiseVolume));
        QCOMPARE(keysymForKey(keypad(Qt::Key_Asterisk)), std::uint32_t(XKB_KEY_KP_Multiply));
        // The keypad modifier on a key the keypad lacks changes nothing.
        QCOMPARE(keysymForKey(keypad(Qt::Key_A)), std::uint32_t(XKB_KEY_a));
        QCOMPARE(keysymForKey(plain(Qt::Key_unknown)), 0u);
        QCOMPARE(keysymForKey(plain(Qt::Key_LaunchMail)), 0u);
    }

    void keysymsGiveTheirQtKey()
    {
        QCOMPARE(keyForKeysym(XKB_KEY_v), Qt::Key_V);
        QCOMPARE(keyForKeysym(XKB_KEY_V), Qt::Key_V);
        QCOMPARE(keyForKeysym(XKB_KEY_ampersand), Qt::Key_Ampersand);
        QCOMPARE(keyForKeysym(XKB_KEY_KP_1), Qt::Key_1);
        QCOMPARE(keyForKeysym(XKB_KEY_KP_Enter), Qt::Key_Enter);
        QCOMPARE(keyForKeysym(XKB_KEY_Cyrillic_EL), Qt::Key(0x41b));
        QCOMPARE(keyForKeysym(XKB_KEY_Prior), Qt::Key_PageUp);
        QCOMPARE(keyForKeysym(XKB_KEY_F12), Qt::Key_F12);
        QCOMPARE(keyForKeysym(XKB_KEY_ISO_Level3_Shift), Qt::Key_AltGr);
        QCOMPARE(keyForKeysym(0), Qt::Key_unknown);
        QCOMPARE(keyForKeysym(XKB_KEY_XF86Launch0), Qt::Key_unknown);

        // Both ways agree for every key with a keysym (Qt names a letter by its capital; "ÿ" has none in Latin-1).
        for (int key = Qt::Key_Space; key <= Qt::Key_Escape + 0x100; ++key) {
            if (key == 0xff + 1)
                key = Qt::Key_Escape;
            if (key < Qt::Key_Escape && QChar::toUpper(char32_t(key)) != char32_t(key))
                continue;
            const std::uint32_t keysym = keysymForKey(plain(Qt::Key(key)));
            if (keysym != 0)
                QCOMPARE(int(keyForKeysym(keysym)), key);
        }
    }

    void everyKeyASettingCanNameHasAKeysymOfItsOwn()
    {
        QSet<std::uint32_t> keysyms;
        int keys = 0;
        for (int key = Qt::Key_Space; key <= Qt::Key_Escape + 0x100; ++key) {
            if (key == 0xff + 1)
                key = Qt::Key_Escape;
            for (const QKeyCombination combination : {plain(Qt::Key(key)), keypad(Qt::Key(key))}) {
                if (!StoredShortcut::canStore(combination))
                    continue;
                const std::uint32_t keysym = keysymForKey(combination);
                QVERIFY2(keysym != 0, qPrintable(QString::number(combination.toCombined(), 16)));
                QVERIFY2(!keysyms.contains(keysym), qPrintable(QString::number(combination.toCombined(), 16)));
                keysyms.insert(keysym);
                ++keys;
            }
        }
        QCOMPARE(keys, 103);
    }

    void layoutsHaveKeysForKeysyms()
    {
        const std::optional<XkbKeymap> us = XkbKeymap::fromLayout("us");
        const std::optional<XkbKeymap> dvorak = XkbKeymap::fromLayout("us", "dvorak");
        const std::optional<XkbKeymap> ru = XkbKeymap::fromLayout("ru");
        QVERIFY(us && dvorak && ru);
        // V sits on the kernel's KEY_V (47) on US, on its KEY_DOT (52) under dvorak; Russian has no Latin v.
        QCOMPARE(us->keyFor(XKB_KEY_v), std::optional(XkbKeymap::Key{47 + 8, 0}));
        QCOMPARE(us->keyFor(XKB_KEY_V), std::optional(XkbKeymap::Key{47 + 8, kShiftBit}));
        QCOMPARE(us->keyFor(XKB_KEY_v)->evdevCode(), 47u);
        QCOMPARE(dvorak->keyFor(XKB_KEY_v), std::optional(XkbKeymap::Key{52 + 8, 0}));
        QCOMPARE(ru->keyFor(XKB_KEY_v), std::nullopt);
        QCOMPARE(keycodeOf(*ru, XKB_KEY_Cyrillic_em), 47u + 8);
        // Keys that need Shift come after a plain one: '1' on the main row, not the keypad's.
        QVERIFY(!us->keysFor(XKB_KEY_1).empty());
        QCOMPARE(us->keysFor(XKB_KEY_1).front(), (XkbKeymap::Key{2 + 8, 0}));
        QCOMPARE(us->keysymAt(47 + 8), std::uint32_t(XKB_KEY_v));
        // The keypad's 1 (KEY_KP1, 79) needs Num Lock (Mod2) or Shift; without either it is out of reach.
        QCOMPARE(us->keyFor(XKB_KEY_KP_1, kControlBit | kMod2Bit), std::optional(XkbKeymap::Key{79 + 8, kMod2Bit}));
        QCOMPARE(us->keyFor(XKB_KEY_KP_1)->keycode, 79u + 8);
        QCOMPARE(us->keyFor(XKB_KEY_KP_1, kControlBit), std::nullopt);
        QCOMPARE(us->keyFor(XKB_KEY_V, kControlBit), std::nullopt);
        QCOMPARE(us->keysymAt(3), 0u);

        // Qt's modifiers: Ctrl, Shift, Alt, and Meta as the Super key.
        QCOMPARE(us->maskFor(Qt::ControlModifier), kControlBit);
        QCOMPARE(us->maskFor(Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier | Qt::MetaModifier),
                 kControlBit | kShiftBit | kMod1Bit | kMod4Bit);
        QCOMPARE(ru->maskFor(Qt::ControlModifier | Qt::ShiftModifier), kControlBit | kShiftBit);
        QCOMPARE(us->maskFor(Qt::KeypadModifier), 0u);
    }

    void theDesktopsDefaultLayoutAndItsTextForm()
    {
        qputenv("XKB_DEFAULT_LAYOUT", "us");
        const auto keymap = XkbKeymap::fromDefaults();
        QVERIFY(keymap);
        const auto v = keymap->keyFor(XKB_KEY_v);
        QVERIFY(v);
        QCOMPARE(v->evdevCode(), 47u);  // KEY_V
        QCOMPARE(v->levelModifiers, 0u);
        const auto upperV = keymap->keyFor(XKB_KEY_V);
        QVERIFY(upperV);
        QCOMPARE(upperV->evdevCode(), 47u);
        QCOMPARE(upperV->levelModifiers, kShiftBit);
        QCOMPARE(keymap->keyFor(XKB_KEY_Insert)->evdevCode(), 110u);
        QCOMPARE(keymap->keyFor(XKB_KEY_Cyrillic_a), std::nullopt);  // no Cyrillic letter on a US keyboard
        QCOMPARE(keymap->maskFor(Qt::ControlModifier), kControlBit);
        QCOMPARE(keymap->maskFor(Qt::ShiftModifier), kShiftBit);
        QCOMPARE(keymap->maskFor(Qt::AltModifier), kMod1Bit);
        QCOMPARE(keymap->maskFor(Qt::MetaModifier), kMod4Bit);
        QCOMPARE(keymap->maskFor(Qt::NoModifier), 0u);

        // The text form compiles back to the same layout, as the compositor receives it.
        const auto again = XkbKeymap::fromText(keymap->text());
        QVERIFY(again);
        QCOMPARE(again->text(), keymap->text());
        QVERIFY(!XkbKeymap::fromText("not a keymap"));

        // Another layout puts the letters elsewhere: on a German keyboard z and y swap places.
        qputenv("XKB_DEFAULT_LAYOUT", "de");
        const auto german = XkbKeymap::fromDefaults();
        QVERIFY(german);
        QCOMPARE(german->keyFor(XKB_KEY_z)->evdevCode(), 21u);  // KEY_Y's place
        // A named layout is what it says, whatever the environment's default.
        QCOMPARE(XkbKeymap::fromLayout("us")->keyFor(XKB_KEY_z)->evdevCode(), 44u);
        qunsetenv("XKB_DEFAULT_LAYOUT");
    }

    void keyPlacesAreThoseOfAUsKeyboard()
    {
        const XkbKeyPositions places;
        const std::optional<XkbKeymap> us = XkbKeymap::fromLayout("us");
        const std::optional<XkbKeymap> fr = XkbKeymap::fromLayout("fr");
        QVERIFY(us && fr);
        // AZERTY types "&" where US types "1", and "a" where US types "q".
        QCOMPARE(places.usLayoutKey(keycodeOf(*fr, XKB_KEY_ampersand)), Qt::Key_1);
        QCOMPARE(places.usLayoutKey(keycodeOf(*fr, XKB_KEY_a)), Qt::Key_Q);
        for (const char c : QByteArray("1234567890abcxyz,./;'[]`-=")) {
            const std::uint32_t keycode = keycodeOf(*us, std::uint32_t(c));
            QVERIFY2(keycode != 0, QByteArray(1, c).constData());
            QCOMPARE(places.usLayoutKey(keycode), keyForKeysym(std::uint32_t(c)));
        }
        QCOMPARE(places.usLayoutKey(keycodeOf(*us, XKB_KEY_F1)), Qt::Key_F1);
        QCOMPARE(places.usLayoutKey(0), Qt::Key_unknown);
        QCOMPARE(places.usLayoutKey(7), Qt::Key_unknown);
        QCOMPARE(places.usLayoutKey(100000), Qt::Key_unknown);
    }
};

QTEST_GUILESS_MAIN(TestKeyboardLayouts)
#include "tst_keyboard_layouts.moc"
