// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Workspace.h"
#include "platform/gnome/GnomeShellLink.h"

#include <QHash>
#include <QObject>

namespace tavrin {

// The desktop around the program on GNOME: files and URLs through Qt, running applications as D-Bus names, and the
// windows as the Shell extension tells them: the one with the focus (asked when wanted, so it is never stale), its
// WM_CLASS or Wayland application id as its class (what picks the paste chord), the last window of another program
// that had the focus, and activation.
class GnomeWorkspace final : public QObject, public Workspace {
    Q_OBJECT
public:
    explicit GnomeWorkspace(GnomeShellLink &link, QObject *parent = nullptr);

    bool openUrl(const QUrl &url) override;
    bool isApplicationRunning(const QString &identifier) const override;
    WindowId activeWindow() const override;
    QString windowClass(WindowId window) const override;
    WindowId lastForeignActiveWindow() const override { return m_lastForeign; }
    bool activateWindow(WindowId window) override;

private:
    void remember(const ShellWindow &window) const;

    GnomeShellLink &m_link;
    mutable QHash<WindowId, QString> m_classes;  // the windows seen with the focus
    mutable WindowId m_lastForeign = 0;
};

}  // namespace tavrin
