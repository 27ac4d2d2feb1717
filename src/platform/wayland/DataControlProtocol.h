// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

struct wl_interface;
struct wl_proxy;

namespace tavrin::dataControl {

// The clipboard-manager protocol comes in two families with the same requests and events in the same order: ext
// (the standard) and the older wlroots one. One implementation serves both; only the interface descriptions differ.
struct Family {
    /// The manager's global name in the registry.
    const char *managerInterface;
    /// The highest version this program speaks.
    std::uint32_t version;
    /// The first version with the primary selection.
    std::uint32_t primarySince;
    const wl_interface *manager;
    const wl_interface *device;
    const wl_interface *source;
    const wl_interface *offer;
};

const Family &extFamily();
const Family &wlrFamily();

// Requests, by the family's interfaces.
wl_proxy *createSource(wl_proxy *manager, const Family &family);
wl_proxy *getDevice(wl_proxy *manager, wl_proxy *seat, const Family &family);
void destroyManager(wl_proxy *manager);
void setSelection(wl_proxy *device, wl_proxy *source);
void setPrimarySelection(wl_proxy *device, wl_proxy *source);
void destroyDevice(wl_proxy *device);
void offerType(wl_proxy *source, const char *mimeType);
void destroySource(wl_proxy *source);
void receive(wl_proxy *offer, const char *mimeType, int fd);
void destroyOffer(wl_proxy *offer);

// Events, laid out as libwayland dispatches them (one function pointer per event, in event order).
struct DeviceListener {
    void (*dataOffer)(void *data, wl_proxy *device, wl_proxy *offer);
    void (*selection)(void *data, wl_proxy *device, wl_proxy *offer);
    void (*finished)(void *data, wl_proxy *device);
    void (*primarySelection)(void *data, wl_proxy *device, wl_proxy *offer);
};
struct SourceListener {
    void (*send)(void *data, wl_proxy *source, const char *mimeType, std::int32_t fd);
    void (*cancelled)(void *data, wl_proxy *source);
};
struct OfferListener {
    void (*offer)(void *data, wl_proxy *offer, const char *mimeType);
};

int addListener(wl_proxy *proxy, const DeviceListener *listener, void *data);
int addListener(wl_proxy *proxy, const SourceListener *listener, void *data);
int addListener(wl_proxy *proxy, const OfferListener *listener, void *data);

}  // namespace tavrin::dataControl
