// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/wayland/DataControlProtocol.h"

#include "ext-data-control-v1-client-protocol.h"
#include "wlr-data-control-unstable-v1-client-protocol.h"

namespace tavrin::dataControl {

// The families share their opcodes; the generated headers prove it at compile time.
static_assert(EXT_DATA_CONTROL_MANAGER_V1_CREATE_DATA_SOURCE == ZWLR_DATA_CONTROL_MANAGER_V1_CREATE_DATA_SOURCE);
static_assert(EXT_DATA_CONTROL_MANAGER_V1_GET_DATA_DEVICE == ZWLR_DATA_CONTROL_MANAGER_V1_GET_DATA_DEVICE);
static_assert(EXT_DATA_CONTROL_MANAGER_V1_DESTROY == ZWLR_DATA_CONTROL_MANAGER_V1_DESTROY);
static_assert(EXT_DATA_CONTROL_DEVICE_V1_SET_SELECTION == ZWLR_DATA_CONTROL_DEVICE_V1_SET_SELECTION);
static_assert(EXT_DATA_CONTROL_DEVICE_V1_DESTROY == ZWLR_DATA_CONTROL_DEVICE_V1_DESTROY);
static_assert(EXT_DATA_CONTROL_DEVICE_V1_SET_PRIMARY_SELECTION == ZWLR_DATA_CONTROL_DEVICE_V1_SET_PRIMARY_SELECTION);
static_assert(EXT_DATA_CONTROL_SOURCE_V1_OFFER == ZWLR_DATA_CONTROL_SOURCE_V1_OFFER);
static_assert(EXT_DATA_CONTROL_SOURCE_V1_DESTROY == ZWLR_DATA_CONTROL_SOURCE_V1_DESTROY);
static_assert(EXT_DATA_CONTROL_OFFER_V1_RECEIVE == ZWLR_DATA_CONTROL_OFFER_V1_RECEIVE);
static_assert(EXT_DATA_CONTROL_OFFER_V1_DESTROY == ZWLR_DATA_CONTROL_OFFER_V1_DESTROY);
static_assert(sizeof(DeviceListener) == sizeof(ext_data_control_device_v1_listener));
static_assert(sizeof(DeviceListener) == sizeof(zwlr_data_control_device_v1_listener));
static_assert(sizeof(SourceListener) == sizeof(ext_data_control_source_v1_listener));
static_assert(sizeof(OfferListener) == sizeof(ext_data_control_offer_v1_listener));

const Family &extFamily()
{
    static const Family family{"ext_data_control_manager_v1",
                               1,
                               1,
                               &ext_data_control_manager_v1_interface,
                               &ext_data_control_device_v1_interface,
                               &ext_data_control_source_v1_interface,
                               &ext_data_control_offer_v1_interface};
    return family;
}

const Family &wlrFamily()
{
    static const Family family{"zwlr_data_control_manager_v1",
                               2,
                               ZWLR_DATA_CONTROL_DEVICE_V1_SET_PRIMARY_SELECTION_SINCE_VERSION,
                               &zwlr_data_control_manager_v1_interface,
                               &zwlr_data_control_device_v1_interface,
                               &zwlr_data_control_source_v1_interface,
                               &zwlr_data_control_offer_v1_interface};
    return family;
}

namespace {
std::uint32_t versionOf(wl_proxy *proxy)
{
    return wl_proxy_get_version(proxy);
}
}  // namespace

wl_proxy *createSource(wl_proxy *manager, const Family &family)
{
    return wl_proxy_marshal_flags(manager, EXT_DATA_CONTROL_MANAGER_V1_CREATE_DATA_SOURCE, family.source,
                                  versionOf(manager), 0, nullptr);
}

wl_proxy *getDevice(wl_proxy *manager, wl_proxy *seat, const Family &family)
{
    return wl_proxy_marshal_flags(manager, EXT_DATA_CONTROL_MANAGER_V1_GET_DATA_DEVICE, family.device,
                                  versionOf(manager), 0, nullptr, seat);
}

void destroyManager(wl_proxy *manager)
{
    wl_proxy_marshal_flags(manager, EXT_DATA_CONTROL_MANAGER_V1_DESTROY, nullptr, versionOf(manager),
                           WL_MARSHAL_FLAG_DESTROY);
}

void setSelection(wl_proxy *device, wl_proxy *source)
{
    wl_proxy_marshal_flags(device, EXT_DATA_CONTROL_DEVICE_V1_SET_SELECTION, nullptr, versionOf(device), 0, source);
}

void setPrimarySelection(wl_proxy *device, wl_proxy *source)
{
    wl_proxy_marshal_flags(device, EXT_DATA_CONTROL_DEVICE_V1_SET_PRIMARY_SELECTION, nullptr, versionOf(device), 0,
                           source);
}

void destroyDevice(wl_proxy *device)
{
    wl_proxy_marshal_flags(device, EXT_DATA_CONTROL_DEVICE_V1_DESTROY, nullptr, versionOf(device),
                           WL_MARSHAL_FLAG_DESTROY);
}

void offerType(wl_proxy *source, const char *mimeType)
{
    wl_proxy_marshal_flags(source, EXT_DATA_CONTROL_SOURCE_V1_OFFER, nullptr, versionOf(source), 0, mimeType);
}

void destroySource(wl_proxy *source)
{
    wl_proxy_marshal_flags(source, EXT_DATA_CONTROL_SOURCE_V1_DESTROY, nullptr, versionOf(source),
                           WL_MARSHAL_FLAG_DESTROY);
}

void receive(wl_proxy *offer, const char *mimeType, int fd)
{
    wl_proxy_marshal_flags(offer, EXT_DATA_CONTROL_OFFER_V1_RECEIVE, nullptr, versionOf(offer), 0, mimeType, fd);
}

void destroyOffer(wl_proxy *offer)
{
    wl_proxy_marshal_flags(offer, EXT_DATA_CONTROL_OFFER_V1_DESTROY, nullptr, versionOf(offer),
                           WL_MARSHAL_FLAG_DESTROY);
}

namespace {
using Untyped = void (**)(void);
int add(wl_proxy *proxy, const void *listener, void *data)
{
    return wl_proxy_add_listener(proxy, reinterpret_cast<Untyped>(const_cast<void *>(listener)), data);
}
}  // namespace

int addListener(wl_proxy *proxy, const DeviceListener *listener, void *data)
{
    return add(proxy, listener, data);
}

int addListener(wl_proxy *proxy, const SourceListener *listener, void *data)
{
    return add(proxy, listener, data);
}

int addListener(wl_proxy *proxy, const OfferListener *listener, void *data)
{
    return add(proxy, listener, data);
}

}  // namespace tavrin::dataControl
