// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/common/UriList.h"

#include <QUrl>

namespace tavrin {

QList<QByteArray> splitUriList(const QByteArray &data)
{
    QList<QByteArray> uris;
    for (QByteArray line : data.split('\n')) {
        if (line.endsWith('\r'))
            line.chop(1);
        line = line.trimmed();
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        uris.append(line);
    }
    return uris;
}

QList<QByteArray> splitGnomeCopiedFiles(const QByteArray &data)
{
    const qsizetype end = data.indexOf('\n');
    if (end < 0)
        return {};
    return splitUriList(data.mid(end + 1));
}

QByteArray uriListForPath(const QString &path)
{
    return QUrl::fromLocalFile(path).toEncoded() + "\r\n";
}

QByteArray gnomeCopiedFilesForPath(const QString &path)
{
    return "copy\n" + QUrl::fromLocalFile(path).toEncoded();
}

}  // namespace tavrin
