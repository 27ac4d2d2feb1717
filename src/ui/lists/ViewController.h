#pragma once

#include "platform/Scheduler.h"

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

class AlertPresenter;
class AppContext;
class ListSearch;
class ShownListModel;
class SystemInfo;
class contentTooltipvc;
class tbl_cell;
class tooltipvc;

// The quick-access list: the content of the small window that the tray icon and the quick-access shortcut
// open. It shows the history (or one pasteboard group) with numbered rows, searches it, and copies, pastes,
// pins and removes entries; its settings button opens the application menu.
class ViewController : public QWidget {
    Q_OBJECT
public:
    static constexpr int kMinimumViewHeight = 370;
    static constexpr int kMaximumViewHeight = 710;
    static constexpr int kViewWidth = 400;
    /// The most entries the list lets the user pin.
    static constexpr int kMaximumPins = 9;
    /// How long the "copied" confirmation stays.
    static constexpr std::chrono::milliseconds kCopiedConfirmationTime{1000};
    /// The mode button's title while the history is shown, and the state menu's first item.
    static const QString kClipboardTitle;
    /// Rows laid out per slice.
    static constexpr int kLayoutBatch = 5000;

    // What lies outside the list; each does nothing while unset unless said otherwise.
    struct Hooks {
        /// Shows the main window on its clipboard pane ("Manage Clipboard").
        std::function<void()> showClipboard;
        /// Shows the main window on its preferences ("Preferences").
        std::function<void()> showPreferences;
        /// Closes the list's window; unset: hides window().
        std::function<void()> closeListWindow;
        /// Ends any edit in the main window, before a menu of the list opens.
        std::function<void()> endMainWindowEditing;
        /// Opens the main window on its promotion pane.
        std::function<void()> showPromotion;
        /// Quits the program; unset: QCoreApplication::quit().
        std::function<void()> quit;
    };

    ViewController(AppContext &context, AlertPresenter &alerts, QWidget *parent = nullptr);
    ~ViewController() override;

    Hooks hooks;

    /// The height the list's window should have for n shown entries: 40 per entry plus 130, from 370 to 710.
    static int viewHeightFor(qsizetype entries);
    int viewHeight() const { return m_viewHeight; }
    QSize sizeHint() const override;

    /// Set-up when the view is first shown: the tooltip setting, the history saved once, the monitor started.
    /// Runs once; later calls do nothing.
    void viewDidLoad();
    bool isViewLoaded() const { return m_loaded; }
    /// The monitor's check (its timer runs it; so can anyone).
    void checkState();
    /// The save timer's action.
    void saveCopiedData();

    // What the list shows.
    bool searchBegin() const { return m_searchBegin; }
    bool clipBoardClicked() const { return m_clipBoardClicked; }
    const QStringList &searchedallarr() const { return m_searchedallarr; }
    const QStringList &secondpastboardsArr() const { return m_secondpastboardsArr; }
    /// Search results while searching, else the history or the group's items.
    const QStringList &shownList() const;
    bool showTooltip() const { return m_showTooltip; }
    int tooltipRow() const { return m_tooltipRow; }
    /// The selected row, -1 when none.
    int selectedRow() const;

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
    void menuWillOpen(int clickedRow);
    void menuItem_copy();
    void meniuitem_delete();
    void pinItem();
    void DoubleClick_action();
    /// Ctrl+digit (Command-digit) pastes that row; true when the key was such a chord.
    bool keyDown(const QKeyEvent &event);
    /// Pops up the state menu: the history and each group.
    void btnchangeState();
    /// A choice of the state menu: -1 the history, else the index of a group name.
    void MenuitemClickedWithSender(int tag);
    void closeTooltip();
    void showContentPreview(int row);

    // The application menu and its commands.
    void btnsettings();
    void showClipboard();
    void showPreferences();
    void showSequentialPasteQueue();
    void ClearSequentialPasteQueue();
    void ClearClipboard();
    void tooltipsettingClicked();
    void Quitapp();
    void btnremoveAllItem_alert();
    void btnremoveAllItem_cancelalert();
    void DeleteEntireClipboard();

    /// The colour of the promotion button's line: pointer over it or not.
    static QColor promotionLineColor(const SystemInfo &system, bool pointerInside);

    // The parts, for the window around the list and for tests.
    QLineEdit *searchField() const { return m_searchField; }
    QPushButton *btnstate() const { return m_btnstate; }
    QPushButton *settingsButton() const { return m_btnsettings; }
    QListView *tblview() const { return m_tblview; }
    QPushButton *promotionButton() const { return m_promotionButton; }
    QFrame *promotionLine() const { return m_promotionLine; }
    ShownListModel *model() const { return m_model; }
    tbl_cell *cell() const { return m_cell; }
    ListSearch &search() const { return *m_search; }
    /// The menus as last built (null before the first opening).
    QMenu *actionmenu() const { return m_actionmenu; }
    QMenu *stateMenu() const { return m_stateMenu; }
    QMenu *applicationMenu() const { return m_applicationMenu; }
    contentTooltipvc *contentPreview() const { return m_contentPreview; }
    tooltipvc *copiedPopover() const { return m_copiedPopover; }

Q_SIGNALS:
    /// The height the window should take (viewHeight()).
    void viewHeightChanged(int height);
    /// The history changed here (remove, pin): the main-window list reloads.
    void historyListChanged();
    /// The history was cleared here: the main-window list ends its search and reloads.
    void historyCleared();
    /// A group's items changed here: a view of that group reloads.
    void groupItemsChanged(const QString &name);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void buildView();
    void connectSignals();
    void setViewHeight(int height);
    void updateViewHeight();
    void closeListWindow();
    void endMainWindowEditing();
    /// The list a search filters: the history or the group's items, never earlier results.
    const QStringList &searchSource() const;
    void searchTextChanged(const QString &text);
    void searchFieldDidStartSearching();
    void searchFieldDidEndSearching();
    void controlTextDidChange(const QString &text);
    void applySearchResults();
    void selectRow(int row);
    bool handleListKey(QObject *target, QKeyEvent *event);
    void pasteRow(int row);
    void popUpBelow(QMenu *menu, QWidget *button);
    void closeContentPreview();
    QRect globalRowRect(int row) const;
    void loadShowTooltip();
    void hidePromotionWhenNothingToPromote();

    AppContext &m_context;
    AlertPresenter &m_alerts;
    Scheduler &m_scheduler;

    QLineEdit *m_searchField = nullptr;
    QPushButton *m_btnstate = nullptr;
    QPushButton *m_btnsettings = nullptr;
    QListView *m_tblview = nullptr;
    QPushButton *m_promotionButton = nullptr;
    QLabel *m_promotionCaption = nullptr;
    QFrame *m_promotionLine = nullptr;
    ShownListModel *m_model = nullptr;
    tbl_cell *m_cell = nullptr;
    ListSearch *m_search = nullptr;
    QPointer<QMenu> m_actionmenu;
    QPointer<QMenu> m_stateMenu;
    QPointer<QMenu> m_applicationMenu;
    contentTooltipvc *m_contentPreview = nullptr;
    tooltipvc *m_copiedPopover = nullptr;

    bool m_loaded = false;
    int m_viewHeight = kMinimumViewHeight;
    bool m_searchBegin = false;
    QStringList m_searchedallarr;
    QStringList m_secondpastboardsArr;
    bool m_clipBoardClicked = true;
    bool m_showTooltip = true;
    int m_tooltipRow = -1;
    Scheduler::TimerId m_closeTooltipTimer = 0;
};

}  // namespace tavrin
