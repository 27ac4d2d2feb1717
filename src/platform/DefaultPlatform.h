#pragma once

#include "platform/Platform.h"

#include <memory>

namespace tavrin {

/// The backend this build was made for (chosen by CMake's TAVRIN_PLATFORM); needs a running QGuiApplication.
std::unique_ptr<Platform> createDefaultPlatform();

}  // namespace tavrin
