// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Scheduler.h"

#include <QMenu>
#include <QPointer>
#include <QWidget>

#include <chrono>

class QListView;
class QStandardItemModel;
class QToolButton;
class QMimeData;

namespace tavrin {

class DimmedSheets;
class GroupListModel;
class GroupListView;
class HistoryStore;
class GroupStore;
class SidebarRowDelegate;
class SystemInfo;

// The main window's sidebar: the upper list with the Clipboard, the "Custom Clipboards" header with its add button
// and the groups, and the lower list with Preferences and About. Exactly one row of the two lists is selected while
// a pane is shown. Groups are added, renamed in place and deleted here, and files or history rows dropped onto a
// group row are added to that group.
class Sidebar : public QWidget {
    Q_OBJECT
public:
    static constexpr int kWidth = 210;
    /// From an added group to the start of its name edit.
    static constexpr std::chrono::milliseconds kEditDelay{100};
    static QString preferencesTitle();  // "Preferences"
    static QString aboutTitle();  // "About"

    Sidebar(GroupStore &groups, const HistoryStore &history, const SystemInfo &system, Scheduler &scheduler,
            DimmedSheets &sheets, QWidget *parent = nullptr);
    ~Sidebar() override;

    GroupListView *upperList() const { return m_upperList; }
    QListView *lowerList() const { return m_lowerList; }
    GroupListModel *groupModel() const { return m_groupModel; }
    QToolButton *addButton() const { return m_addButton; }
    /// The context menu as last built (null before the first opening).
    QMenu *contextMenu() const { return m_contextMenu; }

    /// The selected row of each list, -1 when none.
    int selectedUpperRow() const;
    int selectedLowerRow() const;
    /// Selects one row of a list, which clears the other list's selection; the header row cannot be selected.
    void selectUpperRow(int row);
    void selectLowerRow(int row);

    /// The header's add button: a new group, selected, its name ready to be edited.
    void addGroup();
    /// Starts editing the selected group's name with the caret after its last character.
    void startEditingSelectedName();
    /// The name of the group on row was edited to text.
    void renameGroupRow(int row, const QString &text);
    /// Rebuilds the context menu for a click on row (-1: no row): "Rename" and "Delete" on a group row.
    void rebuildRowMenu(int row);
    /// Asks whether to delete the group on row, and deletes it on "Yes".
    void askToDeleteGroupRow(int row);
    /// Adds what was dropped onto a group row to that group; false when the row takes no drop.
    bool dropOnGroupRow(int row, const QMimeData *offer);
    /// Ends an edit of a name in progress, keeping the text typed so far.
    void endEditing();

Q_SIGNALS:
    /// The selection of the upper list moved to row (0 the Clipboard, 2 and after a group).
    void upperRowSelected(int row);
    /// The selection of the lower list moved to row.
    void lowerRowSelected(int row);
    /// A group was deleted (the Clipboard row is selected right after).
    void groupDeleted();

protected:
    /// The upper list's keys: Delete asks to delete the selected group, the menu key opens its menu.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildView();
    QWidget *buildHeader();
    void upperSelectionChanged();
    void lowerSelectionChanged();
    void showNameAlert(int row, const QString &informativeText);
    void deleteGroupRow(int row);

    GroupStore &m_groups;
    const HistoryStore &m_history;
    const SystemInfo &m_system;
    Scheduler &m_scheduler;
    DimmedSheets &m_sheets;
    GroupListView *m_upperList = nullptr;
    QListView *m_lowerList = nullptr;
    GroupListModel *m_groupModel = nullptr;
    QStandardItemModel *m_lowerModel = nullptr;
    SidebarRowDelegate *m_delegate = nullptr;
    QToolButton *m_addButton = nullptr;
    QPointer<QMenu> m_contextMenu;
    Scheduler::TimerId m_editTimer = 0;
    bool m_nameAlertOpen = false;
};

}  // namespace tavrin
