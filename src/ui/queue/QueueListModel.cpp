// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/queue/QueueListModel.h"

#include "capture/FileEntries.h"
#include "capture/SequentialMode.h"
#include "capture/SequentialQueue.h"
#include "platform/FileIcons.h"
#include "ui/lists/ShownListModel.h"

#include <QFont>

namespace tavrin {

QueueListModel::QueueListModel(SequentialMode &mode, const SequentialQueue &queue, const FileIcons &fileIcons,
                               FileEntries &files, QObject *parent)
    : QAbstractListModel(parent), m_mode(mode), m_queue(queue), m_fileIcons(fileIcons), m_files(files)
{
    connect(&mode, &SequentialMode::queueChanged, this, &QueueListModel::reload);
    connect(&mode, &SequentialMode::queueCleared, this, &QueueListModel::reload);
    // An entry found to be a file gets its icon and name.
    connect(&files, &FileEntries::changed, this, [this] {
        if (!m_queue.isEmpty())
            Q_EMIT dataChanged(index(0), index(rowCount() - 1));
    });
}

QString QueueListModel::rowPrefix(int row)
{
    return QStringLiteral("   ") + QString::number(row + 1) + QStringLiteral("   ");
}

void QueueListModel::reload()
{
    beginResetModel();
    endResetModel();
}

int QueueListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_queue.size();
}

QVariant QueueListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_queue.size())
        return {};
    const int row = index.row();
    const QString &entry = m_queue.items().at(row);
    const bool next = row == m_mode.nextIndex();
    switch (role) {
    case Qt::DisplayRole:
        return ShownListModel::entryTitle(rowPrefix(row), entry, m_files.info(entry).isFile, kIconRoom);
    case Qt::DecorationRole: {
        const FileEntries::Info file = m_files.info(entry);
        return file.isFile ? QVariant(m_fileIcons.iconForFileType(file.type)) : QVariant();
    }
    case Qt::FontRole: {
        if (!next)
            return {};
        QFont font;
        font.setBold(true);
        return font;
    }
    case Qt::AccessibleTextRole:
        // Read out as "2: report.txt", without the spaces that make room for the number and the icon.
        return QStringLiteral("%1: %2").arg(row + 1).arg(
            ShownListModel::entryTitle(QString(), entry, m_files.info(entry).isFile, 0));
    case Qt::ToolTipRole: return next ? tr("Pasted next") : QVariant();
    case Qt::AccessibleDescriptionRole: return next ? tr("pasted next") : QVariant();
    case ShownListModel::EntryRole: return entry;
    case ShownListModel::PrefixRole: return rowPrefix(row);
    default: return {};
    }
}

}  // namespace tavrin
