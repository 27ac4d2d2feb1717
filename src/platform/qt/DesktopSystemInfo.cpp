// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/DesktopSystemInfo.h"

#include <QGuiApplication>
#include <QPalette>

namespace tavrin {

QString DesktopSystemInfo::interfaceStyle() const
{
    if (!qGuiApp)
        return {};
    const QColor window = QGuiApplication::palette().color(QPalette::Window);
    return window.lightness() < 128 ? QStringLiteral("Dark") : QString();
}

}  // namespace tavrin
