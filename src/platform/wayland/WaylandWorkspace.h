#pragma once

#include "platform/Workspace.h"
#include "platform/wayland/WaylandWindowList.h"

namespace tavrin {

// The desktop around the program on Wayland: files and URLs through Qt, running applications as D-Bus names, and
// the windows of other programs where the compositor lists them (wlroots compositors): the one in front, its
// application id as its class, and activation. Elsewhere no window is known: none is activated and the paste chord
// is the default one.
class WaylandWorkspace final : public Workspace {
public:
    /// display null is $WAYLAND_DISPLAY.
    explicit WaylandWorkspace(const char *display = nullptr);

    bool openUrl(const QUrl &url) override;
    bool isApplicationRunning(const QString &identifier) const override;
    WindowId activeWindow() const override { return m_windows.activeWindow(); }
    QString windowClass(WindowId window) const override { return m_windows.appId(window); }
    WindowId lastForeignActiveWindow() const override { return m_windows.lastForeignActiveWindow(); }
    bool activateWindow(WindowId window) override { return m_windows.activate(window); }

private:
    // Made once: list rows ask for icons while they are drawn.
    mutable WaylandWindowList m_windows;  // queries read the compositor's latest notices
};

}  // namespace tavrin
