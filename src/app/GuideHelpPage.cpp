// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/GuideHelpPage.h"

#include "store/AtomicFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringList>

namespace tavrin {

namespace {

constexpr QLatin1String pageName("paste-help.html");

// The page and the pictures it shows, all under :/guide/ in the resources.
QStringList helpFiles()
{
    return {QString(pageName), QStringLiteral("Screenshot_diskAccess.svg"),
            QStringLiteral("Screenshot_diskAccess2.svg")};
}

bool isUpToDate(const QString &path, const QByteArray &content)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.size() == content.size() && file.readAll() == content;
}

}  // namespace

QString GuideHelpPage::folderIn(const QString &dataDirectory)
{
    return dataDirectory + QStringLiteral("/help");
}

QUrl GuideHelpPage::writeTo(const QString &folder, QString *error)
{
    if (!ensurePrivateDirectory(folder)) {
        *error = QCoreApplication::translate("GuideHelpPage", "The folder %1 could not be created.").arg(folder);
        return {};
    }
    for (const QString &name : helpFiles()) {
        QFile resource(QStringLiteral(":/guide/") + name);
        if (!resource.open(QIODevice::ReadOnly)) {
            *error =
                QCoreApplication::translate("GuideHelpPage", "The help page is missing from this build of Tavrin.");
            return {};
        }
        const QByteArray content = resource.readAll();
        const QString path = folder + QLatin1Char('/') + name;
        if (!isUpToDate(path, content) && !writeFileAtomically(path, content)) {
            *error =
                QCoreApplication::translate("GuideHelpPage", "The help page could not be written to %1.").arg(path);
            return {};
        }
    }
    error->clear();
    return QUrl::fromLocalFile(folder + QLatin1Char('/') + pageName);
}

}  // namespace tavrin
