#include "platform/wayland/UnavailableHotKeyService.h"

namespace tavrin {

OSStatus UnavailableHotKeyService::registerEventHotKey(std::uint32_t, std::uint32_t, EventHotKeyID,
                                                       EventHotKeyRef *outRef)
{
    if (outRef)
        *outRef = 0;
    return eventInternalErr;
}

OSStatus UnavailableHotKeyService::unregisterEventHotKey(EventHotKeyRef)
{
    return eventHotKeyInvalidErr;  // nothing was ever registered
}

OSStatus UnavailableHotKeyService::installEventHandler(EventHandlerProc handler, std::span<const EventTypeSpec> types,
                                                       EventHandlerRef *outRef)
{
    const EventHandlerRef ref = m_handlers.install(std::move(handler), types);
    if (outRef)
        *outRef = ref;
    return noErr;
}

OSStatus UnavailableHotKeyService::removeEventHandler(EventHandlerRef ref)
{
    return m_handlers.remove(ref) ? noErr : paramErr;
}

}  // namespace tavrin
