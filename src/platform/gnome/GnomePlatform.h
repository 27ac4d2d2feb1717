// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Platform.h"

#include <memory>

namespace tavrin {

/// The GNOME Wayland backend: the clipboard, typing and global shortcuts through Tavrin's GNOME Shell extension,
/// the rest as on any freedesktop desktop. Without the extension it says so (log, notice, capabilities) and picks it
/// up when it appears on the bus. Needs a running QGuiApplication.
std::unique_ptr<Platform> createGnomePlatform();

}  // namespace tavrin
