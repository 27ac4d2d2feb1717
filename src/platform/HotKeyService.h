#pragma once

#include <cstdint>
#include <functional>

namespace tavrin {

// System-wide hot keys, shaped like the Carbon Event Manager calls the registry is written against.
using OSStatus = std::int32_t;
inline constexpr OSStatus noErr = 0;
inline constexpr OSStatus eventNotHandledErr = -9874;

struct EventHotKeyID {
    std::uint32_t signature = 0;
    std::uint32_t id = 0;
};

class HotKeyService {
public:
    HotKeyService() = default;
    HotKeyService(const HotKeyService &) = delete;
    HotKeyService &operator=(const HotKeyService &) = delete;
    virtual ~HotKeyService() = default;
};

}  // namespace tavrin
