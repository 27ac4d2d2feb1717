// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/ListPane.h"

#include "capture/CaptureServices.h"
#include "capture/InteractionSound.h"
#include "capture/PasteEngine.h"
#include "ui/lists/CopyConfirmation.h"
#include "ui/lists/HistoryRowDelegate.h"
#include "ui/lists/ListResources.h"
#include "ui/lists/ListSearch.h"
#include "ui/lists/MenuItems.h"
#include "ui/lists/RowKeys.h"
#include "ui/lists/SearchSession.h"
#include "ui/lists/ShownListModel.h"
#include "ui/widgets/OverlayScrollBar.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QVBoxLayout>

namespace tavrin {

ListPane::ListPane(const ViewServices &services, QListView *listView, QWidget *parent)
    : QWidget(parent), m_services(services), m_listView(listView)
{
    ensureListResources();
    m_searchField = new QLineEdit(this);
    m_searchField->setPlaceholderText(tr("Search"));
    m_searchField->setClearButtonEnabled(true);
    m_searchField->setAccessibleName(tr("Search"));
    m_searchField->setFixedHeight(kSearchFieldHeight);

    m_listView->setParent(this);
    m_model = new ShownListModel(m_services.fileIcons, m_services.capture.fileEntries(), m_services.dispatcher, this);
    m_model->setArrowSpaces(ShownListModel::kMainWindowArrowSpaces);
    m_rowDelegate = new HistoryRowDelegate(this);
    m_rowDelegate->setShowsCopyButton(true);
    m_listView->setModel(m_model);
    m_listView->setItemDelegate(m_rowDelegate);
    // Uniform rows laid out in slices: 100,000 rows open and scroll without asking for each.
    m_listView->setUniformItemSizes(true);
    m_listView->setLayoutMode(QListView::Batched);
    m_listView->setBatchSize(5000);
    m_listView->setSelectionMode(QAbstractItemView::SingleSelection);
    m_listView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_listView->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_listView->setVerticalScrollBar(new OverlayScrollBar(Qt::Vertical, m_listView));
    m_listView->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    m_listView->setContextMenuPolicy(Qt::CustomContextMenu);
    m_listView->setFrameShape(QFrame::NoFrame);
    m_copyConfirmation = new CopyConfirmation(m_services.scheduler, this);

    m_topRow = new QHBoxLayout;
    m_topRow->setSpacing(6);
    m_topRow->addWidget(m_searchField, 1);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(kMargin, kMargin, kMargin, kMargin);
    layout->setSpacing(8);
    layout->addLayout(m_topRow);
    layout->addWidget(m_listView, 1);
    m_listView->viewport()->installEventFilter(this);
    m_listView->installEventFilter(this);
    m_searchField->installEventFilter(this);

    m_search = new SearchSession(m_services.dispatcher, this);
    connect(m_search, &SearchSession::resultsArrived, this, &ListPane::applySearchResults);
    connect(m_searchField, &QLineEdit::textChanged, this, &ListPane::searchTextChanged);
    connect(m_listView, &QListView::customContextMenuRequested, this, [this](const QPoint &pos) {
        rebuildRowMenu(m_listView->indexAt(pos).row());
        if (!m_rowMenu->isEmpty())
            m_rowMenu->popup(m_listView->viewport()->mapToGlobal(pos));
    });
    connect(m_listView, &QListView::doubleClicked, this, [this] { copySelectedEntry(); });
    connect(m_rowDelegate, &HistoryRowDelegate::copyClicked, this, &ListPane::copyRow);
}

ListPane::~ListPane() = default;

bool ListPane::isSearching() const
{
    return m_search->isSearching();
}

const EntryList &ListPane::searchResults() const
{
    return m_search->results();
}

ListSearch &ListPane::search() const
{
    return m_search->engine();
}

const EntryList &ListPane::shownList() const
{
    return m_search->shownList(searchSource());
}

int ListPane::sourcePosition(int row) const
{
    return int(m_search->sourcePosition(searchSource(), row));
}

int ListPane::selectedRow() const
{
    const QModelIndexList selected = m_listView->selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.constFirst().row();
}

void ListPane::selectRow(int row)
{
    if (row < 0 || row >= m_model->rowCount()) {
        m_listView->clearSelection();
        return;
    }
    m_listView->selectionModel()->setCurrentIndex(m_model->index(row), QItemSelectionModel::ClearAndSelect);
}

void ListPane::reloadData()
{
    const int selected = selectedRow();
    if (isSearching())
        m_model->showList(searchResults());
    else
        showSource();
    selectRow(selected);
}

void ListPane::searchTextChanged(const QString &text)
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

int ListPane::entryPositionNow(const EntryList &entries, int position, const QString &entry)
{
    if (position >= 0 && position < entries.size() && entries.at(position) == entry)
        return position;
    const qsizetype after = entries.indexOf(entry, std::max(position, 0));
    const qsizetype before = entries.lastIndexOf(entry, std::max(position, 0));
    if (after < 0 || before < 0)
        return int(std::max(after, before));
    return int(after - position <= position - before ? after : before);
}

void ListPane::searchAgain()
{
    if (isSearching())
        m_search->filter(searchSource(), m_searchField->text());
}

void ListPane::applySearchResults()
{
    if (m_search->resultsExtendShown()) {
        m_model->extendList(searchResults());
        return;
    }
    m_model->showList(searchResults());
    m_listView->scrollToTop();
}

void ListPane::endSearch()
{
    const bool wasSearching = m_search->stop() || !m_searchField->text().isEmpty();
    {
        const QSignalBlocker blocker(m_searchField);
        m_searchField->clear();
    }
    if (wasSearching)
        reloadData();
}

void ListPane::copySelectedEntry()
{
    copyRow(selectedRow());
}

void ListPane::copyRow(int row)
{
    if (row < 0 || row >= shownList().size())
        return;
    m_services.capture.pasteEngine().writeItemToClipboard(shownList().at(row));
    m_copyConfirmation->showForRow(m_listView, m_model->index(row));
    m_services.capture.sound().play(QStringLiteral("Ping"));
}

void ListPane::rebuildRowMenu(int clickedRow)
{
    Q_EMIT editingEndRequested();
    QMenu *menu = replaceMenu(m_rowMenu, this);
    if (clickedRow < 0 || clickedRow >= m_model->rowCount())
        return;
    selectRow(clickedRow);
    addRowCommands(menu, clickedRow);
}

void ListPane::popUpRowMenuForSelection()
{
    const int row = selectedRow();
    rebuildRowMenu(row);
    if (m_rowMenu->isEmpty())
        return;
    const QRect rect = m_listView->visualRect(m_model->index(row));
    m_rowMenu->popup(m_listView->viewport()->mapToGlobal(rect.bottomLeft()));
}

bool ListPane::handleRowKey(QObject *target, const QKeyEvent &event)
{
    const bool inField = target == m_searchField;
    const Qt::KeyboardModifiers modifiers = event.modifiers() & ~Qt::KeypadModifier;
    // Return on a row is its copy button; in the search field it copies the selected result.
    if ((event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter) && modifiers == Qt::NoModifier) {
        copySelectedEntry();
        return true;
    }
    if (inField && (event.key() == Qt::Key_Down || event.key() == Qt::Key_Up) && modifiers == Qt::NoModifier) {
        if (selectedRow() < 0 && m_model->rowCount() > 0)
            selectRow(0);
        m_listView->setFocus(Qt::TabFocusReason);
        return true;
    }
    // The search field's own text comes first.
    const bool fieldTakesKey = inField && (m_searchField->hasSelectedText() || !m_searchField->text().isEmpty());
    switch (rowCommandFor(event)) {
    case RowCommand::copy:
        if (inField && m_searchField->hasSelectedText())
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
    return false;
}

bool ListPane::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && (watched == m_listView || watched == m_searchField) &&
        handleRowKey(watched, *static_cast<QKeyEvent *>(event)))
        return true;
    if (event->type() == QEvent::MouseButtonPress && (watched == m_listView->viewport() || watched == m_searchField))
        m_copyConfirmation->close();
    return QWidget::eventFilter(watched, event);
}

CopiedToast *ListPane::copiedToast() const
{
    return m_copyConfirmation->toast();
}

}  // namespace tavrin
