// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/wayland/WaylandKeyEventPoster.h"

#include "platform/common/QtKeysyms.h"
#include "platform/wayland/WaylandDisplay.h"
#include "platform/wayland/WaylandLog.h"

#include "virtual-keyboard-unstable-v1-client-protocol.h"

#include <wayland-client.h>

#include <sys/mman.h>
#include <unistd.h>

#include <ctime>

namespace tavrin {

namespace {
constexpr std::uint32_t kKeymapFormatXkbV1 = 1;  // wl_keyboard's keymap_format.xkb_v1

zwp_virtual_keyboard_v1 *virtualKeyboard(wl_proxy *proxy)
{
    return reinterpret_cast<zwp_virtual_keyboard_v1 *>(proxy);
}

// A memory file holding the keymap text with its final NUL, as the protocol wants it.
int keymapFile(const std::string &text)
{
    const int fd = memfd_create("tavrin-keymap", MFD_CLOEXEC);
    if (fd < 0)
        return -1;
    const char *data = text.c_str();
    std::size_t left = text.size() + 1;
    while (left > 0) {
        const ssize_t n = ::write(fd, data, left);
        if (n <= 0) {
            ::close(fd);
            return -1;
        }
        data += n;
        left -= std::size_t(n);
    }
    return fd;
}
}  // namespace

WaylandKeyEventPoster::WaylandKeyEventPoster(const char *display) : m_display(std::make_unique<WaylandDisplay>(display))
{
    if (!m_display->isValid()) {
        m_problem = QString::fromStdString(m_display->errorText());
        return;
    }
    m_manager = m_display->bind("zwp_virtual_keyboard_manager_v1", &zwp_virtual_keyboard_manager_v1_interface, 1);
    if (!m_manager) {
        m_problem = QStringLiteral("the compositor offers no virtual keyboard");
        return;
    }
    m_seat = m_display->bind("wl_seat", &wl_seat_interface, 5);
    if (!m_seat) {
        m_problem = QStringLiteral("the compositor offers no seat");
        return;
    }
    static const wl_seat_listener seatListener = {&onCapabilities, [](void *, wl_seat *, const char *) {}};
    wl_seat_add_listener(reinterpret_cast<wl_seat *>(m_seat), &seatListener, this);
    // The seat tells whether it has a keyboard; that keyboard then tells its keymap.
    m_display->roundtrip();
    m_display->roundtrip();

    m_keyboard = reinterpret_cast<wl_proxy *>(zwp_virtual_keyboard_manager_v1_create_virtual_keyboard(
        reinterpret_cast<zwp_virtual_keyboard_manager_v1 *>(m_manager), reinterpret_cast<wl_seat *>(m_seat)));
    std::optional<XkbKeymap> keymap =
        m_seatKeymapText.empty() ? XkbKeymap::fromDefaults() : XkbKeymap::fromText(m_seatKeymapText);
    if (!keymap || !upload(std::move(*keymap))) {
        m_problem = QStringLiteral("no keymap could be given to the virtual keyboard");
        return;
    }
    if (!m_display->isValid())
        m_problem = QString::fromStdString(m_display->errorText());
}

WaylandKeyEventPoster::~WaylandKeyEventPoster()
{
    if (m_keyboard)
        zwp_virtual_keyboard_v1_destroy(virtualKeyboard(m_keyboard));
    // The release requests came with later versions; before them the proxies are only forgotten.
    if (m_seatKeyboard && wl_keyboard_get_version(m_seatKeyboard) >= WL_KEYBOARD_RELEASE_SINCE_VERSION)
        wl_keyboard_release(m_seatKeyboard);
    else if (m_seatKeyboard)
        wl_keyboard_destroy(m_seatKeyboard);
    if (m_manager)
        wl_proxy_destroy(m_manager);
    if (m_seat && wl_proxy_get_version(m_seat) >= WL_SEAT_RELEASE_SINCE_VERSION)
        wl_seat_release(reinterpret_cast<wl_seat *>(m_seat));
    else if (m_seat)
        wl_proxy_destroy(m_seat);
    if (m_display->isValid())
        wl_display_flush(m_display->get());
}

bool WaylandKeyEventPoster::isValid() const
{
    return m_keymap.has_value() && m_display->isValid() && m_problem.isEmpty();
}

void WaylandKeyEventPoster::onCapabilities(void *data, wl_seat *seat, std::uint32_t capabilities)
{
    auto *self = static_cast<WaylandKeyEventPoster *>(data);
    if ((capabilities & WL_SEAT_CAPABILITY_KEYBOARD) && !self->m_seatKeyboard) {
        self->m_seatKeyboard = wl_seat_get_keyboard(seat);
        static const wl_keyboard_listener listener = {
            &onKeymap,
            [](void *, wl_keyboard *, std::uint32_t, wl_surface *, wl_array *) {},
            [](void *, wl_keyboard *, std::uint32_t, wl_surface *) {},
            [](void *, wl_keyboard *, std::uint32_t, std::uint32_t, std::uint32_t, std::uint32_t) {},
            [](void *, wl_keyboard *, std::uint32_t, std::uint32_t, std::uint32_t, std::uint32_t, std::uint32_t) {},
            [](void *, wl_keyboard *, std::int32_t, std::int32_t) {},
        };
        wl_keyboard_add_listener(self->m_seatKeyboard, &listener, self);
    }
}

void WaylandKeyEventPoster::onKeymap(void *data, wl_keyboard *, std::uint32_t format, std::int32_t fd,
                                     std::uint32_t size)
{
    auto *self = static_cast<WaylandKeyEventPoster *>(data);
    if (format == kKeymapFormatXkbV1 && size > 0) {
        void *map = ::mmap(nullptr, size, PROT_READ, MAP_PRIVATE, fd, 0);
        if (map != MAP_FAILED) {
            const char *text = static_cast<const char *>(map);
            self->m_seatKeymapText.assign(text, ::strnlen(text, size));
            ::munmap(map, size);
        }
    }
    ::close(fd);
}

bool WaylandKeyEventPoster::upload(XkbKeymap keymap)
{
    const std::string text = keymap.text();
    const int fd = keymapFile(text);
    if (fd < 0)
        return false;
    zwp_virtual_keyboard_v1_keymap(virtualKeyboard(m_keyboard), kKeymapFormatXkbV1, fd, std::uint32_t(text.size() + 1));
    ::close(fd);
    m_keymap = std::move(keymap);
    m_uploadedText = text;
    // The warm-up: a first event and a round trip before any key that matters.
    sendModifiers(0);
    return sync();
}

void WaylandKeyEventPoster::followSeatKeymap()
{
    // The user may have switched layouts since; the keymap we uploaded comes back to us too, and changes nothing.
    if (m_seatKeymapText.empty() || m_seatKeymapText == m_uploadedText)
        return;
    std::optional<XkbKeymap> keymap = XkbKeymap::fromText(m_seatKeymapText);
    if (keymap && keymap->text() != m_uploadedText)
        upload(std::move(*keymap));
    else
        m_uploadedText = m_seatKeymapText;
}

bool WaylandKeyEventPoster::sync()
{
    return m_display->roundtrip();
}

void WaylandKeyEventPoster::sendModifiers(std::uint32_t depressed)
{
    zwp_virtual_keyboard_v1_modifiers(virtualKeyboard(m_keyboard), depressed, 0, 0, 0);
}

std::uint32_t WaylandKeyEventPoster::now() const
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return std::uint32_t(t.tv_sec * 1000 + t.tv_nsec / 1000000);
}

bool WaylandKeyEventPoster::typeKeys(QKeyCombination keys)
{
    if (!isValid())
        return false;
    // Picks up a keymap the seat announced since the last keys.
    if (!sync())
        return false;
    followSeatKeymap();
    const std::uint32_t keysym = keysymForKey(keys);
    const auto key = keysym ? m_keymap->keyFor(keysym) : std::nullopt;
    if (!key)
        return false;
    sendModifiers(m_keymap->maskFor(keys.keyboardModifiers()) | key->levelModifiers);
    zwp_virtual_keyboard_v1_key(virtualKeyboard(m_keyboard), now(), key->evdevCode(), WL_KEYBOARD_KEY_STATE_PRESSED);
    // The press reaches the compositor before the release, as from a real keyboard.
    const bool pressed = sync();
    zwp_virtual_keyboard_v1_key(virtualKeyboard(m_keyboard), now(), key->evdevCode(), WL_KEYBOARD_KEY_STATE_RELEASED);
    sendModifiers(0);
    // A round trip, so the events are with the compositor before the caller goes on.
    if (pressed && sync())
        return true;
    qCWarning(lcWayland) << "the virtual keyboard's connection broke:" << m_display->errorText().c_str();
    return false;
}

}  // namespace tavrin
