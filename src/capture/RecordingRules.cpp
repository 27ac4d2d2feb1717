// SPDX-License-Identifier: GPL-3.0-or-later
#include "capture/RecordingRules.h"

#include "capture/CaptureLog.h"
#include "platform/Workspace.h"
#include "store/SettingsKeys.h"
#include "store/SettingsStore.h"

namespace tavrin {

RecordingRules::RecordingRules(SettingsStore &settings, Workspace &workspace, QObject *parent)
    : QObject(parent), m_settings(settings), m_workspace(workspace)
{
}

void RecordingRules::setPaused(bool paused)
{
    if (m_paused == paused)
        return;
    m_paused = paused;
    qCInfo(lcCapture, "recording %s", paused ? "paused" : "resumed");
    Q_EMIT pausedChanged(paused);
}

QStringList RecordingRules::ignoredWindowClasses() const
{
    return m_settings.texts(keys::ignoredWindowClasses);
}

bool RecordingRules::recordsCopyNow() const
{
    if (m_paused) {
        qCDebug(lcCapture, "a copy while recording is paused is not recorded");
        return false;
    }
    const QStringList ignored = ignoredWindowClasses();
    if (ignored.isEmpty())
        return true;  // the usual case asks the window system nothing
    const QString windowClass = focusedWindowClass();
    if (windowClass.isEmpty() || !ignored.contains(windowClass, Qt::CaseInsensitive))
        return true;
    qCDebug(lcCapture, "a copy in a window of the ignored class \"%s\" is not recorded", qUtf8Printable(windowClass));
    return false;
}

QString RecordingRules::focusedWindowClass() const
{
    return m_workspace.windowClass(m_workspace.activeWindow());
}

}  // namespace tavrin
