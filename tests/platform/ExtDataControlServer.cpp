// SPDX-License-Identifier: GPL-3.0-or-later
#include "ExtDataControlServer.h"

#include "ext-data-control-v1-server-protocol.h"

#include <wayland-server.h>

#include <fcntl.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <condition_variable>
#include <deque>
#include <future>
#include <mutex>
#include <thread>

namespace tavrin::test {

namespace {

// One of the seat's two selections.
struct Selection {
    std::uint64_t generation = 0;
    wl_resource *source = nullptr;  // a client's source, or
    std::map<std::string, QByteArray> data;  // what the server serves itself
    std::vector<std::string> types;
};

struct OfferData;

}  // namespace

struct ExtDataControlServer::State {
    wl_display *display = nullptr;
    wl_event_loop *loop = nullptr;
    int wakeFd = -1;
    std::thread thread;

    std::mutex mutex;
    std::deque<std::function<void()>> calls;
    bool stop = false;

    // The server thread's own.
    std::vector<wl_resource *> devices;
    std::map<wl_resource *, std::vector<std::string>> sources;
    Selection clipboard;
    Selection primary;
    int devicesMade = 0;

    void announce(wl_resource *device, bool isPrimary);
    void select(bool isPrimary, wl_resource *source);
    void replace(bool isPrimary, Selection next);
    void forgetSource(wl_resource *source);
    void serve(const Selection &selection, const char *type, int fd);
};

namespace {

struct OfferData {
    ExtDataControlServer::State *state;
    std::uint64_t generation;
    bool primary;
};

void writeAll(int fd, const QByteArray &data)
{
    const char *at = data.constData();
    qsizetype left = data.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, at, std::size_t(left));
        if (n <= 0)
            return;
        at += n;
        left -= n;
    }
}

void destroyResource(wl_client *, wl_resource *resource)
{
    wl_resource_destroy(resource);
}

// Offers.
void offerReceive(wl_client *, wl_resource *resource, const char *type, int32_t fd)
{
    auto *offer = static_cast<OfferData *>(wl_resource_get_user_data(resource));
    const Selection &selection = offer->primary ? offer->state->primary : offer->state->clipboard;
    // An offer of a selection that is gone reads nothing.
    if (selection.generation == offer->generation)
        offer->state->serve(selection, type, fd);
    ::close(fd);
}

const struct ext_data_control_offer_v1_interface kOfferImplementation = {offerReceive, destroyResource};

void offerDestroyed(wl_resource *resource)
{
    delete static_cast<OfferData *>(wl_resource_get_user_data(resource));
}

// Sources.
void sourceOffer(wl_client *, wl_resource *resource, const char *type)
{
    auto *state = static_cast<ExtDataControlServer::State *>(wl_resource_get_user_data(resource));
    state->sources[resource].push_back(type);
}

const struct ext_data_control_source_v1_interface kSourceImplementation = {sourceOffer, destroyResource};

void sourceDestroyed(wl_resource *resource)
{
    static_cast<ExtDataControlServer::State *>(wl_resource_get_user_data(resource))->forgetSource(resource);
}

// Devices.
void deviceSetSelection(wl_client *, wl_resource *resource, wl_resource *source)
{
    static_cast<ExtDataControlServer::State *>(wl_resource_get_user_data(resource))->select(false, source);
}

void deviceSetPrimarySelection(wl_client *, wl_resource *resource, wl_resource *source)
{
    static_cast<ExtDataControlServer::State *>(wl_resource_get_user_data(resource))->select(true, source);
}

const struct ext_data_control_device_v1_interface kDeviceImplementation = {deviceSetSelection, destroyResource,
                                                                           deviceSetPrimarySelection};

void deviceDestroyed(wl_resource *resource)
{
    auto *state = static_cast<ExtDataControlServer::State *>(wl_resource_get_user_data(resource));
    std::erase(state->devices, resource);
}

// The manager.
void managerCreateSource(wl_client *client, wl_resource *resource, uint32_t id)
{
    wl_resource *source =
        wl_resource_create(client, &ext_data_control_source_v1_interface, wl_resource_get_version(resource), id);
    wl_resource_set_implementation(source, &kSourceImplementation, wl_resource_get_user_data(resource),
                                   sourceDestroyed);
}

