#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <span>
#include <vector>

namespace tavrin {

// System-wide hot keys, shaped like the Carbon Event Manager calls the registry is written against.
using OSStatus = std::int32_t;
inline constexpr OSStatus noErr = 0;
inline constexpr OSStatus paramErr = -50;
inline constexpr OSStatus eventInternalErr = -9868;
inline constexpr OSStatus eventParameterNotFoundErr = -9870;
inline constexpr OSStatus eventNotHandledErr = -9874;
inline constexpr OSStatus eventHotKeyExistsErr = -9878;
inline constexpr OSStatus eventHotKeyInvalidErr = -9879;

/// A four-character code: the first character in the most significant byte.
constexpr std::uint32_t fourCharCode(const char (&text)[5])
{
    std::uint32_t code = 0;
    for (int i = 0; i < 4; ++i)
        code = (code << 8) | static_cast<unsigned char>(text[i]);
    return code;
}

inline constexpr std::uint32_t kEventClassKeyboard = fourCharCode("keyb");
inline constexpr std::uint32_t kEventHotKeyPressed = 5;
inline constexpr std::uint32_t kEventHotKeyReleased = 6;

struct EventHotKeyID {
    std::uint32_t signature = 0;
    std::uint32_t id = 0;
    bool operator==(const EventHotKeyID &) const = default;
};

struct EventTypeSpec {
    std::uint32_t eventClass = 0;
    std::uint32_t eventKind = 0;
    bool operator==(const EventTypeSpec &) const = default;
};

/// One event handed to the installed handlers; hotKeyID is its direct-object parameter, absent when it has none.
struct HotKeyEvent {
    std::uint32_t eventClass = kEventClassKeyboard;
    std::uint32_t kind = 0;
    std::optional<EventHotKeyID> hotKeyID;
};

/// GetEventKind.
inline std::uint32_t getEventKind(const HotKeyEvent &event)
{
    return event.kind;
}

/// GetEventParameter for the direct object as a hot key id.
inline OSStatus getEventHotKeyID(const HotKeyEvent &event, EventHotKeyID &out)
{
    if (!event.hotKeyID)
        return eventParameterNotFoundErr;
    out = *event.hotKeyID;
    return noErr;
}

using EventHotKeyRef = std::uint64_t;  // 0 is none
using EventHandlerRef = std::uint64_t;  // 0 is none
/// A handler gets the event (null is possible) and answers eventNotHandledErr to pass it on.
using EventHandlerProc = std::function<OSStatus(const HotKeyEvent *event)>;

// Hot keys of the whole desktop, delivered while any application is in front (stands in for RegisterEventHotKey,
// UnregisterEventHotKey and InstallEventHandler on the application's event dispatcher target).
class HotKeyService {
public:
    HotKeyService() = default;
    HotKeyService(const HotKeyService &) = delete;
    HotKeyService &operator=(const HotKeyService &) = delete;
    virtual ~HotKeyService() = default;

    /// Claims a Carbon key code with a Carbon modifier mask; noErr and a non-zero ref, or an error when the system
    /// refuses it (another client holds it, the key is not on the keyboard), known before this returns.
    virtual OSStatus registerEventHotKey(std::uint32_t keyCode, std::uint32_t modifiers, EventHotKeyID id,
                                         EventHotKeyRef *outRef) = 0;
    /// Releases a hot key; a ref that is 0 or unknown gives eventHotKeyInvalidErr.
    virtual OSStatus unregisterEventHotKey(EventHotKeyRef ref) = 0;
    /// Adds a handler for the listed event types; handlers run on the GUI thread, the newest first.
    virtual OSStatus installEventHandler(EventHandlerProc handler, std::span<const EventTypeSpec> types,
                                         EventHandlerRef *outRef) = 0;
    /// Removes a handler; an unknown ref gives paramErr.
    virtual OSStatus removeEventHandler(EventHandlerRef ref) = 0;
};

// The handler chain both backends share: newest handler first, until one handles the event.
class EventHandlerChain {
public:
    EventHandlerRef install(EventHandlerProc handler, std::span<const EventTypeSpec> types)
    {
        const EventHandlerRef ref = ++m_lastRef;
        m_handlers[ref] = Entry{std::move(handler), {types.begin(), types.end()}};
        return ref;
    }

    bool remove(EventHandlerRef ref) { return m_handlers.erase(ref) > 0; }

    /// Offers the event to each handler that asked for its type (a null event to every handler); eventNotHandledErr
    /// when none handled it.
    OSStatus dispatch(const HotKeyEvent *event) const
    {
        // A handler may install or remove handlers: walk a copy.
        const auto handlers = m_handlers;
        for (auto it = handlers.rbegin(); it != handlers.rend(); ++it) {
            if (event && !it->second.wants(*event))
                continue;
            const OSStatus status = it->second.proc(event);
            if (status != eventNotHandledErr)
                return status;
        }
        return eventNotHandledErr;
    }

    bool isEmpty() const { return m_handlers.empty(); }

private:
    struct Entry {
        EventHandlerProc proc;
        std::vector<EventTypeSpec> types;
        bool wants(const HotKeyEvent &event) const
        {
            for (const EventTypeSpec &spec : types) {
                if (spec.eventClass == event.eventClass && spec.eventKind == event.kind)
                    return true;
            }
            return false;
        }
    };
    std::map<EventHandlerRef, Entry> m_handlers;
    EventHandlerRef m_lastRef = 0;
};

}  // namespace tavrin
