// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/ClipboardPane.h"

#include "capture/CaptureServices.h"
#include "capture/ClipboardMonitor.h"
#include "capture/InteractionSound.h"
#include "store/GroupStore.h"
#include "store/HistoryStore.h"
#include "ui/lists/MenuItems.h"
#include "ui/lists/QuickListView.h"
#include "ui/lists/RowKeys.h"
#include "ui/lists/ShownListModel.h"
#include "ui/main/DimmedSheets.h"
#include "ui/main/HistoryListView.h"
#include "ui/main/HistoryRowsMime.h"

#include <QMimeData>

namespace tavrin {

ClipboardPane::ClipboardPane(const ViewServices &services, DimmedSheets &sheets, QWidget *parent)
    : ListPane(services, new HistoryListView, parent), m_sheets(sheets)
{
    setAccessibleName(tr("Clipboard"));
    m_listView->setAccessibleName(tr("Clipboard history"));
    m_model->setRowsDraggable(true);
    historyListView()->dragData = [this](const QList<int> &rows) { return beginRowsDrag(rows); };
    // A new copy or a cleared history: no search over the entries as they were.
    connect(&services.capture.monitor(), &ClipboardMonitor::captured, this, &ClipboardPane::endSearch);
    connect(&services.history, &HistoryStore::itemsReset, this, [this] {
        endSearch();
        reloadData();
    });
    reloadData();
}

ClipboardPane::~ClipboardPane() = default;

HistoryListView *ClipboardPane::historyListView() const
{
    return static_cast<HistoryListView *>(m_listView);
}

const EntryList &ClipboardPane::searchSource() const
{
    return m_services.history.items();
}

void ClipboardPane::showSource()
{
    // Follows the history row by row from here on: a capture inserts one row.
    m_model->showHistory(m_services.history);
}

void ClipboardPane::addRowCommands(QMenu *menu, int clickedRow)
{
    const std::function<void()> none;
    withRowKeys(addMenuItem(menu, tr("Copy to Clipboard"), [this] { copySelectedEntry(); }), RowCommand::copy);
    withRowKeys(addMenuItem(
                    menu, tr("Remove this item"), isSearching() ? none : [this] { askToRemoveSelectedEntry(); }),
                RowCommand::remove);
    addMenuItem(menu, tr("Clear entire Clipboard items"), [this] { askToClearHistory(); });
    const std::int64_t pins = m_services.history.pinCount();
    const bool pinned = clickedRow < pins;
    const bool allowed = !isSearching() && (pinned || pins < QuickListView::kMaximumPins);
    withRowKeys(addMenuItem(menu, pinned ? tr("Unpin this Item") : tr("Pin this Item"),
                            allowed ? std::function<void()>([this] { togglePinOfSelectedEntry(); }) : none),
                RowCommand::pin);
    // What a drag onto a group in the sidebar does, for the keyboard.
    const QStringList &names = m_services.groups.groupNames();
    QMenu *groups = menu->addMenu(tr("Add to Custom Clipboard"));
    groups->setEnabled(!names.isEmpty());
    for (qsizetype i = 0; i < names.size(); ++i) {
        QString title = names.at(i);
        addMenuItem(groups, title.replace(u'&', QStringLiteral("&&")), [this, i] { addSelectedEntryToGroup(int(i)); });
    }
}

void ClipboardPane::addSelectedEntryToGroup(int groupIndex)
{
    const int position = sourcePosition(selectedRow());
    const QStringList &names = m_services.groups.groupNames();
    if (position < 0 || groupIndex < 0 || groupIndex >= names.size())
        return;
    const QString name = names.at(groupIndex);
    QStringList items = m_services.groups.readGroupItems(name);
    items.append(m_services.history.items().at(position));
    m_services.groups.writeGroupItems(name, items);
}

void ClipboardPane::askToRemoveSelectedEntry()
{
    const int position = sourcePosition(selectedRow());
    if (position < 0)
        return;
    // The entry asked about, even if a capture moves the rows while the question is up.
    const QString entry = m_services.history.items().at(position);
    const AlertRequest alertDeleteclip{1,
                                       tr("Remove selected Item?"),
                                       tr("Are you sure you want to remove the selected item?."),
                                       {tr("Yes"), tr("No")}};
    m_sheets.alert(alertDeleteclip, [this, position, entry](int button) {
        if (button == 0)
            removeEntryAsked(position, entry);
    });
}

void ClipboardPane::removeEntryAsked(int position, const QString &entry)
{
    HistoryStore &history = m_services.history;
    position = entryPositionNow(history.items(), position, entry);
    if (position < 0)
        return;
    // A pinned entry lowers the pin count, which is stored; the file is written at once.
    history.removeItem(position);
    reloadData();
    searchAgain();
    m_services.capture.sound().play(QStringLiteral("Pop"));
}

void ClipboardPane::askToClearHistory()
{
    const AlertRequest alertremoveEntireclip{
        1, tr("Remove All Item?"), tr("Are you sure you want to clear the entire Clipboard?."), {tr("Yes"), tr("No")}};
    m_sheets.alert(alertremoveEntireclip, [this](int button) {
        if (button == 0)
            clearHistory();
    });
}

void ClipboardPane::clearHistory()
{
    // Every list of the history ends its search on the reset.
    m_services.history.clearAll();
    m_services.capture.sound().play(QStringLiteral("Pop"));
}

void ClipboardPane::togglePinOfSelectedEntry()
{
    const int row = selectedRow();
    HistoryStore &history = m_services.history;
    if (row < 0 || isSearching() || row >= history.items().size())
        return;
    if (row >= history.pinCount() && history.pinCount() >= QuickListView::kMaximumPins)
        return;
    // Stores the pin count and saves the history.
    history.togglePin(row);
    m_services.capture.sound().play(QStringLiteral("Ping"));
    reloadData();
}

QMimeData *ClipboardPane::beginRowsDrag(const QList<int> &rows)
{
    QList<int> positions;
    QStringList entries;
    const EntryList &items = m_services.history.items();
    for (int row : rows) {
        const int position = sourcePosition(row);
        if (position < 0)
            continue;
        positions.append(position);
        entries.append(items.at(position));
    }
    if (positions.isEmpty())
        return nullptr;
    return historyRowsMimeData(positions, entries);
}

}  // namespace tavrin
