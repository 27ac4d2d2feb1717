#include "app/AppDelegate.h"

#include "app/AppContext.h"
#include "app/QtKeyEvents.h"
#include "hotkeys/HotKey.h"
#include "hotkeys/HotKeysController.h"
#include "hotkeys/ShortcutRecorder.h"

#include <QDateTime>

#include <cstdio>

namespace tavrin {

AppDelegate::AppDelegate(AppContext &context, QObject *parent)
    : QObject(parent),
      m_context(context),
      m_shortcuts(std::make_unique<AppShortcuts>(context.settings(), context.hotKeysController(), *this)),
      m_recorder(std::make_unique<ShortcutRecorder>(*m_shortcuts))
{
    m_recorder->setMenuItemsEnabled = [this](bool enabled) { setMenuItemsEnabled(enabled); };
    m_recorder->labelText = nativeShortcutText;
    context.hotKeysController().registrationFailedHook = [this] { m_recorder->shortcutRegistrationFailed(); };
}

AppDelegate::~AppDelegate()
{
    m_context.hotKeysController().registrationFailedHook = nullptr;
}

void AppDelegate::setHotKey(std::shared_ptr<HotKey> hotKey)
{
    setShortcutHotKey(1, std::move(hotKey));
}

void AppDelegate::setSequentialcopyKey(std::shared_ptr<HotKey> hotKey)
{
    setShortcutHotKey(2, std::move(hotKey));
}

void AppDelegate::setSequentialPasteKey(std::shared_ptr<HotKey> hotKey)
{
    setShortcutHotKey(3, std::move(hotKey));
}

std::shared_ptr<HotKey> AppDelegate::shortcutHotKey(int n) const
{
    switch (n) {
    case 1: return m_hotKey;
    case 2: return m_sequentialcopyKey;
    case 3: return m_sequentialPasteKey;
    default: return nullptr;
    }
}

void AppDelegate::setShortcutHotKey(int n, std::shared_ptr<HotKey> hotKey)
{
    if (n < 1 || n > 3)
        return;
    if (hotKey)
        hotKey->setKeyDownHandler(keyDownAction(n));
    std::shared_ptr<HotKey> *slot = n == 1 ? &m_hotKey : n == 2 ? &m_sequentialcopyKey : &m_sequentialPasteKey;
    // The previous hot key is released after the slot changed, so its unregistration sees the new state.
    std::shared_ptr<HotKey> previous = std::exchange(*slot, std::move(hotKey));
    previous.reset();
}

void AppDelegate::register_quickAccess(QObject *)
{
    m_shortcuts->registerShortcut(1);
}

void AppDelegate::unregister_quickAccess(QObject *)
{
    m_shortcuts->unregisterShortcut(1);
}

void AppDelegate::register_ToggleSequentialMode(QObject *)
{
    m_shortcuts->registerShortcut(2);
}

void AppDelegate::unregister_ToggleSequentialMode(QObject *)
{
    m_shortcuts->unregisterShortcut(2);
}

void AppDelegate::register_SequentialPasteKey(QObject *)
{
    m_shortcuts->registerShortcut(3);
}

void AppDelegate::unregister_SequentialPasteKey(QObject *)
{
    m_shortcuts->unregisterShortcut(3);
}

void AppDelegate::registerStoredShortcuts()
{
    for (const AppShortcut &shortcut : AppShortcut::all()) {
        m_shortcuts->loadShortcut(shortcut.keyNameKey, shortcut.modifierKey);
        if (!m_shortcuts->shortcutModifiers.isEmpty())
            m_shortcuts->registerShortcut(shortcut.number);
    }
}

void AppDelegate::quickAccessKeyDown()
{
    const QString now = QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss +0000"));
    std::printf("Pressed at %s\n", qPrintable(now));
    std::fflush(stdout);
    ShowShortcutWindow();
}

void AppDelegate::ShowShortcutWindow()
{
    if (hooks.showShortcutWindow)
        hooks.showShortcutWindow();
}

void AppDelegate::setMenuItemsEnabled(bool enabled)
{
    for (QAction *item : {menuItem_appname.data(), menuItem_window.data()}) {
        if (item)
            item->setEnabled(enabled);
    }
}

std::function<void()> AppDelegate::keyDownAction(int n)
{
    // The hot key may outlive the delegate; its action holds the delegate weakly.
    QPointer<AppDelegate> weakSelf(this);
    return [weakSelf, n] {
        if (!weakSelf)
            return;
        switch (n) {
        case 1: weakSelf->quickAccessKeyDown(); break;
        case 2:
            if (weakSelf->hooks.toggleSequentialMode)
                weakSelf->hooks.toggleSequentialMode();
            break;
        case 3:
            if (weakSelf->hooks.sequentialPasteNext)
                weakSelf->hooks.sequentialPasteNext();
            break;
        default: break;
        }
    };
}

}  // namespace tavrin
