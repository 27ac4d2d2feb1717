#include "platform/x11/X11HotKeyService.h"

#include "platform/common/CarbonKeysyms.h"

#include <QSocketNotifier>

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace tavrin {

namespace {

constexpr std::uint32_t kNumLockKeysym = 0xff7f;
constexpr std::uint16_t kShortcutModifiers =
    XCB_MOD_MASK_SHIFT | XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_1 | XCB_MOD_MASK_4;

// Command is the primary shortcut modifier (Control), Control the secondary one (Super), Option is Alt.
std::uint16_t xModifiers(std::uint32_t carbonModifiers)
{
    std::uint16_t mask = 0;
    if (carbonModifiers & 0x100)
        mask |= XCB_MOD_MASK_CONTROL;
    if (carbonModifiers & 0x200)
        mask |= XCB_MOD_MASK_SHIFT;
    if (carbonModifiers & 0x800)
        mask |= XCB_MOD_MASK_1;
    if (carbonModifiers & 0x1000)
        mask |= XCB_MOD_MASK_4;
    return mask;
}

// Every keycode that produces the keysym in the current keymap.
std::vector<xcb_keycode_t> keycodesFor(xcb_key_symbols_t *symbols, std::uint32_t keysym)
{
    std::vector<xcb_keycode_t> keycodes;
    xcb_keycode_t *found = xcb_key_symbols_get_keycode(symbols, keysym);
    if (!found)
        return keycodes;
    for (const xcb_keycode_t *code = found; *code != XCB_NO_SYMBOL; ++code) {
        if (std::find(keycodes.begin(), keycodes.end(), *code) == keycodes.end())
            keycodes.push_back(*code);
    }
    std::free(found);
    return keycodes;
}

}  // namespace

X11HotKeyService::X11HotKeyService(const QByteArray &displayName, QObject *parent)
    : QObject(parent), m_x(displayName.isEmpty() ? nullptr : displayName.constData())
{
    if (!m_x.isValid() || m_x.root() == XCB_WINDOW_NONE)
        return;
    m_symbols = xcb_key_symbols_alloc(m_x.get());
    updateLockMasks();
    m_notifier = new QSocketNotifier(xcb_get_file_descriptor(m_x.get()), QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, [this] { readEvents(); });
}

X11HotKeyService::~X11HotKeyService()
{
    if (!m_symbols)
        return;
    for (auto &[ref, grab] : m_grabs)
        ungrab(grab);
    std::free(m_peeked);
    xcb_key_symbols_free(m_symbols);
}

bool X11HotKeyService::isConnected() const
{
    return m_symbols && m_x.isValid();
}

OSStatus X11HotKeyService::registerEventHotKey(std::uint32_t keyCode, std::uint32_t modifiers, EventHotKeyID id,
                                               EventHotKeyRef *outRef)
{
    *outRef = 0;
    if (!isConnected())
        return eventInternalErr;
    // One grab per combination and client: a second registration would silently share the first one's grab.
    for (const auto &[ref, existing] : m_grabs) {
        if (existing.carbonKeyCode == keyCode && existing.carbonModifiers == modifiers)
            return eventHotKeyExistsErr;
    }
    Grab newGrab{keyCode, modifiers, id, xModifiers(modifiers), {}};
    const OSStatus status = grab(newGrab);
    scheduleRead();
    if (status != noErr)
        return status;
    const EventHotKeyRef ref = ++m_lastRef;
    m_grabs.emplace(ref, std::move(newGrab));
    *outRef = ref;
    return noErr;
}

OSStatus X11HotKeyService::unregisterEventHotKey(EventHotKeyRef ref)
{
    const auto found = m_grabs.find(ref);
    if (found == m_grabs.end())
        return eventHotKeyInvalidErr;
    ungrab(found->second);
    m_grabs.erase(found);
    std::erase_if(m_pressed, [ref](const auto &pressed) { return pressed.second == ref; });
    scheduleRead();
    return noErr;
}

OSStatus X11HotKeyService::installEventHandler(EventHandlerProc handler, std::span<const EventTypeSpec> types,
                                               EventHandlerRef *outRef)
{
    *outRef = m_handlers.install(std::move(handler), types);
    return noErr;
}

OSStatus X11HotKeyService::removeEventHandler(EventHandlerRef ref)
{
    return m_handlers.remove(ref) ? noErr : paramErr;
}

OSStatus X11HotKeyService::grab(Grab &grab)
{
    // What the combination needs in the current keymap and lock masks.
    std::vector<KeyGrab> wanted;
    const auto keysym = keysymForCarbonKeyCode(grab.carbonKeyCode);
    for (const xcb_keycode_t keycode : keysym ? keycodesFor(m_symbols, *keysym) : std::vector<xcb_keycode_t>()) {
        for (const std::uint16_t locks : lockVariants())
            wanted.push_back({keycode, std::uint16_t(grab.modifiers | locks)});
    }
    const auto isWanted = [&wanted](const KeyGrab &held) {
        return std::find(wanted.begin(), wanted.end(), held) != wanted.end();
    };
    // Keys that type something else now are let go; keys held already stay held without a gap.
    std::erase_if(grab.held, [&](const KeyGrab &held) {
        if (isWanted(held))
            return false;
        xcb_ungrab_key(m_x.get(), held.keycode, m_x.root(), held.modifiers);
        return true;
    });
    xcb_flush(m_x.get());
    if (wanted.empty())
        return eventHotKeyInvalidErr;  // not on this keyboard (F13 and up often are not)

    std::vector<std::pair<KeyGrab, xcb_void_cookie_t>> attempts;
    for (const KeyGrab &key : wanted) {
        if (std::find(grab.held.begin(), grab.held.end(), key) == grab.held.end())
            attempts.push_back({key, xcb_grab_key_checked(m_x.get(), 0, m_x.root(), key.modifiers, key.keycode,
                                                          XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC)});
    }
    // Checked requests: a grab another client holds answers BadAccess before this returns.
    bool refused = false;
    std::vector<KeyGrab> granted;
    for (const auto &[key, cookie] : attempts) {
        if (xcb_generic_error_t *error = xcb_request_check(m_x.get(), cookie)) {
            refused = true;
            std::free(error);
        } else {
            granted.push_back(key);
        }
    }
    if (refused) {
        for (const KeyGrab &key : granted)
            xcb_ungrab_key(m_x.get(), key.keycode, m_x.root(), key.modifiers);
        xcb_flush(m_x.get());
        return eventHotKeyExistsErr;
    }
    grab.held.insert(grab.held.end(), granted.begin(), granted.end());
    return noErr;
}

void X11HotKeyService::ungrab(Grab &grab)
{
    for (const KeyGrab &held : grab.held)
        xcb_ungrab_key(m_x.get(), held.keycode, m_x.root(), held.modifiers);
    grab.held.clear();
    xcb_flush(m_x.get());
}

void X11HotKeyService::regrabAll()
{
    updateLockMasks();
    for (auto &[ref, grab] : m_grabs) {
        // A key another client took meanwhile leaves the combination registered but silent until the next change.
        this->grab(grab);
    }
}

void X11HotKeyService::updateLockMasks()
{
    m_numLockMask = 0;
    xcb_get_modifier_mapping_reply_t *reply =
        xcb_get_modifier_mapping_reply(m_x.get(), xcb_get_modifier_mapping(m_x.get()), nullptr);
    if (!reply)
        return;
    const std::vector<xcb_keycode_t> numLock = keycodesFor(m_symbols, kNumLockKeysym);
    const xcb_keycode_t *modifierKeys = xcb_get_modifier_mapping_keycodes(reply);
    const int perModifier = reply->keycodes_per_modifier;
    for (int modifier = 0; modifier < 8; ++modifier) {
        for (int i = 0; i < perModifier; ++i) {
            const xcb_keycode_t keycode = modifierKeys[modifier * perModifier + i];
            if (keycode && std::find(numLock.begin(), numLock.end(), keycode) != numLock.end())
                m_numLockMask |= std::uint16_t(1u << modifier);
        }
    }
    std::free(reply);
}

std::vector<std::uint16_t> X11HotKeyService::lockVariants() const
{
    std::vector<std::uint16_t> variants = {0, XCB_MOD_MASK_LOCK};
    if (m_numLockMask && m_numLockMask != XCB_MOD_MASK_LOCK) {
        variants.push_back(m_numLockMask);
        variants.push_back(std::uint16_t(m_numLockMask | XCB_MOD_MASK_LOCK));
    }
    return variants;
}

void X11HotKeyService::scheduleRead()
{
    // Waiting for replies may have queued events inside xcb that the socket will not announce again.
    if (m_readScheduled)
        return;
    m_readScheduled = true;
    QMetaObject::invokeMethod(
        this, [this] { readEvents(); }, Qt::QueuedConnection);
}

void X11HotKeyService::readEvents()
{
    m_readScheduled = false;
    if (!m_symbols)
        return;
    for (;;) {
        xcb_generic_event_t *event = m_peeked ? std::exchange(m_peeked, nullptr) : xcb_poll_for_event(m_x.get());
        if (!event)
            break;
        handleEvent(event);
        std::free(event);
    }
    if (xcb_connection_has_error(m_x.get()) && m_notifier)
        m_notifier->setEnabled(false);
}

void X11HotKeyService::handleEvent(xcb_generic_event_t *event)
{
    switch (event->response_type & ~0x80) {
    case XCB_KEY_PRESS: {
        const auto *key = reinterpret_cast<const xcb_key_press_event_t *>(event);
        if (m_pressed.contains(key->detail)) {
            ++m_autoRepeatsIgnored;  // the server repeats a held key
            return;
        }
        const std::uint16_t held = key->state & kShortcutModifiers;
        for (const auto &[ref, grab] : m_grabs) {
            if (grab.modifiers == held && grab.holds(key->detail)) {
                m_pressed[key->detail] = ref;
                deliver(kEventHotKeyPressed, grab.id);
                return;
            }
        }
        return;
    }
    case XCB_KEY_RELEASE: {
        const auto *key = reinterpret_cast<const xcb_key_release_event_t *>(event);
        const auto pressed = m_pressed.find(key->detail);
        if (pressed == m_pressed.end())
            return;
        // Auto-repeat sends a release and a press with the same time together: the key is still down.
        if (!m_peeked)
            m_peeked = xcb_poll_for_event(m_x.get());
        if (m_peeked && (m_peeked->response_type & ~0x80) == XCB_KEY_PRESS) {
            const auto *next = reinterpret_cast<const xcb_key_press_event_t *>(m_peeked);
            if (next->detail == key->detail && next->time == key->time) {
                std::free(std::exchange(m_peeked, nullptr));
                ++m_autoRepeatsIgnored;
                return;
            }
        }
        const EventHotKeyRef ref = pressed->second;
        m_pressed.erase(pressed);
        // Released however the modifiers were let go: the grab holds the keyboard until the key comes up.
        if (const auto grab = m_grabs.find(ref); grab != m_grabs.end())
            deliver(kEventHotKeyReleased, grab->second.id);
        return;
    }
    case XCB_MAPPING_NOTIFY: {
        auto *mapping = reinterpret_cast<xcb_mapping_notify_event_t *>(event);
        xcb_refresh_keyboard_mapping(m_symbols, mapping);
        if (mapping->request == XCB_MAPPING_KEYBOARD || mapping->request == XCB_MAPPING_MODIFIER)
            regrabAll();
        return;
    }
    default: return;  // errors of unchecked requests (an ungrab of nothing) and anything else
    }
}

void X11HotKeyService::deliver(std::uint32_t kind, EventHotKeyID id)
{
    const HotKeyEvent event{kEventClassKeyboard, kind, id};
    m_handlers.dispatch(&event);
}

}  // namespace tavrin
