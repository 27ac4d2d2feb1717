// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Workspace.h"
#include "platform/wayland/WaylandWindowList.h"

#include <memory>

namespace tavrin {

class KWinActiveWindow;

// The desktop around the program on Wayland: files and URLs through Qt, running applications as D-Bus names, and
// the windows of other programs where the compositor lists them (wlroots compositors): the one in front, its
// application id as its class, and activation. On KWin, which lists them to no program, KWin itself reports the one
// in front and its class (no activation). Elsewhere no window is known: none is activated and the paste chord is the
// default one.
class WaylandWorkspace final : public Workspace {
public:
    /// display null is $WAYLAND_DISPLAY.
    explicit WaylandWorkspace(const char *display = nullptr);
    ~WaylandWorkspace() override;

    bool openUrl(const QUrl &url) override;
    bool isApplicationRunning(const QString &identifier) const override;
    WindowId activeWindow() const override;
    QString windowClass(WindowId window) const override;
    WindowId lastForeignActiveWindow() const override { return m_windows.lastForeignActiveWindow(); }
    bool activateWindow(WindowId window) override { return m_windows.activate(window); }

private:
    // Made once: list rows ask for icons while they are drawn.
    mutable WaylandWindowList m_windows;  // queries read the compositor's latest notices
    std::unique_ptr<KWinActiveWindow> m_kwin;  // where the compositor lists no windows
};

}  // namespace tavrin
