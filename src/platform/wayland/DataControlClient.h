// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/common/SelectionOffer.h"
#include "platform/wayland/DataControlProtocol.h"
#include "platform/wayland/PipeIo.h"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <deque>
#include <functional>
#include <future>
#include <list>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace tavrin {

class WaylandDisplay;
}  // namespace tavrin

struct wl_callback;

namespace tavrin {

// The seat's clipboard through the compositor's data-control protocol, on a connection and thread of its own: it
// follows the selection whatever window has the focus, serves our offers to other programs, and hands out pipes
// for reading the current selection.
//
// A thread rather than a socket notifier on the GUI thread: serving a paste must not wait for a busy GUI thread, and
// a read on the capture worker must never wait for the GUI thread either.
class DataControlClient {
public:
    struct Selection {
        /// Moves with every selection the compositor announces.
        std::uint64_t generation = 0;
        bool empty = true;
        std::vector<std::string> types;
    };
    /// Runs on the client's thread for each new selection after the one found at start.
    using SelectionListener = std::function<void(const Selection &)>;

    /// Runs on the client's thread each time another program asks for the data of one of our offers.
    using DataRequestListener = std::function<void()>;

    /// Connects to the named display ($WAYLAND_DISPLAY when null) and takes the current selection; check isValid().
    explicit DataControlClient(SelectionListener listener, const char *display = nullptr,
                               DataRequestListener dataRequested = {});
    ~DataControlClient();
    DataControlClient(const DataControlClient &) = delete;
    DataControlClient &operator=(const DataControlClient &) = delete;

    /// Stops the thread: no listener or ended callback runs after this returns. The destructor calls it too.
    void stop();

    /// True while the connection and the device work.
    bool isValid() const { return m_valid.load(); }
    /// Why it does not work, for the log; empty while it does.
    std::string problem() const;
    /// The manager interface in use ("ext_data_control_manager_v1", "zwlr_data_control_manager_v1"), or empty.
    std::string protocolName() const;
    /// True when the compositor lets us set the primary selection.
    bool hasPrimarySelection() const { return m_hasPrimary; }

    /// The selection as last announced.
    Selection selection() const;
    /// Makes this offer the clipboard and waits (bounded; not at all for 0) until the compositor has it: a paste
    /// that follows must find it there. ended runs on the client's thread when the compositor drops the offer
    /// (another selection replaced it) or when it could not be made. False when the wait ran out.
    bool setSelection(SelectionOffer offer, std::function<void()> ended, std::chrono::milliseconds wait);
    /// Makes this offer the primary selection and waits (bounded) until the compositor has it.
    bool setPrimarySelection(SelectionOffer offer, std::chrono::milliseconds wait);
    /// Asks the owner of the selection `generation` for one type: the read end of a pipe, -1 when no pipe could be
    /// made. A selection that has moved on meanwhile gives a pipe that closes at once.
    int receive(std::uint64_t generation, const std::string &type);

private:
    struct Source {
        SelectionOffer offer;
        std::function<void()> ended;
    };
    using Command = std::function<void()>;

    void post(Command command);
    /// Posts a command that sends requests, and waits (bounded) until the compositor has handled them.
    bool postAndSync(Command command, std::chrono::milliseconds wait);
    void run();
    void runCommands();
    void fail(const std::string &reason);
    void flushDisplay();
    wl_proxy *makeSource(const SelectionOffer &offer, std::function<void()> ended);
    void dropUnusedOffers();
    void serve(wl_proxy *source, const char *type, int fd);

    static void onDataOffer(void *data, wl_proxy *device, wl_proxy *offer);
    static void onSelection(void *data, wl_proxy *device, wl_proxy *offer);
    static void onFinished(void *data, wl_proxy *device);
    static void onPrimarySelection(void *data, wl_proxy *device, wl_proxy *offer);
    static void onSend(void *data, wl_proxy *source, const char *type, std::int32_t fd);
    static void onCancelled(void *data, wl_proxy *source);
    static void onOfferType(void *data, wl_proxy *offer, const char *type);
    static void onSyncDone(void *data, wl_callback *callback, std::uint32_t);

    SelectionListener m_listener;
    DataRequestListener m_dataRequested;
    std::unique_ptr<WaylandDisplay> m_display;
    const dataControl::Family *m_family = nullptr;
    wl_proxy *m_manager = nullptr;
    wl_proxy *m_seat = nullptr;
    wl_proxy *m_device = nullptr;
    bool m_hasPrimary = false;
    std::atomic<bool> m_valid{false};
    bool m_started = false;
    int m_wakeFd = -1;

    // Shared with the callers' threads.
    mutable std::mutex m_mutex;
    Selection m_selection;
    std::string m_problem;
    std::deque<Command> m_commands;
    bool m_stop = false;

    // The client thread's own state.
    std::map<wl_proxy *, std::vector<std::string>> m_offers;
    wl_proxy *m_selectionOffer = nullptr;
    wl_proxy *m_primaryOffer = nullptr;
    std::map<wl_proxy *, Source> m_sources;
    std::list<pipeIo::Writer> m_transfers;
    std::map<wl_callback *, std::shared_ptr<std::promise<void>>> m_syncs;
    std::thread m_thread;
};

}  // namespace tavrin
