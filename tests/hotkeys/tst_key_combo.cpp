#include "hotkeys/KeyCombo.h"

#include <QTest>

using namespace tavrin;

namespace {
constexpr std::uint64_t kAllFour =
    ModifierFlags::command | ModifierFlags::shift | ModifierFlags::option | ModifierFlags::control;
}

class TestKeyCombo : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void modifierFlagsConvertBothWaysAndDropOtherBits()
    {
        const std::pair<std::uint64_t, std::uint32_t> pairs[] = {
            {ModifierFlags::command, 0x100},
            {ModifierFlags::shift, 0x200},
            {ModifierFlags::option, 0x800},
            {ModifierFlags::control, 0x1000},
        };
        for (const auto &[cocoa, carbon] : pairs) {
            QCOMPARE(ModifierFlags(cocoa).carbonFlags(), carbon);
            QCOMPARE(ModifierFlags::fromCarbonFlags(carbon), ModifierFlags(cocoa));
        }
        for (const std::uint64_t other : {ModifierFlags::capsLock, ModifierFlags::function, ModifierFlags::numericPad,
                                          ModifierFlags::help, std::uint64_t(0x1), std::uint64_t(0x100)})
            QCOMPARE(ModifierFlags(other).carbonFlags(), 0u);
        QCOMPARE(ModifierFlags::fromCarbonFlags(0x1B00), ModifierFlags(kAllFour));
        // Carbon bits outside the four (alphaLock 0x400, the right-hand modifier bits) are ignored.
        QCOMPARE(ModifierFlags::fromCarbonFlags(0xFFFFFFFF), ModifierFlags(kAllFour));
        QCOMPARE(ModifierFlags::fromCarbonFlags(0x400 | 0x2000 | 0x4000 | 0x8000), ModifierFlags());
        QCOMPARE(ModifierFlags(kAllFour | ModifierFlags::capsLock).carbonFlags(), 0x1B00u);
    }

    void modifierGlyphsComeInFixedOrder()
    {
        QCOMPARE(ModifierFlags(kAllFour).description(), QStringLiteral(u"\u2303\u2325\u21E7\u2318"));
        QCOMPARE(ModifierFlags(ModifierFlags::command | ModifierFlags::shift).description(),
                 QStringLiteral(u"\u21E7\u2318"));
        QCOMPARE(ModifierFlags(ModifierFlags::capsLock).description(), QString());
        QCOMPARE(ModifierFlags().description(), QString());
    }

    void combinationsFromKeysNamesAndNumbers()
    {
        const KeyCombo v(QStringLiteral("v"), ModifierFlags(ModifierFlags::command));
        QCOMPARE(v.carbonKeyCode, 9u);
        QCOMPARE(v.carbonModifiers, 0x100u);
        QCOMPARE(v.key(), std::optional<Key>(Key::v));

        const KeyCombo unknown(QStringLiteral("!"), ModifierFlags(ModifierFlags::control | ModifierFlags::option));
        QCOMPARE(unknown.carbonKeyCode, 0u);
        QCOMPARE(unknown.carbonModifiers, 0x1800u);

        const KeyCombo f5(Key::f5, ModifierFlags(ModifierFlags::control | ModifierFlags::capsLock));
        QCOMPARE(f5, KeyCombo(96, 0x1000));
        QCOMPARE(f5.modifiers(), ModifierFlags(ModifierFlags::control));
        QVERIFY(f5.isValid());

        KeyCombo numbers(10, 0xFFFF);  // stored unchanged, even bits and codes nothing names
        QCOMPARE(numbers.carbonKeyCode, 10u);
        QCOMPARE(numbers.carbonModifiers, 0xFFFFu);
        QVERIFY(!numbers.key());
        numbers.setKey(Key::space);
        QCOMPARE(numbers.carbonKeyCode, 49u);
        numbers.setKey(std::nullopt);
        QCOMPARE(numbers.carbonKeyCode, 0u);
        numbers.setModifiers(ModifierFlags(ModifierFlags::shift | ModifierFlags::function));
        QCOMPARE(numbers.carbonModifiers, 0x200u);
    }

    void descriptionShowsGlyphsThenTheKey()
    {
        QCOMPARE(KeyCombo(Key::a, ModifierFlags(kAllFour)).description(), QStringLiteral(u"\u2303\u2325\u21E7\u2318A"));
        QCOMPARE(KeyCombo(Key::space, ModifierFlags()).description(), QStringLiteral(u"\u2423"));
        QCOMPARE(KeyCombo(Key::v, ModifierFlags(ModifierFlags::command | ModifierFlags::shift)).description(),
                 QStringLiteral(u"\u21E7\u2318V"));
        QCOMPARE(KeyCombo(52, 0x100).description(), QStringLiteral(u"\u2318"));
    }

    void dictionaryRoundTripsAndRejectsWhatCannotBeACombination()
    {
        const KeyCombo combo(9, 0x300);
        const QVariantMap dictionary = combo.dictionary();
        QCOMPARE(dictionary.size(), 2);
        QCOMPARE(dictionary.value(QStringLiteral("keyCode")).typeId(), int(QMetaType::LongLong));
        QCOMPARE(dictionary.value(QStringLiteral("modifiers")).toLongLong(), 0x300);
        QCOMPARE(KeyCombo::fromDictionary(dictionary), std::optional<KeyCombo>(combo));

        const auto with = [](const QVariant &keyCode, const QVariant &modifiers) {
            QVariantMap d;
            if (keyCode.isValid())
                d.insert(QStringLiteral("keyCode"), keyCode);
            if (modifiers.isValid())
                d.insert(QStringLiteral("modifiers"), modifiers);
            return KeyCombo::fromDictionary(d);
        };
        QVERIFY(!with(qint64(9), QVariant()));
        QVERIFY(!with(QVariant(), qint64(0)));
        QVERIFY(!with(QStringLiteral("9"), qint64(0)));
        QVERIFY(!with(qint64(9), 256.0));
        QVERIFY(!with(qint64(9), true));
        QVERIFY(!with(qint64(-1), qint64(0)));
        QVERIFY(!with(qint64(9), qint64(4294967296)));
        QVERIFY(!with(quint64(18446744073709551615ull), qint64(0)));
        QCOMPARE(with(qint64(4294967295), int(0x100)), std::optional<KeyCombo>(KeyCombo(4294967295u, 0x100)));
        QCOMPARE(with(uint(0), qint64(4294967295)), std::optional<KeyCombo>(KeyCombo(0, 4294967295u)));
    }
};

QTEST_GUILESS_MAIN(TestKeyCombo)
#include "tst_key_combo.moc"
