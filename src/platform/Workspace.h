// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QUrl>

#include <cstdint>
#include <functional>

class QObject;

namespace tavrin {

// The desktop around the program: URLs, running applications, windows and their activation.
class Workspace {
public:
    using WindowId = std::uint64_t;  // 0 is no window

    Workspace() = default;
    Workspace(const Workspace &) = delete;
    Workspace &operator=(const Workspace &) = delete;
    virtual ~Workspace() = default;

    /// Opens a URL with the user's preferred handler; false when nothing could open it.
    virtual bool openUrl(const QUrl &url) = 0;
    /// True when an application with that identifier is running for this user.
    virtual bool isApplicationRunning(const QString &identifier) const = 0;
    /// The window that has the input focus now, 0 when unknown.
    virtual WindowId activeWindow() const = 0;
    /// The class name of a window (WM_CLASS on X11), empty when unknown.
    virtual QString windowClass(WindowId window) const = 0;
    /// The window of another application that had the focus most recently, 0 when none is known.
    virtual WindowId lastForeignActiveWindow() const = 0;
    /// Gives the focus to a window of another application; false when that failed.
    virtual bool activateWindow(WindowId window) = 0;
    /// Calls back once, later on the context's thread, when one of this program's windows is destroyed, whoever did
    /// it (a tray that gives up a window it embedded takes it down with it); false where windows cannot be watched.
    virtual bool watchForDestruction(WindowId /*window*/, QObject * /*context*/, std::function<void()> /*destroyed*/)
    {
        return false;
    }
};

}  // namespace tavrin
