// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

namespace tavrin {

class SettingsStore;
class Workspace;

// Whether a copy made now goes into the history: not while recording is paused, and not when the window that has
// the focus belongs to one of the ignored window classes (a password manager, say), compared ignoring case.
//
// A pause lasts until it is resumed or the program ends: a forgotten pause that survived a restart would lose every
// later copy without a sign at the moment it matters.
class RecordingRules : public QObject {
    Q_OBJECT
public:
    RecordingRules(SettingsStore &settings, Workspace &workspace, QObject *parent = nullptr);

    bool isPaused() const { return m_paused; }
    void setPaused(bool paused);

    /// The ignored window classes as stored; none when the setting is missing or not a list of texts.
    QStringList ignoredWindowClasses() const;
    /// True when a copy made now is recorded; a refusal is logged with its reason.
    bool recordsCopyNow() const;
    /// The class of the window that has the focus now (WM_CLASS, or the application id on Wayland); empty when
    /// unknown.
    QString focusedWindowClass() const;

Q_SIGNALS:
    void pausedChanged(bool paused);

private:
    SettingsStore &m_settings;
    Workspace &m_workspace;
    bool m_paused = false;
};

}  // namespace tavrin
