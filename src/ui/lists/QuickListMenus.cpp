// SPDX-License-Identifier: GPL-3.0-or-later
// The quick-access list's menus and the commands they run: the row menu, the state menu and the application menu
// (the shell's actions, only shown here).
#include "ui/lists/QuickListView.h"

#include "capture/CaptureServices.h"
#include "capture/InteractionSound.h"
#include "capture/PasteEngine.h"
#include "store/GroupStore.h"
#include "store/HistoryStore.h"
#include "ui/AlertPresenter.h"
#include "ui/ApplicationActions.h"
#include "ui/lists/CopyConfirmation.h"
#include "ui/lists/MenuItems.h"
#include "ui/lists/RowKeys.h"
#include "ui/lists/ShownListModel.h"

#include <QListView>
#include <QMenu>
#include <QPushButton>

namespace tavrin {

void QuickListView::popUpBelow(QMenu *menu, QWidget *button)
{
    menu->popup(button->mapToGlobal(QPoint(0, button->height())));
}

// Row menu --------------------------------------------------------------------------------------------------

void QuickListView::rebuildRowMenu(int clickedRow)
{
    QMenu *menu = replaceMenu(m_rowMenu, this);
    if (clickedRow < 0 || clickedRow >= m_model->rowCount())
        return;
    selectRow(clickedRow);
    withRowKeys(addMenuItem(menu, tr("Copy to Clipboard"), [this] { copySelectedEntry(); }), RowCommand::copy);
    withRowKeys(
        addMenuItem(
            menu, tr("Remove this item"), isSearching() ? std::function<void()>() : [this] { removeSelectedEntry(); }),
        RowCommand::remove);
    if (!m_showsHistory)
        return;
    const std::int64_t pins = m_services.history.pinCount();
    // A search row names its entry's place in the history, which decides whether it is pinned.
    const bool pinned = historyPosition(clickedRow) < pins;
    const bool allowed = !isSearching() && (pinned || pins < kMaximumPins);
    withRowKeys(
        addMenuItem(menu, pinned ? tr("Unpin this Item") : tr("Pin this Item"),
                    allowed ? std::function<void()>([this] { togglePinOfSelectedEntry(); }) : std::function<void()>()),
        RowCommand::pin);
}

void QuickListView::popUpRowMenuForSelection()
{
    const int row = selectedRow();
    rebuildRowMenu(row);
    if (m_rowMenu->isEmpty())
        return;
    const QRect rect = m_listView->visualRect(m_model->index(row));
    m_rowMenu->popup(m_listView->viewport()->mapToGlobal(rect.bottomLeft()));
}

void QuickListView::askToRemoveSelectedEntry()
{
    const int row = selectedRow();
    if (row < 0 || isSearching())
        return;
    // The question the main window asks before it removes an entry.
    const AlertRequest alertDeleteclip{1,
                                       tr("Remove selected Item?"),
                                       tr("Are you sure you want to remove the selected item?."),
                                       {tr("Yes"), tr("No")}};
    const QString entry = shownList().at(row);
    if (m_services.alerts.runAlert(alertDeleteclip) != 0)
        return;
    // The alert ran its own event loop: the entry is removed only where it still is.
    if (selectedRow() == row && row < shownList().size() && shownList().at(row) == entry)
        removeSelectedEntry();
}

void QuickListView::copySelectedEntry()
{
    const int row = selectedRow();
    if (row < 0)
        return;
    m_services.capture.pasteEngine().writeItemToClipboard(shownList().at(row));
    m_copyConfirmation->showForRow(m_listView, m_model->index(row));
    m_services.capture.sound().play(QStringLiteral("Ping"));
}

void QuickListView::removeSelectedEntry()
{
    const int row = selectedRow();
    if (row < 0 || isSearching())
        return;
    if (m_showsHistory) {
        m_services.history.removeItem(row);
        reloadData();
    } else {
        // Every other view of the group follows the store's signal.
        m_groupItems.removeAt(row);
        m_services.groups.writeGroupItems(m_groupName, m_groupItems.toStringList());
        reloadData();
    }
    m_services.capture.sound().play(QStringLiteral("Pop"));
}

void QuickListView::togglePinOfSelectedEntry()
{
    const int row = selectedRow();
    if (row < 0 || isSearching() || !m_showsHistory)
        return;
    HistoryStore &history = m_services.history;
    if (row >= history.pinCount() && history.pinCount() >= kMaximumPins)
        return;
    // Stores the pin count and saves the history.
    history.togglePin(row);
    m_services.capture.sound().play(QStringLiteral("Ping"));
    reloadData();
}

// State menu ------------------------------------------------------------------------------------------------

void QuickListView::popUpModeMenu()
{
    QMenu *menu = replaceMenu(m_modeMenu, this);
    addMenuItem(menu, clipboardTitle(), [this] { chooseMode(-1); });
    const QStringList names = m_services.groups.groupNames();
    for (qsizetype i = 0; i < names.size(); ++i) {
        // A name is shown as typed: an ampersand is no mnemonic here.
        QString title = names.at(i);
        addMenuItem(menu, title.replace(u'&', QStringLiteral("&&")), [this, i] { chooseMode(int(i)); });
    }
    popUpBelow(menu, m_modeButton);
}

void QuickListView::chooseMode(int tag)
{
    if (isSearching())
        endSearch();
    const QStringList &names = m_services.groups.groupNames();
    if (tag < 0 || tag >= names.size()) {
        m_showsHistory = true;
        showModeTitle(clipboardTitle());
    } else {
        showGroup(names.at(tag));
        return;
    }
    reloadData();
}

void QuickListView::showGroup(const QString &name)
{
    m_showsHistory = false;
    m_groupName = name;
    showModeTitle(name);
    m_groupItems = m_services.groups.readGroupItems(name);
    reloadData();
}

// Application menu ------------------------------------------------------------------------------------------

void QuickListView::popUpApplicationMenu()
{
    QMenu *menu = replaceMenu(m_applicationMenu, this);
    menu->addActions(m_services.actions.menu);
    popUpBelow(menu, m_settingsButton);
}

}  // namespace tavrin
