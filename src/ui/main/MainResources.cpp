// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/MainResources.h"

#include "ui/widgets/PaletteIcon.h"

#include <QFile>

static void registerMainResources()
{
    Q_INIT_RESOURCE(main);
}

namespace tavrin {

void ensureMainResources()
{
    static const bool registered = [] {
        registerMainResources();
        return true;
    }();
    Q_UNUSED(registered);
}

QIcon mainImage(const QString &name)
{
    ensureMainResources();
    const QString path = QStringLiteral(":/main/%1.svg").arg(name);
    return QFile::exists(path) ? paletteIcon(path) : QIcon();
}

QIcon preferencesIcon()
{
    return QIcon::fromTheme(QStringLiteral("preferences-system"), mainImage(QStringLiteral("preferences")));
}

QIcon aboutIcon()
{
    return QIcon::fromTheme(QStringLiteral("help-about"), mainImage(QStringLiteral("about")));
}

QIcon addIcon()
{
    return mainImage(QStringLiteral("add"));
}

QIcon removeIcon()
{
    return mainImage(QStringLiteral("remove"));
}

}  // namespace tavrin
