// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/lists/ShownListModel.h"

#include "capture/FileEntries.h"
#include "platform/FileIcons.h"
#include "store/HistoryStore.h"
#include "ui/lists/BackgroundRelease.h"

#include <QIcon>
#include <QKeySequence>

namespace tavrin {

namespace {

constexpr int kShortcutRows = 9;

bool isSpaceOrTab(QChar c)
{
    return c == u' ' || c == u'\t';
}

// The entry without spaces and tabs at both ends (line breaks stay), cut to the title's room.
QString trimmedForTitle(const QString &entry)
{
    qsizetype begin = 0;
    qsizetype end = entry.size();
    while (begin < end && isSpaceOrTab(entry.at(begin)))
        ++begin;
    if (end - begin > ShownListModel::kMaxTitleLength)
        return entry.mid(begin, ShownListModel::kMaxTitleLength);
    while (end > begin && isSpaceOrTab(entry.at(end - 1)))
        --end;
    return entry.mid(begin, end - begin);
}

QString lastPathComponent(const QString &path)
{
    qsizetype end = path.size();
    while (end > 1 && path.at(end - 1) == u'/')
        --end;
    if (end == 1)
        return QStringLiteral("/");
    const qsizetype slash = path.lastIndexOf(u'/', end - 1);
    return path.mid(slash + 1, end - slash - 1);
}

}  // namespace

ShownListModel::ShownListModel(const FileIcons &fileIcons, FileEntries &files, Dispatcher &dispatcher, QObject *parent)
    : QAbstractListModel(parent), m_fileIcons(fileIcons), m_files(files), m_dispatcher(dispatcher)
{
    connect(&files, &FileEntries::changed, this, &ShownListModel::redrawAll);
}

QString ShownListModel::rowPrefix(int row, int arrowSpaces)
{
    if (row >= kShortcutRows)
        return QStringLiteral("=>") + QString(arrowSpaces, u' ');
    const QKeySequence keys(QKeyCombination(Qt::ControlModifier, Qt::Key(Qt::Key_1 + row)));
    return keys.toString(QKeySequence::NativeText) + QStringLiteral("    ");
}

QString ShownListModel::rowTitle(int row, const QString &entry, bool isFile, int arrowSpaces)
{
    return entryTitle(rowPrefix(row, arrowSpaces), entry, isFile, kIconRoom);
}

QString ShownListModel::entryTitle(const QString &prefix, const QString &entry, bool isFile, int iconRoom)
{
    if (isFile)
        return prefix + QString(iconRoom, u' ') + lastPathComponent(entry);
    return prefix + trimmedForTitle(entry);
}

void ShownListModel::showHistory(const HistoryStore &history)
{
    // Already following it: the rows are current.
    if (m_history == &history)
        return;
    beginResetModel();
    stopFollowing();
    // The rows are read from the history itself: a copy held here would make its next insertion copy every entry.
    releaseInBackground(m_dispatcher, this, std::exchange(m_rows, EntryList()));
    m_history = &history;
    m_pinned = history.pinCount();
    m_connections << connect(&history, &HistoryStore::itemAboutToBeInserted, this,
                             [this](int at) { beginInsertRows({}, at, at); });
    m_connections << connect(&history, &HistoryStore::itemInserted, this, [this](int at) {
        endInsertRows();
        redrawPrefixesFrom(at + 1);  // the rows below moved
    });
    m_connections << connect(&history, &HistoryStore::itemAboutToBeRemoved, this,
                             [this](int at) { beginRemoveRows({}, at, at); });
    m_connections << connect(&history, &HistoryStore::itemRemoved, this, [this](int at) {
        endRemoveRows();
        redrawPrefixesFrom(at);
    });
    m_connections << connect(&history, &HistoryStore::itemAboutToBeMoved, this, [this](int from, int to) {
        // A move onto itself (pinning the first unpinned entry) changes no row.
        m_moving = from != to && beginMoveRows({}, from, from, {}, to > from ? to + 1 : to);
    });
    m_connections << connect(&history, &HistoryStore::itemMoved, this, [this] {
        if (std::exchange(m_moving, false))
            endMoveRows();
        redrawAll();
    });
    m_connections << connect(&history, &HistoryStore::itemsAboutToBeReset, this, [this] { beginResetModel(); });
    m_connections << connect(&history, &HistoryStore::itemsReset, this, [this] {
        m_pinned = m_history->pinCount();
        endResetModel();
    });
    m_connections << connect(&history, &HistoryStore::pinCountChanged, this, [this](std::int64_t pins) {
        m_pinned = pins;
        redrawAll();
    });
    endResetModel();
}

const EntryList &ShownListModel::rows() const
{
    return m_history ? m_history->items() : m_rows;
}

void ShownListModel::showList(const EntryList &rows)
{
    if (rows.constData() == this->rows().constData() && rows.size() == this->rows().size()) {
        // The same rows (a search starting over the list it filters): only the pin markers go. They are held here
        // from now on, the history no longer followed.
        m_rows = rows;
        stopFollowing();
        m_pinned = 0;
        redrawAll();
        return;
    }
    beginResetModel();
    stopFollowing();
    replaceRows(rows);
    m_pinned = 0;
    endResetModel();
}

void ShownListModel::extendList(const EntryList &rows)
{
    Q_ASSERT(rows.size() >= m_rows.size());
    if (rows.size() <= m_rows.size())
        return;
    beginInsertRows(QModelIndex(), int(m_rows.size()), int(rows.size() - 1));
    replaceRows(rows);
    endInsertRows();
}

void ShownListModel::replaceRows(const EntryList &rows)
{
    releaseInBackground(m_dispatcher, this, std::exchange(m_rows, rows));
}

void ShownListModel::stopFollowing()
{
    for (const QMetaObject::Connection &connection : std::as_const(m_connections))
        disconnect(connection);
    m_connections.clear();
    m_history = nullptr;
}

void ShownListModel::redrawPrefixesFrom(int row)
{
    // Past the ninth row every prefix is the same arrow; without numbers every row has it.
    const int last = std::min<int>(kShortcutRows, int(rows().size())) - 1;
    if (m_numbered && row <= last)
        Q_EMIT dataChanged(index(row), index(last));
}

void ShownListModel::redrawAll()
{
    if (!rows().isEmpty())
        Q_EMIT dataChanged(index(0), index(int(rows().size()) - 1));
}

int ShownListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(rows().size());
}

