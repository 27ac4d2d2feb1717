// SPDX-License-Identifier: GPL-3.0-or-later
#include "capture/ClipItem.h"

#include "platform/Clipboard.h"

#include <QDir>
#include <QFileInfo>
#include <QStringDecoder>
#include <QSysInfo>
#include <QUrl>

namespace tavrin {

bool isExistingFile(const QString &entry)
{
    // Only absolute paths: a text such as "src" must not turn into a file because the working folder has one.
    return QDir::isAbsolutePath(entry) && QFileInfo::exists(entry);
}

bool isExistingFolder(const QString &entry)
{
    return QDir::isAbsolutePath(entry) && QFileInfo(entry).isDir();
}

std::optional<QString> filePathFromUrl(const QByteArray &urlItem)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder.decode(urlItem);
    if (decoder.hasError())
        return std::nullopt;
    const QUrl url(text.trimmed(), QUrl::StrictMode);
    if (!url.isValid() || url.scheme().compare(QLatin1String("file"), Qt::CaseInsensitive) != 0)
        return std::nullopt;
    const QString host = url.host();
    if (!host.isEmpty() && host.compare(QLatin1String("localhost"), Qt::CaseInsensitive) != 0 &&
        host.compare(QSysInfo::machineHostName(), Qt::CaseInsensitive) != 0)
        return std::nullopt;
    QString path = url.path(QUrl::FullyDecoded);
    if (path.isEmpty())
        return std::nullopt;
    while (path.size() > 1 && path.endsWith(QLatin1Char('/')))
        path.chop(1);
    return path;
}

std::optional<QString> capturedEntry(const ClipboardContents &contents)
{
    std::optional<QString> candidate;
    for (const QByteArray &item : contents.fileUrlItems) {
        if (auto path = filePathFromUrl(item))
            candidate = std::move(path);
    }
    if (candidate)
        return candidate;
    return contents.string;
}

}  // namespace tavrin
