// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/x11/SelectionReader.h"

#include "platform/common/UriList.h"
#include "platform/x11/X11Log.h"

#include <xcb/xfixes.h>

#include <sys/eventfd.h>
#include <unistd.h>

#include <algorithm>
#include <string>

namespace tavrin {

namespace {
constexpr int kPropertyPool = 8;
constexpr std::uint32_t kOwnerChanges = XCB_XFIXES_SELECTION_EVENT_MASK_SET_SELECTION_OWNER |
                                        XCB_XFIXES_SELECTION_EVENT_MASK_SELECTION_WINDOW_DESTROY |
                                        XCB_XFIXES_SELECTION_EVENT_MASK_SELECTION_CLIENT_CLOSE;
}  // namespace

SelectionReader::SelectionReader(std::chrono::milliseconds timeout) : m_timeout(timeout)
{
    if (!m_x.isValid())
        return;
    const auto a =
        m_x.atoms({"CLIPBOARD", "TARGETS", "INCR", "UTF8_STRING", "text/plain;charset=utf-8", "text/plain", "TEXT",
                   "text/uri-list", "x-special/gnome-copied-files", "x-kde-passwordManagerHint", "WM_CLIENT_LEADER"});
    m_atoms = Atoms{a[0], a[1], a[2], a[3], a[4], a[5], a[6], a[7], a[8], a[9], a[10]};
    // A rotating set of property names: a late reply to an old request never lands on the current one's name.
    std::vector<std::string> names;
    names.reserve(kPropertyPool);
    for (int i = 0; i < kPropertyPool; ++i)
        names.push_back("_TAVRIN_READ_" + std::to_string(i));
    std::vector<const char *> raw;
    raw.reserve(names.size());
    for (const auto &name : names)
        raw.push_back(name.c_str());
    m_properties = m_x.atoms(raw);
    m_window = m_x.createHelperWindow();

    xcb_connection_t *c = m_x.get();
    const xcb_query_extension_reply_t *xfixes = xcb_get_extension_data(c, &xcb_xfixes_id);
    if (xfixes && xfixes->present) {
        xcb::Ptr<xcb_xfixes_query_version_reply_t> version(
            xcb_xfixes_query_version_reply(c, xcb_xfixes_query_version(c, 5, 0), nullptr));
        if (version)
            m_xfixesEvent = xfixes->first_event + XCB_XFIXES_SELECTION_NOTIFY;
    }
    m_wakeFd = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
}

SelectionReader::~SelectionReader()
{
    if (m_wakeFd >= 0)
        ::close(m_wakeFd);
    if (m_x.isValid() && m_window != XCB_WINDOW_NONE)
        xcb_destroy_window(m_x.get(), m_window);
}

void SelectionReader::replaceWindow()
{
    // After a timeout the owner may still answer; a new window makes sure that answer matches nothing.
    xcb_destroy_window(m_x.get(), m_window);
    m_window = m_x.createHelperWindow();
}

xcb_window_t SelectionReader::owner()
{
    if (!m_x.isValid())
        return XCB_WINDOW_NONE;
    xcb::Ptr<xcb_get_selection_owner_reply_t> reply(
        xcb_get_selection_owner_reply(m_x.get(), xcb_get_selection_owner(m_x.get(), m_atoms.clipboard), nullptr));
    return reply ? reply->owner : xcb_window_t(XCB_WINDOW_NONE);
}

void SelectionReader::watchOwner(bool watch)
{
    if (m_xfixesEvent == 0)
        return;
    xcb_xfixes_select_selection_input(m_x.get(), m_x.root(), m_atoms.clipboard, watch ? kOwnerChanges : 0);
}

bool SelectionReader::endsRead(const xcb_generic_event_t *event) const
{
    // Notices are only asked for during a read, and those older than its owner query are dropped at its start: any
    // notice means the content being read is no longer the clipboard's.
    return m_xfixesEvent != 0 && xcb::eventType(event) == m_xfixesEvent &&
           reinterpret_cast<const xcb_xfixes_selection_notify_event_t *>(event)->selection == m_atoms.clipboard;
}

xcb::Clock::time_point SelectionReader::readDeadline() const
{
    return m_readStart + m_timeout + std::chrono::milliseconds(m_received * 1000 / kMinBytesPerSecond);
}

void SelectionReader::giveUp(End why)
{
    if (m_end == End::Complete)
        m_end = why;
}

xcb::Ptr<xcb_generic_event_t> SelectionReader::waitFor(const std::function<bool(const xcb_generic_event_t *)> &accept)
{
    const auto requestDeadline = xcb::Clock::now() + m_timeout;
    for (;;) {
        if (m_stop.stop_requested())
            giveUp(End::Stopped);
        if (m_end != End::Complete)
            return nullptr;
        const auto deadline = std::min(requestDeadline, readDeadline());
        auto event = m_x.waitForEvent(
            deadline,
            [&](const xcb_generic_event_t *e) {
                if (endsRead(e)) {
                    giveUp(End::OwnerChanged);
                    return true;
                }
                return accept(e);
            },
            m_wakeFd);
        if (m_end != End::Complete)
            return nullptr;
        if (event)
            return event;
        if (xcb_connection_has_error(m_x.get())) {
            giveUp(End::Broken);
            return nullptr;
        }
        if (xcb::Clock::now() >= deadline) {
            giveUp(End::Deadline);
            return nullptr;
        }
        // Woken: by a stop request, checked above, or by one left over from an earlier read.
    }
}

void SelectionReader::logEnd(xcb_atom_t target) const
{
    const long long ms = std::chrono::duration_cast<std::chrono::milliseconds>(xcb::Clock::now() - m_readStart).count();
    switch (m_end) {
    case End::Complete: return;
    case End::Stopped: qCDebug(lcX11, "clipboard read stopped after %lld ms", ms); return;
    case End::OwnerChanged:
        qCDebug(lcX11, "clipboard read given up after %lld ms: the clipboard changed meanwhile", ms);
        return;
    case End::Deadline: {
        xcb_connection_t *c = m_x.get();
        xcb::Ptr<xcb_get_atom_name_reply_t> name(xcb_get_atom_name_reply(c, xcb_get_atom_name(c, target), nullptr));
        const QByteArray targetName =
            name ? QByteArray(xcb_get_atom_name_name(name.get()), xcb_get_atom_name_name_length(name.get()))
                 : QByteArray::number(target);
        if (m_received == 0)
            qCWarning(lcX11, "the clipboard's owner did not answer %s within %lld ms; the copy is not recorded",
                      targetName.constData(), ms);
        else
            qCWarning(lcX11,
                      "the clipboard's owner sent only %lld bytes in %lld ms (waiting for %s); the copy is not "
                      "recorded",
                      static_cast<long long>(m_received), ms, targetName.constData());
        return;
    }
    case End::Broken: qCWarning(lcX11, "the connection to the display broke while reading the clipboard"); return;
    }
}

SelectionReader::Reply SelectionReader::convert(xcb_atom_t target)
{
    xcb_connection_t *c = m_x.get();
    const xcb_atom_t property = m_properties[m_nextProperty++ % m_properties.size()];
    xcb_delete_property(c, m_window, property);
    xcb_convert_selection(c, m_window, m_atoms.clipboard, target, property, XCB_CURRENT_TIME);
    xcb_flush(c);

    const xcb_window_t window = m_window;
    const xcb_atom_t selection = m_atoms.clipboard;
    auto notify = waitFor([=](const xcb_generic_event_t *event) {
        if (xcb::eventType(event) != XCB_SELECTION_NOTIFY)
            return false;
        const auto *n = reinterpret_cast<const xcb_selection_notify_event_t *>(event);
        return n->requestor == window && n->selection == selection && n->target == target &&
               (n->property == property || n->property == XCB_ATOM_NONE);
    });
    if (!notify) {
        replaceWindow();
        return {};
    }
    if (reinterpret_cast<const xcb_selection_notify_event_t *>(notify.get())->property == XCB_ATOM_NONE)
        return Reply{Outcome::Refused, XCB_ATOM_NONE, 0, {}};
    return readProperty(property);
}

SelectionReader::Reply SelectionReader::readProperty(xcb_atom_t property)
{
    xcb_connection_t *c = m_x.get();
    xcb::Ptr<xcb_get_property_reply_t> reply(xcb_get_property_reply(
        c, xcb_get_property(c, 1, m_window, property, XCB_GET_PROPERTY_TYPE_ANY, 0, kMaxSize / 4), nullptr));
    if (!reply)
        return {};
    if (reply->type == m_atoms.incr) {
        // Deleting the INCR property (done by the read above) asks the owner for the first chunk.
        xcb_flush(c);
        Reply whole = readIncrementally(property);
        if (whole.outcome != Outcome::Converted)
            replaceWindow();
        return whole;
    }
    const int length = xcb_get_property_value_length(reply.get());
    m_received += length;
    return Reply{Outcome::Converted, reply->type, reply->format,
                 QByteArray(static_cast<const char *>(xcb_get_property_value(reply.get())), length)};
}

SelectionReader::Reply SelectionReader::readIncrementally(xcb_atom_t property)
{
    xcb_connection_t *c = m_x.get();
    const xcb_window_t window = m_window;
    Reply whole{Outcome::Converted, XCB_ATOM_NONE, 8, {}};
    for (;;) {
        // Each chunk has its own deadline, and the read as a whole has one that grows with the bytes received.
        auto event = waitFor([=](const xcb_generic_event_t *e) {
            if (xcb::eventType(e) != XCB_PROPERTY_NOTIFY)
                return false;
            const auto *p = reinterpret_cast<const xcb_property_notify_event_t *>(e);
            return p->window == window && p->atom == property && p->state == XCB_PROPERTY_NEW_VALUE;
        });
        if (!event)
            return {};
        xcb::Ptr<xcb_get_property_reply_t> chunk(xcb_get_property_reply(
            c, xcb_get_property(c, 1, window, property, XCB_GET_PROPERTY_TYPE_ANY, 0, kMaxSize / 4), nullptr));
        xcb_flush(c);
        if (!chunk)
            return {};
        const int length = xcb_get_property_value_length(chunk.get());
        if (length == 0)
            return whole;
        // The chunks carry the data's real type and format.
        whole.type = chunk->type;
        whole.format = chunk->format;
        if (whole.data.size() + length > kMaxSize)
            return {};
        whole.data.append(static_cast<const char *>(xcb_get_property_value(chunk.get())), length);
        m_received += length;
    }
}

bool SelectionReader::isText(const Reply &reply, xcb_atom_t target) const
{
    // Owners type text replies as the target or as one of the text encodings; anything else (ATOM, INTEGER, ...)
    // is not text even when asked for as text.
    if (reply.format != 8)
        return false;
    const xcb_atom_t type = reply.type;
    return type == target || type == m_atoms.utf8String || type == XCB_ATOM_STRING || type == m_atoms.textPlainUtf8 ||
           type == m_atoms.textPlain;
}

QString SelectionReader::decodeText(const Reply &reply, xcb_atom_t target) const
{
    if (reply.type == XCB_ATOM_STRING || (target == XCB_ATOM_STRING && reply.type != m_atoms.utf8String))
        return QString::fromLatin1(reply.data);
    return QString::fromUtf8(reply.data);
}

QString SelectionReader::applicationOf(xcb_window_t window)
{
    xcb_connection_t *c = m_x.get();
    auto property = [c](xcb_window_t w, xcb_atom_t name, xcb_atom_t type, std::uint32_t longs) {
        return xcb::Ptr<xcb_get_property_reply_t>(
            xcb_get_property_reply(c, xcb_get_property(c, 0, w, name, type, 0, longs), nullptr));
    };
    // Toolkits put the class on their toplevels; the hidden window that owns a selection often only points to its
    // client leader, which has one.
    std::vector<xcb_window_t> candidates{window};
    if (auto leader = property(window, m_atoms.clientLeader, XCB_ATOM_WINDOW, 1);
        leader && leader->format == 32 && xcb_get_property_value_length(leader.get()) == 4) {
        const xcb_window_t id = *static_cast<const xcb_window_t *>(xcb_get_property_value(leader.get()));
        if (id != XCB_WINDOW_NONE && id != window)
            candidates.push_back(id);
    }
    for (const xcb_window_t candidate : candidates) {
        const auto wmClass = property(candidate, XCB_ATOM_WM_CLASS, XCB_ATOM_STRING, 256);
        if (!wmClass || wmClass->format != 8)
            continue;
        // "instance\0Class\0": the class names the application.
        const QByteArray value(static_cast<const char *>(xcb_get_property_value(wmClass.get())),
                               xcb_get_property_value_length(wmClass.get()));
        const QList<QByteArray> parts = value.split('\0');
        const QByteArray name = parts.size() > 1 && !parts.at(1).isEmpty() ? parts.at(1) : parts.value(0);
        if (!name.isEmpty())
            return QString::fromLocal8Bit(name);
    }
    return QString();
}

ClipboardContents SelectionReader::read(const std::stop_token &stop)
{
    ClipboardContents contents;
    if (!isValid() || stop.stop_requested())
        return contents;
    m_readStart = xcb::Clock::now();
    m_received = 0;
    m_stop = stop;
    m_end = End::Complete;
    // A stop asked for from another thread wakes the wait at once.
    std::stop_callback wake(stop, [this] {
        const std::uint64_t one = 1;
        [[maybe_unused]] const ssize_t n = ::write(m_wakeFd, &one, sizeof one);
    });
    struct Unwatch {
        SelectionReader *self;
        ~Unwatch()
        {
            self->watchOwner(false);
            xcb_flush(self->m_x.get());
        }
    } unwatch{this};
    watchOwner(true);
    // The owner query is a round trip: every notice older than it is queued by now, and is dropped.
    const xcb_window_t current = owner();
    while (xcb_generic_event_t *stale = xcb_poll_for_queued_event(m_x.get()))
        std::free(stale);
    if (current == XCB_WINDOW_NONE)
        return contents;

    xcb_atom_t asked = m_atoms.targets;
    const auto complete = [&]() -> ClipboardContents {
        logEnd(asked);
        if (m_end == End::Complete)
            return contents;
        ClipboardContents nothing;
        // A slow owner is named for the user: the copy it made is lost.
        if (m_end == End::Deadline) {
            nothing.ownerTooSlow = true;
            nothing.ownerName = applicationOf(current);
        }
        return nothing;
    };

    // Some owners answer any target, even ones they never offered: only ask for what TARGETS lists (typed ATOM, or
    // TARGETS by some older toolkits).
    std::vector<xcb_atom_t> offered;
    const Reply targets = convert(m_atoms.targets);
    if (targets.outcome == Outcome::Failed)
        return complete();
    if (targets.outcome == Outcome::Converted && targets.format == 32 &&
        (targets.type == XCB_ATOM_ATOM || targets.type == m_atoms.targets)) {
        const auto *atoms = reinterpret_cast<const xcb_atom_t *>(targets.data.constData());
        offered.assign(atoms, atoms + targets.data.size() / qsizetype(sizeof(xcb_atom_t)));
    } else {
        offered = {m_atoms.utf8String, XCB_ATOM_STRING};  // an old owner without TARGETS
    }
    const auto offers = [&](xcb_atom_t target) {
        return target != XCB_ATOM_NONE && std::find(offered.begin(), offered.end(), target) != offered.end();
    };

    if (offers(m_atoms.passwordHint)) {
        const Reply hint = convert(asked = m_atoms.passwordHint);
        if (hint.outcome == Outcome::Failed)
            return complete();
        if (hint.outcome == Outcome::Converted && hint.format == 8 && hint.data.trimmed() == "secret") {
            contents.concealed = true;
            return complete();
        }
    }

    const std::pair<xcb_atom_t, QList<QByteArray> (*)(const QByteArray &)> fileTypes[] = {
        {m_atoms.uriList, &splitUriList}, {m_atoms.gnomeFiles, &splitGnomeCopiedFiles}};
    for (const auto &[target, split] : fileTypes) {
        if (!offers(target))
            continue;
        const Reply files = convert(asked = target);
        if (files.outcome == Outcome::Failed)
            return complete();
        if (files.outcome == Outcome::Converted && files.format == 8) {
            contents.fileUrlItems = split(files.data);
            break;
        }
    }

    for (xcb_atom_t target :
         {m_atoms.utf8String, m_atoms.textPlainUtf8, xcb_atom_t(XCB_ATOM_STRING), m_atoms.text, m_atoms.textPlain}) {
        if (!offers(target))
            continue;
        const Reply text = convert(asked = target);
        if (text.outcome == Outcome::Failed)
            return complete();
        if (text.outcome == Outcome::Converted && isText(text, target)) {
            contents.string = decodeText(text, target);
            break;
        }
    }
    return complete();
}

}  // namespace tavrin
