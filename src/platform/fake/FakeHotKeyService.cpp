#include "platform/fake/FakeHotKeyService.h"

namespace tavrin {

OSStatus FakeHotKeyService::registerEventHotKey(std::uint32_t keyCode, std::uint32_t modifiers, EventHotKeyID id,
                                                EventHotKeyRef *outRef)
{
    registerCalls.append(id);
    *outRef = 0;
    // Like the real backends, a combination is held once: by another application or by an earlier registration.
    if (m_takenElsewhere.contains({keyCode, modifiers}) || isRegistered(keyCode, modifiers))
        return eventHotKeyExistsErr;
    const EventHotKeyRef ref = ++m_lastRef;
    m_registrations[ref] = Registration{keyCode, modifiers, id};
    *outRef = ref;
    return noErr;
}

OSStatus FakeHotKeyService::unregisterEventHotKey(EventHotKeyRef ref)
{
    unregisterCalls.append(ref);
    if (whileUnregistering)
        whileUnregistering(ref);
    return m_registrations.erase(ref) > 0 ? noErr : eventHotKeyInvalidErr;
}

OSStatus FakeHotKeyService::installEventHandler(EventHandlerProc handler, std::span<const EventTypeSpec> types,
                                                EventHandlerRef *outRef)
{
    installedHandlerTypes.append(std::vector<EventTypeSpec>(types.begin(), types.end()));
    ++m_handlerCount;
    *outRef = m_handlers.install(std::move(handler), types);
    return noErr;
}

OSStatus FakeHotKeyService::removeEventHandler(EventHandlerRef ref)
{
    if (!m_handlers.remove(ref))
        return paramErr;
    --m_handlerCount;
    return noErr;
}

void FakeHotKeyService::takeByOtherApplication(std::uint32_t keyCode, std::uint32_t modifiers)
{
    m_takenElsewhere.insert({keyCode, modifiers});
}

std::optional<OSStatus> FakeHotKeyService::press(std::uint32_t keyCode, std::uint32_t modifiers)
{
    return send(kEventHotKeyPressed, keyCode, modifiers);
}

std::optional<OSStatus> FakeHotKeyService::release(std::uint32_t keyCode, std::uint32_t modifiers)
{
    return send(kEventHotKeyReleased, keyCode, modifiers);
}

OSStatus FakeHotKeyService::deliver(const HotKeyEvent *event)
{
    return m_handlers.dispatch(event);
}

bool FakeHotKeyService::isRegistered(std::uint32_t keyCode, std::uint32_t modifiers) const
{
    for (const auto &[ref, registration] : m_registrations) {
        if (registration.keyCode == keyCode && registration.modifiers == modifiers)
            return true;
    }
    return false;
}

std::optional<OSStatus> FakeHotKeyService::send(std::uint32_t kind, std::uint32_t keyCode, std::uint32_t modifiers)
{
    for (const auto &[ref, registration] : m_registrations) {
        if (registration.keyCode == keyCode && registration.modifiers == modifiers) {
            const HotKeyEvent event{kEventClassKeyboard, kind, registration.id};
            return deliver(&event);
        }
    }
    return std::nullopt;
}

}  // namespace tavrin
