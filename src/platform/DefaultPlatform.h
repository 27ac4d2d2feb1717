// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/BackendRequest.h"
#include "platform/Platform.h"

#include <memory>

namespace tavrin {

/// The backend for this session: the one asked for, else the one that serves the running desktop (CMake's
/// TAVRIN_PLATFORM says which backends the build carries). Needs a running QGuiApplication.
std::unique_ptr<Platform> createDefaultPlatform(BackendRequest request = BackendRequest::Automatic);

}  // namespace tavrin
