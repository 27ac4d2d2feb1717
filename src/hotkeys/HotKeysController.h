#pragma once

#include "platform/HotKeyService.h"

#include <QObject>
#include <QUuid>

#include <cstdint>
#include <functional>
#include <map>
#include <memory>

namespace tavrin {

class HotKey;

// The hot key registry: maps the ids registered with the system back to their HotKey objects and turns the
// system's pressed and released events into handler calls. One per application context; main-thread only.
class HotKeysController : public QObject {
    Q_OBJECT

public:
    static constexpr std::uint32_t signature = fourCharCode("HtKy");

    // One registered hot key; it never keeps its HotKey alive.
    struct HotKeyBox {
        QUuid identifier;
        std::weak_ptr<HotKey> hotKey;
        std::uint32_t carbonHotKeyID = 0;
        EventHotKeyRef carbonEventHotKey = 0;  // 0 until the system accepted the registration
    };

    /// hotKeysCount is where the id counter starts (0 in a new process).
    explicit HotKeysController(HotKeyService &service, std::uint32_t hotKeysCount = 0, QObject *parent = nullptr);
    ~HotKeysController() override;

    /// Registers a hot key under a fresh id unless it is registered already. A refusal by the system keeps the box
    /// (without a ref) and runs registrationFailedHook once.
    void registerHotKey(const std::shared_ptr<HotKey> &hotKey);
    /// Releases the hot key's registration, if it has one.
    void unregisterHotKey(const HotKey &hotKey);
    /// The live hot key registered under id; a dead or missing one drops the entry for that id and gives none.
    std::shared_ptr<HotKey> hotKey(std::uint32_t id);
    /// The event handler callback: noErr when a handler ran, else the reason the event goes on to others.
    OSStatus handleEvent(const HotKeyEvent *event);

    /// Called when the system refuses a registration (the combination is taken).
    std::function<void()> registrationFailedHook;

    const std::map<std::uint32_t, HotKeyBox> &hotKeys() const { return m_hotKeys; }
    std::uint32_t hotKeysCount() const { return m_hotKeysCount; }
    bool isEventHandlerInstalled() const { return m_eventHandler != 0; }

private:
    void installEventHandler();
    void registrationFailed();

    HotKeyService &m_service;
    std::map<std::uint32_t, HotKeyBox> m_hotKeys;
    std::uint32_t m_hotKeysCount = 0;
    EventHandlerRef m_eventHandler = 0;
};

}  // namespace tavrin
