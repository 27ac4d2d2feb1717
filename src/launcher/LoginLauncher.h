// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/NotificationCenter.h"

#include <QDBusConnection>
#include <QObject>
#include <QString>
#include <QTimer>

#include <chrono>

namespace tavrin {

// The small program an autostart entry runs at login: it owns the launcher's bus name while it runs (so Tavrin can
// tell that the session started it), starts Tavrin, and quits when Tavrin says "killLauncher", or after a while in
// any case so that it never lingers.
class LoginLauncher : public QObject {
    Q_OBJECT
public:
    static constexpr std::chrono::seconds kLongestWait{60};

    /// notifications is where "killLauncher" arrives; the launcher does not own it.
    LoginLauncher(const QDBusConnection &bus, NotificationCenter &notifications, QObject *parent = nullptr);

    /// The tavrin program beside the launcher, else on the PATH; empty when there is none.
    static QString findProgram(const QString &launcherFolder);

    /// Takes the bus name, listens for "killLauncher" and starts program; false (with the reason on standard
    /// error) when the program could not be started.
    bool start(const QString &program, std::chrono::milliseconds longestWait = kLongestWait);

Q_SIGNALS:
    /// The launcher's work is done (told to quit, or waited long enough); the exit status follows.
    void finished(int exitCode);

private:
    QDBusConnection m_bus;
    NotificationCenter &m_notifications;
    QTimer m_deadline;
};

}  // namespace tavrin