Qt::ItemFlags ShownListModel::flags(const QModelIndex &index) const
{
    const Qt::ItemFlags flags = QAbstractListModel::flags(index);
    return m_draggable && index.isValid() ? flags | Qt::ItemIsDragEnabled : flags;
}

QVariant ShownListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rows().size())
        return {};
    const int row = index.row();
    const int prefixRow = m_numbered ? row : kShortcutRows;
    const QString &entry = rows().at(row);
    switch (role) {
    case Qt::DisplayRole: return rowTitle(prefixRow, entry, m_files.info(entry).isFile, m_arrowSpaces);
    case Qt::DecorationRole: {
        const FileEntries::Info file = m_files.info(entry);
        return file.isFile ? QVariant(m_fileIcons.iconForFileType(file.type)) : QVariant();
    }
    case Qt::ToolTipRole: return {};  // the content preview shows the whole entry
    case EntryRole: return entry;
    case PinnedRole: return row < m_pinned;
    case FileRole: return m_files.info(entry).isFile;
    case PrefixRole: return rowPrefix(prefixRow, m_arrowSpaces);
    // A screen reader says the entry first; whether it is pinned and its paste key follow as the description.
    case Qt::AccessibleTextRole: return entryTitle(QString(), entry, m_files.info(entry).isFile, 0);
    case Qt::AccessibleDescriptionRole: {
        QStringList parts;
        if (row < m_pinned)
            parts << tr("pinned");
        if (prefixRow < kShortcutRows)
            parts << QKeySequence(QKeyCombination(Qt::ControlModifier, Qt::Key(Qt::Key_1 + prefixRow)))
                         .toString(QKeySequence::NativeText);
        return parts.join(QStringLiteral(", "));
    }
    default: return {};
    }
}

}  // namespace tavrin
