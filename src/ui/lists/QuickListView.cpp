// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/lists/QuickListView.h"

#include "platform/KeyPositions.h"

#include "capture/CaptureServices.h"
#include "capture/ClipboardMonitor.h"
#include "capture/PasteEngine.h"
#include "store/GroupStore.h"
#include "store/HistoryStore.h"
#include "store/SettingsKeys.h"
#include "store/SettingsStore.h"
#include "ui/ApplicationActions.h"
#include "ui/lists/CopiedToast.h"
#include "ui/lists/CopyConfirmation.h"
#include "ui/lists/EntryPreviewPopup.h"
#include "ui/lists/HistoryRowDelegate.h"
#include "ui/lists/ListResources.h"
#include "ui/lists/ListSearch.h"
#include "ui/lists/RowKeys.h"
#include "ui/lists/SearchSession.h"
#include "ui/lists/ShownListModel.h"
#include "ui/widgets/OverlayScrollBar.h"
#include "ui/widgets/PaletteIcon.h"
#include "ui/widgets/PointingHandButton.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QScreen>
#include <QVBoxLayout>

namespace tavrin {

QString QuickListView::clipboardTitle()
{
    return tr("Clipboard");
}

QuickListView::QuickListView(const ViewServices &services, QWidget *parent)
    : QWidget(parent), m_services(services), m_scheduler(services.scheduler)
{
    ensureListResources();
    buildView();
    connectSignals();
    reloadData();
}

QuickListView::~QuickListView()
{
    // The rows' hover reports stop before the parts they would touch go.
    m_rowDelegate->disconnect(this);
    m_listView->viewport()->removeEventFilter(m_rowDelegate);
}

int QuickListView::viewHeightFor(qsizetype entries)
{
    const qsizetype wanted = 40 * std::min<qsizetype>(entries, kMaximumViewHeight) + 130;
    return int(std::clamp<qsizetype>(wanted, kMinimumViewHeight, kMaximumViewHeight));
}

QSize QuickListView::sizeHint() const
{
    return QSize(kViewWidth, m_viewHeight);
}

void QuickListView::buildView()
{
    m_searchField = new QLineEdit(this);
    m_searchField->setPlaceholderText(tr("Search"));
    m_searchField->setClearButtonEnabled(true);
    m_searchField->setAccessibleName(tr("Search"));

    m_modeButton = new PointingHandButton(clipboardTitle(), this);
    showModeTitle(clipboardTitle());
    m_settingsButton = new PointingHandButton(this);
    m_settingsButton->setIcon(paletteIcon(kSettingsImage));
    m_settingsButton->setAccessibleName(tr("Settings"));
    m_settingsButton->setToolTip(tr("Settings"));
    m_modeButton->setToolTip(tr("Show the Clipboard or a Custom Clipboard"));
    // Tab reaches them; a click leaves the focus in the search field, where typing goes on.
    for (QPushButton *button : {m_modeButton, m_settingsButton})
        button->setFocusPolicy(Qt::TabFocus);

    m_listView = new QListView(this);
    m_listView->setAccessibleName(tr("Clipboard history"));
    m_model = new ShownListModel(m_services.fileIcons, m_services.capture.fileEntries(), m_services.dispatcher, this);
    m_rowDelegate = new HistoryRowDelegate(this);
    m_listView->setModel(m_model);
    m_listView->setItemDelegate(m_rowDelegate);
    // Every row has the same height, so the view lays out and scrolls 100,000 rows without asking for each.
    m_listView->setUniformItemSizes(true);
    // A long list is laid out in slices between events, so a reload never holds the GUI thread for long.
    m_listView->setLayoutMode(QListView::Batched);
    m_listView->setBatchSize(kLayoutBatch);
    m_listView->setSelectionMode(QAbstractItemView::SingleSelection);
    m_listView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_listView->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_listView->setVerticalScrollBar(new OverlayScrollBar(Qt::Vertical, m_listView));
    m_listView->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    m_listView->setContextMenuPolicy(Qt::CustomContextMenu);
    m_listView->setFrameShape(QFrame::NoFrame);
    m_rowDelegate->trackHover(m_listView);

    m_contentPreview = new EntryPreviewPopup(this);
    m_copyConfirmation = new CopyConfirmation(m_scheduler, this);

    auto *top = new QHBoxLayout;
    top->setSpacing(6);
    top->addWidget(m_searchField, 1);
    top->addWidget(m_modeButton);
    top->addWidget(m_settingsButton);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->setSpacing(8);
    layout->addLayout(top);
    layout->addWidget(m_listView, 1);

    m_searchField->installEventFilter(this);
    m_listView->installEventFilter(this);
    m_listView->viewport()->installEventFilter(this);
    setFocusProxy(m_searchField);
}

void QuickListView::connectSignals()
{
    m_search = new SearchSession(m_services.dispatcher, this);
    connect(m_search, &SearchSession::resultsArrived, this, &QuickListView::applySearchResults);
    connect(m_searchField, &QLineEdit::textChanged, this, &QuickListView::searchTextChanged);
    connect(m_modeButton, &QPushButton::clicked, this, &QuickListView::popUpModeMenu);
    connect(m_settingsButton, &QPushButton::clicked, this, &QuickListView::popUpApplicationMenu);
    connect(m_listView, &QListView::customContextMenuRequested, this, [this](const QPoint &pos) {
        rebuildRowMenu(m_listView->indexAt(pos).row());
        if (!m_rowMenu->isEmpty())
            m_rowMenu->popup(m_listView->viewport()->mapToGlobal(pos));
    });
    // Rows the history gains or loses on its own resize the window as a reload would.
    for (auto signal : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved})
        connect(m_model, signal, this, &QuickListView::updateViewHeight);
    connect(m_model, &QAbstractItemModel::modelReset, this, &QuickListView::updateViewHeight);
    // Queued: the folder question must not run inside the double-click's mouse handling, whose release it would
    // swallow and whose selection it would lose.
    connect(
        m_listView, &QListView::doubleClicked, this, [this] { pasteSelectedEntry(); }, Qt::QueuedConnection);
    connect(m_rowDelegate, &HistoryRowDelegate::mouseEntered, this, [this](int row) {
        if (showTooltip())
            showContentPreview(row);
    });
    connect(m_rowDelegate, &HistoryRowDelegate::mouseExited, this, &QuickListView::closeContentPreview);
    if (QAction *tooltips = m_services.actions.showTooltip) {
        connect(tooltips, &QAction::toggled, this, [this](bool on) {
            if (!on)
                closeContentPreview();
        });
    }

