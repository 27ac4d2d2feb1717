// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace tavrin {

// The pictures of the lists, compiled into the library; a static library's resources are registered only when asked.
void ensureListResources();

/// Resource paths of the pictures.
inline const QString kPinImage = QStringLiteral(":/lists/pin.svg");
inline const QString kSettingsImage = QStringLiteral(":/lists/settings.svg");
inline const QString kCopyImage = QStringLiteral(":/lists/copy.svg");

}  // namespace tavrin
