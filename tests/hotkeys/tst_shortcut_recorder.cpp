// SPDX-License-Identifier: GPL-3.0-or-later
#include "RecorderFixture.h"
#include "store/SettingsKeys.h"

#include <QSignalSpy>
#include <QTest>

using namespace tavrin;
using namespace tavrin::test;

namespace {

using Codes = std::optional<QList<std::int64_t>>;

QKeyCombination combo(Qt::KeyboardModifiers modifiers, Qt::Key key)
{
    return QKeyCombination(modifiers, key);
}

}  // namespace

class TestShortcutRecorder : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void recordingCtrlShiftV()
    {
        RecorderFixture f;
        f.recorder.startRecording(quick);
        QVERIFY(f.recorder.isRecording(quick));
        QCOMPARE(f.view.labels[quick], QString());
        QCOMPARE(f.view.borders[quick], RecorderBorder::recording);
        QVERIFY(f.view.clearHidden[quick]);
        QCOMPARE(f.menuItemStates, QList<bool>{false});

        // Live feedback while only modifiers are held.
        QVERIFY(f.recorder.modifiersChanged(kCtrl));
        QCOMPARE(f.view.labels[quick], QStringLiteral("Ctrl+"));
        QVERIFY(f.recorder.modifiersChanged(kCtrl | kShift));
        QCOMPARE(f.view.labels[quick], QStringLiteral("Ctrl+Shift+"));

        QVERIFY(f.recorder.keyPressed(combo(kCtrl | kShift, Qt::Key_V)));
        QCOMPARE(f.settings.string(keys::quickAccessKeyName), std::optional<QString>(QStringLiteral("V")));
        QCOMPARE(f.settings.integerArray(keys::quickAccessModifiers), Codes(QList<std::int64_t>{14, 11}));
        QVERIFY(f.desktop.isRegistered(combo(kCtrl | kShift, Qt::Key_V)));
        QCOMPARE(f.shortcuts.statusOf(quick), std::optional(ShortcutStatus::active()));
        QCOMPARE(f.view.labels[quick], QStringLiteral("Ctrl+Shift+V"));
        QCOMPARE(f.view.borders[quick], RecorderBorder::idle);
        QVERIFY(!f.view.clearHidden[quick]);
        QCOMPARE(f.menuItemStates.last(), true);
        QVERIFY(!f.recorder.recordingShortcut());
        QVERIFY(f.view.alerts.isEmpty());

        // Letting go of the modifiers afterwards changes nothing; the shortcut works.
        QVERIFY(!f.recorder.modifiersChanged(Qt::NoModifier));
        QVERIFY(f.desktop.press(combo(kCtrl | kShift, Qt::Key_V)));
        QCOMPARE(f.presses[0], 1);
    }

    void ctrlAloneWithAReservedKeyIsRejected()
    {
        RecorderFixture f;
        f.recorder.startRecording(toggle);
        f.recorder.modifiersChanged(kCtrl);
        QVERIFY(f.recorder.keyPressed(combo(kCtrl, Qt::Key_C)));
        QCOMPARE(f.view.alerts, QStringList{QStringLiteral("Please use a different key combination.")});
        QVERIFY(!f.view.dimmingHidden);
        QCOMPARE(f.view.labels[toggle], QString());
        QVERIFY(!f.settings.contains(keys::toggleSequentialKeyName));
        QVERIFY(f.desktop.registrations().empty());
        QVERIFY(f.recorder.isRecording(toggle));
        f.view.answer();
        QVERIFY(f.view.dimmingHidden);

        // Still recording: the next combination is tried in its place.
        QVERIFY(f.recorder.keyPressed(combo(kCtrl | kAlt, Qt::Key_C)));
        QCOMPARE(f.settings.string(keys::toggleSequentialKeyName), std::optional<QString>(QStringLiteral("c")));
        QCOMPARE(f.settings.integerArray(keys::toggleSequentialModifiers), Codes(QList<std::int64_t>{13, 11}));
        QVERIFY(f.desktop.isRegistered(combo(kCtrl | kAlt, Qt::Key_C)));
        QCOMPARE(f.view.alerts.size(), 1);
    }

    void everyReservedKeyIsRejected_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("keypad");
        const std::pair<Qt::Key, const char *> reserved[] = {
            {Qt::Key_C, "c"},     {Qt::Key_V, "v"},    {Qt::Key_Z, "z"},           {Qt::Key_F, "f"},
            {Qt::Key_Comma, ","}, {Qt::Key_H, "h"},    {Qt::Key_Q, "q"},           {Qt::Key_N, "n"},
            {Qt::Key_A, "a"},     {Qt::Key_X, "x"},    {Qt::Key_Return, "return"}, {Qt::Key_M, "m"},
            {Qt::Key_Minus, "-"}, {Qt::Key_Plus, "+"},
        };
        for (const auto &[key, tag] : reserved)
            QTest::newRow(tag) << int(key) << false;
        QTest::newRow("keypad enter") << int(Qt::Key_Enter) << true;
        QTest::newRow("keypad minus") << int(Qt::Key_Minus) << true;
        QTest::newRow("keypad plus") << int(Qt::Key_Plus) << true;
    }

    void everyReservedKeyIsRejected()
    {
        QFETCH(int, key);
        QFETCH(bool, keypad);
        const Qt::KeyboardModifiers pad = keypad ? Qt::KeypadModifier : Qt::NoModifier;
        RecorderFixture f;
        f.recorder.startRecording(quick);
        f.recorder.keyPressed(combo(kCtrl | pad, Qt::Key(key)));
        QCOMPARE(f.view.alerts.size(), 1);
        QVERIFY(f.desktop.registrations().empty());
        // With another modifier the same key is fine, where the settings can name it (a plus only on the keypad).
        f.view.answer();
        const QKeyCombination withMeta = combo(kCtrl | kMeta | pad, Qt::Key(key));
        f.recorder.keyPressed(withMeta);
        const bool storable = key != Qt::Key_Plus || keypad;
        QCOMPARE(f.view.alerts.size(), storable ? 1 : 2);
        QCOMPARE(f.desktop.isRegistered(withMeta), storable);
    }

    void functionKeysAreStoredByName()
    {
        RecorderFixture f;
        f.recorder.startRecording(paste);
        QVERIFY(f.recorder.keyPressed(combo(kMeta, Qt::Key_F5)));
        QCOMPARE(f.settings.string(keys::sequentialPasteKeyName), std::optional<QString>(QStringLiteral("f5")));
        QCOMPARE(f.settings.integerArray(keys::sequentialPasteModifiers), Codes(QList<std::int64_t>{12}));
        QVERIFY(f.desktop.isRegistered(combo(kMeta, Qt::Key_F5)));
        QCOMPARE(f.view.labels[paste], QStringLiteral("Meta+F5"));
    }

    void aKeyWithoutModifiersIsIgnored()
    {
        RecorderFixture f;
        f.recorder.startRecording(quick);
        QVERIFY(f.recorder.keyPressed(combo(Qt::NoModifier, Qt::Key_V)));
        // The keypad is no modifier of a shortcut.
        QVERIFY(f.recorder.keyPressed(combo(Qt::KeypadModifier, Qt::Key_1)));
        QVERIFY(f.recorder.isRecording(quick));
        QVERIFY(!f.settings.contains(keys::quickAccessKeyName));
        QVERIFY(f.desktop.registrations().empty());
        QVERIFY(f.view.alerts.isEmpty());
    }

    void releasingEveryModifierClearsTheRecording()
    {
        RecorderFixture f;
        f.recorder.startRecording(quick);
        f.recorder.modifiersChanged(kCtrl);
        QVERIFY(f.recorder.modifiersChanged(Qt::KeypadModifier));
        QVERIFY(!f.recorder.isRecording(quick));
        QCOMPARE(f.view.labels[quick], QStringLiteral("Click here to enter shortcut"));
        QVERIFY(f.view.clearHidden[quick]);
        QCOMPARE(f.view.borders[quick], RecorderBorder::idle);
        QCOMPARE(f.menuItemStates.last(), true);
    }

    void startingASecondRecordingClearsTheFirst()
    {
        RecorderFixture f;
        QVERIFY(f.shortcuts.store(quick, combo(kMeta, Qt::Key_X)));
        f.recorder.startRecording(quick);
        QVERIFY(f.shortcuts.store(quick, combo(kMeta, Qt::Key_X)));  // written meanwhile
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
        f.recorder.keyPressed(combo(kCtrl | kAlt, Qt::Key_K));
        QVERIFY(f.desktop.isRegistered(combo(kCtrl | kAlt, Qt::Key_K)));
        f.recorder.startRecording(quick);
        QVERIFY(f.desktop.registrations().empty());
        QCOMPARE(f.shortcuts.statusOf(quick), std::nullopt);
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
        QCOMPARE(f.view.labels[toggle], QStringLiteral("Ctrl+Alt+V"));
        QVERIFY(!f.view.clearHidden[toggle]);
        QCOMPARE(f.view.labels[paste], QStringLiteral("Click here to enter shortcut"));
        for (const Shortcut shortcut : kShortcuts)
            QCOMPARE(f.view.borders[shortcut], RecorderBorder::idle);

        // A stored name of no usable key shows as it is stored, and can be cleared.
        f.settings.setString(keys::quickAccessKeyName, QStringLiteral("fn"));
        f.settings.setIntegerArray(keys::quickAccessModifiers, {11, 14});
        f.recorder.showShortcuts();
        QCOMPARE(f.view.labels[quick], QStringLiteral("Ctrl+Shift+fn"));
        QVERIFY(!f.view.clearHidden[quick]);
    }

    void keysOutsideThePreferencesPaneGoOn()
    {
        RecorderFixture f;
        QVERIFY(!f.recorder.keyPressed(combo(kCtrl, Qt::Key_V)));  // not recording
        f.recorder.startRecording(quick);
        f.view.pane = 0;
        QVERIFY(!f.recorder.keyPressed(combo(kCtrl | kShift, Qt::Key_V)));
        QVERIFY(!f.recorder.modifiersChanged(Qt::NoModifier));
        QVERIFY(f.recorder.isRecording(quick));
        f.view.pane = ShortcutRecorder::preferencesPane;
        f.recorder.stopRecording();  // the pane disappears
        QCOMPARE(f.menuItemStates, (QList<bool>{false, true}));
        QVERIFY(!f.recorder.keyPressed(combo(kCtrl | kShift, Qt::Key_V)));
        QVERIFY(!f.settings.contains(keys::quickAccessKeyName));
        f.recorder.stopRecording();
        QCOMPARE(f.menuItemStates.size(), 2);
    }

    void keysAreStoredUnderTheirOwnNames()
    {
        RecorderFixture f;
        f.recorder.startRecording(quick);
        f.recorder.keyPressed(combo(kCtrl | kShift, Qt::Key_Comma));
        QCOMPARE(f.settings.string(keys::quickAccessKeyName), std::optional<QString>(QStringLiteral(",")));
        QVERIFY(f.desktop.isRegistered(combo(kCtrl | kShift, Qt::Key_Comma)));
        f.recorder.startRecording(toggle);
        f.recorder.keyPressed(combo(kCtrl | kShift, Qt::Key_1));
        QCOMPARE(f.settings.string(keys::toggleSequentialKeyName), std::optional<QString>(QStringLiteral("1")));
        QVERIFY(f.desktop.isRegistered(combo(kCtrl | kShift, Qt::Key_1)));
        // An arrow types nothing; it has a name all the same.
        f.recorder.startRecording(paste);
        f.recorder.keyPressed(combo(kMeta | kAlt, Qt::Key_Up));
        QCOMPARE(f.settings.string(keys::sequentialPasteKeyName), std::optional<QString>(QStringLiteral("uparrow")));
        QCOMPARE(f.settings.integerArray(keys::sequentialPasteModifiers), Codes(QList<std::int64_t>{12, 13}));
        QVERIFY(f.desktop.isRegistered(combo(kMeta | kAlt, Qt::Key_Up)));
        QVERIFY(f.view.alerts.isEmpty());
    }

    void aKeyTheSettingsCannotNameIsRejected_data()
    {
        QTest::addColumn<QKeyCombination>("pressed");
        QTest::newRow("section sign") << combo(kMeta, Qt::Key_section);
        QTest::newRow("shifted symbol") << combo(kCtrl | kShift, Qt::Key_Exclam);
        QTest::newRow("F21") << combo(kCtrl, Qt::Key_F21);
        QTest::newRow("menu key") << combo(kCtrl, Qt::Key_Menu);
    }

    void aKeyTheSettingsCannotNameIsRejected()
    {
        QFETCH(QKeyCombination, pressed);
        RecorderFixture f;
        f.recorder.startRecording(quick);
        f.recorder.keyPressed(pressed);
        QCOMPARE(f.view.alerts.size(), 1);
        QVERIFY(f.recorder.isRecording(quick));
        QVERIFY(!f.settings.contains(keys::quickAccessKeyName));
        QVERIFY(f.desktop.registerCalls.isEmpty());
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
        f.desktop.takeByOtherProgram(combo(kCtrl | kShift, Qt::Key_V));
        f.recorder.startRecording(quick);
        f.recorder.keyPressed(combo(kCtrl | kShift, Qt::Key_V));
        QCOMPARE(f.view.alerts, QStringList{QStringLiteral("Please use a different key combination.")});
        if (!answerAtOnce) {
            // Until answered, the refused combination shows and the recording has ended; the reason is kept.
            QCOMPARE(f.view.labels[quick], QStringLiteral("Ctrl+Shift+V"));
            QVERIFY(!f.recorder.isRecording(quick));
            QVERIFY(!f.view.dimmingHidden);
            QCOMPARE(f.shortcuts.statusOf(quick), std::optional(ShortcutStatus::refused(
                                                      QStringLiteral("Ctrl+Shift+V is taken by another program."))));
            f.view.answer();
        }
        QVERIFY(f.recorder.isRecording(quick));
        QVERIFY(f.view.dimmingHidden);
        QCOMPARE(f.view.labels[quick], QString());
        QVERIFY(!f.settings.contains(keys::quickAccessKeyName));
        QCOMPARE(f.shortcuts.statusOf(quick), std::nullopt);
        QVERIFY(f.desktop.registrations().empty());

        // Another combination now works.
        f.recorder.keyPressed(combo(kCtrl | kShift, Qt::Key_B));
        QVERIFY(f.desktop.isRegistered(combo(kCtrl | kShift, Qt::Key_B)));
        QCOMPARE(f.view.alerts.size(), 1);
    }

    void theSameCombinationCannotServeTwoShortcuts()
    {
        RecorderFixture f;
        f.recorder.startRecording(quick);
        f.recorder.keyPressed(combo(kCtrl | kShift, Qt::Key_V));
        f.recorder.startRecording(toggle);
        f.recorder.keyPressed(combo(kCtrl | kShift, Qt::Key_V));
        QCOMPARE(f.view.alerts.size(), 1);
        f.view.answer();
        QVERIFY(f.recorder.isRecording(toggle));
        QCOMPARE(f.shortcuts.statusOf(quick), std::optional(ShortcutStatus::active()));
        QVERIFY(f.desktop.press(combo(kCtrl | kShift, Qt::Key_V)));
        QCOMPARE(f.presses[0], 1);
        QCOMPARE(f.presses[1], 0);
    }

    void aRefusalWithoutRecordingShowsNoAlert()
    {
        RecorderFixture f;
        f.desktop.takeByOtherProgram(combo(kCtrl | kShift, Qt::Key_V));
        const ShortcutStatus status = f.shortcuts.registerShortcut(quick, combo(kCtrl | kShift, Qt::Key_V));
        QCOMPARE(status.state, ShortcutStatus::State::Refused);
        QVERIFY(f.view.alerts.isEmpty());
        QVERIFY(f.view.dimmingHidden);
    }

    void aDesktopThatAnswersLaterIsFollowed()
    {
        RecorderFixture f;
        f.desktop.answersLater = true;
        QSignalSpy changes(&f.shortcuts, &AppShortcuts::statusChanged);
        f.recorder.startRecording(paste);
        f.recorder.keyPressed(combo(kCtrl | kAlt, Qt::Key_P));
        // Accepted while the desktop decides: shown, stored, no alert.
        QCOMPARE(f.view.labels[paste], QStringLiteral("Ctrl+Alt+P"));
        QVERIFY(f.view.alerts.isEmpty());
        QCOMPARE(f.shortcuts.statusOf(paste), std::optional(ShortcutStatus::pending()));
        QCOMPARE(f.shortcuts.registeredKeys(paste), std::optional(combo(kCtrl | kAlt, Qt::Key_P)));
        QVERIFY(!f.desktop.press(combo(kCtrl | kAlt, Qt::Key_P)));

        f.desktop.decide(QStringLiteral("paste-next"), ShortcutStatus::active());
        QCOMPARE(f.shortcuts.statusOf(paste), std::optional(ShortcutStatus::active()));
        QVERIFY(f.desktop.press(combo(kCtrl | kAlt, Qt::Key_P)));
        QCOMPARE(f.presses[2], 1);

        const ShortcutStatus lost = ShortcutStatus::refused(QStringLiteral("The desktop took it back."));
        f.desktop.decide(QStringLiteral("paste-next"), lost);
        QCOMPARE(f.shortcuts.statusOf(paste), std::optional(lost));
        QCOMPARE(f.shortcuts.registeredKeys(paste), std::nullopt);
        QCOMPARE(changes.size(), 3);  // pending, active, refused
        QCOMPARE(changes.last().at(1).value<std::optional<ShortcutStatus>>(), std::optional(lost));
    }
};

QTEST_GUILESS_MAIN(TestShortcutRecorder)
#include "tst_shortcut_recorder.moc"
