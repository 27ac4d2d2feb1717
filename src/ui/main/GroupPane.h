// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/main/ListPane.h"

class QLabel;
class QPushButton;

namespace tavrin {

class DimmedSheets;

// The main window's pane of one group: its items with an icon and name, copied by their button, a double-click or
// the menu; a file or folder added through a file chooser; one item or all removed after a question; a search.
// The sidebar tells it which group to show; it follows that group's changes and renames from anywhere (the store).
class GroupPane : public ListPane {
    Q_OBJECT
public:
    static QString addToolTip();  // "Add a file or folder to paste at a later time"
    static QString chooserMessage();

    GroupPane(const ViewServices &services, DimmedSheets &sheets, QWidget *parent = nullptr);

    /// Shows the items of the group named name, read anew; a search in progress ends.
    void showGroup(const QString &name);
    /// The name of the group shown.
    QString groupName() const { return m_groupName; }
    /// The group's items (the group shown's items as edited here).
    const EntryList &items() const { return m_items; }

    /// The add button: a file or folder chosen in a sheet is appended.
    void addFileOrFolder();
    /// Asks "Remove selected Item?" about the selected row; "Yes" removes it.
    void askToRemoveSelectedEntry() override;
    /// Asks "Remove All Item?"; "Yes" empties the group.
    void askToRemoveAll();
    void removeAll();

    QPushButton *addButton() const { return m_addButton; }
    /// The placeholder shown while the group has no items.
    QWidget *placeholder() const { return m_placeholder; }

protected:
    const EntryList &searchSource() const override;
    void showSource() override;
    void addRowCommands(QMenu *menu, int clickedRow) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void writeItems();
    /// A group's file changed: the group shown takes its new items, ending a search over the old ones.
    void groupItemsChanged(const QString &name, const QStringList &items);
    void removeEntryAsked(int position, const QString &entry);
    void placePlaceholder();
    void updatePlaceholder();

    DimmedSheets &m_sheets;
    QString m_groupName;
    EntryList m_items;
    QPushButton *m_addButton = nullptr;
    QWidget *m_placeholder = nullptr;
};

}  // namespace tavrin
