// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Workspace.h"

#include <QHash>
#include <QList>
#include <QSet>

namespace tavrin {

// A desktop with settable running applications and windows; records opened URLs and activations.
class FakeWorkspace final : public Workspace {
public:
    bool openUrl(const QUrl &url) override
    {
        openedUrls.append(url);
        return true;
    }
    bool isApplicationRunning(const QString &identifier) const override
    {
        return runningApplications.contains(identifier);
    }
    WindowId activeWindow() const override { return active; }
    WindowId lastForeignActiveWindow() const override { return lastForeign; }
    QString windowClass(WindowId window) const override { return windowClasses.value(window); }
    bool activateWindow(WindowId window) override
    {
        activations.append(window);
        active = window;
        return true;
    }

    QList<QUrl> openedUrls;
    QSet<QString> runningApplications;
    WindowId active = 0;
    WindowId lastForeign = 0;
    QHash<WindowId, QString> windowClasses;
    QList<WindowId> activations;
};

}  // namespace tavrin
