// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Scheduler.h"
#include "store/EntryList.h"
#include "ui/ViewServices.h"

#include <QMenu>
#include <QPointer>
#include <QStringList>
#include <QWidget>

#include <chrono>
#include <functional>

class QFrame;
class QLabel;
class QLineEdit;
class QListView;
class QPushButton;

namespace tavrin {

class ListSearch;
class SearchSession;
class ShownListModel;
class EntryPreviewPopup;
class HistoryRowDelegate;
class CopiedToast;
class CopyConfirmation;

// The quick-access list: the content of the small window that the tray icon and the quick-access shortcut
// open. It shows the history (or one clipboard group) with numbered rows, searches it, and copies, pastes,
// pins and removes entries; its settings button opens the application menu (the shell's actions). It follows the
// history, the groups and the captures by their own signals.
class QuickListView : public QWidget {
    Q_OBJECT
public:
    static constexpr int kMinimumViewHeight = 370;
    static constexpr int kMaximumViewHeight = 710;
    static constexpr int kViewWidth = 400;
    /// The most entries the list lets the user pin.
    static constexpr int kMaximumPins = 9;
    /// The mode button's title while the history is shown, and the state menu's first item.
    static QString clipboardTitle();
    /// Rows laid out per slice.
    static constexpr int kLayoutBatch = 5000;

    explicit QuickListView(const ViewServices &services, QWidget *parent = nullptr);
    ~QuickListView() override;

    /// The height the list's window should have for n shown entries: 40 per entry plus 130, from 370 to 710.
    static int viewHeightFor(qsizetype entries);
    int viewHeight() const { return m_viewHeight; }
    QSize sizeHint() const override;

    /// Set-up when the view is first shown: the tooltip setting, the history saved once, the monitor started.
    /// Runs once; later calls do nothing.
    void prepareOnFirstShow();
    bool isViewLoaded() const { return m_loaded; }

    // What the list shows.
    bool isSearching() const;
    bool showsHistory() const { return m_showsHistory; }
    const EntryList &searchResults() const;
    const EntryList &groupItems() const { return m_groupItems; }
    /// The name of the group shown; empty while the history is shown.
    QString shownGroupName() const;
    /// Search results while searching, else the history or the group's items.
    const EntryList &shownList() const;
    /// Whether an entry is previewed on hover: the setting that "Show Tooltip" switches.
    bool showTooltip() const;
    int previewedRow() const { return m_previewedRow; }
    /// The selected row, -1 when none.
    int selectedRow() const;
    /// The place in the history of the entry a row of the history (or of a search in it) shows.
    qsizetype historyPosition(int row) const;
    /// The group shown, when a group is shown.
    const QString &groupName() const { return m_groupName; }

    // For the other views that change what the list shows.
    /// Shows the shown list anew (and, outside a search, sets the height for it).
    void reloadData();
    /// Ends a search: no results, an empty field, the whole list shown.
    void endSearch();
    /// Back to the history (title "Clipboard"), ending any search; the monitor asks for this after each capture.
    void showHistoryMode();
    /// Shows the items of the group named name (the mode button takes the name).
    void showGroup(const QString &name);

    // The list's commands.
    /// Rebuilds the row menu for a click on clickedRow (-1: no row) and selects that row.
    void rebuildRowMenu(int clickedRow);
    void copySelectedEntry();
    void removeSelectedEntry();
    /// Delete: asks the main window's question, and removes the selected entry on "Yes".
    void askToRemoveSelectedEntry();
    /// The menu key: the row menu of the selected row, under it.
    void popUpRowMenuForSelection();
    void togglePinOfSelectedEntry();
    void pasteSelectedEntry();
    /// Ctrl+digit pastes that row; true when the key was such a chord.
    bool pasteRowOfDigitKey(const QKeyEvent &event);
    /// Pops up the state menu: the history and each group.
    void popUpModeMenu();
    /// A choice of the state menu: -1 the history, else the index of a group name.
    void chooseMode(int tag);
    void closeCopiedToast();
    void showContentPreview(int row);

    /// The settings button's menu: the shell's actions.
    void popUpApplicationMenu();

    // The parts, for the window around the list and for tests.
    QLineEdit *searchField() const { return m_searchField; }
    QPushButton *modeButton() const { return m_modeButton; }
    QPushButton *settingsButton() const { return m_settingsButton; }
    QListView *listView() const { return m_listView; }
    ShownListModel *model() const { return m_model; }
    HistoryRowDelegate *cell() const { return m_rowDelegate; }
    ListSearch &search() const;
    /// The menus as last built (null before the first opening).
    QMenu *rowMenu() const { return m_rowMenu; }
    QMenu *modeMenu() const { return m_modeMenu; }
    QMenu *applicationMenu() const { return m_applicationMenu; }
    EntryPreviewPopup *contentPreview() const { return m_contentPreview; }
    CopiedToast *copiedToast() const;

Q_SIGNALS:
    /// The list's window should close (a paste, a command that leaves the list).
    void closeRequested();
    /// The height the window should take (viewHeight()).
    void viewHeightChanged(int height);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void buildView();
    void connectSignals();
    void setViewHeight(int height);
    /// The mode button's title: the Clipboard or the group shown.
    void showModeTitle(const QString &title);
    void updateViewHeight();
    void closeListWindow();
    /// A group's file changed: the group shown takes its new items, ending a search over the old ones.
    void groupItemsChanged(const QString &name, const QStringList &items);
    /// The list a search filters: the history or the group's items, never earlier results.
    const EntryList &searchSource() const;
    void searchTextChanged(const QString &text);
    void applySearchResults();
    void selectRow(int row);
    bool handleListKey(QObject *target, QKeyEvent *event);
    void pasteRow(int row);
    /// The digit a Ctrl+digit chord means, by the key's text or else by its place; -1 for other keys.
    int digitOfKey(const QKeyEvent &event) const;
    void popUpBelow(QMenu *menu, QWidget *button);
    void closeContentPreview();
    QRect globalRowRect(int row) const;

    ViewServices m_services;
    Scheduler &m_scheduler;

    QLineEdit *m_searchField = nullptr;
    QPushButton *m_modeButton = nullptr;
    QPushButton *m_settingsButton = nullptr;
    QListView *m_listView = nullptr;
    ShownListModel *m_model = nullptr;
    HistoryRowDelegate *m_rowDelegate = nullptr;
    SearchSession *m_search = nullptr;
    QPointer<QMenu> m_rowMenu;
    QPointer<QMenu> m_modeMenu;
    QPointer<QMenu> m_applicationMenu;
    EntryPreviewPopup *m_contentPreview = nullptr;
    CopyConfirmation *m_copyConfirmation = nullptr;

    bool m_loaded = false;
    int m_viewHeight = kMinimumViewHeight;
    EntryList m_groupItems;
    QString m_groupName;
    bool m_showsHistory = true;
    int m_previewedRow = -1;
};

}  // namespace tavrin
