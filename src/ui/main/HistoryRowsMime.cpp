// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/HistoryRowsMime.h"

#include "capture/ClipItem.h"

#include <QMimeData>
#include <QUrl>

namespace tavrin {

QMimeData *historyRowsMimeData(const QList<int> &positions, const QStringList &entries)
{
    auto *data = new QMimeData;
    QStringList lines;
    for (int position : positions)
        lines.append(QString::number(position));
    data->setData(kHistoryRowsMimeType, lines.join(QLatin1Char('\n')).toLatin1());
    QList<QUrl> urls;
    for (const QString &entry : entries) {
        if (isExistingFile(entry))
            urls.append(QUrl::fromLocalFile(entry));
    }
    // A file manager takes the files; an editor takes the text (a file entry's text is its path).
    if (!urls.isEmpty() && urls.size() == entries.size())
        data->setUrls(urls);
    data->setText(entries.join(QLatin1Char('\n')));
    return data;
}

QList<int> historyRowsFromMimeData(const QMimeData *data)
{
    QList<int> positions;
    if (!data || !data->hasFormat(kHistoryRowsMimeType))
        return positions;
    const QList<QByteArray> lines = data->data(kHistoryRowsMimeType).split('\n');
    for (const QByteArray &line : lines) {
        bool ok = false;
        const int position = line.toInt(&ok);
        if (ok && position >= 0)
            positions.append(position);
    }
    return positions;
}

}  // namespace tavrin
