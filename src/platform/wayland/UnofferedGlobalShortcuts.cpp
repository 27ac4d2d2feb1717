// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/wayland/UnofferedGlobalShortcuts.h"

namespace tavrin {

ShortcutStatus UnofferedGlobalShortcuts::registerShortcut(const QString &, QKeyCombination, const QString &)
{
    return ShortcutStatus::refused(
        QStringLiteral(QT_TRANSLATE_NOOP("DesktopReasons", "This desktop lets no program take global shortcuts.")));
}

}  // namespace tavrin
