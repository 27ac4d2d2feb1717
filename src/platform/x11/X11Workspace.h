// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Workspace.h"
#include "platform/x11/XcbSupport.h"

#include <QObject>
#include <QPointer>

#include <array>
#include <vector>

class QSocketNotifier;

namespace tavrin {

// The desktop around the program on X11: windows through EWMH on a private connection, files through Qt, running
// applications as D-Bus names. It follows _NET_ACTIVE_WINDOW, so it knows the last window of another application
// that had the focus, and the destruction of the program's windows it was asked to watch.
class X11Workspace final : public QObject, public Workspace {
    Q_OBJECT
public:
    explicit X11Workspace(QObject *parent = nullptr);

    bool openUrl(const QUrl &url) override;
    bool isApplicationRunning(const QString &identifier) const override;
    WindowId activeWindow() const override;
    WindowId lastForeignActiveWindow() const override;
    QString windowClass(WindowId window) const override;
    bool activateWindow(WindowId window) override;
    bool watchForDestruction(WindowId window, QObject *context, std::function<void()> destroyed) override;

private:
    struct DestructionWatch {
        WindowId window;
        QPointer<QObject> context;
        std::function<void()> destroyed;
    };

    void readEvents() const;
    void scheduleRead() const;
    void noteActiveWindow() const;
    void noteDestroyed(WindowId window) const;
    bool isOwnWindow(WindowId window) const;
    WindowId topForeignWindow() const;
    bool isPanel(WindowId window) const;
    /// One property in a round trip, up to length 32-bit units.
    xcb::Ptr<xcb_get_property_reply_t> property(WindowId window, xcb_atom_t name, xcb_atom_t type,
                                                std::uint32_t length) const;

    xcb::Connection m_x;
    xcb_atom_t m_activeAtom = XCB_ATOM_NONE;
    xcb_atom_t m_pidAtom = XCB_ATOM_NONE;
    xcb_atom_t m_stackingAtom = XCB_ATOM_NONE;
    xcb_atom_t m_windowTypeAtom = XCB_ATOM_NONE;
    std::array<xcb_atom_t, 2> m_dockTypes{};
    mutable WindowId m_lastForeign = 0;
    mutable std::vector<DestructionWatch> m_watches;
    mutable bool m_readScheduled = false;
    QSocketNotifier *m_notifier = nullptr;
};

}  // namespace tavrin
