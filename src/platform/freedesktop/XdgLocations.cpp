// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/freedesktop/XdgLocations.h"

#include <QDir>

namespace tavrin {

namespace {

QString baseDirectory(const char *variable, const QString &fallbackUnderHome)
{
    const QString value = qEnvironmentVariable(variable);
    // Relative values are invalid by the rules and must be ignored.
    if (!value.isEmpty() && QDir::isAbsolutePath(value))
        return QDir::cleanPath(value);
    return QDir::homePath() + QLatin1Char('/') + fallbackUnderHome;
}

}  // namespace

XdgLocations::XdgLocations(const QString &programFolder)
    : m_config(baseDirectory("XDG_CONFIG_HOME", QStringLiteral(".config")) + QLatin1Char('/') + programFolder),
      m_data(baseDirectory("XDG_DATA_HOME", QStringLiteral(".local/share")) + QLatin1Char('/') + programFolder)
{
}

}  // namespace tavrin
