// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/portal/PortalBackends.h"

#include <QDir>
#include <QFile>
#include <QHash>

namespace tavrin::portal {

namespace {
// The [portal] group of a .portal file, its lists split at their semicolons. (QSettings would split at commas.)
QHash<QString, QStringList> portalGroup(const QString &path)
{
    QHash<QString, QStringList> keys;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return keys;
    bool inGroup = false;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.startsWith(QLatin1Char('['))) {
            inGroup = line == QLatin1String("[portal]");
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (!inGroup || line.startsWith(QLatin1Char('#')) || equals <= 0)
            continue;
        keys.insert(line.left(equals).trimmed(),
                    line.mid(equals + 1).trimmed().split(QLatin1Char(';'), Qt::SkipEmptyParts));
    }
    return keys;
}
}  // namespace

QStringList backendsFor(const QString &interface, const QStringList &desktops, const QStringList &dataFolders)
{
    QStringList backends;
    for (const QString &folder : dataFolders) {
        const QDir portals(folder + QStringLiteral("/xdg-desktop-portal/portals"));
        for (const QString &file : portals.entryList({QStringLiteral("*.portal")}, QDir::Files, QDir::Name)) {
            const QHash<QString, QStringList> portal = portalGroup(portals.filePath(file));
            const QStringList interfaces = portal.value(QStringLiteral("Interfaces"));
            const QStringList useIn = portal.value(QStringLiteral("UseIn"));
            const QString name = file.chopped(int(qstrlen(".portal")));
            if (!interfaces.contains(interface) || backends.contains(name))
                continue;
            for (const QString &desktop : desktops) {
                if (useIn.contains(desktop, Qt::CaseInsensitive)) {
                    backends.append(name);
                    break;
                }
            }
        }
    }
    return backends;
}

QStringList sessionBackendsFor(const QString &interface)
{
    QStringList folders = qEnvironmentVariable("XDG_DATA_DIRS").split(QLatin1Char(':'), Qt::SkipEmptyParts);
    if (folders.isEmpty())
        folders = {QStringLiteral("/usr/local/share"), QStringLiteral("/usr/share")};
    return backendsFor(
        interface, qEnvironmentVariable("XDG_CURRENT_DESKTOP").split(QLatin1Char(':'), Qt::SkipEmptyParts), folders);
}

}  // namespace tavrin::portal
