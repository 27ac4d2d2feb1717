// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScriptedClipboardOwner.h"

#include <xcb/xcb.h>

#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <cstring>
#include <map>
#include <mutex>
#include <thread>
#include <vector>

namespace tavrin::e2e {

namespace {

using Clock = std::chrono::steady_clock;

xcb_atom_t intern(xcb_connection_t *c, const QByteArray &name)
{
    xcb_intern_atom_reply_t *reply =
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, std::uint16_t(name.size()), name.constData()), nullptr);
    const xcb_atom_t atom = reply ? reply->atom : 0;
    std::free(reply);
    return atom;
}

}  // namespace

struct ScriptedClipboardOwner::State {
    struct Transfer {
        qint64 offset = 0;
        bool deleted = false;  // the requestor took the last chunk and waits for the next
        Clock::time_point next;
    };

    Script script;
    xcb_connection_t *c = nullptr;
    xcb_window_t window = 0;
    xcb_atom_t clipboard = 0, targets = 0, target = 0, type = 0, incr = 0;
    int wakeFd = -1;
    std::thread thread;
    std::atomic<bool> stop{false};
    std::atomic<bool> owner{false};
    std::atomic<int> requests{0};
    std::atomic<qint64> sent{0};

    std::mutex mutex;
    bool released = false;
    std::vector<xcb_selection_request_event_t> held;
    std::map<std::pair<xcb_window_t, xcb_atom_t>, Transfer> transfers;

    void run();
    void handle(const xcb_generic_event_t *event);
    void answer(const xcb_selection_request_event_t &request);
    void notify(const xcb_selection_request_event_t &request, bool ok);
    void sendDueChunks();
    int msUntilNextChunk() const;
};

ScriptedClipboardOwner::Script ScriptedClipboardOwner::text(const QByteArray &utf8)
{
    Script script;
    script.data = utf8;
    return script;
}

ScriptedClipboardOwner::ScriptedClipboardOwner(Script script) : m_state(std::make_unique<State>())
{
    State &s = *m_state;
    s.script = std::move(script);
    s.c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(s.c))
        return;
    const xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(s.c)).data;
    s.window = xcb_generate_id(s.c);
    const std::uint32_t mask = XCB_EVENT_MASK_PROPERTY_CHANGE;
    xcb_create_window(s.c, XCB_COPY_FROM_PARENT, s.window, screen->root, 0, 0, 1, 1, 0, XCB_WINDOW_CLASS_INPUT_ONLY,
                      XCB_COPY_FROM_PARENT, XCB_CW_EVENT_MASK, &mask);
    if (!s.script.windowClass.isEmpty()) {
        xcb_window_t classed = s.window;
        if (s.script.classOnClientLeader) {
            classed = xcb_generate_id(s.c);
            xcb_create_window(s.c, XCB_COPY_FROM_PARENT, classed, screen->root, 0, 0, 1, 1, 0,
                              XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, 0, nullptr);
            xcb_change_property(s.c, XCB_PROP_MODE_REPLACE, s.window, intern(s.c, "WM_CLIENT_LEADER"), XCB_ATOM_WINDOW,
                                32, 1, &classed);
        }
        const QByteArray wmClass = s.script.windowClass.toLower() + '\0' + s.script.windowClass + '\0';
        xcb_change_property(s.c, XCB_PROP_MODE_REPLACE, classed, XCB_ATOM_WM_CLASS, XCB_ATOM_STRING, 8,
                            std::uint32_t(wmClass.size()), wmClass.constData());
    }
    s.clipboard = intern(s.c, "CLIPBOARD");
    s.targets = intern(s.c, "TARGETS");
    s.target = intern(s.c, s.script.target);
    s.type = intern(s.c, s.script.type);
    s.incr = intern(s.c, "INCR");
    xcb_set_selection_owner(s.c, s.window, s.clipboard, XCB_CURRENT_TIME);
    xcb_get_selection_owner_reply_t *reply =
        xcb_get_selection_owner_reply(s.c, xcb_get_selection_owner(s.c, s.clipboard), nullptr);
    s.owner = reply && reply->owner == s.window;
    std::free(reply);
    s.wakeFd = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    s.thread = std::thread([&s] { s.run(); });
}

ScriptedClipboardOwner::~ScriptedClipboardOwner()
{
    State &s = *m_state;
    s.stop = true;
    if (s.thread.joinable()) {
        const std::uint64_t one = 1;
        [[maybe_unused]] const ssize_t n = ::write(s.wakeFd, &one, sizeof one);
        s.thread.join();
    }
    if (s.wakeFd >= 0)
        ::close(s.wakeFd);
    xcb_disconnect(s.c);
}

bool ScriptedClipboardOwner::isOwner() const
{
    return m_state->owner;
}

int ScriptedClipboardOwner::requests() const
{
    return m_state->requests;
}

qint64 ScriptedClipboardOwner::bytesSent() const
{
    return m_state->sent;
}

