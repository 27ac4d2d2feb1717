#pragma once

#include <array>
#include <cstdint>

namespace tavrin::modifierKeys {

// The modifier flags of the key model and the keys that give them on Linux: Command is Control (the primary
// shortcut modifier), Option is Alt, Control is Super.

inline constexpr std::uint64_t kShiftFlag = 0x20000;
inline constexpr std::uint64_t kControlFlag = 0x40000;
inline constexpr std::uint64_t kOptionFlag = 0x80000;
inline constexpr std::uint64_t kCommandFlag = 0x100000;

inline constexpr std::uint32_t kShiftLKeysym = 0xffe1;
inline constexpr std::uint32_t kControlLKeysym = 0xffe3;
inline constexpr std::uint32_t kAltLKeysym = 0xffe9;
inline constexpr std::uint32_t kSuperLKeysym = 0xffeb;

struct FlagKey {
    std::uint64_t flag;
    std::uint32_t keysym;  // the left-hand key
};
inline constexpr std::array<FlagKey, 4> kFlagKeys = {{{kCommandFlag, kControlLKeysym},
                                                      {kShiftFlag, kShiftLKeysym},
                                                      {kOptionFlag, kAltLKeysym},
                                                      {kControlFlag, kSuperLKeysym}}};

/// True for the key-model codes of modifier keys (Command, Shift, Caps Lock, Option, Control, both sides).
constexpr bool isModifierKeyCode(std::uint16_t code)
{
    return code >= 54 && code <= 63;
}

}  // namespace tavrin::modifierKeys
