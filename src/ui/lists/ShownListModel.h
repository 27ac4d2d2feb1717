// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/EntryList.h"

#include <QAbstractListModel>

namespace tavrin {

class Dispatcher;
class FileEntries;
class FileIcons;
class HistoryStore;

// The rows of the quick-access list over "the shown list": the history (following its changes row by row,
// with pin markers), or a fixed list (search results, a group's items). Holds the list shared, never a copy
// of its texts; a row's text and icon are made only when the view asks for that row, from what FileEntries
// knows (drawing never looks at the file system).
class ShownListModel : public QAbstractListModel {
    Q_OBJECT
public:
    enum Role {
        EntryRole = Qt::UserRole + 1,  // the entry itself
        PinnedRole,  // bool: show the pin marker
        FileRole,  // bool: a file or folder was found at the entry's path
        PrefixRole,  // the row's shortcut prefix
    };

    /// Room for the texts of a row: longer entries are cut for display (nothing else reads the title).
    static constexpr qsizetype kMaxTitleLength = 500;

    ShownListModel(const FileIcons &fileIcons, FileEntries &files, Dispatcher &dispatcher, QObject *parent = nullptr);

    /// Spaces after the "=>" of the rows past the ninth: three in the quick-access list, four in the main window's.
    static constexpr int kQuickListArrowSpaces = 3;
    static constexpr int kMainWindowArrowSpaces = 4;

    /// The prefix of a row as the user reads it on this desktop: "Ctrl+1" to "Ctrl+9" and four spaces for the
    /// first nine rows (their paste shortcuts), "=>" and arrowSpaces spaces after them.
    static QString rowPrefix(int row, int arrowSpaces = kQuickListArrowSpaces);
    /// A row's title: the prefix, then eleven spaces (room for the icon) and the last path component for a
    /// file entry, or the entry without spaces and tabs at both ends for a text.
    static QString rowTitle(int row, const QString &entry, bool isFile, int arrowSpaces = kQuickListArrowSpaces);

    /// Spaces between the prefix and a file's name, where its icon is drawn.
    static constexpr int kIconRoom = 11;
    /// A row's title after any prefix: for a file entry iconRoom spaces and the last path component, for a text the
    /// entry without spaces and tabs at both ends.
    static QString entryTitle(const QString &prefix, const QString &entry, bool isFile, int iconRoom);

    /// The spaces after "=>" in this model's rows.
    void setArrowSpaces(int spaces) { m_arrowSpaces = spaces; }
    /// Whether the first nine rows show their paste shortcut; without it every row starts with the arrow.
    void setNumbersRows(bool numbered) { m_numbered = numbered; }
    /// Whether rows can be dragged out of the view.
    void setRowsDraggable(bool draggable) { m_draggable = draggable; }

    /// Shows the history and follows its changes row by row; pinned rows carry the marker. When it already follows
    /// the history, nothing changes.
    void showHistory(const HistoryStore &history);
    /// Shows a fixed list, without pin markers.
    void showList(const EntryList &rows);
    /// Shows rows, which begin with the rows shown now: the rest is inserted after them.
    void extendList(const EntryList &rows);
    bool followsHistory() const { return m_history != nullptr; }

    /// What is shown: the history's entries while following it.
    const EntryList &rows() const;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

private:
    /// Shows rows instead of the list shown; the caller announces the change.
    void replaceRows(const EntryList &rows);
    void stopFollowing();
    void redrawAll();
    /// The rows from row on whose shortcut prefix depends on their place (a row came or went above them).
    void redrawPrefixesFrom(int row);

    const FileIcons &m_fileIcons;
    FileEntries &m_files;
    Dispatcher &m_dispatcher;
    const HistoryStore *m_history = nullptr;
    QList<QMetaObject::Connection> m_connections;
    EntryList m_rows;  // the fixed list; empty while following the history
    bool m_moving = false;  // a move of the history's is under way
    qsizetype m_pinned = 0;
    int m_arrowSpaces = kQuickListArrowSpaces;
    bool m_numbered = true;
    bool m_draggable = false;
};

}  // namespace tavrin
