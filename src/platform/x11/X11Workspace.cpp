// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/x11/X11Workspace.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDesktopServices>
#include <QSocketNotifier>

#include <unistd.h>

#include <algorithm>

namespace tavrin {

namespace {
constexpr std::uint32_t kSourcePager = 2;  // activation asked for by the user's own tool, not an application
}

X11Workspace::X11Workspace(QObject *parent) : QObject(parent)
{
    if (!m_x.isValid())
        return;
    const auto a = m_x.atoms({"_NET_ACTIVE_WINDOW", "_NET_WM_PID", "_NET_CLIENT_LIST_STACKING", "_NET_WM_WINDOW_TYPE",
                              "_NET_WM_WINDOW_TYPE_DOCK", "_NET_WM_WINDOW_TYPE_DESKTOP"});
    m_activeAtom = a[0];
    m_pidAtom = a[1];
    m_stackingAtom = a[2];
    m_windowTypeAtom = a[3];
    m_dockTypes = {a[4], a[5]};
    const std::uint32_t mask = XCB_EVENT_MASK_PROPERTY_CHANGE;
    xcb_change_window_attributes(m_x.get(), m_x.root(), XCB_CW_EVENT_MASK, &mask);
    xcb_flush(m_x.get());
    m_notifier = new QSocketNotifier(xcb_get_file_descriptor(m_x.get()), QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &X11Workspace::readEvents);
    noteActiveWindow();
}

Workspace::WindowId X11Workspace::lastForeignActiveWindow() const
{
    // Round trips may have queued notices that the socket no longer signals: take them in first.
    readEvents();
    return m_lastForeign;
}

void X11Workspace::scheduleRead() const
{
    // Waiting for replies may have queued events inside xcb that the socket will not announce again.
    if (m_readScheduled || !m_notifier)
        return;
    m_readScheduled = true;
    QMetaObject::invokeMethod(
        m_notifier, [this] { readEvents(); }, Qt::QueuedConnection);
}

void X11Workspace::readEvents() const
{
    m_readScheduled = false;
    if (!m_x.isValid())
        return;
    bool activeChanged = false;
    while (xcb_generic_event_t *raw = xcb_poll_for_event(m_x.get())) {
        xcb::Ptr<xcb_generic_event_t> event(raw);
        const auto type = xcb::eventType(event.get());
        if (type == XCB_PROPERTY_NOTIFY &&
            reinterpret_cast<const xcb_property_notify_event_t *>(event.get())->atom == m_activeAtom)
            activeChanged = true;
        else if (type == XCB_DESTROY_NOTIFY)
            noteDestroyed(reinterpret_cast<const xcb_destroy_notify_event_t *>(event.get())->window);
    }
    if (activeChanged)
        noteActiveWindow();
}

bool X11Workspace::watchForDestruction(WindowId window, QObject *context, std::function<void()> destroyed)
{
    if (!m_x.isValid() || window == 0)
        return false;
    // This connection's own interest in the window: Qt's selection on it stays as it is.
    const std::uint32_t mask = XCB_EVENT_MASK_STRUCTURE_NOTIFY;
    xcb::Ptr<xcb_generic_error_t> error(xcb_request_check(
        m_x.get(), xcb_change_window_attributes_checked(m_x.get(), xcb_window_t(window), XCB_CW_EVENT_MASK, &mask)));
    scheduleRead();
    if (error)
        return false;
    m_watches.push_back({window, context, std::move(destroyed)});
    return true;
}

void X11Workspace::noteDestroyed(WindowId window) const
{
    const auto watch = std::find_if(m_watches.begin(), m_watches.end(),
                                    [window](const DestructionWatch &each) { return each.window == window; });
    if (watch == m_watches.end())
        return;
    // Told later, not from inside whichever query read the notice.
    if (watch->context)
        QMetaObject::invokeMethod(watch->context, watch->destroyed, Qt::QueuedConnection);
    m_watches.erase(watch);
}

void X11Workspace::noteActiveWindow() const
{
    const WindowId active = activeWindow();
    if (active == 0)
        return;
    if (!isOwnWindow(active)) {
        m_lastForeign = active;
        return;
    }
    // Several activations can arrive as one notice (another window, then ours): the foreign window that
    // had the focus last is then the top-most foreign one in the stacking order.
    if (const WindowId below = topForeignWindow())
        m_lastForeign = below;
}

xcb::Ptr<xcb_get_property_reply_t> X11Workspace::property(WindowId window, xcb_atom_t name, xcb_atom_t type,
                                                          std::uint32_t length) const
{
    xcb_connection_t *c = m_x.get();
    xcb::Ptr<xcb_get_property_reply_t> reply(
        xcb_get_property_reply(c, xcb_get_property(c, 0, xcb_window_t(window), name, type, 0, length), nullptr));
    scheduleRead();
    return reply;
}

Workspace::WindowId X11Workspace::topForeignWindow() const
{
    const xcb::Ptr<xcb_get_property_reply_t> reply = property(m_x.root(), m_stackingAtom, XCB_ATOM_WINDOW, 4096);
    if (!reply || reply->format != 32)
        return 0;
    const auto *windows = static_cast<const xcb_window_t *>(xcb_get_property_value(reply.get()));
    // Bottom to top: look from the top down.
    for (int i = xcb_get_property_value_length(reply.get()) / 4 - 1; i >= 0; --i) {
        if (!isOwnWindow(windows[i]) && !isPanel(windows[i]))
            return windows[i];
    }
    return 0;
}

bool X11Workspace::isPanel(WindowId window) const
{
    // Panels and the desktop stay above or below everything and never had the user's focus.
    const xcb::Ptr<xcb_get_property_reply_t> reply = property(window, m_windowTypeAtom, XCB_ATOM_ATOM, 16);
    if (!reply || reply->format != 32)
        return false;
    const auto *types = static_cast<const xcb_atom_t *>(xcb_get_property_value(reply.get()));
    for (int i = 0; i < xcb_get_property_value_length(reply.get()) / 4; ++i) {
        if (types[i] == m_dockTypes[0] || types[i] == m_dockTypes[1])
            return true;
    }
    return false;
}

bool X11Workspace::isOwnWindow(WindowId window) const
{
    const xcb::Ptr<xcb_get_property_reply_t> reply = property(window, m_pidAtom, XCB_ATOM_CARDINAL, 1);
    return reply && xcb_get_property_value_length(reply.get()) == 4 &&
           *static_cast<const std::uint32_t *>(xcb_get_property_value(reply.get())) == std::uint32_t(::getpid());
}

bool X11Workspace::openUrl(const QUrl &url)
{
    return QDesktopServices::openUrl(url);
}

bool X11Workspace::isApplicationRunning(const QString &identifier) const
{
    const QDBusConnectionInterface *bus = QDBusConnection::sessionBus().interface();
    return bus && bus->isServiceRegistered(identifier).value();
}

Workspace::WindowId X11Workspace::activeWindow() const
{
    if (!m_x.isValid())
        return 0;
    const xcb::Ptr<xcb_get_property_reply_t> reply = property(m_x.root(), m_activeAtom, XCB_ATOM_WINDOW, 1);
    if (!reply || xcb_get_property_value_length(reply.get()) != 4)
        return 0;
    return *static_cast<const xcb_window_t *>(xcb_get_property_value(reply.get()));
}

QString X11Workspace::windowClass(WindowId window) const
{
    if (!m_x.isValid() || window == 0)
        return {};
    const xcb::Ptr<xcb_get_property_reply_t> reply = property(window, XCB_ATOM_WM_CLASS, XCB_ATOM_STRING, 256);
    if (!reply)
        return {};
    // WM_CLASS holds the instance name, then the class name, each ending in a zero byte.
    const QByteArray value(static_cast<const char *>(xcb_get_property_value(reply.get())),
                           xcb_get_property_value_length(reply.get()));
    const QList<QByteArray> parts = value.split('\0');
    if (parts.size() >= 2 && !parts.at(1).isEmpty())
        return QString::fromLocal8Bit(parts.at(1));
    return parts.isEmpty() ? QString() : QString::fromLocal8Bit(parts.at(0));
}

bool X11Workspace::activateWindow(WindowId window)
{
    if (!m_x.isValid() || window == 0)
        return false;
    xcb_client_message_event_t message = {};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = xcb_window_t(window);
    message.type = m_activeAtom;
    message.data.data32[0] = kSourcePager;
    message.data.data32[1] = XCB_CURRENT_TIME;
    xcb_send_event(m_x.get(), 0, m_x.root(), XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char *>(&message));
    xcb_flush(m_x.get());
    return !xcb_connection_has_error(m_x.get());
}

}  // namespace tavrin
