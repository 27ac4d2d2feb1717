// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <map>
#include <memory>

class QSocketNotifier;
struct wl_array;
struct wl_proxy;

namespace tavrin {

class WaylandDisplay;

// The desktop's windows as a wlroots compositor lists them to a program (zwlr_foreign_toplevel_manager_v1): which
// one has the focus, its application id, and a way to give a window the focus back. Read on the GUI thread from a
// connection of its own.
class WaylandWindowList final : public QObject {
    Q_OBJECT
public:
    using WindowId = std::uint64_t;  // 0 is none; ids are never reused

    /// ownAppIds names this program's windows; display null is $WAYLAND_DISPLAY.
    explicit WaylandWindowList(QStringList ownAppIds, const char *display = nullptr, QObject *parent = nullptr);
    ~WaylandWindowList() override;

    /// True when the compositor lists its windows.
    bool isValid() const;
    /// The window that has the focus now, 0 when none or unknown.
    WindowId activeWindow();
    /// Its application id (the Wayland counterpart of WM_CLASS), empty when unknown.
    QString appId(WindowId window);
    /// Another program's window that had the focus most recently, 0 when none.
    WindowId lastForeignActiveWindow();
    /// Asks the compositor to give the window the focus; false when it is unknown or the request failed.
    bool activate(WindowId window);

private:
    struct Window {
        wl_proxy *handle = nullptr;
        QString appId;
        bool activated = false;  // as of the last "done"
        bool pendingActivated = false;
    };

    void dispatch();
    void sync();
    Window *find(WindowId id);
    void noteActivation(WindowId id);

    static void onToplevel(void *data, wl_proxy *manager, wl_proxy *handle);
    static void onFinished(void *data, wl_proxy *manager);
    static void onTitle(void *data, wl_proxy *handle, const char *title);
    static void onAppId(void *data, wl_proxy *handle, const char *appId);
    static void onOutput(void *data, wl_proxy *handle, wl_proxy *output);
    static void onState(void *data, wl_proxy *handle, wl_array *state);
    static void onDone(void *data, wl_proxy *handle);
    static void onClosed(void *data, wl_proxy *handle);
    static void onParent(void *data, wl_proxy *handle, wl_proxy *parent);

    QStringList m_ownAppIds;
    std::unique_ptr<WaylandDisplay> m_display;
    wl_proxy *m_manager = nullptr;
    wl_proxy *m_seat = nullptr;
    std::map<WindowId, Window> m_windows;
    WindowId m_nextId = 1;
    WindowId m_lastForeign = 0;
    QSocketNotifier *m_notifier = nullptr;
};

}  // namespace tavrin
