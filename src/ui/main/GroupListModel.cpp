// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/GroupListModel.h"

#include "store/GroupStore.h"
#include "ui/main/HistoryRowsMime.h"
#include "ui/main/MainResources.h"

#include <QIcon>

namespace tavrin {

QString GroupListModel::clipboardTitle()
{
    return tr("Clipboard");
}

QString GroupListModel::headerTitle()
{
    return tr("Custom Clipboards");
}

GroupListModel::GroupListModel(GroupStore &groups, QObject *parent)
    : QAbstractListModel(parent), m_groups(groups), m_names(groups.groupNames())
{
    connect(&m_groups, &GroupStore::groupNamesChanged, this, &GroupListModel::reload);
}

GroupListModel::RowKind GroupListModel::kindOfRow(int row)
{
    if (row == kClipboardRow)
        return RowKind::clipboard;
    return row == kHeaderRow ? RowKind::header : RowKind::group;
}

QStringList GroupListModel::titles() const
{
    return QStringList{clipboardTitle(), headerTitle()} + m_names;
}

void GroupListModel::reload()
{
    const QStringList names = m_groups.groupNames();
    const qsizetype common = std::min(names.size(), m_names.size());
    qsizetype first = 0;
    while (first < common && names.at(first) == m_names.at(first))
        ++first;
    if (names.size() > m_names.size()) {
        // Added: the new names go in where the lists first differ (at the end, for an added group).
        const int from = kFirstGroupRow + int(first);
        beginInsertRows({}, from, from + int(names.size() - m_names.size()) - 1);
        m_names = names;
        endInsertRows();
    } else if (names.size() < m_names.size()) {
        const int from = kFirstGroupRow + int(first);
        beginRemoveRows({}, from, from + int(m_names.size() - names.size()) - 1);
        m_names = names;
        endRemoveRows();
    } else {
        m_names = names;
    }
    // Names after the change may differ too (a removal in the middle shifts nothing, a rename changes one).
    if (!m_names.isEmpty())
        Q_EMIT dataChanged(index(kFirstGroupRow), index(kFirstGroupRow + int(m_names.size()) - 1));
}

int GroupListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : kFirstGroupRow + int(m_names.size());
}

QVariant GroupListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const int row = index.row();
    const RowKind kind = kindOfRow(row);
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
    case Qt::AccessibleTextRole: return titles().at(row);
    case Qt::ToolTipRole: return kind == RowKind::group ? m_names.at(groupIndex(row)) : QVariant();
    case RowKindRole: return int(kind);
    case ImageNameRole:
        if (kind == RowKind::header)
            return {};
        return kind == RowKind::clipboard ? kClipboardImageName : kGroupImageName;
    default: return {};
    }
}

Qt::ItemFlags GroupListModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    switch (kindOfRow(index.row())) {
    case RowKind::clipboard: return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    // The header is never selected; clicking it leaves the selection alone.
    case RowKind::header: return Qt::ItemIsEnabled;
    case RowKind::group: return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable | Qt::ItemIsDropEnabled;
    }
    return Qt::NoItemFlags;
}

bool GroupListModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || role != Qt::EditRole || kindOfRow(index.row()) != RowKind::group)
        return false;
    Q_EMIT titleEdited(index.row(), value.toString());
    return true;
}

Qt::DropActions GroupListModel::supportedDropActions() const
{
    return Qt::CopyAction | Qt::MoveAction | Qt::LinkAction;
}

QStringList GroupListModel::mimeTypes() const
{
    return {kHistoryRowsMimeType, QStringLiteral("text/uri-list")};
}

}  // namespace tavrin
