// SPDX-License-Identifier: GPL-3.0-or-later
// The stored form of a shortcut: key names of the Carbon-era key vocabulary and its modifier codes (11 Command,
// 12 Control, 13 Option, 14 Shift), as settings files written by every Tavrin hold them.
#include "hotkeys/StoredShortcut.h"

#include <QSet>
#include <QTest>

using namespace tavrin;

namespace {

constexpr Qt::KeyboardModifiers kCtrl = Qt::ControlModifier;
constexpr Qt::KeyboardModifiers kShift = Qt::ShiftModifier;
constexpr Qt::KeyboardModifiers kAlt = Qt::AltModifier;
constexpr Qt::KeyboardModifiers kMeta = Qt::MetaModifier;
constexpr Qt::KeyboardModifiers kPad = Qt::KeypadModifier;

QKeyCombination combo(Qt::KeyboardModifiers modifiers, Qt::Key key)
{
    return QKeyCombination(modifiers, key);
}

std::optional<QKeyCombination> read(const QString &name, const QList<std::int64_t> &codes = {11})
{
    return StoredShortcut{name, codes}.keys();
}

// Every name the stored form has ever accepted for a key a shortcut can be on, written out apart from the code.
const QStringList kAcceptedNames = {
    QStringLiteral("a"),
    QStringLiteral("z"),
    QStringLiteral("zero"),
    QStringLiteral("0"),
    QStringLiteral("one"),
    QStringLiteral("1"),
    QStringLiteral("nine"),
    QStringLiteral("9"),
    QStringLiteral("period"),
    QStringLiteral("."),
    QStringLiteral("quote"),
    QStringLiteral("\""),
    QStringLiteral("rightBracket"),
    QStringLiteral("]"),
    QStringLiteral("semicolon"),
    QStringLiteral(";"),
    QStringLiteral("slash"),
    QStringLiteral("/"),
    QStringLiteral("backslash"),
    QStringLiteral("\\"),
    QStringLiteral("comma"),
    QStringLiteral(","),
    QStringLiteral("equal"),
    QStringLiteral("="),
    QStringLiteral("grave"),
    QStringLiteral("`"),
    QStringLiteral(u"\u02CB"),
    QStringLiteral(u"\uFF40"),
    QStringLiteral("leftBracket"),
    QStringLiteral("["),
    QStringLiteral("minus"),
    QStringLiteral("-"),
    QStringLiteral("space"),
    QStringLiteral(" "),
    QStringLiteral(u"\u2423"),
    QStringLiteral("tab"),
    QStringLiteral("\t"),
    QStringLiteral(u"\u21E5"),
    QStringLiteral("return"),
    QStringLiteral("\r"),
    QStringLiteral(u"\u21A9\uFE0E"),
    QStringLiteral(u"\u23CE"),
    QStringLiteral(u"\u2B90"),
    QStringLiteral("pageup"),
    QStringLiteral(u"\u21DE"),
    QStringLiteral("pagedown"),
    QStringLiteral(u"\u21DF"),
    QStringLiteral("home"),
    QStringLiteral(u"\u2196"),
    QStringLiteral("end"),
    QStringLiteral(u"\u2198"),
    QStringLiteral("uparrow"),
    QStringLiteral(u"\u2191"),
    QStringLiteral("rightarrow"),
    QStringLiteral(u"\u2192"),
    QStringLiteral("downarrow"),
    QStringLiteral(u"\u2193"),
    QStringLiteral("leftarrow"),
    QStringLiteral(u"\u2190"),
    QStringLiteral("f1"),
    QStringLiteral(u"\uF860F1"),
    QStringLiteral("f9"),
    QStringLiteral(u"\uF860F9"),
    QStringLiteral("f10"),
    QStringLiteral(u"\uF861F10"),
    QStringLiteral("f20"),
    QStringLiteral(u"\uF861F20"),
    QStringLiteral("keypad0"),
    QStringLiteral("keypad9"),
    QStringLiteral("keypadclear"),
    QStringLiteral(u"\u2327"),
    QStringLiteral("keypaddecimal"),
    QStringLiteral("keypaddivide"),
    QStringLiteral("keypadenter"),
    QStringLiteral("keypadequals"),
    QStringLiteral("keypadminus"),
    QStringLiteral("keypadmultiply"),
    QStringLiteral("keypadplus"),
    QStringLiteral("escape"),
    QStringLiteral(u"\u238B"),
    QStringLiteral("delete"),
    QStringLiteral(u"\u232B"),
    QStringLiteral("forwarddelete"),
    QStringLiteral(u"\u2326"),
    QStringLiteral("help"),
    QStringLiteral(u"?\u20DD"),
    QStringLiteral("volumeup"),
    QStringLiteral(u"\U0001F50A"),
    QStringLiteral("volumedown"),
    QStringLiteral(u"\U0001F509"),
    QStringLiteral("mute"),
    QStringLiteral(u"\U0001F507"),
};

// Every Qt key the stored form might name, on the keypad and off it.
QList<QKeyCombination> candidateKeys()
{
    QList<QKeyCombination> candidates;
    const std::pair<int, int> ranges[] = {{0x20, 0xff}, {Qt::Key_Escape, Qt::Key_Escape + 0x100}};
    for (const auto &[first, last] : ranges) {
        for (int key = first; key <= last; ++key) {
            candidates.append(combo(Qt::NoModifier, Qt::Key(key)));
            candidates.append(combo(kPad, Qt::Key(key)));
        }
    }
    return candidates;
}

}  // namespace

