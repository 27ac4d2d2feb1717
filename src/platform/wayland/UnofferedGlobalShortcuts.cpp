#include "platform/wayland/UnofferedGlobalShortcuts.h"

namespace tavrin {

ShortcutStatus UnofferedGlobalShortcuts::registerShortcut(const QString &, QKeyCombination, const QString &)
{
    return ShortcutStatus::refused(QStringLiteral("This desktop lets no program take global shortcuts."));
}

}  // namespace tavrin
