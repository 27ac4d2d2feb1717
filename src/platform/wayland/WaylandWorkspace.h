#pragma once

#include "platform/Workspace.h"

#include <QFileIconProvider>

namespace tavrin {

// The desktop around the program on Wayland: files and URLs through Qt, running applications as D-Bus names. Other
// programs' windows are the compositor's secret here: no window is known, so none is activated and the paste chord
// is the default one.
class WaylandWorkspace final : public Workspace {
public:
    QIcon iconForFile(const QString &path) const override;
    bool openUrl(const QUrl &url) override;
    bool isApplicationRunning(const QString &identifier) const override;
    WindowId activeWindow() const override { return 0; }
    QString windowClass(WindowId) const override { return {}; }
    WindowId lastForeignActiveWindow() const override { return 0; }
    bool activateWindow(WindowId) override { return false; }

private:
    // Made once: list rows ask for icons while they are drawn.
    QFileIconProvider m_iconProvider;
};

}  // namespace tavrin
