// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/x11/X11GlobalShortcuts.h"

#include "platform/common/QtKeysyms.h"
#include "platform/x11/X11Keymap.h"
#include "platform/x11/X11Log.h"
#include "platform/x11/XkbRequests.h"

#include <QKeySequence>
#include <QSocketNotifier>

#include <xkbcommon/xkbcommon-keysyms.h>

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace tavrin {

namespace {

constexpr std::uint16_t kShortcutModifiers =
    XCB_MOD_MASK_SHIFT | XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_1 | XCB_MOD_MASK_4;

// Ctrl, Shift, Alt on Mod1 and Meta as the Super key on Mod4, where every common layout puts them.
std::uint16_t xModifiers(Qt::KeyboardModifiers modifiers)
{
    std::uint16_t mask = 0;
    if (modifiers & Qt::ControlModifier)
        mask |= XCB_MOD_MASK_CONTROL;
    if (modifiers & Qt::ShiftModifier)
        mask |= XCB_MOD_MASK_SHIFT;
    if (modifiers & Qt::AltModifier)
        mask |= XCB_MOD_MASK_1;
    if (modifiers & Qt::MetaModifier)
        mask |= XCB_MOD_MASK_4;
    return mask;
}

QString keysText(QKeyCombination keys)
{
    return QKeySequence(keys).toString(QKeySequence::NativeText);
}

}  // namespace

X11GlobalShortcuts::X11GlobalShortcuts(const QByteArray &displayName, QObject *parent)
    : GlobalShortcuts(parent), m_x(displayName.isEmpty() ? nullptr : displayName.constData())
{
    if (!m_x.isValid() || m_x.root() == XCB_WINDOW_NONE)
        return;
    m_keymap = std::make_unique<X11Keymap>(m_x.get());
    if (!*m_keymap)
        return;
    tavrin_xkb_detect_auto_repeat(m_x.get());
    updateLockMasks();
    m_notifier = new QSocketNotifier(xcb_get_file_descriptor(m_x.get()), QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, [this] { readEvents(); });
}

X11GlobalShortcuts::~X11GlobalShortcuts()
{
    if (!isConnected())
        return;
    for (auto &[id, grab] : m_grabs)
        ungrab(grab);
}

bool X11GlobalShortcuts::hasDisplay() const
{
    return m_x.isValid() && m_x.root() != XCB_WINDOW_NONE;
}

bool X11GlobalShortcuts::isConnected() const
{
    return hasDisplay() && m_keymap && *m_keymap;
}

ShortcutStatus X11GlobalShortcuts::registerShortcut(const QString &id, QKeyCombination keys, const QString &)
{
    unregisterShortcut(id);
    if (!hasDisplay())
        return ShortcutStatus::refused(QStringLiteral(
            QT_TRANSLATE_NOOP("DesktopReasons", "Global shortcuts need an X display, and none can be reached.")));
    if (!isConnected())
        return ShortcutStatus::refused(QStringLiteral(
            QT_TRANSLATE_NOOP("DesktopReasons", "The keyboard layout of the X display cannot be read.")));
    // One grab per combination and client: a second one would silently share the first one's keys.
    const auto sameKeys = [keys](const auto &entry) { return entry.second.keys == keys; };
    if (std::any_of(m_grabs.begin(), m_grabs.end(), sameKeys))
        return ShortcutStatus::refused(
            QStringLiteral("%1 is already another shortcut of this program.").arg(keysText(keys)));
    Grab newGrab{keys, xModifiers(keys.keyboardModifiers()), {}, {}};
    newGrab.status = grab(newGrab);
    scheduleRead();
    ShortcutStatus status = newGrab.status;
    if (status.isActive())
        m_grabs.emplace(id, std::move(newGrab));
    return status;
}

void X11GlobalShortcuts::unregisterShortcut(const QString &id)
{
    const auto found = m_grabs.find(id);
    if (found == m_grabs.end())
        return;
    ungrab(found->second);
    m_grabs.erase(found);
    std::erase_if(m_pressed, [&id](const auto &pressed) { return pressed.second == id; });
    scheduleRead();
}

ShortcutStatus X11GlobalShortcuts::grab(Grab &grab)
{
    // What the combination needs in the current layout and lock masks: every key that types it, on a level the
    // combination's own modifiers reach.
    std::vector<KeyGrab> wanted;
    const std::uint32_t keysym = keysymForKey(grab.keys);
    const std::uint32_t reachable = grab.modifiers | XCB_MOD_MASK_LOCK | m_numLockMask;
    for (const XkbKeymap::Key &key : keysym ? (*m_keymap)->keysFor(keysym, reachable) : std::vector<XkbKeymap::Key>()) {
        if (key.keycode > 255)
            continue;
        for (const std::uint16_t locks : lockVariants())
            wanted.push_back({xcb_keycode_t(key.keycode), std::uint16_t(grab.modifiers | locks)});
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
    if (wanted.empty())  // F13 and up are often missing, and a layout may lack a letter
        return ShortcutStatus::refused(QStringLiteral("The keyboard has no key for %1.").arg(keysText(grab.keys)));

    std::vector<std::pair<KeyGrab, xcb_void_cookie_t>> attempts;
    for (const KeyGrab &key : wanted) {
        if (std::find(grab.held.begin(), grab.held.end(), key) == grab.held.end())
            attempts.emplace_back(key, xcb_grab_key_checked(m_x.get(), 0, m_x.root(), key.modifiers, key.keycode,
                                                            XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC));
    }
    // Checked requests: a grab another client holds answers BadAccess before this returns.
    bool taken = false;
    std::vector<KeyGrab> granted;
    for (const auto &[key, cookie] : attempts) {
        if (xcb::Ptr<xcb_generic_error_t> error{xcb_request_check(m_x.get(), cookie)})
            taken = true;
        else
            granted.push_back(key);
    }
    if (taken) {
        for (const KeyGrab &key : granted)
            xcb_ungrab_key(m_x.get(), key.keycode, m_x.root(), key.modifiers);
        xcb_flush(m_x.get());
        return ShortcutStatus::refused(QStringLiteral("%1 is taken by another program.").arg(keysText(grab.keys)));
    }
    grab.held.insert(grab.held.end(), granted.begin(), granted.end());
    return ShortcutStatus::active();
}

void X11GlobalShortcuts::ungrab(Grab &grab)
{
    for (const KeyGrab &held : grab.held)
        xcb_ungrab_key(m_x.get(), held.keycode, m_x.root(), held.modifiers);
    grab.held.clear();
    xcb_flush(m_x.get());
}

void X11GlobalShortcuts::regrabAll()
{
    updateLockMasks();
    bool moved = false;
    for (auto &[id, grab] : m_grabs) {
        const std::vector<KeyGrab> before = grab.held;
        // A key another client took meanwhile leaves the shortcut registered but silent until the next change.
        ShortcutStatus status = this->grab(grab);
        moved = moved || grab.held != before;
        if (status != grab.status) {
            grab.status = std::move(status);
            Q_EMIT statusChanged(id, grab.status);
        }
    }
    if (moved)
        qCInfo(lcX11, "the keyboard layout changed; the shortcuts are on its keys now");
}

void X11GlobalShortcuts::updateLockMasks()
{
    m_numLockMask = 0;
    xcb::Ptr<xcb_get_modifier_mapping_reply_t> reply(
        xcb_get_modifier_mapping_reply(m_x.get(), xcb_get_modifier_mapping(m_x.get()), nullptr));
    if (!reply || !*m_keymap)
        return;
    const std::vector<XkbKeymap::Key> numLock = (*m_keymap)->keysFor(XKB_KEY_Num_Lock);
    const xcb_keycode_t *modifierKeys = xcb_get_modifier_mapping_keycodes(reply.get());
    const int perModifier = reply->keycodes_per_modifier;
    for (int modifier = 0; modifier < 8; ++modifier) {
        for (int i = 0; i < perModifier; ++i) {
            const xcb_keycode_t keycode = modifierKeys[modifier * perModifier + i];
            const auto isNumLock = [keycode](const XkbKeymap::Key &key) { return key.keycode == keycode; };
            if (keycode && std::any_of(numLock.begin(), numLock.end(), isNumLock))
                m_numLockMask |= std::uint16_t(1u << modifier);
        }
    }
}

std::vector<std::uint16_t> X11GlobalShortcuts::lockVariants() const
{
    std::vector<std::uint16_t> variants = {0, XCB_MOD_MASK_LOCK};
    if (m_numLockMask && m_numLockMask != XCB_MOD_MASK_LOCK) {
        variants.push_back(m_numLockMask);
        variants.push_back(std::uint16_t(m_numLockMask | XCB_MOD_MASK_LOCK));
    }
    return variants;
}

void X11GlobalShortcuts::scheduleRead()
{
    // Waiting for replies may have queued events inside xcb that the socket will not announce again.
    if (m_readScheduled)
        return;
    m_readScheduled = true;
    QMetaObject::invokeMethod(
        this, [this] { readEvents(); }, Qt::QueuedConnection);
}

void X11GlobalShortcuts::readEvents()
{
    m_readScheduled = false;
    if (!isConnected())
        return;
    while (xcb::Ptr<xcb_generic_event_t> event{xcb_poll_for_event(m_x.get())})
        handleEvent(event.get());
    if (xcb_connection_has_error(m_x.get()) && m_notifier) {
        qCWarning(lcX11, "the connection for global shortcuts broke; they no longer fire");
        m_notifier->setEnabled(false);
    }
}

void X11GlobalShortcuts::handleEvent(const xcb_generic_event_t *event)
{
    if (m_keymap->handleEvent(event)) {
        regrabAll();
        return;
    }
    switch (xcb::eventType(event)) {
    case XCB_KEY_PRESS: {
        const auto *key = reinterpret_cast<const xcb_key_press_event_t *>(event);
        if (m_pressed.contains(key->detail)) {
            ++m_autoRepeatsIgnored;  // the server repeats a held key
            return;
        }
        const std::uint16_t held = key->state & kShortcutModifiers;
        for (const auto &[id, grab] : m_grabs) {
            if (grab.modifiers == held && grab.holds(key->detail)) {
                m_pressed[key->detail] = id;
                // A copy: a connected slot may unregister the shortcut.
                Q_EMIT activated(QString(id));
                return;
            }
        }
        return;
    }
    case XCB_KEY_RELEASE:
        // Released however the modifiers were let go: the grab holds the keyboard until the key comes up.
        m_pressed.erase(reinterpret_cast<const xcb_key_release_event_t *>(event)->detail);
        return;
    default: return;  // errors of unchecked requests (an ungrab of nothing) and anything else
    }
}

}  // namespace tavrin
