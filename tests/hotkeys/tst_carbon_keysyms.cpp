#include "hotkeys/Key.h"
#include "platform/common/CarbonKeysyms.h"

#include <QSet>
#include <QTest>

using namespace tavrin;

class TestCarbonKeysyms : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void everyKeyButFnHasItsOwnKeysym()
    {
        QSet<std::uint32_t> keysyms;
        for (const Key key : allKeys()) {
            const auto keysym = keysymForCarbonKeyCode(carbonKeyCode(key));
            QVERIFY2(keysym.has_value() == (key != Key::function), qPrintable(keyName(key)));
            if (keysym) {
                QVERIFY2(!keysyms.contains(*keysym), qPrintable(keyName(key)));
                keysyms.insert(*keysym);
            }
        }
        QCOMPARE(keysyms.size(), 112);
        for (const std::uint32_t unused : {10u, 52u, 127u, 4294967295u})
            QVERIFY(!keysymForCarbonKeyCode(unused));
    }

    void keysSitWhereAUsKeyboardHasThem()
    {
        QCOMPARE(keysymForCarbonKeyCode(9), std::optional<std::uint32_t>('v'));
        QCOMPARE(keysymForCarbonKeyCode(0), std::optional<std::uint32_t>('a'));
        QCOMPARE(keysymForCarbonKeyCode(18), std::optional<std::uint32_t>('1'));
        QCOMPARE(keysymForCarbonKeyCode(39), std::optional<std::uint32_t>('\''));
        QCOMPARE(keysymForCarbonKeyCode(122), std::optional<std::uint32_t>(0xffbe));  // F1
        QCOMPARE(keysymForCarbonKeyCode(111), std::optional<std::uint32_t>(0xffc9));  // F12
        QCOMPARE(keysymForCarbonKeyCode(90), std::optional<std::uint32_t>(0xffd1));  // F20
        QCOMPARE(keysymForCarbonKeyCode(36), std::optional<std::uint32_t>(0xff0d));  // Return
        QCOMPARE(keysymForCarbonKeyCode(76), std::optional<std::uint32_t>(0xff8d));  // KP_Enter
        QCOMPARE(keysymForCarbonKeyCode(83), std::optional<std::uint32_t>(0xffb1));  // KP_1
        QCOMPARE(keysymForCarbonKeyCode(55), std::optional<std::uint32_t>(0xffe3));  // Command: Control_L
        QCOMPARE(keysymForCarbonKeyCode(59), std::optional<std::uint32_t>(0xffeb));  // Control: Super_L
        QCOMPARE(keysymForCarbonKeyCode(117), std::optional<std::uint32_t>(0xffff));  // forward delete
        QCOMPARE(keysymForCarbonKeyCode(51), std::optional<std::uint32_t>(0xff08));  // BackSpace
    }
};

QTEST_GUILESS_MAIN(TestCarbonKeysyms)
#include "tst_carbon_keysyms.moc"
