// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace tavrin {

/// The reverse-DNS name the desktop knows Tavrin by: its desktop entry, icon, AppStream component, windows and sound
/// events, and the prefix of its D-Bus names.
inline constexpr const char *kApplicationId = "io.tavrin.Tavrin";

}  // namespace tavrin
