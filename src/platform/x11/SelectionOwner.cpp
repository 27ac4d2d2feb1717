// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/x11/SelectionOwner.h"

#include <xcb/xfixes.h>

#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

namespace tavrin {

namespace {
// A requestor that stops taking chunks for this long is given up.
constexpr auto kTransferTimeout = std::chrono::seconds(10);
}  // namespace

SelectionOwner::SelectionOwner(std::function<void()> foreignChange, std::function<void()> dataRequested)
    : m_foreignChange(std::move(foreignChange)), m_dataRequested(std::move(dataRequested))
{
    if (!m_x.isValid())
        return;
    xcb_connection_t *c = m_x.get();
    const xcb_query_extension_reply_t *xfixes = xcb_get_extension_data(c, &xcb_xfixes_id);
    if (!xfixes || !xfixes->present)
        return;
    xcb::Ptr<xcb_xfixes_query_version_reply_t> version(
        xcb_xfixes_query_version_reply(c, xcb_xfixes_query_version(c, 5, 0), nullptr));
    if (!version)
        return;
    m_xfixesEvent = xfixes->first_event + XCB_XFIXES_SELECTION_NOTIFY;
    const auto a = m_x.atoms({"CLIPBOARD", "TARGETS", "TIMESTAMP", "INCR", "UTF8_STRING", "_TAVRIN_TIMESTAMP"});
    m_atoms = Atoms{a[0], a[1], a[2], a[3], a[4], a[5]};
    m_window = m_x.createHelperWindow();
    xcb_xfixes_select_selection_input(c, m_window, m_atoms.clipboard,
                                      XCB_XFIXES_SELECTION_EVENT_MASK_SET_SELECTION_OWNER);
    xcb_flush(c);
    m_wakeFd = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    if (m_wakeFd < 0)
        return;
    m_valid = true;
    m_thread = std::thread([this] { run(); });
}

SelectionOwner::~SelectionOwner()
{
    {
        std::lock_guard lock(m_mutex);
        m_stop = true;
    }
    m_primaryOwned.notify_all();
    if (m_thread.joinable()) {
        wake();
        m_thread.join();
    }
    if (m_wakeFd >= 0)
        ::close(m_wakeFd);
    if (m_window != XCB_WINDOW_NONE)
        xcb_destroy_window(m_x.get(), m_window);
}

void SelectionOwner::wake()
{
    const std::uint64_t one = 1;
    [[maybe_unused]] const ssize_t n = ::write(m_wakeFd, &one, sizeof one);
}

void SelectionOwner::own(SelectionOffer offer)
{
    {
        std::lock_guard lock(m_mutex);
        m_lastOffer = offer;
        m_clipboardOffer = std::move(offer);
        m_wantClipboard = true;
    }
    if (m_valid)
        wake();
}

bool SelectionOwner::ownPrimary(std::chrono::milliseconds wait)
{
    std::unique_lock lock(m_mutex);
    if (!m_valid || !m_lastOffer)
        return false;
    m_primaryOffer = m_lastOffer;
    m_wantPrimary = true;
    const std::uint64_t request = ++m_primaryRequests;
    wake();
    return m_primaryOwned.wait_for(lock, wait, [&] { return m_primaryGranted >= request || m_stop; }) && !m_stop;
}

std::optional<ClipboardContents> SelectionOwner::ownedContents() const
{
    std::lock_guard lock(m_mutex);
    if (!m_clipboardOffer)
        return std::nullopt;
    return m_clipboardOffer->contents;
}

void SelectionOwner::run()
{
    xcb_connection_t *c = m_x.get();
    pollfd fds[2] = {{xcb_get_file_descriptor(c), POLLIN, 0}, {m_wakeFd, POLLIN, 0}};
    for (;;) {
        {
            std::lock_guard lock(m_mutex);
            if (m_stop)
                break;
            if ((m_wantClipboard || m_wantPrimary) && !m_waitingForTimestamp)
                requestTimestamp();
        }
        xcb_flush(c);
        while (xcb_generic_event_t *raw = xcb_poll_for_event(c)) {
            xcb::Ptr<xcb_generic_event_t> event(raw);
            handleEvent(event.get());
        }
        expireTransfers();
        xcb_flush(c);
        if (xcb_connection_has_error(c))
            break;
        ::poll(fds, 2, m_transfers.empty() ? -1 : 1000);
        if (fds[1].revents & POLLIN) {
            std::uint64_t count = 0;
            [[maybe_unused]] const ssize_t n = ::read(m_wakeFd, &count, sizeof count);
        }
    }
}

void SelectionOwner::requestTimestamp()
{
    // Ownership needs a real server time: a zero-length append to our own window reports one.
    xcb_change_property(m_x.get(), XCB_PROP_MODE_APPEND, m_window, m_atoms.stampProperty, XCB_ATOM_INTEGER, 32, 0,
                        nullptr);
    m_waitingForTimestamp = true;
}

void SelectionOwner::takeOwnership(xcb_timestamp_t time)
{
    xcb_connection_t *c = m_x.get();
    bool primary = false;
    std::uint64_t granted = 0;
    {
        std::lock_guard lock(m_mutex);
        if (m_wantClipboard) {
            xcb_set_selection_owner(c, m_window, m_atoms.clipboard, time);
            m_clipboardTime = time;
            m_wantClipboard = false;
        }
        if (m_wantPrimary) {
            xcb_set_selection_owner(c, m_window, XCB_ATOM_PRIMARY, time);
            m_primaryTime = time;
            m_wantPrimary = false;
            primary = true;
            granted = m_primaryRequests;
        }
    }
    if (!primary)
        return;
    // A round trip: once it returns, the server has made us the owner and other clients see it.
    xcb::Ptr<xcb_get_selection_owner_reply_t> owner(
        xcb_get_selection_owner_reply(c, xcb_get_selection_owner(c, XCB_ATOM_PRIMARY), nullptr));
    {
        std::lock_guard lock(m_mutex);
        m_primaryGranted = granted;
    }
    m_primaryOwned.notify_all();
}

void SelectionOwner::handleEvent(const xcb_generic_event_t *event)
{
    const std::uint8_t type = xcb::eventType(event);
    if (type == m_xfixesEvent) {
        const auto *notify = reinterpret_cast<const xcb_xfixes_selection_notify_event_t *>(event);
        // Our own ownership was counted when we wrote; only other clients' changes count here.
        if (notify->selection != m_atoms.clipboard || notify->owner == m_window || !m_foreignChange)
            return;
        // A copy that raced one of our writes and lost to it is gone before anyone could read it; counting it
        // would make our own content look like a new copy.
        bool superseded = notify->selection_timestamp < m_clipboardTime;
        {
            std::lock_guard lock(m_mutex);
            superseded = superseded || m_wantClipboard;
        }
        if (!superseded)
            m_foreignChange();
        return;
    }
    switch (type) {
    case XCB_PROPERTY_NOTIFY: {
        const auto *p = reinterpret_cast<const xcb_property_notify_event_t *>(event);
        if (p->window == m_window && p->atom == m_atoms.stampProperty && m_waitingForTimestamp) {
            m_waitingForTimestamp = false;
            takeOwnership(p->time);
        } else if (p->state == XCB_PROPERTY_DELETE) {
            continueTransfer(p->window, p->atom);
        }
        break;
    }
    case XCB_SELECTION_REQUEST: handleRequest(reinterpret_cast<const xcb_selection_request_event_t *>(event)); break;
    case XCB_SELECTION_CLEAR: {
        const auto *clear = reinterpret_cast<const xcb_selection_clear_event_t *>(event);
        std::lock_guard lock(m_mutex);
        // A write queued meanwhile takes the selection back with its own offer.
        if (clear->selection == m_atoms.clipboard && !m_wantClipboard)
            m_clipboardOffer.reset();
        else if (clear->selection == XCB_ATOM_PRIMARY && !m_wantPrimary)
            m_primaryOffer.reset();
        break;
    }
    default: break;  // errors of vanished requestors and anything else are harmless
    }
}

void SelectionOwner::handleRequest(const xcb_selection_request_event_t *request)
{
    // Obsolete clients name no property: the target then serves as one.
    const xcb_atom_t property = request->property != XCB_ATOM_NONE ? request->property : request->target;
    xcb_selection_notify_event_t reply = {};
    reply.response_type = XCB_SELECTION_NOTIFY;
    reply.time = request->time;
    reply.requestor = request->requestor;
    reply.selection = request->selection;
    reply.target = request->target;
    reply.property = answer(request, property) ? property : xcb_atom_t(XCB_ATOM_NONE);
    xcb_send_event(m_x.get(), 0, request->requestor, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char *>(&reply));
}

bool SelectionOwner::answer(const xcb_selection_request_event_t *request, xcb_atom_t property)
{
    xcb_connection_t *c = m_x.get();
    std::optional<SelectionOffer> offer;
    xcb_timestamp_t time = 0;
    {
        std::lock_guard lock(m_mutex);
        if (request->selection == m_atoms.clipboard) {
            offer = m_clipboardOffer;
            time = m_clipboardTime;
        } else if (request->selection == XCB_ATOM_PRIMARY) {
            offer = m_primaryOffer;
            time = m_primaryTime;
        }
    }
    if (!offer || request->owner != m_window)
        return false;

    if (request->target == m_atoms.targets) {
        std::vector<xcb_atom_t> targets = {m_atoms.targets, m_atoms.timestamp};
        for (const auto &format : offer->formats)
            targets.push_back(atomFor(format.target));
        xcb_change_property(c, XCB_PROP_MODE_REPLACE, request->requestor, property, XCB_ATOM_ATOM, 32,
                            std::uint32_t(targets.size()), targets.data());
        return true;
    }
    if (request->target == m_atoms.timestamp) {
        xcb_change_property(c, XCB_PROP_MODE_REPLACE, request->requestor, property, XCB_ATOM_INTEGER, 32, 1, &time);
        return true;
    }
    for (const auto &format : offer->formats) {
        if (atomFor(format.target) != request->target)
            continue;
        if (m_dataRequested)
            m_dataRequested();
        const xcb_atom_t type = atomFor(format.type);
        if (format.data.size() <= kChunkSize) {
            xcb_change_property(c, XCB_PROP_MODE_REPLACE, request->requestor, property, type, 8,
                                std::uint32_t(format.data.size()), format.data.constData());
            return true;
        }
        // INCR: announce the size, then one chunk each time the requestor deletes the property.
        const std::uint32_t mask = XCB_EVENT_MASK_PROPERTY_CHANGE;
        xcb_change_window_attributes(c, request->requestor, XCB_CW_EVENT_MASK, &mask);
        const std::uint32_t size = std::uint32_t(format.data.size());
        xcb_change_property(c, XCB_PROP_MODE_REPLACE, request->requestor, property, m_atoms.incr, 32, 1, &size);
        m_transfers[{request->requestor, property}] =
            Transfer{request->requestor, property, type, format.data, 0, xcb::Clock::now()};
        return true;
    }
    return false;
}

void SelectionOwner::continueTransfer(xcb_window_t window, xcb_atom_t property)
{
    const auto it = m_transfers.find({window, property});
    if (it == m_transfers.end())
        return;
    Transfer &transfer = it->second;
    const qsizetype length = std::min<qsizetype>(kChunkSize, transfer.data.size() - transfer.offset);
    // The last chunk is empty: it tells the requestor that the data is complete.
    xcb_change_property(m_x.get(), XCB_PROP_MODE_REPLACE, window, property, transfer.type, 8, std::uint32_t(length),
                        transfer.data.constData() + transfer.offset);
    transfer.offset += length;
    transfer.lastActivity = xcb::Clock::now();
    if (length == 0)
        m_transfers.erase(it);
}

void SelectionOwner::expireTransfers()
{
    const auto now = xcb::Clock::now();
    std::erase_if(m_transfers, [&](const auto &entry) { return now - entry.second.lastActivity > kTransferTimeout; });
}

xcb_atom_t SelectionOwner::atomFor(const std::string &name)
{
    auto it = m_atomCache.find(name);
    if (it == m_atomCache.end())
        it = m_atomCache.emplace(name, m_x.atom(name.c_str())).first;
    return it->second;
}

}  // namespace tavrin
