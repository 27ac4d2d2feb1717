// The quick-access list's menus and the commands they run: the row menu, the state menu and the application menu.
#include "ui/lists/ViewController.h"

#include "app/AppContext.h"
#include "capture/CaptureServices.h"
#include "capture/InteractionSound.h"
#include "capture/PasteEngine.h"
#include "capture/SequentialMode.h"
#include "capture/SequentialQueue.h"
#include "platform/Platform.h"
#include "store/HistoryStore.h"
#include "store/PasteboardGroupStore.h"
#include "store/SettingsKeys.h"
#include "store/SettingsStore.h"
#include "ui/AlertPresenter.h"
#include "ui/lists/ShownListModel.h"
#include "ui/lists/tooltipvc.h"

#include <QCoreApplication>
#include <QListView>
#include <QMenu>
#include <QPushButton>

namespace tavrin {

namespace {

// A menu item; one without an action is shown disabled.
QAction *addItem(QMenu *menu, const QString &title, std::function<void()> action)
{
    QAction *item = menu->addAction(title);
    if (action)
        QObject::connect(item, &QAction::triggered, menu, std::move(action));
    else
        item->setEnabled(false);
    return item;
}

// Menus are rebuilt at each opening; the one they replace goes once it is closed.
QMenu *replaceMenu(QPointer<QMenu> &menu, QWidget *parent)
{
    if (menu)
        menu->deleteLater();
    menu = new QMenu(parent);
    return menu;
}

}  // namespace

void ViewController::popUpBelow(QMenu *menu, QWidget *button)
{
    menu->popup(button->mapToGlobal(QPoint(0, button->height())));
}

// Row menu --------------------------------------------------------------------------------------------------

void ViewController::menuWillOpen(int clickedRow)
{
    endMainWindowEditing();
    QMenu *menu = replaceMenu(m_actionmenu, this);
    if (clickedRow < 0 || clickedRow >= m_model->rowCount())
        return;
    selectRow(clickedRow);
    addItem(menu, QStringLiteral("Copy to Clipboard"), [this] { menuItem_copy(); });
    addItem(
        menu, QStringLiteral("Remove this item"),
        m_searchBegin ? std::function<void()>() : [this] { meniuitem_delete(); });
    if (!m_clipBoardClicked)
        return;
    const std::int64_t pins = m_context.history().pinCount();
    const bool pinned = clickedRow < pins;
    const bool allowed = !m_searchBegin && (pinned || pins < kMaximumPins);
    addItem(menu, pinned ? QStringLiteral("Unpin this Item") : QStringLiteral("Pin this Item"),
            allowed ? std::function<void()>([this] { pinItem(); }) : std::function<void()>());
}

void ViewController::menuItem_copy()
{
    const int row = selectedRow();
    if (row < 0)
        return;
    m_context.capture().pasteEngine().writeItemToPasteboard(shownList().at(row));
    const QRect anchor = globalRowRect(row);
    if (!anchor.isNull())
        m_copiedPopover->showBelow(anchor);
    // A newer confirmation gets its full second.
    m_scheduler.cancel(m_closeTooltipTimer);
    m_closeTooltipTimer = m_scheduler.scheduleOnce(kCopiedConfirmationTime, [this] {
        m_closeTooltipTimer = 0;
        closeTooltip();
    });
    m_context.capture().sound().play(QStringLiteral("Ping"));
}

void ViewController::meniuitem_delete()
{
    const int row = selectedRow();
    if (row < 0 || m_searchBegin)
        return;
    if (m_clipBoardClicked) {
        m_context.history().removeItem(row);
        reloadData();
        Q_EMIT historyListChanged();
    } else {
        m_secondpastboardsArr.removeAt(row);
        const QString group = m_btnstate->text();
        m_context.groups().writeGroupItems(group, m_secondpastboardsArr);
        reloadData();
        Q_EMIT groupItemsChanged(group);
    }
    m_context.capture().sound().play(QStringLiteral("Pop"));
}

void ViewController::pinItem()
{
    const int row = selectedRow();
    if (row < 0 || m_searchBegin || !m_clipBoardClicked)
        return;
    HistoryStore &history = m_context.history();
    if (row >= history.pinCount() && history.pinCount() >= kMaximumPins)
        return;
    // Stores the pin count and saves the history.
    history.togglePin(row);
    m_context.capture().sound().play(QStringLiteral("Ping"));
    reloadData();
    Q_EMIT historyListChanged();
}

// State menu ------------------------------------------------------------------------------------------------

void ViewController::btnchangeState()
{
    endMainWindowEditing();
    QMenu *menu = replaceMenu(m_stateMenu, this);
    addItem(menu, kClipboardTitle, [this] { MenuitemClickedWithSender(-1); });
    const QStringList names = m_context.groups().groupNames();
    for (qsizetype i = 0; i < names.size(); ++i) {
        // A name is shown as typed: an ampersand is no mnemonic here.
        QString title = names.at(i);
        addItem(menu, title.replace(u'&', QStringLiteral("&&")), [this, i] { MenuitemClickedWithSender(int(i)); });
    }
    popUpBelow(menu, m_btnstate);
}

void ViewController::MenuitemClickedWithSender(int tag)
{
    if (m_searchBegin)
        endSearch();
    const QStringList &names = m_context.groups().groupNames();
    if (tag < 0 || tag >= names.size()) {
        m_clipBoardClicked = true;
        m_btnstate->setText(kClipboardTitle);
    } else {
        showGroup(names.at(tag));
        return;
    }
    reloadData();
}

void ViewController::showGroup(const QString &name)
{
    m_clipBoardClicked = false;
    m_btnstate->setText(name);
    m_secondpastboardsArr = m_context.groups().readGroupItems(name);
    reloadData();
}

// Application menu ------------------------------------------------------------------------------------------

void ViewController::btnsettings()
{
    QMenu *menu = replaceMenu(m_applicationMenu, this);
    addItem(menu, QStringLiteral("Manage Clipboard"), [this] { showClipboard(); });
    addItem(menu, QStringLiteral("Preferences"), [this] { showPreferences(); });
    addItem(menu, QStringLiteral("Clear Clipboard"), [this] { ClearClipboard(); });
    QAction *tooltips = addItem(menu, QStringLiteral("Show Tooltip"), [this] { tooltipsettingClicked(); });
    tooltips->setCheckable(true);
    tooltips->setChecked(m_showTooltip);
    CaptureServices &capture = m_context.capture();
    if (m_context.platform().systemInfo->isAtLeast(10, 13)) {
        menu->addSeparator();
        addItem(menu,
                capture.sequentialMode().isOn() ? QStringLiteral("Hide Sequential Paste Queue")
                                                : QStringLiteral("Show Sequential Paste Queue"),
                [this] { showSequentialPasteQueue(); });
        addItem(
            menu, QStringLiteral("Clear Sequential Paste Queue"),
            capture.queue().isEmpty() ? std::function<void()>() : [this] { ClearSequentialPasteQueue(); });
    }
    menu->addSeparator();
    addItem(menu, QStringLiteral("Quit"), [this] { Quitapp(); });
    popUpBelow(menu, m_btnsettings);
}

void ViewController::showClipboard()
{
    if (hooks.showClipboard)
        hooks.showClipboard();
}

void ViewController::showPreferences()
{
    if (hooks.showPreferences)
        hooks.showPreferences();
}

void ViewController::showSequentialPasteQueue()
{
    m_context.capture().sequentialMode().showSequentialPasteQueue();
}

void ViewController::ClearSequentialPasteQueue()
{
    // Plays "Pop" and tells the queue list, which reloads and takes its smallest height.
    m_context.capture().sequentialMode().ClearSequentialPasteQueue();
}

void ViewController::tooltipsettingClicked()
{
    m_showTooltip = !m_showTooltip;
    m_context.settings().setBool(keys::showTooltip, m_showTooltip);
    if (!m_showTooltip)
        closeContentPreview();
}

void ViewController::Quitapp()
{
    if (hooks.quit)
        hooks.quit();
    else
        QCoreApplication::quit();
}

void ViewController::ClearClipboard()
{
    const AlertRequest alertremoveEntireclip{1,
                                             QStringLiteral("Remove All Item?"),
                                             QStringLiteral("Are you sure you want to clear the entire Clipboard?."),
                                             {QStringLiteral("Yes"), QStringLiteral("No")}};
    if (m_alerts.runAlert(alertremoveEntireclip) == 0)
        btnremoveAllItem_alert();
    else
        btnremoveAllItem_cancelalert();
}

void ViewController::btnremoveAllItem_alert()
{
    DeleteEntireClipboard();
}

void ViewController::btnremoveAllItem_cancelalert()
{
    // "No": the history stays as it is.
}

void ViewController::DeleteEntireClipboard()
{
    m_context.history().clearAll();
    if (m_searchBegin)
        endSearch();
    Q_EMIT historyCleared();
    reloadData();
    m_context.capture().sound().play(QStringLiteral("Pop"));
}

}  // namespace tavrin