    // The history's changes reach the model row by row; a capture brings the list back to the history.
    connect(&m_services.capture.monitor(), &ClipboardMonitor::captured, this, &QuickListView::showHistoryMode);
    // Cleared: no search over what went.
    connect(&m_services.history, &HistoryStore::itemsReset, this, [this] {
        endSearch();
        reloadData();
    });
    connect(&m_services.groups, &GroupStore::groupItemsChanged, this, &QuickListView::groupItemsChanged);
    connect(&m_services.groups, &GroupStore::groupRenamed, this,
            [this](const QString &oldName, const QString &newName) {
                if (!m_showsHistory && m_groupName == oldName) {
                    m_groupName = newName;
                    showModeTitle(newName);
                }
            });
}

void QuickListView::groupItemsChanged(const QString &name, const QStringList &items)
{
    // Our own writes come back with the items shown.
    if (m_showsHistory || name != m_groupName || items == m_groupItems)
        return;
    m_groupItems = items;
    endSearch();
    reloadData();
}

void QuickListView::prepareOnFirstShow()
{
    if (m_loaded)
        return;
    m_loaded = true;
    m_services.settings.storeDefaultIfMissing(keys::showTooltip);
    showModeTitle(clipboardTitle());
    m_services.history.saveHistory();
    m_services.capture.monitor().start();
}

bool QuickListView::showTooltip() const
{
    return m_services.settings.flag(keys::showTooltip);
}

const EntryList &QuickListView::searchSource() const
{
    return m_showsHistory ? m_services.history.items() : m_groupItems;
}

bool QuickListView::isSearching() const
{
    return m_search->isSearching();
}

const EntryList &QuickListView::searchResults() const
{
    return m_search->results();
}

ListSearch &QuickListView::search() const
{
    return m_search->engine();
}

