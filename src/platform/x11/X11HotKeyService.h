#pragma once

#include "platform/HotKeyService.h"
#include "platform/x11/XcbSupport.h"

#include <QByteArray>
#include <QObject>

#include <xcb/xcb.h>
#include <xcb/xcb_keysyms.h>

#include <algorithm>
#include <map>
#include <vector>

class QSocketNotifier;

namespace tavrin {

// Global hot keys as passive key grabs on the root window, over a connection of its own: its events are read on
// the thread that made the service (the GUI thread) and never pass through the toolkit's key handling.
//
// Each combination is grabbed for every state of Caps Lock and Num Lock, so it works whatever their state; a grab
// another client holds is a refused registration. The grabs follow keyboard mapping changes. Key auto-repeat
// yields neither repeated presses nor releases before the key really comes up.
class X11HotKeyService final : public QObject, public HotKeyService {
    Q_OBJECT

public:
    /// Connects to the display named (DISPLAY when empty); without a display every registration fails.
    explicit X11HotKeyService(const QByteArray &displayName = QByteArray(), QObject *parent = nullptr);
    ~X11HotKeyService() override;

    bool isConnected() const;
    /// Auto-repeat events swallowed so far (the server repeats a held key).
    int autoRepeatsIgnored() const { return m_autoRepeatsIgnored; }

    OSStatus registerEventHotKey(std::uint32_t keyCode, std::uint32_t modifiers, EventHotKeyID id,
                                 EventHotKeyRef *outRef) override;
    OSStatus unregisterEventHotKey(EventHotKeyRef ref) override;
    OSStatus installEventHandler(EventHandlerProc handler, std::span<const EventTypeSpec> types,
                                 EventHandlerRef *outRef) override;
    OSStatus removeEventHandler(EventHandlerRef ref) override;

private:
    struct KeyGrab {
        xcb_keycode_t keycode = 0;
        std::uint16_t modifiers = 0;  // with the lock bits of one variant
        bool operator==(const KeyGrab &) const = default;
    };
    struct Grab {
        std::uint32_t carbonKeyCode = 0;
        std::uint32_t carbonModifiers = 0;
        EventHotKeyID id;
        std::uint16_t modifiers = 0;  // X modifier mask
        std::vector<KeyGrab> held;  // the grabs held now, in the current keymap
        bool holds(xcb_keycode_t keycode) const
        {
            return std::any_of(held.begin(), held.end(), [keycode](const KeyGrab &g) { return g.keycode == keycode; });
        }
    };

    /// Brings the combination's grabs in line with the keymap and lock masks; on a refusal nothing new is held.
    OSStatus grab(Grab &grab);
    void ungrab(Grab &grab);
    void regrabAll();
    void updateLockMasks();
    std::vector<std::uint16_t> lockVariants() const;
    void scheduleRead();
    void readEvents();
    void handleEvent(xcb_generic_event_t *event);
    void deliver(std::uint32_t kind, EventHotKeyID id);

    xcb::Connection m_x;
    xcb_key_symbols_t *m_symbols = nullptr;
    QSocketNotifier *m_notifier = nullptr;
    std::uint16_t m_numLockMask = 0;
    std::map<EventHotKeyRef, Grab> m_grabs;
    std::map<xcb_keycode_t, EventHotKeyRef> m_pressed;  // keys whose hot key is down now
    xcb_generic_event_t *m_peeked = nullptr;  // read ahead while telling a repeat from a release
    EventHandlerChain m_handlers;
    EventHotKeyRef m_lastRef = 0;
    int m_autoRepeatsIgnored = 0;
    bool m_readScheduled = false;
};

}  // namespace tavrin
