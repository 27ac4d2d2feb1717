// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/wayland/DataControlClient.h"

#include "platform/OwnedFd.h"
#include "platform/wayland/WaylandDisplay.h"
#include "platform/wayland/WaylandLog.h"

#include <wayland-client.h>

#include <csignal>
#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <future>

namespace tavrin {

namespace {
// A reader that takes nothing for this long is given up.
constexpr auto kTransferTimeout = std::chrono::seconds(10);
}  // namespace

DataControlClient::DataControlClient(SelectionListener listener, const char *display, DataRequestListener dataRequested)
    : m_listener(std::move(listener)),
      m_dataRequested(std::move(dataRequested)),
      m_display(std::make_unique<WaylandDisplay>(display))
{
    if (!m_display->isValid()) {
        m_problem = m_display->errorText();
        return;
    }
    // The standard family first; the wlroots one where only that exists.
    for (const dataControl::Family *family : {&dataControl::extFamily(), &dataControl::wlrFamily()}) {
        if (m_display->find(family->managerInterface)) {
            m_family = family;
            break;
        }
    }
    if (!m_family) {
        m_problem = "the compositor offers no data-control protocol";
        return;
    }
    m_manager = m_display->bind(m_family->managerInterface, m_family->manager, m_family->version);
    m_seat = m_display->bind("wl_seat", &wl_seat_interface, 1);
    if (!m_manager || !m_seat) {
        m_problem = "the compositor offers no seat";
        return;
    }
    m_hasPrimary = wl_proxy_get_version(m_manager) >= m_family->primarySince;
    m_device = dataControl::getDevice(m_manager, m_seat, *m_family);
    static const dataControl::DeviceListener deviceListener = {&onDataOffer, &onSelection, &onFinished,
                                                               &onPrimarySelection};
    dataControl::addListener(m_device, &deviceListener, this);
    // The current selection arrives right after the device: it is the state at start, no change.
    if (!m_display->roundtrip()) {
        m_problem = m_display->errorText();
        return;
    }
    m_wakeFd = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    if (m_wakeFd < 0) {
        m_problem = "no eventfd";
        return;
    }
    m_started = true;
    m_valid = true;
    m_thread = std::thread([this] { run(); });
}

void DataControlClient::stop()
{
    {
        std::lock_guard lock(m_mutex);
        m_stop = true;
    }
    if (m_thread.joinable()) {
        const std::uint64_t one = 1;
        [[maybe_unused]] const ssize_t n = ::write(m_wakeFd, &one, sizeof one);
        m_thread.join();
    }
}

DataControlClient::~DataControlClient()
{
    stop();
    m_commands.clear();
    m_transfers.clear();
    for (auto &[callback, promise] : m_syncs)
        wl_callback_destroy(callback);
    m_syncs.clear();
    for (auto &[source, state] : m_sources)
        dataControl::destroySource(source);
    for (auto &[offer, types] : m_offers)
        dataControl::destroyOffer(offer);
    if (m_device)
        dataControl::destroyDevice(m_device);
    if (m_manager)
        dataControl::destroyManager(m_manager);
    if (m_seat)
        wl_proxy_destroy(m_seat);
    if (m_display->isValid())
        wl_display_flush(m_display->get());
    if (m_wakeFd >= 0)
        ::close(m_wakeFd);
}

std::string DataControlClient::problem() const
{
    std::lock_guard lock(m_mutex);
    return m_problem;
}

std::string DataControlClient::protocolName() const
{
    return m_family ? m_family->managerInterface : std::string();
}

DataControlClient::Selection DataControlClient::selection() const
{
    std::lock_guard lock(m_mutex);
    return m_selection;
}

void DataControlClient::post(Command command)
{
    {
        std::lock_guard lock(m_mutex);
        if (m_stop || !m_valid)
            return;  // the command and what it holds are dropped here
        m_commands.push_back(std::move(command));
    }
    const std::uint64_t one = 1;
    [[maybe_unused]] const ssize_t n = ::write(m_wakeFd, &one, sizeof one);
}

bool DataControlClient::setSelection(SelectionOffer offer, std::function<void()> ended, std::chrono::milliseconds wait)
{
    auto shared = std::make_shared<Source>(Source{std::move(offer), std::move(ended)});
    if (!m_valid) {
        if (shared->ended)
            shared->ended();
        return false;
    }
    return postAndSync(
        [this, shared] { dataControl::setSelection(m_device, makeSource(shared->offer, shared->ended)); }, wait);
}

bool DataControlClient::setPrimarySelection(SelectionOffer offer, std::chrono::milliseconds wait)
{
    if (!m_valid || !m_hasPrimary)
        return false;
    return postAndSync(
        [this, offer = std::move(offer)] { dataControl::setPrimarySelection(m_device, makeSource(offer, {})); }, wait);
}

bool DataControlClient::postAndSync(Command command, std::chrono::milliseconds wait)
{
    if (wait.count() <= 0) {
        post(std::move(command));
        return true;
    }
    // Only the command holds the promise: a command that never runs breaks it, and the wait ends at once.
    auto synced = std::make_shared<std::promise<void>>();
    std::future<void> future = synced->get_future();
    post([this, command = std::move(command), synced] {
        command();
        // Once the compositor answers this sync it has handled the requests before it.
        wl_callback *callback = wl_display_sync(m_display->get());
        static const wl_callback_listener listener = {&onSyncDone};
        wl_callback_add_listener(callback, &listener, this);
        m_syncs[callback] = synced;
    });
    if (future.wait_for(wait) != std::future_status::ready)
        return false;
    try {
        future.get();
        return true;
    } catch (const std::future_error &) {
        return false;
    }
}

int DataControlClient::receive(std::uint64_t generation, const std::string &type)
{
    const auto [readEnd, writeEnd] = pipeIo::openPipe();
    if (readEnd < 0)
        return -1;
    // Closed by the command, or with it when the thread stopped before it ran.
    auto write = std::make_shared<OwnedFd>(writeEnd);
    post([this, generation, type, write] {
        // The request carries a copy of the write end; ours closes when this command is done, so the reader sees
        // the end of the data once the owner closes its copy.
        if (generation == m_selection.generation && m_selectionOffer)
            dataControl::receive(m_selectionOffer, type.c_str(), write->get());
    });
    return readEnd;
}

void DataControlClient::run()
{
    // A reader that goes away must end its transfer with EPIPE, not end the program.
    sigset_t pipeSignal;
    sigemptyset(&pipeSignal);
    sigaddset(&pipeSignal, SIGPIPE);
    pthread_sigmask(SIG_BLOCK, &pipeSignal, nullptr);

    wl_display *display = m_display->get();
    const int displayFd = wl_display_get_fd(display);
    for (;;) {
        runCommands();
        {
            std::lock_guard lock(m_mutex);
            if (m_stop)
                break;
        }
        bool prepared = true;
        while (prepared && wl_display_prepare_read(display) != 0)
            prepared = wl_display_dispatch_pending(display) >= 0;
        if (!prepared) {
            fail(m_display->errorText());
            break;
        }
        const bool backlog = wl_display_flush(display) < 0 && errno == EAGAIN;

        std::vector<pollfd> fds = {{displayFd, short(POLLIN | (backlog ? POLLOUT : 0)), 0}, {m_wakeFd, POLLIN, 0}};
        for (const auto &transfer : m_transfers)
            fds.push_back({transfer.fd(), POLLOUT, 0});
        const int ready = ::poll(fds.data(), fds.size(), m_transfers.empty() ? -1 : 1000);
        if (ready > 0 && (fds[0].revents & POLLIN))
            wl_display_read_events(display);
        else
            wl_display_cancel_read(display);
        wl_display_dispatch_pending(display);
        if (fds[1].revents & POLLIN) {
            std::uint64_t count = 0;
            [[maybe_unused]] const ssize_t n = ::read(m_wakeFd, &count, sizeof count);
        }

        const auto now = pipeIo::Clock::now();
        m_transfers.remove_if([&](pipeIo::Writer &transfer) {
            return !transfer.writeSome() || now - transfer.lastProgress() > kTransferTimeout;
        });
        if (wl_display_get_error(display) != 0) {
            fail(m_display->errorText());
            break;
        }
    }
}

void DataControlClient::runCommands()
{
    std::deque<Command> commands;
    {
        std::lock_guard lock(m_mutex);
        commands.swap(m_commands);
    }
    for (Command &command : commands)
        command();
}

void DataControlClient::fail(const std::string &reason)
{
    qCWarning(lcWayland) << "clipboard connection stopped:" << reason.c_str();
    std::lock_guard lock(m_mutex);
    m_problem = reason;
    m_valid = false;
    m_commands.clear();
}

wl_proxy *DataControlClient::makeSource(const SelectionOffer &offer, std::function<void()> ended)
{
    wl_proxy *source = dataControl::createSource(m_manager, *m_family);
    static const dataControl::SourceListener listener = {&onSend, &onCancelled};
    dataControl::addListener(source, &listener, this);
    for (const auto &format : offer.formats)
        dataControl::offerType(source, format.target.c_str());
    m_sources.emplace(source, Source{offer, std::move(ended)});
    return source;
}

void DataControlClient::serve(wl_proxy *source, const char *type, int fd)
{
    const auto it = m_sources.find(source);
    if (it != m_sources.end()) {
        for (const auto &format : it->second.offer.formats) {
            if (format.target == type) {
                if (m_dataRequested)
                    m_dataRequested();
                m_transfers.emplace_back(fd, format.data);
                if (m_transfers.back().writeSome())
                    return;
                m_transfers.pop_back();  // all of it fitted into the pipe at once
                return;
            }
        }
    }
    ::close(fd);  // a type we never offered: the reader gets nothing
}

void DataControlClient::dropUnusedOffers()
{
    for (auto it = m_offers.begin(); it != m_offers.end();) {
        if (it->first == m_selectionOffer || it->first == m_primaryOffer) {
            ++it;
            continue;
        }
        dataControl::destroyOffer(it->first);
        it = m_offers.erase(it);
    }
}

void DataControlClient::onDataOffer(void *data, wl_proxy *, wl_proxy *offer)
{
    auto *self = static_cast<DataControlClient *>(data);
    static const dataControl::OfferListener listener = {&onOfferType};
    dataControl::addListener(offer, &listener, self);
    self->m_offers[offer];
}

void DataControlClient::onOfferType(void *data, wl_proxy *offer, const char *type)
{
    static_cast<DataControlClient *>(data)->m_offers[offer].push_back(type);
}

void DataControlClient::onSelection(void *data, wl_proxy *, wl_proxy *offer)
{
    auto *self = static_cast<DataControlClient *>(data);
    self->m_selectionOffer = offer;
    Selection selection;
    {
        std::lock_guard lock(self->m_mutex);
        self->m_selection.generation += 1;
        self->m_selection.empty = offer == nullptr;
        self->m_selection.types = offer ? self->m_offers[offer] : std::vector<std::string>();
        selection = self->m_selection;
    }
    self->dropUnusedOffers();
    if (self->m_started && self->m_listener)
        self->m_listener(selection);
}

void DataControlClient::onPrimarySelection(void *data, wl_proxy *, wl_proxy *offer)
{
    auto *self = static_cast<DataControlClient *>(data);
    self->m_primaryOffer = offer;
    self->dropUnusedOffers();
}

void DataControlClient::onFinished(void *data, wl_proxy *)
{
    auto *self = static_cast<DataControlClient *>(data);
    // The seat is gone; the device is of no more use.
    dataControl::destroyDevice(self->m_device);
    self->m_device = nullptr;
    self->fail("the seat's clipboard was withdrawn");
}

void DataControlClient::onSyncDone(void *data, wl_callback *callback, std::uint32_t)
{
    auto *self = static_cast<DataControlClient *>(data);
    const auto it = self->m_syncs.find(callback);
    if (it != self->m_syncs.end()) {
        it->second->set_value();
        self->m_syncs.erase(it);
    }
    wl_callback_destroy(callback);
}

void DataControlClient::onSend(void *data, wl_proxy *source, const char *type, std::int32_t fd)
{
    static_cast<DataControlClient *>(data)->serve(source, type, fd);
}

void DataControlClient::onCancelled(void *data, wl_proxy *source)
{
    auto *self = static_cast<DataControlClient *>(data);
    const auto it = self->m_sources.find(source);
    if (it != self->m_sources.end()) {
        if (it->second.ended)
            it->second.ended();
        self->m_sources.erase(it);
    }
    dataControl::destroySource(source);
}

}  // namespace tavrin
