#include "RecorderFixture.h"
#include "store/SettingsKeys.h"

#include <QTest>

using namespace tavrin;
using namespace tavrin::test;

namespace {

constexpr std::uint64_t kCommand = ModifierFlags::command;
constexpr std::uint64_t kShift = ModifierFlags::shift;
constexpr std::uint64_t kOption = ModifierFlags::option;
constexpr std::uint64_t kControl = ModifierFlags::control;

using Codes = std::optional<QList<std::int64_t>>;

}  // namespace

class TestShortcutRecorder : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void recordingCommandShiftV()
    {
        RecorderFixture f;
        f.recorder.startRecording(quick);
        QVERIFY(f.recorder.isRecording(quick));
        QCOMPARE(f.view.labels[quick], QString());
        QCOMPARE(f.view.borders[quick], RecorderBorder::recording);
        QVERIFY(f.view.clearHidden[quick]);
        QCOMPARE(f.menuItemStates, QList<bool>{false});

        // Live feedback while only modifiers are held.
        QVERIFY(f.recorder.flagsChanged(ModifierFlags(kCommand)));
        QCOMPARE(f.view.labels[quick], QStringLiteral(u"\u2318"));
        QVERIFY(f.recorder.flagsChanged(ModifierFlags(kCommand | kShift)));
        QCOMPARE(f.view.labels[quick], QStringLiteral(u"\u21E7\u2318"));

        QVERIFY(f.recorder.keyDown(keyEvent(QStringLiteral("V"), 9, kCommand | kShift)));
        QCOMPARE(f.settings.string(keys::quickAccessKeyName), std::optional<QString>(QStringLiteral("V")));
        QCOMPARE(f.settings.integerArray(keys::quickAccessModifiers), Codes(QList<std::int64_t>{14, 11}));
        QVERIFY(f.service.isRegistered(9, 0x300));
        QVERIFY(f.holder.slots[0]);
        QCOMPARE(f.view.labels[quick], QStringLiteral(u"\u21E7\u2318V"));
        QCOMPARE(f.view.borders[quick], RecorderBorder::idle);
        QVERIFY(!f.view.clearHidden[quick]);
        QCOMPARE(f.menuItemStates.last(), true);
        QVERIFY(!f.recorder.recordingShortcut());
        QVERIFY(f.view.alerts.isEmpty());

        // Letting go of the modifiers afterwards changes nothing; the shortcut works.
        QVERIFY(!f.recorder.flagsChanged(ModifierFlags()));
        QCOMPARE(f.service.press(9, 0x300), std::optional<OSStatus>(noErr));
        QCOMPARE(f.holder.keyDowns[0], 1);
    }

    void commandAloneWithAReservedKeyIsRejected()
    {
        RecorderFixture f;
        f.recorder.startRecording(toggle);
        f.recorder.flagsChanged(ModifierFlags(kCommand));
        QVERIFY(f.recorder.keyDown(keyEvent(QStringLiteral("c"), 8, kCommand)));
        QCOMPARE(f.view.alerts, QStringList{QStringLiteral("Please use a different key combination.")});
        QVERIFY(!f.view.dimmingHidden);
        QCOMPARE(f.view.labels[toggle], QString());
        QVERIFY(!f.settings.contains(keys::toggleSequentialKeyName));
        QVERIFY(f.service.registrations().empty());
        QVERIFY(f.recorder.isRecording(toggle));
        f.view.answer();
        QVERIFY(f.view.dimmingHidden);

        // Still recording: the next combination is tried in its place.
        QVERIFY(f.recorder.keyDown(keyEvent(QStringLiteral("c"), 8, kCommand | kOption)));
        QCOMPARE(f.settings.string(keys::toggleSequentialKeyName), std::optional<QString>(QStringLiteral("c")));
        QCOMPARE(f.settings.integerArray(keys::toggleSequentialModifiers), Codes(QList<std::int64_t>{13, 11}));
        QVERIFY(f.service.isRegistered(8, 0x900));
        QCOMPARE(f.view.alerts.size(), 1);
    }

    void everyReservedEntryIsRejected_data()
    {
        QTest::addColumn<QString>("characters");
        QTest::addColumn<int>("keyCode");
        const std::pair<const char *, int> reserved[] = {
            {"c", 8}, {"v", 9}, {"z", 6},   {"f", 3},  {",", 43}, {"h", 4},  {"q", 12}, {"n", 45},
            {"a", 0}, {"x", 7}, {"\r", 36}, {"m", 46}, {"-", 27}, {"+", 24}, {"<", 43}, {"V", 9},
        };
        for (const auto &[c, code] : reserved)
            QTest::newRow(c) << QString::fromLatin1(c) << code;
    }

    void everyReservedEntryIsRejected()
    {
        QFETCH(QString, characters);
        QFETCH(int, keyCode);
        RecorderFixture f;
        f.recorder.startRecording(quick);
        f.recorder.keyDown(keyEvent(characters, std::uint16_t(keyCode), kCommand));
        QCOMPARE(f.view.alerts.size(), 1);
        QVERIFY(f.service.registrations().empty());
        // With another modifier the same key is fine.
        f.view.answer();
        f.recorder.keyDown(keyEvent(characters, std::uint16_t(keyCode), kCommand | kControl));
        QCOMPARE(f.view.alerts.size(), 1);
        QVERIFY(f.settings.contains(keys::quickAccessKeyName));
    }

    void functionKeysAreNamedByKeyCode()
    {
        RecorderFixture f;
        f.recorder.startRecording(paste);
        QVERIFY(f.recorder.keyDown(keyEvent(QStringLiteral(u"\uF708"), 96, kControl)));
        QCOMPARE(f.settings.string(keys::sequentialPasteKeyName), std::optional<QString>(QStringLiteral("f5")));
        QCOMPARE(f.settings.integerArray(keys::sequentialPasteModifiers), Codes(QList<std::int64_t>{12}));
        QVERIFY(f.service.isRegistered(96, 0x1000));
        QCOMPARE(f.view.labels[paste], QStringLiteral(u"\u2303f5"));
    }

    void aKeyWithoutModifiersIsIgnored()
    {
        RecorderFixture f;
        f.recorder.startRecording(quick);
        QVERIFY(f.recorder.keyDown(keyEvent(QStringLiteral("v"), 9, ModifierFlags::capsLock)));
        QVERIFY(f.recorder.isRecording(quick));
        QVERIFY(!f.settings.contains(keys::quickAccessKeyName));
        QVERIFY(f.service.registrations().empty());
        QVERIFY(f.view.alerts.isEmpty());
        // Keys that type nothing at all do not end the recording either.
        QVERIFY(f.recorder.keyDown(ShortcutKeyEvent{std::nullopt, 9, ModifierFlags(kCommand)}));
        QVERIFY(f.recorder.isRecording(quick));
    }

    void releasingEveryModifierClearsTheRecording()
    {
        RecorderFixture f;
        f.recorder.startRecording(quick);
        f.recorder.flagsChanged(ModifierFlags(kCommand));
        QVERIFY(f.recorder.flagsChanged(ModifierFlags(ModifierFlags::capsLock)));
        QVERIFY(!f.recorder.isRecording(quick));
        QCOMPARE(f.view.labels[quick], QStringLiteral("Click here to enter shortcut"));
        QVERIFY(f.view.clearHidden[quick]);
        QCOMPARE(f.view.borders[quick], RecorderBorder::idle);
        QCOMPARE(f.menuItemStates.last(), true);
    }

    void startingASecondRecordingClearsTheFirst()
    {
        RecorderFixture f;
        f.shortcuts.storeShortcut(quick, QStringLiteral("x"), ModifierFlags(kControl));
        f.recorder.startRecording(quick);
        f.shortcuts.storeShortcut(quick, QStringLiteral("x"), ModifierFlags(kControl));  // written meanwhile
        f.recorder.startRecording(toggle);
        QVERIFY(!f.recorder.isRecording(quick));
        QVERIFY(f.recorder.isRecording(toggle));
        QVERIFY(!f.settings.contains(keys::quickAccessKeyName));
        QVERIFY(!f.settings.contains(keys::quickAccessModifiers));
        QCOMPARE(f.view.labels[quick], QStringLiteral("Click here to enter shortcut"));
        QCOMPARE(f.view.labels[toggle], QString());
    }

    void startingARecordingDropsTheShortcutBeingReplaced()
    {
        RecorderFixture f;
        f.recorder.startRecording(quick);
        f.recorder.keyDown(keyEvent(QStringLiteral("k"), 40, kCommand | kOption));
        QVERIFY(f.service.isRegistered(40, 0x900));
        f.recorder.startRecording(quick);
        QVERIFY(f.service.registrations().empty());
        QVERIFY(!f.holder.slots[0]);
        QVERIFY(!f.settings.contains(keys::quickAccessKeyName));
        f.recorder.clearShortcut(quick);
        QVERIFY(!f.recorder.isRecording(quick));
        QCOMPARE(f.view.labels[quick], QStringLiteral("Click here to enter shortcut"));
    }

    void showShortcutsReadsTheStoredForm()
    {
        RecorderFixture f;
        f.settings.setString(keys::quickAccessKeyName, QStringLiteral("v"));
        f.settings.setIntegerArray(keys::quickAccessModifiers, {});
        f.settings.setString(keys::toggleSequentialKeyName, QStringLiteral("v"));
        f.settings.setIntegerArray(keys::toggleSequentialModifiers, {11, 99, 13});
        f.settings.setString(keys::sequentialPasteKeyName, QStringLiteral("p"));
        f.settings.setString(keys::sequentialPasteModifiers, QStringLiteral("11"));  // wrong type
        f.recorder.startRecording(quick);
        f.recorder.showShortcuts();
        QVERIFY(!f.recorder.recordingShortcut());
        QCOMPARE(f.view.labels[quick], QStringLiteral("Click here to enter shortcut"));
        QVERIFY(f.view.clearHidden[quick]);
        QCOMPARE(f.view.labels[toggle], QStringLiteral(u"\u2325\u2318v"));
        QVERIFY(!f.view.clearHidden[toggle]);
        QCOMPARE(f.view.labels[paste], QStringLiteral("Click here to enter shortcut"));
        for (const Shortcut shortcut : kShortcuts)
            QCOMPARE(f.view.borders[shortcut], RecorderBorder::idle);
    }

    void keysOutsideThePreferencesPaneGoOn()
    {
        RecorderFixture f;
        QVERIFY(!f.recorder.keyDown(keyEvent(QStringLiteral("v"), 9, kCommand)));  // not recording
        f.recorder.startRecording(quick);
        f.view.pane = 0;
        QVERIFY(!f.recorder.keyDown(keyEvent(QStringLiteral("v"), 9, kCommand | kShift)));
        QVERIFY(!f.recorder.flagsChanged(ModifierFlags()));
        QVERIFY(f.recorder.isRecording(quick));
        f.view.pane = ShortcutRecorder::preferencesPane;
        f.recorder.stopRecording();  // the pane disappears
        QCOMPARE(f.menuItemStates, (QList<bool>{false, true}));
        QVERIFY(!f.recorder.keyDown(keyEvent(QStringLiteral("v"), 9, kCommand | kShift)));
        QVERIFY(!f.settings.contains(keys::quickAccessKeyName));
        f.recorder.stopRecording();
        QCOMPARE(f.menuItemStates.size(), 2);
    }

    void shiftedSymbolsNameTheirKey()
    {
        RecorderFixture f;
        // The shifted comma key is stored as a comma.
        f.recorder.startRecording(quick);
        f.recorder.keyDown(keyEvent(QStringLiteral("<"), 43, kCommand | kShift));
        QCOMPARE(f.settings.string(keys::quickAccessKeyName), std::optional<QString>(QStringLiteral(",")));
        QVERIFY(f.service.isRegistered(43, 0x300));
        // A symbol no key is named by is stored as the key pressed, never as the A key.
        f.recorder.startRecording(toggle);
        f.recorder.keyDown(keyEvent(QStringLiteral("!"), 18, kCommand | kShift));
        QCOMPARE(f.settings.string(keys::toggleSequentialKeyName), std::optional<QString>(QStringLiteral("one")));
        QVERIFY(f.service.isRegistered(18, 0x300));
        QVERIFY(!f.service.isRegistered(0, 0x300));
        // An arrow types nothing printable.
        f.recorder.startRecording(paste);
        f.recorder.keyDown(keyEvent(QString(), 126, kControl | kOption));
        QCOMPARE(f.settings.string(keys::sequentialPasteKeyName), std::optional<QString>(QStringLiteral("uparrow")));
        QVERIFY(f.service.isRegistered(126, 0x1800));
        QVERIFY(f.view.alerts.isEmpty());
    }

    void aKeyWithoutCodeOrNameIsRejected()
    {
        RecorderFixture f;
        f.recorder.startRecording(quick);
        f.recorder.keyDown(keyEvent(QStringLiteral(u"\u00A7"), ShortcutKeyEvent::unknownKeyCode, kControl));
        QCOMPARE(f.view.alerts.size(), 1);
        QVERIFY(f.recorder.isRecording(quick));
        QVERIFY(!f.settings.contains(keys::quickAccessKeyName));
    }

    void aRefusedCombinationIsRecordedAgain_data()
    {
        QTest::addColumn<bool>("answerAtOnce");
        QTest::newRow("sheet answered later") << false;
        QTest::newRow("alert answered at once") << true;
    }

    void aRefusedCombinationIsRecordedAgain()
    {
        QFETCH(bool, answerAtOnce);
        RecorderFixture f;
        f.view.answerAlertsAtOnce = answerAtOnce;
        f.service.takeByOtherApplication(9, 0x300);
        f.recorder.startRecording(quick);
        f.recorder.keyDown(keyEvent(QStringLiteral("V"), 9, kCommand | kShift));
        QCOMPARE(f.view.alerts, QStringList{QStringLiteral("Please use a different key combination.")});
        if (!answerAtOnce) {
            // Until answered, the refused combination shows and the recording has ended.
            QCOMPARE(f.view.labels[quick], QStringLiteral(u"\u21E7\u2318V"));
            QVERIFY(!f.recorder.isRecording(quick));
            QVERIFY(!f.view.dimmingHidden);
            f.view.answer();
        }
        QVERIFY(f.recorder.isRecording(quick));
        QVERIFY(f.view.dimmingHidden);
        QCOMPARE(f.view.labels[quick], QString());
        QVERIFY(!f.settings.contains(keys::quickAccessKeyName));
        QVERIFY(!f.holder.slots[0]);
        QVERIFY(f.controller.hotKeys().empty());
        QVERIFY(f.shortcuts.shortcutKeyName.isEmpty());

        // Another combination now works.
        f.recorder.keyDown(keyEvent(QStringLiteral("B"), 11, kCommand | kShift));
        QVERIFY(f.service.isRegistered(11, 0x300));
        QCOMPARE(f.view.alerts.size(), 1);
    }

    void theSameCombinationCannotServeTwoShortcuts()
    {
        RecorderFixture f;
        f.recorder.startRecording(quick);
        f.recorder.keyDown(keyEvent(QStringLiteral("V"), 9, kCommand | kShift));
        f.recorder.startRecording(toggle);
        f.recorder.keyDown(keyEvent(QStringLiteral("V"), 9, kCommand | kShift));
        QCOMPARE(f.view.alerts.size(), 1);
        f.view.answer();
        QVERIFY(f.recorder.isRecording(toggle));
        QVERIFY(f.holder.slots[0]);
        QCOMPARE(f.service.press(9, 0x300), std::optional<OSStatus>(noErr));
        QCOMPARE(f.holder.keyDowns[0], 1);
    }

    void aRefusalWithoutRecordingDoesNothing()
    {
        RecorderFixture f;
        f.service.takeByOtherApplication(9, 0x300);
        f.shortcuts.loadShortcut(keys::quickAccessKeyName, keys::quickAccessModifiers);
        f.shortcuts.shortcutKeyName = QStringLiteral("v");
        f.shortcuts.shortcutModifiers = ModifierFlags(kCommand | kShift);
        f.shortcuts.registerShortcut(quick);
        QVERIFY(f.view.alerts.isEmpty());
        QVERIFY(f.view.dimmingHidden);
    }
};

QTEST_GUILESS_MAIN(TestShortcutRecorder)
#include "tst_shortcut_recorder.moc"
