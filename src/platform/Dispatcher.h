// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

class QObject;

namespace tavrin {

// Background work on lanes of its own, and hand-back to the GUI thread.
//
// Background work runs on lanes, each one thread that takes its jobs in order: a clipboard read waiting on a slow
// owner never holds up a search, and a file test on a hung mount holds up neither. What a job hands back runs on the
// GUI thread on behalf of a context object, and only while that object exists (as QtConcurrent's then(context)).
class Dispatcher {
public:
    using Task = std::function<void()>;
    /// Work off the GUI thread; the task it returns, when set, runs on the GUI thread after it.
    using Job = std::function<Task()>;

    enum class Lane {
        Capture,  // clipboard reads
        Search,  // filtering long lists
        Files,  // looking at the file system
        Output,  // writing listings to readers that may be slow; two threads, so one stalled reader blocks no other
        Release,  // freeing long lists, which would hold up the thread that lets go of them, and packing their texts
    };

    Dispatcher() = default;
    Dispatcher(const Dispatcher &) = delete;
    Dispatcher &operator=(const Dispatcher &) = delete;
    /// Jobs not yet started are dropped, and a running job is waited for.
    virtual ~Dispatcher() = default;

    /// Runs job on the lane's thread after the lane's earlier jobs; its follow-up runs on the GUI thread unless context
    /// (an object of the GUI thread) or the dispatcher is gone by then. Call it on the GUI thread.
    virtual void runInBackground(Lane lane, QObject *context, Job job) = 0;
};

}  // namespace tavrin
