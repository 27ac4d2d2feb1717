#pragma once

#include "platform/HotKeyService.h"

namespace tavrin {

// Hot keys on a desktop that lets no program take shortcuts (a Wayland compositor without a GlobalShortcuts
// portal): every registration is refused at once, so the registry reports it as it reports any refusal; the user
// binds the program's commands in the desktop's own key settings instead. Handlers are kept as usual.
class UnavailableHotKeyService final : public HotKeyService {
public:
    OSStatus registerEventHotKey(std::uint32_t keyCode, std::uint32_t modifiers, EventHotKeyID id,
                                 EventHotKeyRef *outRef) override;
    OSStatus unregisterEventHotKey(EventHotKeyRef ref) override;
    OSStatus installEventHandler(EventHandlerProc handler, std::span<const EventTypeSpec> types,
                                 EventHandlerRef *outRef) override;
    OSStatus removeEventHandler(EventHandlerRef ref) override;

private:
    EventHandlerChain m_handlers;
};

}  // namespace tavrin
