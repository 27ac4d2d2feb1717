// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Clipboard.h"
#include "platform/common/SelectionOffer.h"
#include "platform/x11/XcbSupport.h"

#include <QByteArray>

#include <condition_variable>
#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace tavrin {

// Owns CLIPBOARD (and on request PRIMARY) for the program and watches who else takes it, on its own thread with a
// private connection. It serves TARGETS, TIMESTAMP and the offered types (INCR for large data) until another
// client owns the selection.
class SelectionOwner {
public:
    /// Largest property written in one piece; larger data goes in INCR chunks of this size.
    static constexpr int kChunkSize = 256 * 1024;

    /// foreignChange runs on the owner's thread each time another client takes CLIPBOARD; dataRequested each time a
    /// client asks for the data of one of our offers (not merely their types).
    explicit SelectionOwner(std::function<void()> foreignChange, std::function<void()> dataRequested = {});
    ~SelectionOwner();
    SelectionOwner(const SelectionOwner &) = delete;
    SelectionOwner &operator=(const SelectionOwner &) = delete;

    bool isValid() const { return m_valid; }
    /// The window that holds our selections.
    xcb_window_t window() const { return m_window; }
    /// Takes CLIPBOARD with this offer; returns at once.
    void own(SelectionOffer offer);
    /// Also takes PRIMARY with the current offer; waits (bounded) until the server has made us its owner.
    bool ownPrimary(std::chrono::milliseconds wait);
    /// The offer while we own CLIPBOARD.
    std::optional<ClipboardContents> ownedContents() const;

private:
    struct Transfer {
        xcb_window_t requestor;
        xcb_atom_t property;
        xcb_atom_t type;
        QByteArray data;
        qsizetype offset = 0;
        xcb::Clock::time_point lastActivity;
    };

    void run();
    void wake();
    void requestTimestamp();
    void takeOwnership(xcb_timestamp_t time);
    void handleEvent(const xcb_generic_event_t *event);
    void handleRequest(const xcb_selection_request_event_t *request);
    bool answer(const xcb_selection_request_event_t *request, xcb_atom_t property);
    void continueTransfer(xcb_window_t window, xcb_atom_t property);
    void expireTransfers();
    xcb_atom_t atomFor(const std::string &name);

    xcb::Connection m_x;
    bool m_valid = false;
    xcb_window_t m_window = XCB_WINDOW_NONE;
    std::uint8_t m_xfixesEvent = 0;
    struct Atoms {
        xcb_atom_t clipboard, targets, timestamp, incr, utf8String, stampProperty;
    } m_atoms{};
    std::function<void()> m_foreignChange;
    std::function<void()> m_dataRequested;
    int m_wakeFd = -1;

    // Shared with the callers' threads.
    mutable std::mutex m_mutex;
    std::condition_variable m_primaryOwned;
    std::optional<SelectionOffer> m_lastOffer;
    std::optional<SelectionOffer> m_clipboardOffer;
    std::optional<SelectionOffer> m_primaryOffer;
    bool m_wantClipboard = false;
    bool m_wantPrimary = false;
    std::uint64_t m_primaryRequests = 0;
    std::uint64_t m_primaryGranted = 0;
    bool m_stop = false;

    // The owner thread's own state.
    bool m_waitingForTimestamp = false;
    xcb_timestamp_t m_clipboardTime = 0;
    xcb_timestamp_t m_primaryTime = 0;
    std::map<std::pair<xcb_window_t, xcb_atom_t>, Transfer> m_transfers;
    std::map<std::string, xcb_atom_t> m_atomCache;
    std::thread m_thread;
};

}  // namespace tavrin
