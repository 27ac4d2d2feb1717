#pragma once

#include <cstdint>
#include <optional>

namespace tavrin {

/// The X keysym of the key at a Carbon virtual key code's position on a US keyboard (9 is `v`, 122 is F1, 36
/// Return). The modifier keys follow the desktop convention: Command is Control, Option is Alt, Control is Super.
/// None for a code without a key and for the fn key, which X never sees.
std::optional<std::uint32_t> keysymForCarbonKeyCode(std::uint32_t carbonKeyCode);

}  // namespace tavrin
