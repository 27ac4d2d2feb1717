// The quick-access list's menus and the commands they run: the row menu, the state menu and the application menu.
#include "ui/lists/QuickListView.h"

#include "capture/CaptureServices.h"
#include "capture/InteractionSound.h"
#include "capture/PasteEngine.h"
#include "capture/RecordingRules.h"
#include "capture/SequentialMode.h"
#include "capture/SequentialQueue.h"
#include "store/GroupStore.h"
#include "store/HistoryStore.h"
#include "store/SettingsKeys.h"
#include "store/SettingsStore.h"
#include "ui/AlertPresenter.h"
#include "ui/lists/CopyConfirmation.h"
#include "ui/lists/MenuItems.h"
#include "ui/lists/ShownListModel.h"

#include <QCoreApplication>
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
    endMainWindowEditing();
    QMenu *menu = replaceMenu(m_rowMenu, this);
    if (clickedRow < 0 || clickedRow >= m_model->rowCount())
        return;
    selectRow(clickedRow);
    addMenuItem(menu, QStringLiteral("Copy to Clipboard"), [this] { copySelectedEntry(); });
    addMenuItem(
        menu, QStringLiteral("Remove this item"),
        isSearching() ? std::function<void()>() : [this] { removeSelectedEntry(); });
    if (!m_showsHistory)
        return;
    const std::int64_t pins = m_services.history.pinCount();
    // A search row names its entry's place in the history, which decides whether it is pinned.
    const bool pinned = historyPosition(clickedRow) < pins;
    const bool allowed = !isSearching() && (pinned || pins < kMaximumPins);
    addMenuItem(menu, pinned ? QStringLiteral("Unpin this Item") : QStringLiteral("Pin this Item"),
                allowed ? std::function<void()>([this] { togglePinOfSelectedEntry(); }) : std::function<void()>());
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
        Q_EMIT historyListChanged();
    } else {
        m_groupItems.removeAt(row);
        const QString group = m_groupName;
        m_services.groups.writeGroupItems(group, m_groupItems);
        reloadData();
        Q_EMIT groupItemsChanged(group);
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
    Q_EMIT historyListChanged();
}

// State menu ------------------------------------------------------------------------------------------------

void QuickListView::popUpModeMenu()
{
    endMainWindowEditing();
    QMenu *menu = replaceMenu(m_modeMenu, this);
    addMenuItem(menu, kClipboardTitle, [this] { chooseMode(-1); });
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
        m_modeButton->setText(kClipboardTitle);
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
    // A "&" in a name is a letter, not a mnemonic.
    m_modeButton->setText(QString(name).replace(QLatin1Char('&'), QStringLiteral("&&")));
    m_groupItems = m_services.groups.readGroupItems(name);
    reloadData();
}

// Application menu ------------------------------------------------------------------------------------------

void QuickListView::popUpApplicationMenu()
{
    QMenu *menu = replaceMenu(m_applicationMenu, this);
    fillApplicationMenu(menu);
    popUpBelow(menu, m_settingsButton);
}

void QuickListView::fillApplicationMenu(QMenu *menu)
{
    addMenuItem(menu, QStringLiteral("Manage Clipboard"), [this] { showClipboard(); });
    addMenuItem(menu, QStringLiteral("Preferences"), [this] { showPreferences(); });
    addMenuItem(menu, QStringLiteral("Clear Clipboard"), [this] { askToClearHistory(); });
    QAction *tooltips = addMenuItem(menu, QStringLiteral("Show Tooltip"), [this] { toggleShowTooltip(); });
    tooltips->setCheckable(true);
    tooltips->setChecked(m_showTooltip);
    CaptureServices &capture = m_services.capture;
    menu->addSeparator();
    addMenuItem(menu,
                capture.sequentialMode().isOn() ? QStringLiteral("Hide Sequential Paste Queue")
                                                : QStringLiteral("Show Sequential Paste Queue"),
                [this] { toggleSequentialQueue(); });
    addMenuItem(
        menu, QStringLiteral("Clear Sequential Paste Queue"),
        capture.queue().isEmpty() ? std::function<void()>() : [this] { clearSequentialQueue(); });
    // Recording is about every copy, not about this list: a section of its own, the items above as they were.
    menu->addSeparator();
    RecordingRules &rules = capture.recordingRules();
    addMenuItem(menu, rules.isPaused() ? QStringLiteral("Resume Recording") : QStringLiteral("Pause Recording"),
                [&rules] { rules.setPaused(!rules.isPaused()); });
    menu->addSeparator();
    addMenuItem(menu, QStringLiteral("Quit"), [this] { quitProgram(); });
}

void QuickListView::showClipboard()
{
    Q_EMIT clipboardPaneRequested();
}

void QuickListView::showPreferences()
{
    Q_EMIT preferencesPaneRequested();
}

void QuickListView::toggleSequentialQueue()
{
    m_services.capture.sequentialMode().toggleSequentialQueue();
}

void QuickListView::clearSequentialQueue()
{
    // Plays "Pop" and tells the queue list, which reloads and takes its smallest height.
    m_services.capture.sequentialMode().clearSequentialQueue();
}

void QuickListView::toggleShowTooltip()
{
    m_showTooltip = !m_showTooltip;
    m_services.settings.setBool(keys::showTooltip, m_showTooltip);
    if (!m_showTooltip)
        closeContentPreview();
}

void QuickListView::quitProgram()
{
    Q_EMIT quitRequested();
}

void QuickListView::askToClearHistory()
{
    const AlertRequest alertremoveEntireclip{1,
                                             QStringLiteral("Remove All Item?"),
                                             QStringLiteral("Are you sure you want to clear the entire Clipboard?."),
                                             {QStringLiteral("Yes"), QStringLiteral("No")}};
    if (m_services.alerts.runAlert(alertremoveEntireclip) == 0)
        confirmClearHistory();
    else
        cancelClearHistory();
}

void QuickListView::confirmClearHistory()
{
    clearHistory();
}

void QuickListView::cancelClearHistory()
{
    // "No": the history stays as it is.
}

void QuickListView::clearHistory()
{
    m_services.history.clearAll();
    if (isSearching())
        endSearch();
    Q_EMIT historyCleared();
    reloadData();
    m_services.capture.sound().play(QStringLiteral("Pop"));
}

}  // namespace tavrin
