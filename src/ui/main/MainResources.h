// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QString>

namespace tavrin {

// The pictures of the main window, compiled into the library; a static library's resources are registered only when
// asked.
void ensureMainResources();

/// The sidebar's pictures by name: the Clipboard row and the group rows.
inline const QString kClipboardImageName = QStringLiteral("clipboard");
inline const QString kGroupImageName = QStringLiteral("group");

/// A picture of the main window by its name, drawn in the palette's text colour; the null icon for a name it does not
/// have.
QIcon mainImage(const QString &name);
/// The lower list's pictures: the icon theme's settings and information icons, ours where the theme has none (a
/// theme's icons are drawn for the theme's own palette).
QIcon preferencesIcon();
QIcon aboutIcon();
/// The buttons' pictures.
QIcon addIcon();
QIcon removeIcon();

}  // namespace tavrin
