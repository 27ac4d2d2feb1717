#include "hotkeys/HotKeysController.h"

#include "hotkeys/HotKey.h"
#include "hotkeys/HotKeysLog.h"

#include <array>
#include <limits>

namespace tavrin {

HotKeysController::HotKeysController(HotKeyService &service, std::uint32_t hotKeysCount, QObject *parent)
    : QObject(parent), m_service(service), m_hotKeysCount(hotKeysCount)
{
}

HotKeysController::~HotKeysController()
{
    // The service outlives the registry: leave nothing registered with it and no handler pointing here.
    for (const auto &[id, box] : m_hotKeys) {
        if (box.carbonEventHotKey)
            m_service.unregisterEventHotKey(box.carbonEventHotKey);
    }
    if (m_eventHandler)
        m_service.removeEventHandler(m_eventHandler);
}

void HotKeysController::registerHotKey(const std::shared_ptr<HotKey> &hotKey)
{
    for (const auto &[id, box] : m_hotKeys) {
        if (box.identifier == hotKey->identifier())
            return;
    }
    if (m_hotKeysCount == std::numeric_limits<std::uint32_t>::max()) {
        // No id is left to give; ids are never reused, so this is a refusal like any other.
        qCWarning(lcHotKeys, "no hot key id is left; the shortcut is not registered");
        registrationFailed();
        return;
    }
    const std::uint32_t id = ++m_hotKeysCount;
    // The box goes in before the system call and stays there if the call fails.
    m_hotKeys[id] = HotKeyBox{hotKey->identifier(), hotKey, id, 0};

    EventHotKeyRef ref = 0;
    const KeyCombo &combo = hotKey->keyCombo();
    const OSStatus status =
        m_service.registerEventHotKey(combo.carbonKeyCode, combo.carbonModifiers, EventHotKeyID{signature, id}, &ref);
    const auto box = m_hotKeys.find(id);
    if (status == noErr && ref != 0 && box != m_hotKeys.end()) {
        box->second.carbonEventHotKey = ref;
        installEventHandler();
        return;
    }
    if (status == noErr && ref != 0)
        m_service.unregisterEventHotKey(ref);  // unregistered while the call ran
    else
        qCWarning(lcHotKeys, "the shortcut (key code %u, modifiers 0x%x) cannot be registered: status %d",
                  unsigned(combo.carbonKeyCode), unsigned(combo.carbonModifiers), int(status));
    registrationFailed();
}

void HotKeysController::unregisterHotKey(const HotKey &hotKey)
{
    auto box = m_hotKeys.begin();
    while (box != m_hotKeys.end() && box->second.identifier != hotKey.identifier())
        ++box;
    if (box == m_hotKeys.end())
        return;
    const std::uint32_t id = box->first;
    const EventHotKeyRef ref = box->second.carbonEventHotKey;
    m_service.unregisterEventHotKey(ref);  // also for a failed registration; the result does not matter
    m_hotKeys.erase(id);
}

std::shared_ptr<HotKey> HotKeysController::hotKey(std::uint32_t id)
{
    const auto box = m_hotKeys.find(id);
    if (box != m_hotKeys.end()) {
        if (auto owner = box->second.hotKey.lock())
            return owner;
    }
    m_hotKeys.erase(id);
    return nullptr;
}

OSStatus HotKeysController::handleEvent(const HotKeyEvent *event)
{
    if (!event)
        return eventNotHandledErr;
    EventHotKeyID hotKeyID;
    if (const OSStatus status = getEventHotKeyID(*event, hotKeyID); status != noErr)
        return status;
    if (hotKeyID.signature != signature)
        return eventNotHandledErr;  // someone else's hot key
    const std::shared_ptr<HotKey> owner = hotKey(hotKeyID.id);
    if (!owner)
        return eventNotHandledErr;
    HotKey::Handler handler;
    switch (getEventKind(*event)) {
    case kEventHotKeyPressed: handler = owner->keyDownHandler(); break;
    case kEventHotKeyReleased: handler = owner->keyUpHandler(); break;
    default: return eventNotHandledErr;
    }
    if (owner->isPaused() || !handler)
        return eventNotHandledErr;
    handler();
    return noErr;
}

void HotKeysController::installEventHandler()
{
    if (m_hotKeysCount == 0 || m_eventHandler)
        return;
    static constexpr std::array<EventTypeSpec, 2> kTypes{{
        {kEventClassKeyboard, kEventHotKeyPressed},
        {kEventClassKeyboard, kEventHotKeyReleased},
    }};
    m_service.installEventHandler([this](const HotKeyEvent *event) { return handleEvent(event); }, kTypes,
                                  &m_eventHandler);
}

void HotKeysController::registrationFailed()
{
    if (registrationFailedHook)
        registrationFailedHook();
}

}  // namespace tavrin
