#include "CapturedOutput.h"
#include "FakeAppContext.h"
#include "RecorderFixture.h"
#include "app/AppContext.h"
#include "app/AppShell.h"
#include "platform/fake/FakePlatform.h"
#include "store/SettingsKeys.h"
#include "ui/preferences/QtKeyEvents.h"

#include <QAction>
#include <QKeyEvent>
#include <QSet>
#include <QTest>

#include <cstdio>

using namespace tavrin;
using tavrin::test::paste;
using tavrin::test::quick;
using tavrin::test::toggle;

namespace {

struct App : test::FakeAppContext {
    std::unique_ptr<AppShell> delegate;
    int windowsShown = 0;
    int toggles = 0;
    int pastes = 0;

    App() = default;
    ~App()
    {
        delegate.reset();
        context.reset();
    }
    void launch()
    {
        delegate = std::make_unique<AppShell>(*context);
        QObject::connect(delegate.get(), &AppShell::shortcutPressed, delegate.get(), [this](Shortcut pressed) {
            switch (pressed) {
            case Shortcut::quickAccess: ++windowsShown; break;
            case Shortcut::toggleSequentialMode: ++toggles; break;
            case Shortcut::sequentialPaste: ++pastes; break;
            }
        });
        delegate->registerStoredShortcuts();
    }
    FakeHotKeyService &service() { return *platform->fakeHotKeyService; }
};

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

        QCOMPARE(app.service().registrations().size(), std::size_t(2));
        QVERIFY(app.service().isRegistered(9, 0x300));
        QVERIFY(app.service().isRegistered(96, 0x1000));
        QVERIFY(app.delegate->shortcutHotKey(quick));
        QVERIFY(!app.delegate->shortcutHotKey(toggle));
        QVERIFY(app.delegate->shortcutHotKey(paste));

