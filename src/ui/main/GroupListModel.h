// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractListModel>
#include <QStringList>

namespace tavrin {

class GroupStore;

// The rows of the sidebar's upper list: "Clipboard", the "Custom Clipboards" header, then one row per group in the
// order of the stored names. It follows the group names row by row, so a rename or a removal keeps the selection
// where it was; editing a group's title only reports the text (the sidebar decides what becomes of it).
class GroupListModel : public QAbstractListModel {
    Q_OBJECT
public:
    enum class RowKind { clipboard, header, group };
    enum Role {
        RowKindRole = Qt::UserRole + 1,  // RowKind as int
        ImageNameRole,  // the row's picture: "clipboard-dark", "pasteboard-dark", none for the header
    };

    static constexpr int kClipboardRow = 0;
    static constexpr int kHeaderRow = 1;
    /// The first group's row; group i is on row i + kFirstGroupRow.
    static constexpr int kFirstGroupRow = 2;
    static QString clipboardTitle();  // "Clipboard"
    static QString headerTitle();  // "Custom Clipboards"

    explicit GroupListModel(GroupStore &groups, QObject *parent = nullptr);

    static RowKind kindOfRow(int row);
    /// The group's index among the names for a row, -1 for the first two rows.
    static int groupIndex(int row) { return row >= kFirstGroupRow ? row - kFirstGroupRow : -1; }
    /// The titles as shown: "Clipboard", "Custom Clipboards", then the group names.
    QStringList titles() const;
    /// Takes the store's names now (after a rename or a removal), row by row.
    void reload();

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    Qt::DropActions supportedDropActions() const override;
    QStringList mimeTypes() const override;

Q_SIGNALS:
    /// A group's title was edited to text (the row is the group's row).
    void titleEdited(int row, const QString &text);

private:
    GroupStore &m_groups;
    QStringList m_names;
};

}  // namespace tavrin
