// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QString>

namespace tavrin {

/// A reason the desktop layer gives (a feature's detail, a refused shortcut), in the user's language. That layer
/// reports in English, since its reasons are logged too; the sentences it marks ("DesktopReasons") are translated
/// here, and a reason built from other parts stays as it is.
inline QString shownReason(const QString &english)
{
    return QCoreApplication::translate("DesktopReasons", english.toUtf8().constData());
}

}  // namespace tavrin