        test::CapturedOutput out(stdout);
        QCOMPARE(app.service().press(9, 0x300), std::optional<OSStatus>(noErr));
        const QByteArray printed = out.text();
        QVERIFY2(printed.startsWith("Pressed at ") && printed.endsWith("\n"), printed.constData());
        QCOMPARE(app.windowsShown, 1);
        app.service().press(96, 0x1000);
        QCOMPARE(app.pastes, 1);
        QCOMPARE(app.toggles, 0);
    }

    void registeringReplacesAndUnregisteringDropsTheHotKey()
    {
        App app;
        app.launch();
        AppShortcuts &shortcuts = app.delegate->shortcuts();
        shortcuts.shortcutKeyName = QStringLiteral("t");
        shortcuts.shortcutModifiers = ModifierFlags(ModifierFlags::control | ModifierFlags::option);
        shortcuts.registerShortcut(toggle);
        QVERIFY(app.service().isRegistered(17, 0x1800));
        // Registering the same combination again replaces the hot key instead of being refused by it.
        shortcuts.registerShortcut(toggle);
        QCOMPARE(app.service().registrations().size(), std::size_t(1));
        app.service().press(17, 0x1800);
        QCOMPARE(app.toggles, 1);

        shortcuts.unregisterShortcut(toggle);
        QVERIFY(app.service().registrations().empty());
        QVERIFY(!app.delegate->shortcutHotKey(toggle));

        shortcuts.registerShortcut(quick);
        shortcuts.registerShortcut(paste);  // same combination: refused, nothing recording
        QVERIFY(app.delegate->shortcutHotKey(quick));
        shortcuts.unregisterShortcut(quick);
        shortcuts.unregisterShortcut(paste);
        QVERIFY(app.context->hotKeysController().hotKeys().empty());
    }

    void aHotKeyOutlivingTheDelegateRunsNothing()
    {
        App app;
        app.settings->setString(keys::quickAccessKeyName, QStringLiteral("v"));
        app.settings->setIntegerArray(keys::quickAccessModifiers, {11});
        app.launch();
        const std::shared_ptr<HotKey> kept = app.delegate->shortcutHotKey(quick);
        app.delegate.reset();
        test::CapturedOutput out(stdout);
        app.service().press(9, 0x100);
        QCOMPARE(out.text(), QByteArray());
        QCOMPARE(app.windowsShown, 0);
    }

    void theRecorderIsWiredToTheRegistryAndTheMenu()
    {
        App app;
        app.launch();
        QAction appName;
        QAction window;
        app.delegate->actionsLockedWhileRecording = {&appName, &window};
        test::FakeRecorderView view;
        ShortcutRecorder &recorder = app.delegate->shortcutRecorder();
        recorder.setView(&view);

        app.service().takeByOtherApplication(9, 0x300);
        recorder.startRecording(quick);
        QVERIFY(!appName.isEnabled());
        QVERIFY(!window.isEnabled());
        recorder.flagsChanged(ModifierFlags(ModifierFlags::command | ModifierFlags::shift));
        QCOMPARE(view.labels[quick], QStringLiteral("Ctrl+Shift+"));
        recorder.keyDown(test::keyEvent(QStringLiteral("V"), 9, ModifierFlags::command | ModifierFlags::shift));
        QCOMPARE(view.labels[quick], QStringLiteral("Ctrl+Shift+V"));  // shown until the refusal is answered
        QCOMPARE(view.alerts.size(), 1);
        QVERIFY(appName.isEnabled());
        view.answer();
        QVERIFY(recorder.isRecording(quick));
        QVERIFY(!appName.isEnabled());

        recorder.keyDown(test::keyEvent(QStringLiteral("F5"), 96, ModifierFlags::control));
        QCOMPARE(view.labels[quick], QStringLiteral("Meta+F5"));
        QVERIFY(window.isEnabled());
        app.service().press(96, 0x1000);
        QCOMPARE(app.windowsShown, 1);
    }

    void qtKeyEventsBecomeRecorderEvents()
    {
        const auto convert = [](int key, Qt::KeyboardModifiers modifiers, const QString &text) {
            return shortcutKeyEvent(QKeyEvent(QEvent::KeyPress, key, modifiers, text));
        };
        auto e = convert(Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier, QStringLiteral("\x16"));
        QVERIFY(e);
        QCOMPARE(e->charactersIgnoringModifiers, std::optional<QString>(QStringLiteral("V")));
        QCOMPARE(e->keyCode, 9);
        QCOMPARE(e->modifierFlags, ModifierFlags(ModifierFlags::command | ModifierFlags::shift));

        e = convert(Qt::Key_C, Qt::ControlModifier | Qt::AltModifier, QStringLiteral("c"));
        QCOMPARE(e->charactersIgnoringModifiers, std::optional<QString>(QStringLiteral("c")));
        QCOMPARE(e->modifierFlags, ModifierFlags(ModifierFlags::command | ModifierFlags::option));

        e = convert(Qt::Key_Less, Qt::ControlModifier | Qt::ShiftModifier, QString());
        QCOMPARE(e->charactersIgnoringModifiers, std::optional<QString>(QStringLiteral("<")));
        QCOMPARE(e->keyCode, 43);

        e = convert(Qt::Key_F5, Qt::MetaModifier, QString());
        QCOMPARE(e->keyCode, 96);
        QCOMPARE(e->modifierFlags, ModifierFlags(ModifierFlags::control));

        e = convert(Qt::Key_1, Qt::ControlModifier | Qt::KeypadModifier, QStringLiteral("1"));
        QCOMPARE(e->keyCode, 83);
        e = convert(Qt::Key_Up, Qt::ControlModifier, QString());
        QCOMPARE(e->keyCode, 126);
        QCOMPARE(e->charactersIgnoringModifiers, std::optional<QString>(QString()));
        // On X11 only the keypad's keys carry the keypad modifier: this is keypad 8 with Num Lock off.
        e = convert(Qt::Key_Up, Qt::ControlModifier | Qt::KeypadModifier, QString());
        QCOMPARE(e->keyCode, 91);
        e = convert(Qt::Key_Return, Qt::ControlModifier, QStringLiteral("\r"));
        QCOMPARE(e->charactersIgnoringModifiers, std::optional<QString>(QStringLiteral("\r")));
        QCOMPARE(e->keyCode, 36);
        e = convert(Qt::Key_Menu, Qt::ControlModifier, QString());
        QCOMPARE(e->keyCode, ShortcutKeyEvent::unknownKeyCode);

        for (const int modifierKey : {int(Qt::Key_Shift), int(Qt::Key_Control), int(Qt::Key_Alt), int(Qt::Key_Meta)})
            QVERIFY(!convert(modifierKey, Qt::ShiftModifier, QString()));
        QCOMPARE(modifierFlags(Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier | Qt::ShiftModifier),
                 ModifierFlags(ModifierFlags::command | ModifierFlags::option | ModifierFlags::control |
                               ModifierFlags::shift));

        // Every key of the model comes from some Qt key, but fn (which never reaches an application) and the
        // right-hand modifiers (Qt does not tell them from the left ones).
        QSet<std::uint32_t> reached;
        for (const auto &[first, last] : {std::pair{0x20, 0xff}, std::pair{0x01000000, 0x010001ff}}) {
            for (int qtKey = first; qtKey <= last; ++qtKey) {
                reached.insert(carbonKeyCodeForQtKey(qtKey, false));
                reached.insert(carbonKeyCodeForQtKey(qtKey, true));
            }
        }
        const QSet<Key> unreachable = {Key::function, Key::rightCommand, Key::rightOption, Key::rightControl,
                                       Key::rightShift};
        for (const Key key : allKeys())
            QVERIFY2(reached.contains(carbonKeyCode(key)) != unreachable.contains(key), qPrintable(keyName(key)));
    }

    void labelsUseTheDesktopsKeyText()
    {
        const auto text = [](std::uint64_t flags, const char *name) {
            return nativeShortcutText(ModifierFlags(flags), QString::fromUtf8(name));
        };
        QCOMPARE(text(ModifierFlags::command | ModifierFlags::shift, "V"), QStringLiteral("Ctrl+Shift+V"));
        QCOMPARE(text(ModifierFlags::control | ModifierFlags::option, "v"), QStringLiteral("Meta+Alt+V"));
        QCOMPARE(text(ModifierFlags::control, "f5"), QStringLiteral("Meta+F5"));
        QCOMPARE(text(ModifierFlags::command, "uparrow"), QStringLiteral("Ctrl+Up"));
        QCOMPARE(text(ModifierFlags::command, ","), QStringLiteral("Ctrl+,"));
        QCOMPARE(text(ModifierFlags::command, "keypad1"), QStringLiteral("Ctrl+Num+1"));
        QCOMPARE(text(ModifierFlags::command | ModifierFlags::option, ""), QStringLiteral("Ctrl+Alt+"));
        QCOMPARE(text(0, ""), QString());
        QCOMPARE(text(ModifierFlags::command, "fn"), QStringLiteral("Ctrl+fn"));
    }
};

QTEST_MAIN(TestAppShortcuts)
#include "tst_app_shortcuts.moc"
