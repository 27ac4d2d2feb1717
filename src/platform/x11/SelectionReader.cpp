#include "platform/x11/SelectionReader.h"

#include "platform/common/UriList.h"

#include <algorithm>
#include <string>

namespace tavrin {

namespace {
constexpr int kPropertyPool = 8;
}

SelectionReader::SelectionReader(std::chrono::milliseconds timeout) : m_timeout(timeout)
{
    if (!m_x.isValid())
        return;
    const auto a = m_x.atoms({"CLIPBOARD", "TARGETS", "INCR", "UTF8_STRING", "text/plain;charset=utf-8", "text/plain",
                              "TEXT", "text/uri-list", "x-special/gnome-copied-files", "x-kde-passwordManagerHint"});
    m_atoms = Atoms{a[0], a[1], a[2], a[3], a[4], a[5], a[6], a[7], a[8], a[9]};
    // A rotating set of property names: a late reply to an old request never lands on the current one's name.
    std::vector<std::string> names;
    for (int i = 0; i < kPropertyPool; ++i)
        names.push_back("_TAVRIN_READ_" + std::to_string(i));
    std::vector<const char *> raw;
    for (const auto &name : names)
        raw.push_back(name.c_str());
    m_properties = m_x.atoms(raw);
    m_window = m_x.createHelperWindow();
}

SelectionReader::~SelectionReader()
{
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

SelectionReader::Reply SelectionReader::convert(xcb_atom_t target)
{
    xcb_connection_t *c = m_x.get();
    const xcb_atom_t property = m_properties[m_nextProperty++ % m_properties.size()];
    xcb_delete_property(c, m_window, property);
    xcb_convert_selection(c, m_window, m_atoms.clipboard, target, property, XCB_CURRENT_TIME);
    xcb_flush(c);

    const auto deadline = xcb::Clock::now() + m_timeout;
    const xcb_window_t window = m_window;
    const xcb_atom_t selection = m_atoms.clipboard;
    auto notify = m_x.waitForEvent(deadline, [=](const xcb_generic_event_t *event) {
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
        return Reply{Outcome::Refused, XCB_ATOM_NONE, {}};
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
        if (auto data = readIncrementally(property))
            return Reply{Outcome::Converted, reply->type, *data};
        replaceWindow();
        return {};
    }
    const int length = xcb_get_property_value_length(reply.get());
    return Reply{Outcome::Converted, reply->type,
                 QByteArray(static_cast<const char *>(xcb_get_property_value(reply.get())), length)};
}

std::optional<QByteArray> SelectionReader::readIncrementally(xcb_atom_t property)
{
    xcb_connection_t *c = m_x.get();
    const xcb_window_t window = m_window;
    QByteArray data;
    for (;;) {
        // Each chunk has its own deadline: a large transfer may take long as long as it moves.
        auto event = m_x.waitForEvent(xcb::Clock::now() + m_timeout, [=](const xcb_generic_event_t *e) {
            if (xcb::eventType(e) != XCB_PROPERTY_NOTIFY)
                return false;
            const auto *p = reinterpret_cast<const xcb_property_notify_event_t *>(e);
            return p->window == window && p->atom == property && p->state == XCB_PROPERTY_NEW_VALUE;
        });
        if (!event)
            return std::nullopt;
        xcb::Ptr<xcb_get_property_reply_t> chunk(xcb_get_property_reply(
            c, xcb_get_property(c, 1, window, property, XCB_GET_PROPERTY_TYPE_ANY, 0, kMaxSize / 4), nullptr));
        xcb_flush(c);
        if (!chunk)
            return std::nullopt;
        const int length = xcb_get_property_value_length(chunk.get());
        if (length == 0)
            return data;
        if (data.size() + length > kMaxSize)
            return std::nullopt;
        data.append(static_cast<const char *>(xcb_get_property_value(chunk.get())), length);
    }
}

QString SelectionReader::decodeText(const Reply &reply, xcb_atom_t target) const
{
    if (reply.type == XCB_ATOM_STRING || (target == XCB_ATOM_STRING && reply.type != m_atoms.utf8String))
        return QString::fromLatin1(reply.data);
    return QString::fromUtf8(reply.data);
}

PasteboardContents SelectionReader::read()
{
    PasteboardContents contents;
    if (!m_x.isValid() || owner() == XCB_WINDOW_NONE)
        return contents;

    // Some owners answer any target, even ones they never offered: only ask for what TARGETS lists (typed ATOM, or
    // TARGETS by some older toolkits).
    std::vector<xcb_atom_t> offered;
    const Reply targets = convert(m_atoms.targets);
    if (targets.outcome == Outcome::Failed)
        return contents;
    if (targets.outcome == Outcome::Converted && (targets.type == XCB_ATOM_ATOM || targets.type == m_atoms.targets)) {
        const auto *atoms = reinterpret_cast<const xcb_atom_t *>(targets.data.constData());
        offered.assign(atoms, atoms + targets.data.size() / qsizetype(sizeof(xcb_atom_t)));
    } else {
        offered = {m_atoms.utf8String, XCB_ATOM_STRING};  // an old owner without TARGETS
    }
    const auto offers = [&](xcb_atom_t target) {
        return target != XCB_ATOM_NONE && std::find(offered.begin(), offered.end(), target) != offered.end();
    };

    if (offers(m_atoms.passwordHint)) {
        const Reply hint = convert(m_atoms.passwordHint);
        if (hint.outcome == Outcome::Failed)
            return contents;
        if (hint.outcome == Outcome::Converted && hint.data.trimmed() == "secret") {
            contents.concealed = true;
            return contents;
        }
    }

    const std::pair<xcb_atom_t, QList<QByteArray> (*)(const QByteArray &)> fileTypes[] = {
        {m_atoms.uriList, &splitUriList}, {m_atoms.gnomeFiles, &splitGnomeCopiedFiles}};
    for (const auto &[target, split] : fileTypes) {
        if (!offers(target))
            continue;
        const Reply files = convert(target);
        if (files.outcome == Outcome::Failed)
            return contents;
        if (files.outcome == Outcome::Converted) {
            contents.fileUrlItems = split(files.data);
            break;
        }
    }

    for (xcb_atom_t target :
         {m_atoms.utf8String, m_atoms.textPlainUtf8, xcb_atom_t(XCB_ATOM_STRING), m_atoms.text, m_atoms.textPlain}) {
        if (!offers(target))
            continue;
        const Reply text = convert(target);
        if (text.outcome == Outcome::Failed)
            return contents;
        if (text.outcome == Outcome::Converted) {
            contents.string = decodeText(text, target);
            break;
        }
    }
    return contents;
}

}  // namespace tavrin
