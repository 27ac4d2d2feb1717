#pragma once

#include <QIcon>
#include <QString>

namespace tavrin {

// The pictures of the main window, compiled into the library; a static library's resources are registered only when
// asked.
void ensureMainResources();

/// The sidebar's pictures by name: the Clipboard row and the group rows, each with its variant for a selected row.
inline const QString kClipboardImageName = QStringLiteral("clipboard-dark");
inline const QString kClipboardSelectedImageName = QStringLiteral("clipboard-light");
inline const QString kGroupImageName = QStringLiteral("pasteboard-dark");
inline const QString kGroupSelectedImageName = QStringLiteral("pageboard-light");

/// A picture of the main window by its name; the null icon for a name it does not have.
QIcon mainImage(const QString &name);
/// The lower list's pictures: the icon theme's settings and information icons, ours where the theme has none.
QIcon preferencesIcon();
QIcon aboutIcon();
/// The buttons' pictures.
QIcon addIcon();
QIcon removeIcon();

}  // namespace tavrin
