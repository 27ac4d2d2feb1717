#include "hotkeys/Key.h"

#include <QSet>
#include <QTest>

#include <map>

using namespace tavrin;

namespace {

QString codePoints(const QString &text)
{
    QStringList points;
    for (const char32_t c : text.toUcs4())
        points << QStringLiteral("U+%1").arg(uint(c), 4, 16, QLatin1Char('0')).toUpper();
    return points.join(QLatin1Char(' '));
}

}  // namespace

class TestKeys : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void everyKeyHasItsOwnCodeAndTheCodeLeadsBack()
    {
        // The codes in declaration order, written out independently of the table in the source.
        const std::uint32_t expected[keyCount] = {
            0,   11,  8,   2,   14,  3,   5,   4,   34,  38,  40,  37,  46,  45,  31,  35, 12, 15, 1,
            17,  32,  9,   13,  7,   16,  6,   29,  18,  19,  20,  21,  23,  22,  26,  28, 25, 47, 39,
            30,  41,  44,  42,  43,  24,  50,  33,  27,  49,  48,  36,  55,  54,  58,  61, 59, 62, 56,
            60,  63,  57,  116, 121, 115, 119, 126, 124, 125, 123, 122, 120, 99,  118, 96, 97, 98, 100,
            101, 109, 103, 111, 105, 107, 113, 106, 64,  79,  80,  90,  82,  83,  84,  85, 86, 87, 88,
            89,  91,  92,  71,  65,  75,  76,  81,  78,  67,  69,  53,  51,  117, 114, 72, 73, 74,
        };
        QCOMPARE(allKeys().size(), std::size_t(113));
        QSet<std::uint32_t> seen;
        for (std::size_t i = 0; i < allKeys().size(); ++i) {
            const Key key = allKeys()[i];
            QCOMPARE(static_cast<std::size_t>(key), i);
            QCOMPARE(carbonKeyCode(key), expected[i]);
            QVERIFY2(!seen.contains(carbonKeyCode(key)), qPrintable(keyName(key)));
            seen.insert(carbonKeyCode(key));
            QCOMPARE(keyForCarbonKeyCode(carbonKeyCode(key)), std::optional<Key>(key));
        }
        QCOMPARE(allKeys().front(), Key::a);
        QCOMPARE(allKeys()[68], Key::f1);
        QCOMPARE(allKeys().back(), Key::mute);

        // Between 0 and 126 exactly these codes name no key, and nothing above 126 does.
        const QSet<std::uint32_t> unused = {10, 52, 66, 68, 70, 77, 93, 94, 95, 102, 104, 108, 110, 112};
        for (std::uint32_t code = 0; code <= 126; ++code)
            QCOMPARE(keyForCarbonKeyCode(code).has_value(), !unused.contains(code));
        for (const std::uint32_t code : {127u, 128u, 255u, 65535u, 4294967295u})
            QVERIFY(!keyForCarbonKeyCode(code));
        QCOMPARE(keyForCarbonKeyCode(0), std::optional<Key>(Key::a));
        QCOMPARE(keyForCarbonKeyCode(90), std::optional<Key>(Key::f20));
    }

    void descriptionsAreTheDisplayTexts()
    {
        QCOMPARE(description(Key::a), QStringLiteral("A"));
        QCOMPARE(description(Key::z), QStringLiteral("Z"));
        QCOMPARE(description(Key::one), QStringLiteral("1"));
        QCOMPARE(description(Key::keypad1), QStringLiteral("1"));
        QCOMPARE(codePoints(description(Key::keypadMultiply)), QStringLiteral("U+1D5D1"));
        QCOMPARE(codePoints(description(Key::help)), QStringLiteral("U+003F U+20DD"));
        QCOMPARE(codePoints(description(Key::return_)), QStringLiteral("U+21A9 U+FE0E"));
        QCOMPARE(codePoints(description(Key::keypadEnter)), QStringLiteral("U+21A9 U+FE0E"));
        QCOMPARE(codePoints(description(Key::quote)), QStringLiteral("U+0022"));
        QCOMPARE(codePoints(description(Key::backslash)), QStringLiteral("U+005C"));
        QCOMPARE(codePoints(description(Key::grave)), QStringLiteral("U+0060"));
        QCOMPARE(codePoints(description(Key::space)), QStringLiteral("U+2423"));
        QCOMPARE(codePoints(description(Key::f9)), QStringLiteral("U+F860 U+0046 U+0039"));
        QCOMPARE(codePoints(description(Key::f10)), QStringLiteral("U+F861 U+0046 U+0031 U+0030"));
        QCOMPARE(codePoints(description(Key::f20)), QStringLiteral("U+F861 U+0046 U+0032 U+0030"));
        QCOMPARE(description(Key::function), QStringLiteral("fn"));
        QCOMPARE(description(Key::rightCommand), description(Key::command));
        QCOMPARE(codePoints(description(Key::volumeUp)), QStringLiteral("U+1F50A"));
        QCOMPARE(codePoints(description(Key::mute)), QStringLiteral("U+1F507"));
    }

    void namesParseWhateverTheirCase_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("expected");  // -1 for none
        const auto row = [](const char *tag, const QString &name, int key) { QTest::newRow(tag) << name << key; };
        row("empty", QString(), -1);
        row("ctrl", QStringLiteral("ctrl"), -1);
        row("enter", QStringLiteral("enter"), -1);
        row("F21", QStringLiteral("F21"), -1);
        row("capital A", QStringLiteral("A"), int(Key::a));
        row("digit one, never keypad1", QStringLiteral("1"), int(Key::one));
        row("word one", QStringLiteral("ONE"), int(Key::one));
        row("return glyph", QStringLiteral(u"\u21A9\uFE0E"), int(Key::return_));
        row("bare arrow is no name", QStringLiteral(u"\u21A9"), -1);
        row("carriage return", QStringLiteral("\r"), int(Key::return_));
        row("return capitals", QStringLiteral("RETURN"), int(Key::return_));
        row("return mixed", QStringLiteral("rEtUrN"), int(Key::return_));
        row("space character", QStringLiteral(" "), int(Key::space));
        row("tab character", QStringLiteral("\t"), int(Key::tab));
        row("rightBracket any case", QStringLiteral("RIGHTbracket"), int(Key::rightBracket));
        row("rightcommand", QStringLiteral("RightCommand"), int(Key::rightCommand));
        row("apple logo", QStringLiteral(u"\uF8FF"), int(Key::command));
        row("function glyph name", QStringLiteral(u"\uF860F1"), int(Key::f1));
        row("function glyph lower", QStringLiteral(u"\uF861f12"), int(Key::f12));
        row("f20", QStringLiteral("F20"), int(Key::f20));
        row("grave modifier letter", QStringLiteral(u"\u02CB"), int(Key::grave));
        row("fullwidth grave", QStringLiteral(u"\uFF40"), int(Key::grave));
        row("help glyph", QStringLiteral(u"?\u20DD"), int(Key::help));
        row("fn", QStringLiteral("FN"), int(Key::function));
        row("plus is nobody's", QStringLiteral("+"), -1);
        row("volume up glyph", QStringLiteral(u"\U0001F50A"), int(Key::volumeUp));
        // Canonically equivalent texts: Greek question mark is a semicolon, Greek varia a grave accent, the Kelvin
        // sign a K.
        row("greek question mark", QStringLiteral(u"\u037E"), int(Key::semicolon));
        row("greek varia", QStringLiteral(u"\u1FEF"), int(Key::grave));
        row("kelvin sign", QStringLiteral(u"\u212A"), int(Key::k));
        row("kelvin in a word", QStringLiteral(u"\u212Aeypad3"), int(Key::keypad3));
    }

    void namesParseWhateverTheirCase()
    {
        QFETCH(QString, name);
        QFETCH(int, expected);
        const std::optional<Key> parsed = keyFromString(name);
        QCOMPARE(parsed ? int(*parsed) : -1, expected);
    }

    void everyKeyAcceptsItsOwnName()
    {
        for (const Key key : allKeys()) {
            QCOMPARE(keyFromString(keyName(key)), std::optional<Key>(key));
            QCOMPARE(keyFromString(keyName(key).toUpper()), std::optional<Key>(key));
        }
        QCOMPARE(keyName(Key::return_), QStringLiteral("return"));
        QCOMPARE(keyName(Key::rightBracket), QStringLiteral("rightbracket"));
        QCOMPARE(keyName(Key::keypad7), QStringLiteral("keypad7"));
    }

    void displayTextsParseBackExceptTheTwentyOneShared()
    {
        const std::map<Key, std::optional<Key>> exceptions = {
            {Key::rightCommand, Key::command}, {Key::rightOption, Key::option},
            {Key::rightControl, Key::control}, {Key::rightShift, Key::shift},
            {Key::keypad0, Key::zero},         {Key::keypad1, Key::one},
            {Key::keypad2, Key::two},          {Key::keypad3, Key::three},
            {Key::keypad4, Key::four},         {Key::keypad5, Key::five},
            {Key::keypad6, Key::six},          {Key::keypad7, Key::seven},
            {Key::keypad8, Key::eight},        {Key::keypad9, Key::nine},
            {Key::keypadDecimal, Key::period}, {Key::keypadDivide, Key::slash},
            {Key::keypadEquals, Key::equal},   {Key::keypadMinus, Key::minus},
            {Key::keypadEnter, Key::return_},  {Key::keypadMultiply, std::nullopt},
            {Key::keypadPlus, std::nullopt},
        };
        QCOMPARE(exceptions.size(), std::size_t(21));
        for (const Key key : allKeys()) {
            const auto exception = exceptions.find(key);
            const std::optional<Key> expected = exception == exceptions.end() ? key : exception->second;
            QVERIFY2(keyFromString(description(key)) == expected, qPrintable(keyName(key)));
        }
    }
};

QTEST_GUILESS_MAIN(TestKeys)
#include "tst_keys.moc"