const EntryList &QuickListView::shownList() const
{
    return m_search->shownList(searchSource());
}

QString QuickListView::shownGroupName() const
{
    // The name itself: the button's text doubles each "&".
    return m_showsHistory ? QString() : m_groupName;
}

void QuickListView::showModeTitle(const QString &title)
{
    // A "&" in a name is a letter, not a mnemonic.
    m_modeButton->setText(QString(title).replace(QLatin1Char('&'), QStringLiteral("&&")));
    // Screen readers say what the button is for, then the list it shows.
    m_modeButton->setAccessibleName(tr("Shown list: %1").arg(title));
}

int QuickListView::selectedRow() const
{
    const QModelIndexList selected = m_listView->selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.constFirst().row();
}

qsizetype QuickListView::historyPosition(int row) const
{
    if (!isSearching())
        return row;
    return m_search->sourcePosition(m_services.history.items(), row);
}

void QuickListView::selectRow(int row)
{
    if (row < 0 || row >= m_model->rowCount()) {
        m_listView->clearSelection();
        return;
    }
    const QModelIndex index = m_model->index(row);
    m_listView->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
}

void QuickListView::reloadData()
{
    const int selected = selectedRow();
    if (!isSearching() && m_showsHistory) {
        const bool wasFollowing = m_model->followsHistory();
        m_model->showHistory(m_services.history);
        if (!wasFollowing)
            selectRow(selected);
    } else {
        m_model->showList(shownList());
        selectRow(selected);
    }
    updateViewHeight();
}

void QuickListView::updateViewHeight()
{
    if (!isSearching())
        setViewHeight(viewHeightFor(m_model->rowCount()));
}

void QuickListView::setViewHeight(int height)
{
    if (height == m_viewHeight)
        return;
    m_viewHeight = height;
    updateGeometry();
    Q_EMIT viewHeightChanged(height);
}

void QuickListView::searchTextChanged(const QString &text)
{
    if (text.isEmpty()) {
        m_search->stop();
        reloadData();
        return;
    }
    if (m_search->start(searchSource()))
        reloadData();
    m_search->filter(searchSource(), text);
}

void QuickListView::applySearchResults()
{
    // The rest of a search whose first results are up: added below them, the selection and scroll stay.
    if (m_search->resultsExtendShown()) {
        m_model->extendList(searchResults());
        return;
    }
    m_model->showList(searchResults());
    // The best match is ready for Return.
    selectRow(0);
    m_listView->scrollToTop();
}

void QuickListView::endSearch()
{
    const bool wasSearching = m_search->stop() || !m_searchField->text().isEmpty();
    {
        const QSignalBlocker blocker(m_searchField);
        m_searchField->clear();
    }
    if (wasSearching)
        reloadData();
}

void QuickListView::showHistoryMode()
{
    m_showsHistory = true;
    showModeTitle(clipboardTitle());
    endSearch();
    reloadData();
}

void QuickListView::closeListWindow()
{
    Q_EMIT closeRequested();
}

int QuickListView::digitOfKey(const QKeyEvent &event) const
{
    if (event.key() >= Qt::Key_0 && event.key() <= Qt::Key_9)
        return event.key() - Qt::Key_0;
    // Layouts whose digits need Shift (AZERTY): the key in the place of "1" still means 1.
    const Qt::Key placed = m_services.keyPositions.usLayoutKey(event.nativeScanCode());
    if (placed < Qt::Key_0 || placed > Qt::Key_9)
        return -1;
    return placed - Qt::Key_0;
}

bool QuickListView::pasteRowOfDigitKey(const QKeyEvent &event)
{
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    if (!(modifiers & Qt::ControlModifier) || (modifiers & (Qt::AltModifier | Qt::MetaModifier | Qt::ShiftModifier)))
        return false;
    const int n = digitOfKey(event);
    if (n < 0)
        return false;
    if (n >= 1 && n <= shownList().size())
        pasteRow(n - 1);
    return true;
}

void QuickListView::pasteRow(int row)
{
    if (row < 0 || row >= shownList().size())
        return;
    // A copy: the paste hides this window, which may change what is shown.
    const QString entry = shownList().at(row);
    m_services.capture.pasteEngine().pasteItem(entry);
}

