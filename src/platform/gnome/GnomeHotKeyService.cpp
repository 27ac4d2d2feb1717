#include "platform/gnome/GnomeHotKeyService.h"

#include "platform/gnome/GnomeGlobalShortcuts.h"

namespace tavrin {

namespace {
QString shortcutIdFor(EventHotKeyRef ref)
{
    return QStringLiteral("hotkey-%1").arg(ref);
}
}  // namespace

GnomeHotKeyService::GnomeHotKeyService(GnomeGlobalShortcuts &shortcuts) : m_shortcuts(shortcuts)
{
    QObject::connect(&m_shortcuts, &GlobalShortcuts::activated, &m_shortcuts,
                     [this](const QString &id) { onActivated(id); });
}

OSStatus GnomeHotKeyService::registerEventHotKey(std::uint32_t keyCode, std::uint32_t modifiers, EventHotKeyID id,
                                                 EventHotKeyRef *outRef)
{
    *outRef = 0;
    const GnomeAccelerator accelerator = GnomeAccelerator::fromHotKey(keyCode, modifiers);
    if (!accelerator.isValid())
        return eventHotKeyInvalidErr;
    const EventHotKeyRef ref = ++m_lastRef;
    if (!m_shortcuts.registerAccelerator(shortcutIdFor(ref), accelerator).isActive()) {
        m_shortcuts.unregisterShortcut(shortcutIdFor(ref));
        return eventHotKeyExistsErr;
    }
    m_hotKeys.emplace(ref, id);
    *outRef = ref;
    return noErr;
}

OSStatus GnomeHotKeyService::unregisterEventHotKey(EventHotKeyRef ref)
{
    if (m_hotKeys.erase(ref) == 0)
        return eventHotKeyInvalidErr;
    m_shortcuts.unregisterShortcut(shortcutIdFor(ref));
    return noErr;
}

OSStatus GnomeHotKeyService::installEventHandler(EventHandlerProc handler, std::span<const EventTypeSpec> types,
                                                 EventHandlerRef *outRef)
{
    *outRef = m_handlers.install(std::move(handler), types);
    return noErr;
}

OSStatus GnomeHotKeyService::removeEventHandler(EventHandlerRef ref)
{
    return m_handlers.remove(ref) ? noErr : paramErr;
}

void GnomeHotKeyService::onActivated(const QString &shortcutId)
{
    for (const auto &[ref, id] : m_hotKeys) {
        if (shortcutIdFor(ref) == shortcutId) {
            const HotKeyEvent event{kEventClassKeyboard, kEventHotKeyPressed, id};
            m_handlers.dispatch(&event);
            return;
        }
    }
}

}  // namespace tavrin
