// SPDX-License-Identifier: GPL-3.0-or-later
#include "launcher/LoginLauncher.h"

#include "platform/LoginItems.h"

#include <QDBusConnectionInterface>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include <cstdio>

namespace tavrin {

LoginLauncher::LoginLauncher(const QDBusConnection &bus, NotificationCenter &notifications, QObject *parent)
    : QObject(parent), m_bus(bus), m_notifications(notifications)
{
    m_deadline.setSingleShot(true);
    connect(&m_deadline, &QTimer::timeout, this, [this] {
        std::fputs("tavrin-launcher: Tavrin did not answer in time; the launcher quits\n", stderr);
        Q_EMIT finished(0);
    });
}

QString LoginLauncher::findProgram(const QString &launcherFolder)
{
    const QFileInfo beside(launcherFolder + QStringLiteral("/tavrin"));
    if (beside.isFile() && beside.isExecutable())
        return beside.absoluteFilePath();
    return QStandardPaths::findExecutable(QStringLiteral("tavrin"));
}

bool LoginLauncher::start(const QString &program, std::chrono::milliseconds longestWait)
{
    // Listening comes first and the name next, so that Tavrin finds the launcher running and its answer is heard.
    m_notifications.addObserver(QStringLiteral("killLauncher"), [this](const QString &) {
        m_deadline.stop();
        Q_EMIT finished(0);
    });
    const QString name = QString::fromLatin1(LoginItems::kLauncherIdentifier);
    if (!m_bus.isConnected() || !m_bus.registerService(name))
        // Tavrin then takes this for a start by the user and opens its window; starting it still matters more.
        std::fprintf(stderr, "tavrin-launcher: the bus name %s is not ours: %s\n", qPrintable(name),
                     qPrintable(m_bus.isConnected() ? m_bus.lastError().message() : QStringLiteral("no session bus")));
    if (program.isEmpty()) {
        std::fputs("tavrin-launcher: tavrin was found neither beside the launcher nor on the PATH\n", stderr);
        return false;
    }
    // Detached: Tavrin keeps running after the launcher quits.
    if (!QProcess::startDetached(program, {})) {
        std::fprintf(stderr, "tavrin-launcher: %s could not be started\n", qPrintable(program));
        return false;
    }
    m_deadline.start(longestWait);
    return true;
}

}  // namespace tavrin
