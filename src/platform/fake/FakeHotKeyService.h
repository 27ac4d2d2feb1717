#pragma once

#include "platform/HotKeyService.h"

#include <QList>

#include <functional>
#include <map>
#include <optional>
#include <set>
#include <utility>

namespace tavrin {

// An in-memory hot key table; a test plays the keyboard and the other applications that hold combinations.
class FakeHotKeyService final : public HotKeyService {
public:
    struct Registration {
        std::uint32_t keyCode = 0;
        std::uint32_t modifiers = 0;
        EventHotKeyID id;
    };

    OSStatus registerEventHotKey(std::uint32_t keyCode, std::uint32_t modifiers, EventHotKeyID id,
                                 EventHotKeyRef *outRef) override;
    OSStatus unregisterEventHotKey(EventHotKeyRef ref) override;
    OSStatus installEventHandler(EventHandlerProc handler, std::span<const EventTypeSpec> types,
                                 EventHandlerRef *outRef) override;
    OSStatus removeEventHandler(EventHandlerRef ref) override;

    /// Another application holds this combination from now on: registering it is refused.
    void takeByOtherApplication(std::uint32_t keyCode, std::uint32_t modifiers);

    /// The user presses or releases a combination: the event for the hot key registered for it goes to the
    /// handlers. Returns the handlers' status, or none when nothing is registered for the combination.
    std::optional<OSStatus> press(std::uint32_t keyCode, std::uint32_t modifiers);
    std::optional<OSStatus> release(std::uint32_t keyCode, std::uint32_t modifiers);
    /// Hands any event (or none) to the handlers as the system would.
    OSStatus deliver(const HotKeyEvent *event);

    /// What is registered now, by ref.
    const std::map<EventHotKeyRef, Registration> &registrations() const { return m_registrations; }
    bool isRegistered(std::uint32_t keyCode, std::uint32_t modifiers) const;
    /// Every call made through the interface, oldest first.
    QList<EventHotKeyID> registerCalls;
    QList<EventHotKeyRef> unregisterCalls;
    QList<std::vector<EventTypeSpec>> installedHandlerTypes;
    int installedHandlerCount() const { return m_handlerCount; }
    /// Runs inside unregisterEventHotKey before the hot key is released (events racing a release).
    std::function<void(EventHotKeyRef)> whileUnregistering;

private:
    std::optional<OSStatus> send(std::uint32_t kind, std::uint32_t keyCode, std::uint32_t modifiers);

    std::map<EventHotKeyRef, Registration> m_registrations;
    std::set<std::pair<std::uint32_t, std::uint32_t>> m_takenElsewhere;
    EventHandlerChain m_handlers;
    EventHotKeyRef m_lastRef = 0;
    int m_handlerCount = 0;
};

}  // namespace tavrin
