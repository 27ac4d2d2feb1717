#pragma once

#include "platform/HotKeyService.h"

#include <QString>

namespace tavrin {

class GnomeGlobalShortcuts;

// The hot key registry's service over GNOME's global shortcuts: each hot key is a shortcut of its own, and a press
// of it is handed to the installed handlers. The Shell reports presses only, so no release event follows.
class GnomeHotKeyService final : public HotKeyService {
public:
    explicit GnomeHotKeyService(GnomeGlobalShortcuts &shortcuts);

    OSStatus registerEventHotKey(std::uint32_t keyCode, std::uint32_t modifiers, EventHotKeyID id,
                                 EventHotKeyRef *outRef) override;
    OSStatus unregisterEventHotKey(EventHotKeyRef ref) override;
    OSStatus installEventHandler(EventHandlerProc handler, std::span<const EventTypeSpec> types,
                                 EventHandlerRef *outRef) override;
    OSStatus removeEventHandler(EventHandlerRef ref) override;

private:
    void onActivated(const QString &shortcutId);

    GnomeGlobalShortcuts &m_shortcuts;
    EventHandlerChain m_handlers;
    std::map<EventHotKeyRef, EventHotKeyID> m_hotKeys;
    EventHotKeyRef m_lastRef = 0;
};

}  // namespace tavrin
