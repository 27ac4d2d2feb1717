// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Qt's thread pools and event queues hand work between threads under mutexes inside libQt6Core, which a
// ThreadSanitizer build cannot see into. These tell it where such a hand-over orders two threads; elsewhere they
// are nothing.

#if defined(__SANITIZE_THREAD__)
#include <sanitizer/tsan_interface.h>
#endif

namespace tavrin {

/// What this thread did so far is seen by whoever later calls handedOver() with the same address.
inline void handingOver([[maybe_unused]] const void *at)
{
#if defined(__SANITIZE_THREAD__)
    __tsan_release(const_cast<void *>(at));
#endif
}

inline void handedOver([[maybe_unused]] const void *at)
{
#if defined(__SANITIZE_THREAD__)
    __tsan_acquire(const_cast<void *>(at));
#endif
}

}  // namespace tavrin
