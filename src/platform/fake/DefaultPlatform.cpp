// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DefaultPlatform.h"

#include "platform/fake/FakePlatform.h"

namespace tavrin {

// A program over the in-memory backend: it starts and shows its windows, but sees no clipboard and pastes
// nowhere. It proves that nothing above the platform depends on a particular backend.
std::unique_ptr<Platform> createDefaultPlatform(BackendRequest)
{
    return std::make_unique<FakePlatform>();
}

}  // namespace tavrin
