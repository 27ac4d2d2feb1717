// SPDX-License-Identifier: GPL-3.0-or-later
// The Preferences pane: recording, refusing and clearing the three shortcuts with the real key events of the main
// window, the paste order, the sound and start-at-login check boxes; and the About pane.
#include "PreferencesFixture.h"

#include "ui/about/AboutPane.h"
#include "ui/preferences/DesktopSupportView.h"
#include "ui/preferences/ShortcutStates.h"

#include <QLabel>
#include <QRegularExpression>

using namespace tavrin;
using namespace tavrin::test;

namespace {

using Codes = QList<std::int64_t>;
// Ctrl is stored as 11, Alt as 13, Shift as 14.
const QKeyCombination kCtrlAltK(Qt::ControlModifier | Qt::AltModifier, Qt::Key_K);

}  // namespace

class TestPreferencesPane : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void eachShortcutIsRecordedStoredShownAndRegistered()
    {
        PreferencesFixture f;
        f.showPreferences();
        for (const Shortcut shortcut : kShortcuts) {
            QCOMPARE(f.box(shortcut)->text(), ShortcutRecorder::placeholderText());
            QVERIFY(f.pane()->clearButton(shortcut)->isHidden());
        }

        f.record(Shortcut::quickAccess, Qt::Key_K, Qt::ControlModifier | Qt::AltModifier);
        QCOMPARE(f.storedKeyName(Shortcut::quickAccess), std::optional<QString>(QStringLiteral("k")));
        QCOMPARE(f.storedModifiers(Shortcut::quickAccess), std::optional<Codes>(Codes({13, 11})));
        QCOMPARE(f.box(Shortcut::quickAccess)->text(), QStringLiteral("Ctrl+Alt+K"));
        QCOMPARE(f.box(Shortcut::quickAccess)->border(), RecorderBorder::idle);
        QVERIFY(!f.pane()->clearButton(Shortcut::quickAccess)->isHidden());
        QVERIFY(f.desktop.isRegistered(kCtrlAltK));
        QVERIFY(f.isRegistered(Shortcut::quickAccess));

        // Shift makes the typed character a capital; the function keys go by their key.
        f.record(Shortcut::toggleSequentialMode, 'T', Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(f.storedKeyName(Shortcut::toggleSequentialMode), std::optional<QString>(QStringLiteral("T")));
        QCOMPARE(f.storedModifiers(Shortcut::toggleSequentialMode), std::optional<Codes>(Codes({14, 11})));
        QCOMPARE(f.box(Shortcut::toggleSequentialMode)->text(), QStringLiteral("Ctrl+Shift+T"));
        // The registered shortcut runs its action: sequential mode comes on.
        QVERIFY(f.desktop.press(QKeyCombination(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_T)));
        QVERIFY(f.queueWindow.visible);
        f.record(Shortcut::sequentialPaste, Qt::Key_F5, Qt::ControlModifier);
        QCOMPARE(f.storedKeyName(Shortcut::sequentialPaste), std::optional<QString>(QStringLiteral("f5")));
        QVERIFY(f.desktop.isRegistered(QKeyCombination(Qt::ControlModifier, Qt::Key_F5)));
        // Each recording left the others alone.
        QCOMPARE(f.desktop.registrations().size(), std::size_t(3));

        // The pane shows what is stored when it appears again.
        f.content->showPane(MainPane::clipboard);
        f.content->showPane(MainPane::preferences);
        QCOMPARE(f.box(Shortcut::sequentialPaste)->text(), QStringLiteral("Ctrl+F5"));
    }

    void heldModifiersShowAsTheyArePressedAndReleasingThemClears()
    {
        PreferencesFixture f;
        f.showPreferences();
        ShortcutRecorderBox *box = f.box(Shortcut::quickAccess);
        QTest::mouseClick(box, Qt::LeftButton);
        QCOMPARE(box->border(), RecorderBorder::recording);
        QVERIFY(box->text().isEmpty());
        QTest::keyPress(box, Qt::Key_Control);
        QCOMPARE(box->text(), QStringLiteral("Ctrl+"));
        QTest::keyPress(box, Qt::Key_Alt, Qt::ControlModifier);
        QCOMPARE(box->text(), QStringLiteral("Ctrl+Alt+"));
        // A key without a modifier is no shortcut: Delete and Tab neither remove an entry nor move the focus.
        QTest::keyClick(box, Qt::Key_Delete);
        QTest::keyClick(box, Qt::Key_Tab);
        QVERIFY(box->hasFocus());
        QVERIFY(f.sheets.shown.isEmpty());
        QCOMPARE(box->border(), RecorderBorder::recording);
        QTest::keyRelease(box, Qt::Key_Alt, Qt::ControlModifier | Qt::AltModifier);
        QTest::keyRelease(box, Qt::Key_Control, Qt::ControlModifier);
        // Every modifier released without a key: the recording ends with nothing recorded.
        QCOMPARE(box->text(), ShortcutRecorder::placeholderText());
        QCOMPARE(box->border(), RecorderBorder::idle);
        QVERIFY(!f.storedKeyName(Shortcut::quickAccess));
    }

    void reservedAndTakenCombinationsAreRefusedAndRecordingGoesOn()
    {
        PreferencesFixture f;
        f.showPreferences();
        // Ctrl+C stays the applications' copy.
        f.record(Shortcut::quickAccess, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(f.sheets.shown.size(), 1);
        QCOMPARE(f.sheets.shown.constLast().messageText, ShortcutRecorder::rejectionMessage());
        QVERIFY(f.dimmed());
        QVERIFY(f.sheets.answerOpenAlert(0));
        QVERIFY(!f.dimmed());
        QVERIFY(!f.storedKeyName(Shortcut::quickAccess));
        QVERIFY(f.shell->shortcutRecorder().isRecording(Shortcut::quickAccess));

        // Another program holds Ctrl+Alt+K: the alert, and once it is answered, nothing stored and a new recording.
        f.desktop.takeByOtherProgram(kCtrlAltK);
        QTest::keyClick(f.box(Shortcut::quickAccess), Qt::Key_K, Qt::ControlModifier | Qt::AltModifier);
        QCOMPARE(f.sheets.shown.size(), 2);
        QCOMPARE(f.sheets.shown.constLast().messageText, ShortcutRecorder::rejectionMessage());
        QVERIFY(f.sheets.answerOpenAlert(0));
        QVERIFY(!f.storedKeyName(Shortcut::quickAccess));
        QVERIFY(!f.storedModifiers(Shortcut::quickAccess));
        QVERIFY(!f.isRegistered(Shortcut::quickAccess));
        QCOMPARE(f.box(Shortcut::quickAccess)->border(), RecorderBorder::recording);
        QVERIFY(!f.dimmed());
        // The next combination is recorded in its place.
        QTest::keyClick(f.box(Shortcut::quickAccess), Qt::Key_J, Qt::ControlModifier | Qt::AltModifier);
        QCOMPARE(f.storedKeyName(Shortcut::quickAccess), std::optional<QString>(QStringLiteral("j")));
        QVERIFY(f.isRegistered(Shortcut::quickAccess));
    }

    void aShortcutAnotherProgramHoldsIsShownAsNotWorkingWithTheReason()
    {
        PreferencesFixture f;
        f.showPreferences();
        f.record(Shortcut::quickAccess, Qt::Key_K, Qt::ControlModifier | Qt::AltModifier);
        QVERIFY(f.isRegistered(Shortcut::quickAccess));
        QLabel *state = f.pane()->shortcutStateLabel(Shortcut::quickAccess);
        QVERIFY(!state->isVisible());
        QLabel *desktopState = f.pane()->desktopSupport()->findChild<QLabel *>(QStringLiteral("Global shortcuts"));
        QVERIFY(desktopState);
        QCOMPARE(desktopState->text(), QStringLiteral("Works"));

        // The next start: another program took Ctrl+Alt+K first.
        f.context.shortcuts().unregisterShortcut(Shortcut::quickAccess);
        f.desktop.takeByOtherProgram(kCtrlAltK);
        QTest::ignoreMessage(QtWarningMsg,
                             "the quick-access shortcut is not registered: Ctrl+Alt+K is taken by another program.");
        f.shell->registerStoredShortcuts();
        QCOMPARE(f.shell->shortcutStates().status(Shortcut::quickAccess),
                 std::optional(ShortcutStatus::refused(QStringLiteral("Ctrl+Alt+K is taken by another program."))));
        QVERIFY(state->isVisible());
        QCOMPARE(state->text(), QStringLiteral("Does not work: Ctrl+Alt+K is taken by another program."));
        QVERIFY(f.box(Shortcut::quickAccess)->accessibleDescription().contains(state->text()));
        // "This desktop" says it too.
        QCOMPARE(desktopState->text(), QStringLiteral("Not every shortcut works"));
        const QStringList lines = [&] {
            QStringList texts;
            for (const QLabel *label : f.pane()->desktopSupport()->findChildren<QLabel *>())
                texts << label->text();
            return texts;
        }();
        QVERIFY(lines.contains(QStringLiteral("Quick access shortcut: Ctrl+Alt+K is taken by another program.")));
        // The others, not recorded, are not said to fail.
        QVERIFY(!f.pane()->shortcutStateLabel(Shortcut::sequentialPaste)->isVisible());

        // Another combination recorded in its place works, and the notes go.
        f.record(Shortcut::quickAccess, Qt::Key_J, Qt::ControlModifier | Qt::AltModifier);
        QCOMPARE(f.shell->shortcutStates().status(Shortcut::quickAccess), std::optional(ShortcutStatus::active()));
        QVERIFY(!state->isVisible());
        QCOMPARE(desktopState->text(), QStringLiteral("Works"));
    }

    void aShortcutTheDesktopStillDecidesIsShownAsWaitingUntilItAnswers()
    {
        PreferencesFixture f;
        f.showPreferences();
        f.desktop.answersLater = true;
        f.record(Shortcut::quickAccess, Qt::Key_K, Qt::ControlModifier | Qt::AltModifier);
        QLabel *state = f.pane()->shortcutStateLabel(Shortcut::quickAccess);
        QCOMPARE(f.shell->shortcutStates().status(Shortcut::quickAccess), std::optional(ShortcutStatus::pending()));
        QVERIFY(state->isVisible());
        QCOMPARE(state->text(), QStringLiteral("Waiting for the desktop to allow it"));
        QVERIFY(f.box(Shortcut::quickAccess)->accessibleDescription().contains(state->text()));

        // The user allows it in the desktop's dialog.
        f.desktop.decide(QStringLiteral("quick-access"), ShortcutStatus::active());
        QTRY_COMPARE(f.shell->shortcutStates().status(Shortcut::quickAccess), std::optional(ShortcutStatus::active()));
        QVERIFY(!state->isVisible());

        // Recorded again and refused there: the reason replaces the wait.
        f.record(Shortcut::quickAccess, Qt::Key_J, Qt::ControlModifier | Qt::AltModifier);
        QVERIFY(state->isVisible());
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("not allowed")));
        f.desktop.decide(QStringLiteral("quick-access"),
                         ShortcutStatus::refused(QStringLiteral("It was not allowed.")));
        QTRY_COMPARE(state->text(), QStringLiteral("Does not work: It was not allowed."));
    }

    void aRefusedRecordingSaysWhyInItsAlert()
    {
        PreferencesFixture f;
        f.showPreferences();
        f.desktop.takeByOtherProgram(kCtrlAltK);
        QTest::ignoreMessage(QtWarningMsg,
                             "the quick-access shortcut is not registered: Ctrl+Alt+K is taken by another program.");
        f.record(Shortcut::quickAccess, Qt::Key_K, Qt::ControlModifier | Qt::AltModifier);
        QCOMPARE(f.sheets.shown.constLast().messageText, ShortcutRecorder::rejectionMessage());
        QCOMPARE(f.sheets.shown.constLast().informativeText, QStringLiteral("Ctrl+Alt+K is taken by another program."));
        QVERIFY(f.sheets.answerOpenAlert(0));
    }

    void clearingAndLeavingThePane()
    {
        PreferencesFixture f;
        f.showPreferences();
        f.record(Shortcut::quickAccess, Qt::Key_K, Qt::ControlModifier | Qt::AltModifier);
        QTest::mouseClick(f.pane()->clearButton(Shortcut::quickAccess), Qt::LeftButton);
        QVERIFY(!f.storedKeyName(Shortcut::quickAccess));
        QVERIFY(!f.storedModifiers(Shortcut::quickAccess));
        QVERIFY(f.desktop.registrations().empty());
        QCOMPARE(f.box(Shortcut::quickAccess)->text(), ShortcutRecorder::placeholderText());
        QVERIFY(f.pane()->clearButton(Shortcut::quickAccess)->isHidden());

        // Leaving the pane mid-recording drops the recording: the keys then reach the window as usual.
        QAction menuItem;
        f.shell->actionsLockedWhileRecording = {&menuItem};
        QTest::mouseClick(f.box(Shortcut::toggleSequentialMode), Qt::LeftButton);
        QVERIFY(!menuItem.isEnabled());
        f.content->showPane(MainPane::clipboard);
        QVERIFY(!f.shell->shortcutRecorder().recordingShortcut());
        QVERIFY(menuItem.isEnabled());
        QTest::keyClick(f.content, Qt::Key_T, Qt::ControlModifier | Qt::AltModifier);
        QVERIFY(!f.storedKeyName(Shortcut::toggleSequentialMode));
        // Back on the pane, the row reads as not recorded.
        f.content->showPane(MainPane::preferences);
        QCOMPARE(f.box(Shortcut::toggleSequentialMode)->text(), ShortcutRecorder::placeholderText());
        QCOMPARE(f.box(Shortcut::toggleSequentialMode)->border(), RecorderBorder::idle);
    }

    void pasteOrderAndSoundAreStoredAndApplied()
    {
        PreferencesFixture f;
        f.settings().setInteger(keys::sequentialPasteOrder, 1);
        f.showPreferences();
        QComboBox *order = f.pane()->pasteOrderPopup();
        QCOMPARE(order->count(), 2);
        QCOMPARE(order->itemText(0), PreferencesPane::firstToLastTitle());
        QCOMPARE(order->itemText(1), PreferencesPane::lastToFirstTitle());
        QCOMPARE(order->currentIndex(), 1);
        order->setCurrentIndex(0);
        Q_EMIT order->activated(0);
        QCOMPARE(f.settings().integer(keys::sequentialPasteOrder), std::optional<std::int64_t>(0));

        QCheckBox *sound = f.pane()->soundCheckBox();
        QVERIFY(sound->isChecked());
        sound->click();
        QCOMPARE(f.settings().boolValue(keys::soundEnabled), std::optional<bool>(false));
        QVERIFY(!f.capture().sound().isEnabled());
        f.capture().sound().play(QStringLiteral("Pop"));
        QVERIFY(f.sounds.played.isEmpty());
        sound->click();
        QVERIFY(f.capture().sound().isEnabled());
    }

    void startAtLoginIsOnlyShownOnWhenTheDesktopTookIt()
    {
        PreferencesFixture f;
        f.showPreferences();
        QCheckBox *box = f.pane()->startAtLoginCheckBox();
        QVERIFY(box->isEnabled());
        QVERIFY(!box->isChecked());
        box->click();
        QVERIFY(f.loginItems.enabled);
        QCOMPARE(f.settings().boolValue(keys::startAtLogin), std::optional<bool>(true));
        QVERIFY(f.sheets.shown.isEmpty());

        // The desktop refuses: the box goes back, the setting stays, and the user is told why.
        f.loginItems.succeeds = false;
        box->click();
        QVERIFY(box->isChecked());
        QCOMPARE(f.settings().boolValue(keys::startAtLogin), std::optional<bool>(true));
        QCOMPARE(f.sheets.shown.size(), 1);
        QCOMPARE(f.sheets.shown.constLast().informativeText, f.loginItems.failureReason);
        QVERIFY(f.sheets.answerOpenAlert(0));
        QCOMPARE(f.loginItems.requests.size(), 2);
        QCOMPARE(f.loginItems.requests.constLast().second, false);
    }

    void aDesktopWithoutGlobalShortcutsOffersTheCommandsInstead()
    {
        PreferencesFixture f;
        f.platform->capabilities.globalShortcuts = {false, QStringLiteral("the compositor offers no way")};
        f.showPreferences();
        for (const Shortcut shortcut : kShortcuts)
            QVERIFY(!f.box(shortcut)->isEnabled());
        QTest::mouseClick(f.box(Shortcut::quickAccess), Qt::LeftButton);
        QVERIFY(!f.shell->shortcutRecorder().recordingShortcut());
        auto *desktop = f.pane()->findChild<DesktopSupportView *>();
        QVERIFY(desktop);
        QVERIFY(desktop->isVisible());
        QCOMPARE(desktop->accessibleName(), QStringLiteral("This desktop"));
    }

    void aboutShowsTheVersionAndOpensOnlyConfiguredAddresses()
    {
        FakeWorkspace workspace;
        AboutPane about(QStringLiteral("1.2"),
                        AboutLinks{QStringLiteral("https://example.org/tavrin"), QString(),
                                   QStringLiteral("not an address"), QString()},
                        workspace);
        QCOMPARE(about.versionLabel()->text(), QStringLiteral("Version 1.2"));
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        QVERIFY(about.linkButton(AboutPane::Link::web)->isVisible());
        QVERIFY(!about.linkButton(AboutPane::Link::facebook)->isVisible());
        QVERIFY(!about.linkButton(AboutPane::Link::store)->isVisible());
        about.linkButton(AboutPane::Link::web)->click();
        QCOMPARE(workspace.openedUrls, QList<QUrl>({QUrl(QStringLiteral("https://example.org/tavrin"))}));
        // A configured text that is no address opens nothing.
        about.linkButton(AboutPane::Link::twitter)->click();
        QCOMPARE(workspace.openedUrls.size(), 1);
    }
};

QTEST_MAIN(TestPreferencesPane)
#include "tst_preferences_pane.moc"