void managerGetDevice(wl_client *client, wl_resource *resource, uint32_t id, wl_resource *)
{
    auto *state = static_cast<ExtDataControlServer::State *>(wl_resource_get_user_data(resource));
    wl_resource *device =
        wl_resource_create(client, &ext_data_control_device_v1_interface, wl_resource_get_version(resource), id);
    wl_resource_set_implementation(device, &kDeviceImplementation, state, deviceDestroyed);
    state->devices.push_back(device);
    ++state->devicesMade;
    // A new device learns both selections at once, as from a compositor.
    state->announce(device, false);
    state->announce(device, true);
}

const struct ext_data_control_manager_v1_interface kManagerImplementation = {managerCreateSource, managerGetDevice,
                                                                             destroyResource};

void bindManager(wl_client *client, void *data, uint32_t version, uint32_t id)
{
    wl_resource *manager = wl_resource_create(client, &ext_data_control_manager_v1_interface, int(version), id);
    wl_resource_set_implementation(manager, &kManagerImplementation, data, nullptr);
}

// The seat: only there to be named; it has no input devices.
void seatGetDevice(wl_client *, wl_resource *, uint32_t) {}
const struct wl_seat_interface kSeatImplementation = {seatGetDevice, seatGetDevice, seatGetDevice, destroyResource};

void bindSeat(wl_client *client, void *, uint32_t version, uint32_t id)
{
    wl_resource *seat = wl_resource_create(client, &wl_seat_interface, int(version), id);
    wl_resource_set_implementation(seat, &kSeatImplementation, nullptr, nullptr);
    wl_seat_send_capabilities(seat, 0);
}

}  // namespace

void ExtDataControlServer::State::announce(wl_resource *device, bool isPrimary)
{
    const Selection &selection = isPrimary ? primary : clipboard;
    wl_resource *offer = nullptr;
    if (selection.source || !selection.data.empty()) {
        offer = wl_resource_create(wl_resource_get_client(device), &ext_data_control_offer_v1_interface,
                                   wl_resource_get_version(device), 0);
        wl_resource_set_implementation(offer, &kOfferImplementation,
                                       new OfferData{this, selection.generation, isPrimary}, offerDestroyed);
        ext_data_control_device_v1_send_data_offer(device, offer);
        for (const std::string &type : selection.types)
            ext_data_control_offer_v1_send_offer(offer, type.c_str());
    }
    if (isPrimary)
        ext_data_control_device_v1_send_primary_selection(device, offer);
    else
        ext_data_control_device_v1_send_selection(device, offer);
}

void ExtDataControlServer::State::select(bool isPrimary, wl_resource *source)
{
    replace(isPrimary, Selection{0, source, {}, source ? sources[source] : std::vector<std::string>()});
}

void ExtDataControlServer::State::replace(bool isPrimary, Selection next)
{
    Selection &selection = isPrimary ? primary : clipboard;
    if (selection.source && selection.source != next.source)
        ext_data_control_source_v1_send_cancelled(selection.source);
    next.generation = selection.generation + 1;
    selection = std::move(next);
    for (wl_resource *device : devices)
        announce(device, isPrimary);
}

void ExtDataControlServer::State::forgetSource(wl_resource *source)
{
    sources.erase(source);
    for (const bool isPrimary : {false, true}) {
        Selection &selection = isPrimary ? primary : clipboard;
        if (selection.source == source) {
            selection.source = nullptr;  // no cancel to a source that is gone
            select(isPrimary, nullptr);
        }
    }
}

void ExtDataControlServer::State::serve(const Selection &selection, const char *type, int fd)
{
    if (selection.source) {
        ext_data_control_source_v1_send_send(selection.source, type, fd);  // the event carries a copy of fd
        return;
    }
    const auto it = selection.data.find(type);
    if (it != selection.data.end())
        writeAll(fd, it->second);
}

