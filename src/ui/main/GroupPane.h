// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/main/ListPane.h"

class QLabel;
class QPushButton;

namespace tavrin {

class DimmedSheets;

// The main window's pane of one group: its items with an icon and name, copied by their button, a double-click or
// the menu; a file or folder added through a file chooser; one item or all removed after a question; a search.
// The sidebar tells it which group to show; it follows that group when it is renamed.
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
    const QStringList &items() const;

    /// The shown group was renamed: its items are written under the new name from now on.
    void groupRenamed(const QString &oldName, const QString &newName);
    /// The group's items changed elsewhere (the quick-access list): read anew, a search ends.
    void groupChangedElsewhere(const QString &name);

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

Q_SIGNALS:
    /// Items were removed here: the quick-access list ends its search and shows the group anew if it shows it.
    void groupItemsRemoved(const QString &name);
    /// An item was added here: the quick-access list shows the group anew if it shows it.
    void groupItemsAdded(const QString &name);

protected:
    const QStringList &searchSource() const override;
    void showSource() override;
    void addRowCommands(QMenu *menu, int clickedRow) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void writeItems();
    void removeEntryAsked(int position, const QString &entry);
    void placePlaceholder();
    void updatePlaceholder();

    DimmedSheets &m_sheets;
    QString m_groupName;
    QPushButton *m_addButton = nullptr;
    QWidget *m_placeholder = nullptr;
};

}  // namespace tavrin