class TestStoredShortcut : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void everyStorableCombinationRoundTrips()
    {
        int storable = 0;
        for (const QKeyCombination key : candidateKeys()) {
            if (!StoredShortcut::canStore(key))
                continue;
            ++storable;
            // Every set of the four modifiers, the keypad kept with the key.
            for (int bits = 0; bits < 16; ++bits) {
                Qt::KeyboardModifiers modifiers = key.keyboardModifiers();
                modifiers.setFlag(Qt::ControlModifier, bits & 1);
                modifiers.setFlag(Qt::MetaModifier, bits & 2);
                modifiers.setFlag(Qt::AltModifier, bits & 4);
                modifiers.setFlag(Qt::ShiftModifier, bits & 8);
                const QKeyCombination combination(modifiers, key.key());
                const std::optional<StoredShortcut> stored = StoredShortcut::fromKeys(combination);
                QVERIFY2(stored, qPrintable(QString::number(combination.toCombined(), 16)));
                QCOMPARE(stored->keys(), std::optional(combination));
                QCOMPARE(stored->isRecorded(), bits != 0);
            }
        }
        // Letters, digits, eleven marks, space, tab, return, eight navigation keys, F1 to F20, eighteen keypad keys
        // (with its Clear), Escape, both Deletes, Help (Insert) and three volume keys.
        QCOMPARE(storable, 26 + 10 + 11 + 3 + 8 + 20 + 18 + 4 + 3);
    }

    void everyAcceptedNameReadsBackAfterItIsWritten()
    {
        QSet<int> keysNamed;
        for (const QString &name : kAcceptedNames) {
            for (const QString &spelling : {name, name.toUpper()}) {
                const std::optional<QKeyCombination> parsed = read(spelling, {12, 13});
                QVERIFY2(parsed, qPrintable(spelling));
                const std::optional<StoredShortcut> written = StoredShortcut::fromKeys(*parsed);
                QVERIFY2(written, qPrintable(spelling));
                QCOMPARE(written->keys(), parsed);
                QCOMPARE(written->modifierCodes, (QList<std::int64_t>{12, 13}));
                keysNamed.insert(parsed->toCombined());
            }
        }
        QCOMPARE(keysNamed.size(), 2 + 3 + 11 + 3 + 8 + 4 + 2 + 8 + 4 + 3);
    }

    void storedValuesReadAsTheyAlwaysDid_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QList<qint64>>("codes");
        QTest::addColumn<std::optional<QKeyCombination>>("expected");
        const auto row = [](const char *tag, const QString &name, const QList<qint64> &codes,
                            std::optional<QKeyCombination> expected) {
            QTest::newRow(tag) << name << codes << expected;
        };
        const QList<qint64> command = {11};
        row("recorded with Shift", QStringLiteral("V"), {14, 11}, combo(kCtrl | kShift, Qt::Key_V));
        row("every modifier, any order", QStringLiteral("v"), {11, 14, 13, 12},
            combo(kCtrl | kShift | kAlt | kMeta, Qt::Key_V));
        row("control is the Super key", QStringLiteral("f5"), {12}, combo(kMeta, Qt::Key_F5));
        row("unknown codes add nothing", QStringLiteral("Return"), {11, 99, 13}, combo(kCtrl | kAlt, Qt::Key_Return));
        row("no modifiers", QStringLiteral("k"), {}, combo(Qt::NoModifier, Qt::Key_K));
        row("digit, never the keypad's", QStringLiteral("1"), command, combo(kCtrl, Qt::Key_1));
        row("digit word", QStringLiteral("ONE"), command, combo(kCtrl, Qt::Key_1));
        row("keypad digit", QStringLiteral("keypad1"), command, combo(kCtrl | kPad, Qt::Key_1));
        row("keypad enter", QStringLiteral("keypadenter"), command, combo(kCtrl | kPad, Qt::Key_Enter));
        row("keypad clear", QStringLiteral("keypadclear"), command, combo(kCtrl, Qt::Key_NumLock));
        row("return glyph", QStringLiteral(u"\u21A9\uFE0E"), command, combo(kCtrl, Qt::Key_Return));
        row("carriage return", QStringLiteral("\r"), command, combo(kCtrl, Qt::Key_Return));
        row("return mixed case", QStringLiteral("rEtUrN"), command, combo(kCtrl, Qt::Key_Return));
        row("space character", QStringLiteral(" "), command, combo(kCtrl, Qt::Key_Space));
        row("rightBracket any case", QStringLiteral("RIGHTbracket"), command, combo(kCtrl, Qt::Key_BracketRight));
        row("quote", QStringLiteral("\""), command, combo(kCtrl, Qt::Key_Apostrophe));
        row("function glyph name", QStringLiteral(u"\uF860F1"), command, combo(kCtrl, Qt::Key_F1));
        row("function glyph lower", QStringLiteral(u"\uF861f12"), command, combo(kCtrl, Qt::Key_F12));
        row("F20", QStringLiteral("F20"), command, combo(kCtrl, Qt::Key_F20));
        row("help is insert", QStringLiteral(u"?\u20DD"), command, combo(kCtrl, Qt::Key_Insert));
        row("delete is backspace", QStringLiteral("delete"), command, combo(kCtrl, Qt::Key_Backspace));
        row("forward delete", QStringLiteral("forwarddelete"), command, combo(kCtrl, Qt::Key_Delete));
        row("volume up glyph", QStringLiteral(u"\U0001F50A"), command, combo(kCtrl, Qt::Key_VolumeUp));
        // Canonically equivalent texts: Greek question mark is a semicolon, Greek varia a grave accent, the Kelvin
        // sign a K.
        row("greek question mark", QStringLiteral(u"\u037E"), command, combo(kCtrl, Qt::Key_Semicolon));
        row("greek varia", QStringLiteral(u"\u1FEF"), command, combo(kCtrl, Qt::Key_QuoteLeft));
        row("kelvin sign", QStringLiteral(u"\u212A"), command, combo(kCtrl, Qt::Key_K));
        row("kelvin in a word", QStringLiteral(u"\u212Aeypad3"), command, combo(kCtrl | kPad, Qt::Key_3));
        // No key a shortcut can be on: kept as stored, never read as another key.
        const std::optional<QKeyCombination> none;
        row("empty", QString(), command, none);
        row("ctrl", QStringLiteral("ctrl"), command, none);
        row("enter", QStringLiteral("enter"), command, none);
        row("F21", QStringLiteral("F21"), command, none);
        row("bare arrow", QStringLiteral(u"\u21A9"), command, none);
        row("plus", QStringLiteral("+"), command, none);
        row("section sign", QStringLiteral(u"\u00A7"), command, none);
        row("fn", QStringLiteral("FN"), command, none);
        row("command key", QStringLiteral("command"), command, none);
        row("apple logo", QStringLiteral(u"\uF8FF"), command, none);
        row("right command", QStringLiteral("RightCommand"), command, none);
        row("option key", QStringLiteral(u"\u2325"), command, none);
        row("caps lock", QStringLiteral("capslock"), command, none);
    }

    void storedValuesReadAsTheyAlwaysDid()
    {
        QFETCH(QString, name);
        QFETCH(QList<qint64>, codes);
        QFETCH(std::optional<QKeyCombination>, expected);
        const StoredShortcut stored{name, QList<std::int64_t>(codes.begin(), codes.end())};
        QCOMPARE(stored.keys(), expected);
    }

    void aShortcutIsRecordedWhenItsCodesGiveAModifier()
    {
        QVERIFY(StoredShortcut({QStringLiteral("v"), {11}}).isRecorded());
        QVERIFY(StoredShortcut({QStringLiteral("fn"), {14}}).isRecorded());
        QVERIFY(!StoredShortcut({QStringLiteral("v"), {}}).isRecorded());
        QVERIFY(!StoredShortcut({QStringLiteral("v"), {10, 15, 99}}).isRecorded());
        QCOMPARE(StoredShortcut({QString(), {13, 13, 11}}).modifiers(), kAlt | kCtrl);
    }

    void combinationsAreWrittenAsTheyAlwaysWere_data()
    {
        QTest::addColumn<QKeyCombination>("combination");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QList<qint64>>("codes");
        const auto row = [](const char *tag, QKeyCombination combination, const QString &name,
                            const QList<qint64> &codes) { QTest::newRow(tag) << combination << name << codes; };
        row("capital with Shift", combo(kCtrl | kShift, Qt::Key_V), QStringLiteral("V"), {14, 11});
        row("small without", combo(kCtrl | kAlt, Qt::Key_K), QStringLiteral("k"), {13, 11});
        row("every modifier", combo(kCtrl | kAlt | kShift | kMeta, Qt::Key_K), QStringLiteral("K"), {12, 13, 14, 11});
        row("function key", combo(kMeta, Qt::Key_F5), QStringLiteral("f5"), {12});
        row("digit", combo(kCtrl, Qt::Key_1), QStringLiteral("1"), {11});
        row("digit with Shift", combo(kCtrl | kShift, Qt::Key_1), QStringLiteral("1"), {14, 11});
        row("keypad digit", combo(kCtrl | kPad, Qt::Key_1), QStringLiteral("keypad1"), {11});
        row("mark", combo(kCtrl | kShift, Qt::Key_Comma), QStringLiteral(","), {14, 11});
        row("apostrophe", combo(kCtrl, Qt::Key_Apostrophe), QStringLiteral("quote"), {11});
        row("arrow", combo(kCtrl, Qt::Key_Up), QStringLiteral("uparrow"), {11});
        row("return", combo(kCtrl, Qt::Key_Return), QStringLiteral("return"), {11});
        row("insert", combo(kCtrl, Qt::Key_Insert), QStringLiteral("help"), {11});
        row("backspace", combo(kCtrl, Qt::Key_Backspace), QStringLiteral("delete"), {11});
    }

    void combinationsAreWrittenAsTheyAlwaysWere()
    {
        QFETCH(QKeyCombination, combination);
        QFETCH(QString, name);
        QFETCH(QList<qint64>, codes);
        QCOMPARE(StoredShortcut::fromKeys(combination),
                 std::optional(StoredShortcut{name, QList<std::int64_t>(codes.begin(), codes.end())}));
    }

    void keysWithoutANameAreNotStored()
    {
        for (const QKeyCombination combination :
             {combo(kCtrl | kShift, Qt::Key_Exclam), combo(kCtrl, Qt::Key_Udiaeresis), combo(kCtrl, Qt::Key_F21),
              combo(kCtrl, Qt::Key_Control), combo(kCtrl, Qt::Key_Menu), combo(kCtrl, Qt::Key_Plus),
              combo(kCtrl | kPad, Qt::Key_A)}) {
            QVERIFY(!StoredShortcut::canStore(combination));
            QCOMPARE(StoredShortcut::fromKeys(combination), std::nullopt);
        }
    }
};

QTEST_GUILESS_MAIN(TestStoredShortcut)
#include "tst_stored_shortcut.moc"
