// SPDX-License-Identifier: GPL-3.0-or-later
#include "CapturedOutput.h"
#include "FakeAppContext.h"
#include "RecorderFixture.h"
#include "TestDirs.h"
#include "app/AppContext.h"
#include "app/AppShell.h"
#include "platform/fake/FakeKeyPositions.h"
#include "platform/fake/FakePlatform.h"
#include "store/SettingsKeys.h"
#include "ui/preferences/RecorderKeyFilter.h"
#include "ui/preferences/ShortcutLabel.h"

#include <QAction>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

using namespace tavrin;
using namespace tavrin::test;

namespace {

QKeyCombination combo(Qt::KeyboardModifiers modifiers, Qt::Key key)
{
    return QKeyCombination(modifiers, key);
}

struct App : FakeAppContext {
    std::unique_ptr<AppShell> shell;
    int windowsShown = 0;
    int toggles = 0;
    int pastes = 0;

    App() = default;
    explicit App(const QString &settingsPath) : FakeAppContext(settingsPath) {}
    ~App()
    {
        shell.reset();
        context.reset();
    }
    void launch()
    {
        shell = std::make_unique<AppShell>(*context);
        QObject::connect(shell.get(), &AppShell::shortcutPressed, shell.get(), [this](Shortcut pressed) {
            switch (pressed) {
            case Shortcut::quickAccess: ++windowsShown; break;
            case Shortcut::toggleSequentialMode: ++toggles; break;
            case Shortcut::sequentialPaste: ++pastes; break;
            }
        });
        shell->registerStoredShortcuts();
    }
    FakeGlobalShortcuts &desktop() { return *platform->fakeGlobalShortcuts; }
    AppShortcuts &shortcuts() { return context->shortcuts(); }
};

const QStringList kShortcutKeys = {keys::quickAccessKeyName,      keys::quickAccessModifiers,
                                   keys::toggleSequentialKeyName, keys::toggleSequentialModifiers,
                                   keys::sequentialPasteKeyName,  keys::sequentialPasteModifiers};

}  // namespace