void QuickListView::pasteSelectedEntry()
{
    const int row = selectedRow();
    if (row < 0)
        return;
    pasteRow(row);
}

bool QuickListView::handleListKey(QObject *target, QKeyEvent *event)
{
    if (pasteRowOfDigitKey(*event))
        return true;
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    // In the search field, its own text comes first: Delete and Ctrl+C edit the text while there is some.
    const bool fieldTakesKey =
        target == m_searchField && (m_searchField->hasSelectedText() || !m_searchField->text().isEmpty());
    switch (rowCommandFor(*event)) {
    case RowCommand::copy:
        if (m_searchField->hasSelectedText() && target == m_searchField)
            return false;
        copySelectedEntry();
        return true;
    case RowCommand::remove:
        if (fieldTakesKey)
            return false;
        askToRemoveSelectedEntry();
        return true;
    case RowCommand::pin: togglePinOfSelectedEntry(); return true;
    case RowCommand::menu: popUpRowMenuForSelection(); return true;
    case RowCommand::none: break;
    }
    switch (event->key()) {
    case Qt::Key_Escape:
        if (modifiers != Qt::NoModifier)
            return false;
        // A search is cleared first; the next Escape closes the list.
        if (!m_searchField->text().isEmpty())
            endSearch();
        else
            closeListWindow();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (modifiers == Qt::NoModifier) {
            pasteSelectedEntry();
            return true;
        }
        return false;
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        if (target == m_searchField) {
            QCoreApplication::sendEvent(m_listView, event);
            return true;
        }
        return false;
    default: break;
    }
    // Typing in the list goes on in the search field.
    const bool typing =
        (!event->text().isEmpty() && event->text().at(0).isPrint()) || event->key() == Qt::Key_Backspace;
    if (target == m_listView && typing && !(modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))) {
        m_searchField->setFocus();
        QCoreApplication::sendEvent(m_searchField, event);
        return true;
    }
    return false;
}

bool QuickListView::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && (watched == m_searchField || watched == m_listView))
        return handleListKey(watched, static_cast<QKeyEvent *>(event));
    if (event->type() == QEvent::MouseButtonPress && (watched == m_listView->viewport() || watched == m_searchField))
        closeCopiedToast();
    return QWidget::eventFilter(watched, event);
}

void QuickListView::keyPressEvent(QKeyEvent *event)
{
    if (!handleListKey(this, event))
        QWidget::keyPressEvent(event);
}

void QuickListView::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    prepareOnFirstShow();
    // Each showing starts at the newest entry, so Return never pastes one chosen at an earlier showing.
    m_searchField->setFocus();
    selectRow(0);
    m_listView->scrollToTop();
}

void QuickListView::hideEvent(QHideEvent *event)
{
    closeContentPreview();
    closeCopiedToast();
    QWidget::hideEvent(event);
}

QRect QuickListView::globalRowRect(int row) const
{
    return globalItemRect(m_listView, m_model->index(row));
}

void QuickListView::showContentPreview(int row)
{
    if (m_previewedRow == row)
        return;
    m_previewedRow = row;
    if (row < 0 || row >= shownList().size())
        return;
    const QScreen *screen = window()->screen();
    const QRect anchor = globalRowRect(row);
    if (!screen || anchor.isNull())
        return;  // no screen, or the row has no cell on screen: no preview
    const QRect available = screen->availableGeometry();
    const QRect frame = window()->frameGeometry();
    m_contentPreview->maxWidth = EntryPreviewPopup::roomBeside(frame, available);
    m_contentPreview->shownEntry = shownList().at(row);
    // Level with the row, beside the whole window (the row spans it but for the margins).
    m_contentPreview->showRelativeTo(QRect(frame.left(), anchor.top(), frame.width(), anchor.height()), available);
}

void QuickListView::closeContentPreview()
{
    m_contentPreview->hide();
    // Coming back to the same row shows its preview again.
    m_previewedRow = -1;
}

void QuickListView::closeCopiedToast()
{
    m_copyConfirmation->close();
}

CopiedToast *QuickListView::copiedToast() const
{
    return m_copyConfirmation->toast();
}

}  // namespace tavrin