ExtDataControlServer::ExtDataControlServer() : m_state(std::make_unique<State>())
{
    State &s = *m_state;
    s.display = wl_display_create();
    if (!s.display)
        return;
    const char *name = wl_display_add_socket_auto(s.display);
    if (!name)
        return;
    m_socketName = name;
    wl_global_create(s.display, &wl_seat_interface, 1, &s, bindSeat);
    wl_global_create(s.display, &ext_data_control_manager_v1_interface, 1, &s, bindManager);
    s.loop = wl_display_get_event_loop(s.display);
    s.wakeFd = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    wl_event_loop_add_fd(
        s.loop, s.wakeFd, WL_EVENT_READABLE,
        [](int fd, uint32_t, void *) {
            std::uint64_t count = 0;
            [[maybe_unused]] const ssize_t n = ::read(fd, &count, sizeof count);
            return 0;
        },
        nullptr);
    s.thread = std::thread([this] { run(); });
}

ExtDataControlServer::~ExtDataControlServer()
{
    State &s = *m_state;
    if (s.thread.joinable()) {
        {
            std::lock_guard lock(s.mutex);
            s.stop = true;
        }
        const std::uint64_t one = 1;
        [[maybe_unused]] const ssize_t n = ::write(s.wakeFd, &one, sizeof one);
        s.thread.join();
    }
    if (s.display) {
        wl_display_destroy_clients(s.display);
        wl_display_destroy(s.display);
    }
    if (s.wakeFd >= 0)
        ::close(s.wakeFd);
}

void ExtDataControlServer::run()
{
    State &s = *m_state;
    for (;;) {
        std::deque<std::function<void()>> calls;
        {
            std::lock_guard lock(s.mutex);
            if (s.stop)
                return;
            calls.swap(s.calls);
        }
        for (auto &function : calls)
            function();
        wl_display_flush_clients(s.display);
        wl_event_loop_dispatch(s.loop, -1);
        wl_display_flush_clients(s.display);
    }
}

void ExtDataControlServer::call(const std::function<void()> &function)
{
    State &s = *m_state;
    if (!s.thread.joinable())
        return;
    auto done = std::make_shared<std::promise<void>>();
    std::future<void> finished = done->get_future();
    {
        std::lock_guard lock(s.mutex);
        s.calls.emplace_back([&function, done] {
            function();
            done->set_value();
        });
    }
    const std::uint64_t one = 1;
    [[maybe_unused]] const ssize_t n = ::write(s.wakeFd, &one, sizeof one);
    finished.wait();
}

void ExtDataControlServer::copy(const std::map<std::string, QByteArray> &data)
{
    Selection next;
    next.data = data;
    for (const auto &[type, bytes] : data)
        next.types.push_back(type);
    call([&] { m_state->replace(false, next); });
}

void ExtDataControlServer::clear()
{
    call([&] { m_state->select(false, nullptr); });
}

std::vector<std::string> ExtDataControlServer::clipboardTypes()
{
    std::vector<std::string> types;
    call([&] { types = m_state->clipboard.types; });
    return types;
}

std::vector<std::string> ExtDataControlServer::primaryTypes()
{
    std::vector<std::string> types;
    call([&] { types = m_state->primary.types; });
    return types;
}

int ExtDataControlServer::deviceCount()
{
    int count = 0;
    call([&] { count = m_state->devicesMade; });
    return count;
}

QByteArray ExtDataControlServer::paste(const std::string &type, bool primary)
{
    int ends[2];
    if (::pipe2(ends, O_CLOEXEC) != 0)
        return {};
    call([&] {
        const Selection &selection = primary ? m_state->primary : m_state->clipboard;
        m_state->serve(selection, type.c_str(), ends[1]);
    });
    ::close(ends[1]);
    QByteArray data;
    char buffer[4096];
    pollfd readable{ends[0], POLLIN, 0};
    while (::poll(&readable, 1, 5000) > 0) {
        const ssize_t n = ::read(ends[0], buffer, sizeof buffer);
        if (n <= 0)
            break;
        data.append(buffer, n);
    }
    ::close(ends[0]);
    return data;
}

}  // namespace tavrin::test
