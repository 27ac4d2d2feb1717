// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Workspace.h"
#include "platform/x11/XcbSupport.h"

#include <QObject>

#include <array>

class QSocketNotifier;

namespace tavrin {

// The desktop around the program on X11: windows through EWMH on a private connection, files through Qt, running
// applications as D-Bus names. It follows _NET_ACTIVE_WINDOW, so it knows the last window of another application
// that had the focus.
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

private:
    void readEvents() const;
    void noteActiveWindow() const;
    bool isOwnWindow(WindowId window) const;
    WindowId topForeignWindow() const;
    bool isPanel(WindowId window) const;

    xcb::Connection m_x;
    xcb_atom_t m_activeAtom = XCB_ATOM_NONE;
    xcb_atom_t m_pidAtom = XCB_ATOM_NONE;
    xcb_atom_t m_stackingAtom = XCB_ATOM_NONE;
    xcb_atom_t m_windowTypeAtom = XCB_ATOM_NONE;
    std::array<xcb_atom_t, 2> m_dockTypes{};
    mutable WindowId m_lastForeign = 0;
    QSocketNotifier *m_notifier = nullptr;
};

}  // namespace tavrin
