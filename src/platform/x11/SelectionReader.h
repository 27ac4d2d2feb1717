// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Clipboard.h"
#include "platform/x11/XcbSupport.h"

#include <QByteArray>

#include <chrono>
#include <optional>
#include <stop_token>

namespace tavrin {

// Reads the CLIPBOARD selection synchronously on a private connection, on whatever thread calls it.
//
// Every request to the owner has its own deadline, and the whole read one more: its timeout plus the time its bytes
// take at a slow but sane rate, so an owner that trickles data cannot hold the reader. A read gives up as soon as
// the clipboard changes owner (what it reads is stale then) or its caller asks it to stop. Multi-megabyte data
// arrives through INCR.
class SelectionReader {
public:
    /// Content larger than this is not read.
    static constexpr qsizetype kMaxSize = 256 * 1024 * 1024;
    /// The slowest transfer a read waits for beyond its timeout.
    static constexpr qsizetype kMinBytesPerSecond = 1024 * 1024;

    explicit SelectionReader(std::chrono::milliseconds timeout);
    ~SelectionReader();
    SelectionReader(const SelectionReader &) = delete;
    SelectionReader &operator=(const SelectionReader &) = delete;

    bool isValid() const { return m_x.isValid() && m_wakeFd >= 0; }
    /// For the reads from now on; not during one.
    void setTimeout(std::chrono::milliseconds timeout) { m_timeout = timeout; }
    /// The window owning CLIPBOARD now (a quick server query).
    xcb_window_t owner();
    /// The file-URL and plain-string types, and whether a password manager marked the content secret; nothing
    /// once stop is requested, the owner changes or the deadline passes (then with the owner's name, when its window
    /// tells it).
    ClipboardContents read(const std::stop_token &stop = {});

private:
    enum class Outcome { Converted, Refused, Failed };
    enum class End { Complete, Stopped, OwnerChanged, Deadline, Broken };
    struct Reply {
        Outcome outcome = Outcome::Failed;
        xcb_atom_t type = XCB_ATOM_NONE;
        std::uint8_t format = 0;
        QByteArray data;
    };

    Reply convert(xcb_atom_t target);
    Reply readProperty(xcb_atom_t property);
    Reply readIncrementally(xcb_atom_t property);
    /// Waits for an accepted event within the request's and the read's deadlines; null when the read has to end.
    xcb::Ptr<xcb_generic_event_t> waitFor(const std::function<bool(const xcb_generic_event_t *)> &accept);
    bool endsRead(const xcb_generic_event_t *event) const;
    void giveUp(End why);
    void logEnd(xcb_atom_t target) const;
    xcb::Clock::time_point readDeadline() const;
    void watchOwner(bool watch);
    bool isText(const Reply &reply, xcb_atom_t target) const;
    QString decodeText(const Reply &reply, xcb_atom_t target) const;
    void replaceWindow();
    /// The class of the application that owns window: its WM_CLASS, or its client leader's; empty when neither says.
    QString applicationOf(xcb_window_t window);

    xcb::Connection m_x;
    std::chrono::milliseconds m_timeout;
    xcb_window_t m_window = XCB_WINDOW_NONE;
    std::vector<xcb_atom_t> m_properties;
    std::size_t m_nextProperty = 0;
    std::uint8_t m_xfixesEvent = 0;
    int m_wakeFd = -1;
    struct Atoms {
        xcb_atom_t clipboard, targets, incr, utf8String, textPlainUtf8, textPlain, text, uriList, gnomeFiles,
            passwordHint, clientLeader;
    } m_atoms{};

    // The read under way.
    xcb::Clock::time_point m_readStart;
    qsizetype m_received = 0;
    std::stop_token m_stop;
    End m_end = End::Complete;
};

}  // namespace tavrin
