// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/EntryList.h"
#include "ui/ViewServices.h"

#include <QMenu>
#include <QPointer>
#include <QStringList>
#include <QWidget>

class QHBoxLayout;
class QKeyEvent;
class QLineEdit;
class QListView;

namespace tavrin {

class CopiedToast;
class CopyConfirmation;
class HistoryRowDelegate;
class ListSearch;
class SearchSession;
class ShownListModel;

// What the main window's two list panes share: a search field over a list of entries with a copy button on every
// row, the search of the entries, and copying a row (a double-click copies too; these lists never paste).
class ListPane : public QWidget {
    Q_OBJECT
public:
    static constexpr int kSearchFieldHeight = 28;
    static constexpr int kMargin = 12;

    ~ListPane() override;

    bool isSearching() const;
    const EntryList &searchResults() const;
    /// Search results while searching, else every entry.
    const EntryList &shownList() const;
    /// The position among every entry of a shown row (during a search, of that result); -1 for no such row.
    int sourcePosition(int row) const;
    int selectedRow() const;
    void selectRow(int row);

    /// Shows the shown list anew.
    void reloadData();
    /// Ends a search: no results, an empty field, every entry shown.
    void endSearch();

    void copySelectedEntry();
    /// Copies the entry of a shown row: the row's copy button, the menu, a double-click.
    void copyRow(int row);
    /// Rebuilds the row menu for a click on clickedRow (-1: no row) and selects that row.
    void rebuildRowMenu(int clickedRow);
    /// The menu key: the row menu of the selected row, under it.
    void popUpRowMenuForSelection();
    /// Delete: asks, and removes the selected entry on "Yes".
    virtual void askToRemoveSelectedEntry() = 0;
    /// Ctrl+P: pins or unpins the selected entry where the pane has pins.
    virtual void togglePinOfSelectedEntry() {}

    QLineEdit *searchField() const { return m_searchField; }
    QListView *listView() const { return m_listView; }
    ShownListModel *model() const { return m_model; }
    HistoryRowDelegate *cell() const { return m_rowDelegate; }
    ListSearch &search() const;
    QMenu *rowMenu() const { return m_rowMenu; }
    CopiedToast *copiedToast() const;

Q_SIGNALS:
    /// A menu of the pane opens: an edit elsewhere in the window ends first.
    void editingEndRequested();

protected:
    /// listView is the pane's list (made by the subclass, which may extend it); it becomes a child of the pane.
    ListPane(const ViewServices &services, QListView *listView, QWidget *parent);

    /// Every entry of the pane, the list a search filters.
    virtual const EntryList &searchSource() const = 0;
    /// Puts every entry into the model (not searching).
    virtual void showSource() = 0;
    /// Adds the pane's own commands to a row menu that was just built for a row.
    virtual void addRowCommands(QMenu *menu, int clickedRow) = 0;
    /// The row before the list, with the search field; a pane may add to it.
    QHBoxLayout *topRow() const { return m_topRow; }
    /// Where an entry asked about at position is now: there, or (when the entries moved while a question was up)
    /// its nearest copy; -1 when it is gone.
    static int entryPositionNow(const EntryList &entries, int position, const QString &entry);
    /// Searches the entries again with the text in the field (they changed during a search).
    void searchAgain();

    ViewServices m_services;
    QListView *m_listView;
    ShownListModel *m_model = nullptr;

    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void searchTextChanged(const QString &text);
    void applySearchResults();
    /// The keys of the list and the search field that work on the selected row; true when one did.
    bool handleRowKey(QObject *target, const QKeyEvent &event);

    QLineEdit *m_searchField = nullptr;
    QHBoxLayout *m_topRow = nullptr;
    HistoryRowDelegate *m_rowDelegate = nullptr;
    SearchSession *m_search = nullptr;
    CopyConfirmation *m_copyConfirmation = nullptr;
    QPointer<QMenu> m_rowMenu;
};

}  // namespace tavrin