void ScriptedClipboardOwner::release()
{
    {
        std::lock_guard lock(m_state->mutex);
        m_state->released = true;
    }
    const std::uint64_t one = 1;
    [[maybe_unused]] const ssize_t n = ::write(m_state->wakeFd, &one, sizeof one);
}

void ScriptedClipboardOwner::State::run()
{
    pollfd fds[2] = {{xcb_get_file_descriptor(c), POLLIN, 0}, {wakeFd, POLLIN, 0}};
    while (!stop) {
        while (xcb_generic_event_t *event = xcb_poll_for_event(c)) {
            handle(event);
            std::free(event);
        }
        std::vector<xcb_selection_request_event_t> due;
        {
            std::lock_guard lock(mutex);
            if (released)
                due.swap(held);
        }
        for (const auto &request : due)
            answer(request);
        sendDueChunks();
        xcb_flush(c);
        if (xcb_connection_has_error(c))
            return;
        ::poll(fds, 2, msUntilNextChunk());
        if (fds[1].revents & POLLIN) {
            std::uint64_t count = 0;
            [[maybe_unused]] const ssize_t n = ::read(wakeFd, &count, sizeof count);
        }
    }
}

void ScriptedClipboardOwner::State::handle(const xcb_generic_event_t *event)
{
    switch (event->response_type & 0x7f) {
    case XCB_SELECTION_REQUEST: {
        const auto &request = *reinterpret_cast<const xcb_selection_request_event_t *>(event);
        if (request.target == targets) {
            const xcb_atom_t offered[] = {targets, target};
            xcb_change_property(c, XCB_PROP_MODE_REPLACE, request.requestor, request.property, XCB_ATOM_ATOM, 32, 2,
                                offered);
            notify(request, true);
        } else if (request.target == target) {
            ++requests;
            std::lock_guard lock(mutex);
            if (script.holdUntilReleased && !released)
                held.push_back(request);
            else
                answer(request);
        } else {
            notify(request, false);
        }
        break;
    }
    case XCB_PROPERTY_NOTIFY: {
        const auto *p = reinterpret_cast<const xcb_property_notify_event_t *>(event);
        const auto it = transfers.find({p->window, p->atom});
        if (p->state == XCB_PROPERTY_DELETE && it != transfers.end())
            it->second.deleted = true;
        break;
    }
    case XCB_SELECTION_CLEAR: owner = false; break;
    default: break;
    }
}

void ScriptedClipboardOwner::State::answer(const xcb_selection_request_event_t &request)
{
    if (script.incrChunk <= 0) {
        const int unit = script.format / 8;
        xcb_change_property(c, XCB_PROP_MODE_REPLACE, request.requestor, request.property, type,
                            std::uint8_t(script.format), std::uint32_t(script.data.size() / unit),
                            script.data.constData());
        sent += script.data.size();
        notify(request, true);
        return;
    }
    const std::uint32_t mask = XCB_EVENT_MASK_PROPERTY_CHANGE;
    xcb_change_window_attributes(c, request.requestor, XCB_CW_EVENT_MASK, &mask);
    const auto size = std::uint32_t(script.incrAnnounced > 0 ? script.incrAnnounced : script.data.size());
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, request.requestor, request.property, incr, 32, 1, &size);
    transfers[{request.requestor, request.property}] = Transfer{0, false, Clock::now() + script.chunkInterval};
    notify(request, true);
}

void ScriptedClipboardOwner::State::notify(const xcb_selection_request_event_t &request, bool ok)
{
    xcb_selection_notify_event_t reply = {};
    reply.response_type = XCB_SELECTION_NOTIFY;
    reply.time = request.time;
    reply.requestor = request.requestor;
    reply.selection = request.selection;
    reply.target = request.target;
    reply.property = ok ? request.property : xcb_atom_t(XCB_ATOM_NONE);
    xcb_send_event(c, 0, request.requestor, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char *>(&reply));
}

void ScriptedClipboardOwner::State::sendDueChunks()
{
    const auto now = Clock::now();
    for (auto it = transfers.begin(); it != transfers.end();) {
        Transfer &transfer = it->second;
        if (!transfer.deleted || now < transfer.next) {
            ++it;
            continue;
        }
        const qint64 length = std::min<qint64>(script.incrChunk, script.data.size() - transfer.offset);
        xcb_change_property(c, XCB_PROP_MODE_REPLACE, it->first.first, it->first.second, type, 8, std::uint32_t(length),
                            script.data.constData() + transfer.offset);
        transfer.offset += length;
        sent += length;
        transfer.deleted = false;
        transfer.next = now + script.chunkInterval;
        if (length == 0)
            it = transfers.erase(it);
        else
            ++it;
    }
}

int ScriptedClipboardOwner::State::msUntilNextChunk() const
{
    int wait = -1;
    const auto now = Clock::now();
    for (const auto &[key, transfer] : transfers) {
        if (!transfer.deleted)
            continue;
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(transfer.next - now).count();
        wait = wait < 0 ? int(std::max<long long>(left, 0)) : std::min(wait, int(std::max<long long>(left, 0)));
    }
    return wait;
}

}  // namespace tavrin::e2e
