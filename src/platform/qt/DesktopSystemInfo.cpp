#include "platform/qt/DesktopSystemInfo.h"

#include <QGuiApplication>
#include <QPalette>

namespace tavrin {

OsVersion DesktopSystemInfo::osVersion() const
{
    // The behaviour gates features on system versions; a Linux desktop offers all of them.
    return OsVersion{14, 0, 0};
}

QString DesktopSystemInfo::interfaceStyle() const
{
    if (!qGuiApp)
        return {};
    const QColor window = QGuiApplication::palette().color(QPalette::Window);
    return window.lightness() < 128 ? QStringLiteral("Dark") : QString();
}

}  // namespace tavrin