class TestAppShortcuts : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void launchRegistersEveryRecordedShortcut()
    {
        App app;
        app.settings->setString(keys::quickAccessKeyName, QStringLiteral("V"));
        app.settings->setIntegerArray(keys::quickAccessModifiers, {14, 11});
        app.settings->setString(keys::toggleSequentialKeyName, QStringLiteral("t"));
        app.settings->setIntegerArray(keys::toggleSequentialModifiers, {});  // not recorded
        app.settings->setString(keys::sequentialPasteKeyName, QStringLiteral("f5"));
        app.settings->setIntegerArray(keys::sequentialPasteModifiers, {12});
        app.launch();

        QCOMPARE(app.desktop().registrations().size(), std::size_t(2));
        QVERIFY(app.desktop().isRegistered(combo(kCtrl | kShift, Qt::Key_V)));
        QVERIFY(app.desktop().isRegistered(combo(kMeta, Qt::Key_F5)));
        // The desktop learns what each one does, under ids of ours.
        QCOMPARE(app.desktop().registrations().at(QStringLiteral("quick-access")).description,
                 QStringLiteral("Show the clipboard list"));
        QCOMPARE(app.desktop().registrations().at(QStringLiteral("paste-next")).description,
                 QStringLiteral("Paste the next queued entry"));
        QCOMPARE(app.shortcuts().statusOf(quick), std::optional(ShortcutStatus::active()));
        QCOMPARE(app.shortcuts().statusOf(toggle), std::nullopt);
        QCOMPARE(app.shortcuts().statusOf(paste), std::optional(ShortcutStatus::active()));

        // The offscreen platform cannot raise windows and says so; the test log would land in the capture.
        QTest::ignoreMessage(QtWarningMsg, "This plugin does not support raise()");
        QTest::ignoreMessage(QtWarningMsg, "This plugin does not support raise()");
        test::CapturedOutput out(stdout);
        QVERIFY(app.desktop().press(combo(kCtrl | kShift, Qt::Key_V)));
        const QByteArray printed = out.text();
        QCOMPARE(printed, QByteArray());
        QCOMPARE(app.windowsShown, 1);
        QVERIFY(app.desktop().press(combo(kMeta, Qt::Key_F5)));
        QCOMPARE(app.pastes, 1);
        QCOMPARE(app.toggles, 0);
    }

    void registeringReplacesAndUnregisteringDropsTheShortcut()
    {
        App app;
        app.launch();
        AppShortcuts &shortcuts = app.shortcuts();
        QVERIFY(shortcuts.registerShortcut(toggle, combo(kMeta | kAlt, Qt::Key_T)).isActive());
        // Registering the same combination again replaces it instead of being refused by it.
        QVERIFY(shortcuts.registerShortcut(toggle, combo(kMeta | kAlt, Qt::Key_T)).isActive());
        QCOMPARE(app.desktop().registrations().size(), std::size_t(1));
        QVERIFY(app.desktop().press(combo(kMeta | kAlt, Qt::Key_T)));
        QCOMPARE(app.toggles, 1);

        shortcuts.unregisterShortcut(toggle);
        QVERIFY(app.desktop().registrations().empty());
        QCOMPARE(shortcuts.statusOf(toggle), std::nullopt);

        QVERIFY(shortcuts.registerShortcut(quick, combo(kMeta | kAlt, Qt::Key_T)).isActive());
        const ShortcutStatus twice = shortcuts.registerShortcut(paste, combo(kMeta | kAlt, Qt::Key_T));
        QCOMPARE(twice,
                 ShortcutStatus::refused(QStringLiteral("Meta+Alt+T is already another shortcut of this program.")));
        QCOMPARE(shortcuts.statusOf(paste), std::optional(twice));
        QCOMPARE(shortcuts.registeredKeys(paste), std::nullopt);
        shortcuts.unregisterShortcut(quick);
        shortcuts.unregisterShortcut(paste);
        QVERIFY(app.desktop().registrations().empty());
        QCOMPARE(shortcuts.statusOf(paste), std::nullopt);
    }

    void shortcutsPressedWithoutTheShellRunNothingAndGoBackWithTheirOwner()
    {
        App app;
        app.settings->setString(keys::quickAccessKeyName, QStringLiteral("v"));
        app.settings->setIntegerArray(keys::quickAccessModifiers, {11});
        app.launch();
        app.shell.reset();
        test::CapturedOutput out(stdout);
        QVERIFY(app.desktop().press(combo(kCtrl, Qt::Key_V)));
        QCOMPARE(out.text(), QByteArray());
        QCOMPARE(app.windowsShown, 0);

        // The registrations end with their owner, whatever became of them.
        FakeGlobalShortcuts desktop;
        SettingsStore settings;
        {
            AppShortcuts shortcuts(settings, desktop);
            shortcuts.registerShortcut(quick, combo(kCtrl, Qt::Key_K));
            desktop.answersLater = true;
            shortcuts.registerShortcut(toggle, combo(kCtrl, Qt::Key_L));
            QCOMPARE(desktop.registrations().size(), std::size_t(2));
        }
        QVERIFY(desktop.registrations().empty());
    }

    void aDesktopWithoutShortcutsRefusesEveryOneWithItsReason()
    {
        App app;
        app.desktop().offered = false;
        app.settings->setString(keys::quickAccessKeyName, QStringLiteral("v"));
        app.settings->setIntegerArray(keys::quickAccessModifiers, {11, 13});
        app.launch();
        QCOMPARE(app.shortcuts().statusOf(quick), std::optional(ShortcutStatus::refused(QStringLiteral(
                                                      "This desktop lets no program take global shortcuts."))));
        QVERIFY(app.desktop().registrations().empty());
    }

    void theRecorderIsWiredToTheShortcutsAndTheMenu()
    {
        App app;
        app.launch();
        QAction appName;
        QAction window;
        app.shell->actionsLockedWhileRecording = {&appName, &window};
        FakeRecorderView view;
        ShortcutRecorder &recorder = app.shell->shortcutRecorder();
        recorder.setView(&view);

        app.desktop().takeByOtherProgram(combo(kCtrl | kShift, Qt::Key_V));
        recorder.startRecording(quick);
        QVERIFY(!appName.isEnabled());
        QVERIFY(!window.isEnabled());
        recorder.modifiersChanged(kCtrl | kShift);
        QCOMPARE(view.labels[quick], QStringLiteral("Ctrl+Shift+"));
        recorder.keyPressed(combo(kCtrl | kShift, Qt::Key_V));
        QCOMPARE(view.labels[quick], QStringLiteral("Ctrl+Shift+V"));  // shown until the refusal is answered
        QCOMPARE(view.alerts.size(), 1);
        QVERIFY(appName.isEnabled());
        view.answer();
        QVERIFY(recorder.isRecording(quick));
        QVERIFY(!appName.isEnabled());

        recorder.keyPressed(combo(kMeta, Qt::Key_F5));
        QCOMPARE(view.labels[quick], QStringLiteral("Meta+F5"));
        QVERIFY(window.isEnabled());
        QVERIFY(app.desktop().press(combo(kMeta, Qt::Key_F5)));
        QCOMPARE(app.windowsShown, 1);
    }

    void keyEventsBecomeRecordedKeys()
    {
        FakeKeyPositions places;
        places.places = {{10, Qt::Key_1}, {59, Qt::Key_Comma}, {34, Qt::Key_BracketLeft}};
        const auto recorded = [&places](int key, Qt::KeyboardModifiers modifiers, quint32 scanCode) {
            return recordedKeys(QKeyEvent(QEvent::KeyPress, key, modifiers, scanCode, 0, 0), places);
        };
        QCOMPARE(recorded(Qt::Key_V, kCtrl | kShift, 55), combo(kCtrl | kShift, Qt::Key_V));
        // A shifted symbol the settings cannot name is the key in its place.
        QCOMPARE(recorded(Qt::Key_Exclam, kCtrl | kShift, 10), combo(kCtrl | kShift, Qt::Key_1));
        QCOMPARE(recorded(Qt::Key_Less, kCtrl | kShift, 59), combo(kCtrl | kShift, Qt::Key_Comma));
        QCOMPARE(recorded(Qt::Key_Exclam, kCtrl | kShift, 99), combo(kCtrl | kShift, Qt::Key_Exclam));
        // Other keys stay what the layout types: a letter of its own is no US key.
        QCOMPARE(recorded(Qt::Key_Udiaeresis, kCtrl, 34), combo(kCtrl, Qt::Key_Udiaeresis));
        QCOMPARE(recorded(Qt::Key_Udiaeresis, kCtrl | kShift, 34), combo(kCtrl | kShift, Qt::Key_Udiaeresis));
        QCOMPARE(recorded(Qt::Key_1, kCtrl | Qt::KeypadModifier, 87), combo(kCtrl | Qt::KeypadModifier, Qt::Key_1));

        QCOMPARE(modifiersAfter(QKeyEvent(QEvent::KeyPress, Qt::Key_Shift, kCtrl)), kCtrl | kShift);
        QCOMPARE(modifiersAfter(QKeyEvent(QEvent::KeyRelease, Qt::Key_Control, kCtrl | kAlt)), kAlt);
        QCOMPARE(modifiersAfter(QKeyEvent(QEvent::KeyPress, Qt::Key_Super_L, Qt::NoModifier)), kMeta);
        for (const int key : {int(Qt::Key_Shift), int(Qt::Key_Control), int(Qt::Key_Alt), int(Qt::Key_Meta)})
            QVERIFY(isModifierKey(key));
        QVERIFY(!isModifierKey(Qt::Key_V));
    }

    void labelsUseTheDesktopsKeyText()
    {
        QCOMPARE(shortcutLabel(combo(kCtrl | kShift, Qt::Key_V)), QStringLiteral("Ctrl+Shift+V"));
        QCOMPARE(shortcutLabel(combo(kMeta | kAlt, Qt::Key_V)), QStringLiteral("Meta+Alt+V"));
        QCOMPARE(shortcutLabel(combo(kMeta, Qt::Key_F5)), QStringLiteral("Meta+F5"));
        QCOMPARE(shortcutLabel(combo(kCtrl, Qt::Key_Up)), QStringLiteral("Ctrl+Up"));
        QCOMPARE(shortcutLabel(combo(kCtrl, Qt::Key_Comma)), QStringLiteral("Ctrl+,"));
        QCOMPARE(shortcutLabel(combo(kCtrl | Qt::KeypadModifier, Qt::Key_1)), QStringLiteral("Ctrl+Num+1"));
        QCOMPARE(shortcutLabel(combo(kCtrl | kAlt, Qt::Key(0))), QStringLiteral("Ctrl+Alt+"));
        QCOMPARE(shortcutLabel(combo(Qt::NoModifier, Qt::Key(0))), QString());
    }

    void settingsOfAnOlderTavrinKeepTheirShortcuts_data()
    {
        QTest::addColumn<QString>("file");
        QTest::newRow("as recorded") << QStringLiteral("settings-recorded-shortcuts.plist");
        QTest::newRow("unusual values") << QStringLiteral("settings-unusual-shortcuts.plist");
    }

    void settingsOfAnOlderTavrinKeepTheirShortcuts()
    {
        QFETCH(QString, file);
        const QByteArray older = test::readFile(test::testDataPath(file));
        QVERIFY(!older.isEmpty());
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("settings.plist"));
        test::writeFile(path, older);
        {
            App app(path);
            app.launch();
            // Another setting changes: the file is written again, and every shortcut value stands as it was.
            app.settings->setInteger(keys::sequentialPasteOrder, 1);
            QVERIFY(app.settings->flush());
            const QByteArray rewritten = test::readFile(path);
            QVERIFY(!test::settingsEntry(rewritten, keys::sequentialPasteOrder).isEmpty());
            for (const QString &key : kShortcutKeys) {
                QVERIFY2(!test::settingsEntry(older, key).isEmpty(), qPrintable(key));
                QCOMPARE(test::settingsEntry(rewritten, key), test::settingsEntry(older, key));
            }

            // The shortcuts it holds still fire; a value that names no usable key is refused with why.
            if (file.contains(QStringLiteral("recorded"))) {
                QVERIFY(app.desktop().press(combo(kCtrl | kShift, Qt::Key_V)));
                QVERIFY(app.desktop().press(combo(kMeta, Qt::Key_F5)));
                QVERIFY(app.desktop().press(combo(kCtrl | kAlt | kShift, Qt::Key_1)));
                QCOMPARE(app.windowsShown, 1);
                QCOMPARE(app.toggles, 1);
                QCOMPARE(app.pastes, 1);
            } else {
                QCOMPARE(app.desktop().registrations().size(), std::size_t(1));
                QVERIFY(app.desktop().press(combo(kCtrl | kAlt, Qt::Key_Return)));
                QCOMPARE(app.windowsShown, 1);
                QCOMPARE(app.shortcuts().statusOf(toggle),
                         std::optional(ShortcutStatus::refused(
                             QStringLiteral("The key stored for this shortcut, \"fn\", cannot be used here."))));
                QCOMPARE(app.shortcuts().statusOf(paste)->state, ShortcutStatus::State::Refused);
                QCOMPARE(app.shortcuts().registeredKeys(paste), std::nullopt);
            }
            // Opening the Preferences leaves them alone too.
            app.shell->shortcutRecorder().showShortcuts();
            app.settings->setBool(keys::soundEnabled, false);
            QVERIFY(app.settings->flush());
        }
        const QByteArray afterQuit = test::readFile(path);
        QVERIFY(!test::settingsEntry(afterQuit, keys::soundEnabled).isEmpty());
        for (const QString &key : kShortcutKeys)
            QCOMPARE(test::settingsEntry(afterQuit, key), test::settingsEntry(older, key));
    }
};

QTEST_MAIN(TestAppShortcuts)
#include "tst_app_shortcuts.moc"
