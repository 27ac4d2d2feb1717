#include "ui/lists/ViewController.h"

#include "app/AppContext.h"
#include "capture/CaptureServices.h"
#include "capture/ClipboardMonitor.h"
#include "capture/PasteEngine.h"
#include "platform/Platform.h"
#include "store/HistoryStore.h"
#include "store/SettingsKeys.h"
#include "store/SettingsStore.h"
#include "ui/lists/ListResources.h"
#include "ui/lists/ListSearch.h"
#include "ui/lists/ShownListModel.h"
#include "ui/lists/contentTooltipvc.h"
#include "ui/lists/tbl_cell.h"
#include "ui/lists/tooltipvc.h"
#include "ui/widgets/CustomScroller.h"
#include "ui/widgets/buttoncursor.h"

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

const QString ViewController::kClipboardTitle = QStringLiteral("Clipboard");

ViewController::ViewController(AppContext &context, AlertPresenter &alerts, QWidget *parent)
    : QWidget(parent), m_context(context), m_alerts(alerts), m_scheduler(*context.platform().scheduler)
{
    ensureListResources();
    buildView();
    connectSignals();
    reloadData();
}

ViewController::~ViewController()
{
    // The rows' hover reports stop before the parts they would touch go.
    m_cell->disconnect(this);
    m_tblview->viewport()->removeEventFilter(m_cell);
    m_scheduler.cancel(m_closeTooltipTimer);
    m_context.capture().pasteEngine().hooks.closeListWindow = nullptr;
}

int ViewController::viewHeightFor(qsizetype entries)
{
    const qsizetype wanted = 40 * std::min<qsizetype>(entries, kMaximumViewHeight) + 130;
    return int(std::clamp<qsizetype>(wanted, kMinimumViewHeight, kMaximumViewHeight));
}

QSize ViewController::sizeHint() const
{
    return QSize(kViewWidth, m_viewHeight);
}

void ViewController::buildView()
{
    m_searchField = new QLineEdit(this);
    m_searchField->setPlaceholderText(QStringLiteral("Search"));
    m_searchField->setClearButtonEnabled(true);
    m_searchField->setAccessibleName(QStringLiteral("Search"));

    m_btnstate = new buttoncursor(kClipboardTitle, this);
    m_btnstate->setAccessibleName(QStringLiteral("Shown list"));
    m_btnsettings = new buttoncursor(this);
    m_btnsettings->setIcon(QIcon(kSettingsImage));
    m_btnsettings->setAccessibleName(QStringLiteral("Settings"));
    m_btnsettings->setToolTip(QStringLiteral("Settings"));
    for (QPushButton *button : {m_btnstate, m_btnsettings})
        button->setFocusPolicy(Qt::NoFocus);

    m_tblview = new QListView(this);
    m_model = new ShownListModel(*m_context.platform().workspace, m_context.capture().fileEntries(), this);
    m_cell = new tbl_cell(this);
    m_tblview->setModel(m_model);
    m_tblview->setItemDelegate(m_cell);
    // Every row has the same height, so the view lays out and scrolls 100,000 rows without asking for each.
    m_tblview->setUniformItemSizes(true);
    // A long list is laid out in slices between events, so a reload never holds the GUI thread for long.
    m_tblview->setLayoutMode(QListView::Batched);
    m_tblview->setBatchSize(kLayoutBatch);
    m_tblview->setSelectionMode(QAbstractItemView::SingleSelection);
    m_tblview->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_tblview->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_tblview->setVerticalScrollBar(new CustomScroller(Qt::Vertical, m_tblview));
    m_tblview->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    m_tblview->setContextMenuPolicy(Qt::CustomContextMenu);
    m_tblview->setFrameShape(QFrame::NoFrame);
    m_cell->trackHover(m_tblview);

    m_promotionLine = new QFrame(this);
    m_promotionLine->setFixedHeight(1);
    m_promotionLine->setAutoFillBackground(true);
    m_promotionCaption = new QLabel(this);
    m_promotionButton = new buttoncursor(this);
    m_promotionButton->installEventFilter(this);

    m_contentPreview = new contentTooltipvc(this);
    m_copiedPopover = new tooltipvc(this);

    auto *top = new QHBoxLayout;
    top->setSpacing(6);
    top->addWidget(m_searchField, 1);
    top->addWidget(m_btnstate);
    top->addWidget(m_btnsettings);
    auto *promotion = new QHBoxLayout;
    promotion->addWidget(m_promotionCaption, 1);
    promotion->addWidget(m_promotionButton);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->setSpacing(8);
    layout->addLayout(top);
    layout->addWidget(m_tblview, 1);
    layout->addWidget(m_promotionLine);
    layout->addLayout(promotion);

    m_searchField->installEventFilter(this);
    m_tblview->installEventFilter(this);
    m_tblview->viewport()->installEventFilter(this);
    setFocusProxy(m_searchField);
}

void ViewController::connectSignals()
{
    m_search = new ListSearch(*m_context.platform().dispatcher, this);
    connect(m_search, &ListSearch::resultsReady, this, &ViewController::applySearchResults);
    connect(m_searchField, &QLineEdit::textChanged, this, &ViewController::searchTextChanged);
    connect(m_btnstate, &QPushButton::clicked, this, &ViewController::btnchangeState);
    connect(m_btnsettings, &QPushButton::clicked, this, &ViewController::btnsettings);
    connect(m_promotionButton, &QPushButton::clicked, this, [this] {
        if (hooks.showPromotion)
            hooks.showPromotion();
    });
    connect(m_tblview, &QListView::customContextMenuRequested, this, [this](const QPoint &pos) {
        menuWillOpen(m_tblview->indexAt(pos).row());
        if (!m_actionmenu->isEmpty())
            m_actionmenu->popup(m_tblview->viewport()->mapToGlobal(pos));
    });
    // Rows the history gains or loses on its own resize the window as a reload would.
    for (auto signal : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved})
        connect(m_model, signal, this, &ViewController::updateViewHeight);
    connect(m_model, &QAbstractItemModel::modelReset, this, &ViewController::updateViewHeight);
    connect(m_tblview, &QListView::doubleClicked, this, [this] { DoubleClick_action(); });
    connect(m_cell, &tbl_cell::mouseEntered, this, [this](int row) {
        if (m_showTooltip)
            showContentPreview(row);
    });
    connect(m_cell, &tbl_cell::mouseExited, this, [this] {
        if (m_showTooltip)
            closeContentPreview();
    });

    // The history's own changes reach the model row by row; the monitor's follow-up decides the mode.
    CaptureServices &capture = m_context.capture();
    connect(&capture.monitor(), &ClipboardMonitor::historyModeRequested, this, &ViewController::showHistoryMode);
    connect(&capture.monitor(), &ClipboardMonitor::quickAccessReloadRequested, this, &ViewController::reloadData);
    capture.pasteEngine().hooks.closeListWindow = [this] { closeListWindow(); };
}

void ViewController::viewDidLoad()
{
    if (m_loaded)
        return;
    m_loaded = true;
    loadShowTooltip();
    m_btnstate->setText(kClipboardTitle);
    hidePromotionWhenNothingToPromote();
    m_context.history().saveHistory();
    m_context.capture().monitor().start();
}

void ViewController::loadShowTooltip()
{
    SettingsStore &settings = m_context.settings();
    if (const auto stored = settings.boolValue(keys::kshowtooltip)) {
        m_showTooltip = *stored;
    } else {
        settings.setBool(keys::kshowtooltip, true);
        m_showTooltip = true;
    }
}

void ViewController::hidePromotionWhenNothingToPromote()
{
    // No other applications are promoted, so every one of them counts as installed.
    m_promotionButton->hide();
    m_promotionCaption->hide();
    m_promotionLine->hide();
}

QColor ViewController::promotionLineColor(const SystemInfo &system, bool pointerInside)
{
    if (!pointerInside)
        return QColor(Qt::gray);
    if (!system.isAtLeast(10, 14))
        return QColor(Qt::white);
    return system.interfaceStyle() == QLatin1String("Dark") ? QColor(Qt::white) : QColor(Qt::black);
}

void ViewController::checkState()
{
    m_context.capture().monitor().checkState();
}

void ViewController::saveCopiedData()
{
    m_context.history().saveHistory();
}

const QStringList &ViewController::searchSource() const
{
    return m_clipBoardClicked ? m_context.history().items() : m_secondpastboardsArr;
}

const QStringList &ViewController::shownList() const
{
    return m_searchBegin ? m_searchedallarr : searchSource();
}

int ViewController::selectedRow() const
{
    const QModelIndexList selected = m_tblview->selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.constFirst().row();
}

void ViewController::selectRow(int row)
{
    if (row < 0 || row >= m_model->rowCount()) {
        m_tblview->clearSelection();
        return;
    }
    const QModelIndex index = m_model->index(row);
    m_tblview->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
}

void ViewController::reloadData()
{
    const int selected = selectedRow();
    if (!m_searchBegin && m_clipBoardClicked) {
        const bool wasFollowing = m_model->followsHistory();
        m_model->showHistory(m_context.history());
        if (!wasFollowing)
            selectRow(selected);
    } else {
        m_model->showList(shownList());
        selectRow(selected);
    }
    updateViewHeight();
}

void ViewController::updateViewHeight()
{
    if (!m_searchBegin)
        setViewHeight(viewHeightFor(m_model->rowCount()));
}

void ViewController::setViewHeight(int height)
{
    if (height == m_viewHeight)
        return;
    m_viewHeight = height;
    updateGeometry();
    Q_EMIT viewHeightChanged(height);
}

void ViewController::searchTextChanged(const QString &text)
{
    if (!text.isEmpty() && !m_searchBegin)
        searchFieldDidStartSearching();
    else if (text.isEmpty() && m_searchBegin)
        searchFieldDidEndSearching();
    controlTextDidChange(text);
}

void ViewController::searchFieldDidStartSearching()
{
    m_searchBegin = true;
    // Until the first results arrive the list keeps showing what it showed, without pin markers.
    m_searchedallarr = searchSource();
    reloadData();
}

void ViewController::searchFieldDidEndSearching()
{
    m_searchBegin = false;
}

void ViewController::controlTextDidChange(const QString &text)
{
    if (text.isEmpty()) {
        m_search->cancel();
        m_searchedallarr.clear();
        reloadData();
        return;
    }
    m_search->search(searchSource(), text);
}

void ViewController::applySearchResults()
{
    if (!m_searchBegin)
        return;
    m_searchedallarr = m_search->results();
    m_model->showList(m_searchedallarr);
    // The best match is ready for Return.
    selectRow(0);
    m_tblview->scrollToTop();
}

void ViewController::endSearch()
{
    m_search->cancel();
    const bool wasSearching = m_searchBegin || !m_searchField->text().isEmpty();
    m_searchBegin = false;
    m_searchedallarr.clear();
    {
        const QSignalBlocker blocker(m_searchField);
        m_searchField->clear();
    }
    if (wasSearching)
        reloadData();
}

void ViewController::showHistoryMode()
{
    m_clipBoardClicked = true;
    m_btnstate->setText(kClipboardTitle);
    endSearch();
    reloadData();
}

void ViewController::closeListWindow()
{
    if (hooks.closeListWindow)
        hooks.closeListWindow();
    else
        window()->hide();
}

void ViewController::endMainWindowEditing()
{
    if (hooks.endMainWindowEditing)
        hooks.endMainWindowEditing();
}

bool ViewController::keyDown(const QKeyEvent &event)
{
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    if (!(modifiers & Qt::ControlModifier) || (modifiers & (Qt::AltModifier | Qt::MetaModifier | Qt::ShiftModifier)))
        return false;
    if (event.key() < Qt::Key_0 || event.key() > Qt::Key_9)
        return false;
    const int n = event.key() - Qt::Key_0;
    if (n >= 1 && n <= shownList().size())
        pasteRow(n - 1);
    return true;
}

void ViewController::pasteRow(int row)
{
    if (row < 0 || row >= shownList().size())
        return;
    // A copy: the paste hides this window, which may change what is shown.
    const QString entry = shownList().at(row);
    m_context.capture().pasteEngine().pasteItem(entry);
}

void ViewController::DoubleClick_action()
{
    const int row = selectedRow();
    if (row < 0)
        return;
    pasteRow(row);
}

bool ViewController::handleListKey(QObject *target, QKeyEvent *event)
{
    if (keyDown(*event))
        return true;
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    switch (event->key()) {
    case Qt::Key_Escape:
        if (modifiers == Qt::NoModifier) {
            closeListWindow();
            return true;
        }
        return false;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (modifiers == Qt::NoModifier) {
            DoubleClick_action();
            return true;
        }
        return false;
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        if (target == m_searchField) {
            QCoreApplication::sendEvent(m_tblview, event);
            return true;
        }
        return false;
    default: break;
    }
    // Typing in the list goes on in the search field.
    const bool typing =
        (!event->text().isEmpty() && event->text().at(0).isPrint()) || event->key() == Qt::Key_Backspace;
    if (target == m_tblview && typing && !(modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))) {
        m_searchField->setFocus();
        QCoreApplication::sendEvent(m_searchField, event);
        return true;
    }
    return false;
}

bool ViewController::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && (watched == m_searchField || watched == m_tblview))
        return handleListKey(watched, static_cast<QKeyEvent *>(event));
    if (event->type() == QEvent::MouseButtonPress && (watched == m_tblview->viewport() || watched == m_searchField))
        closeTooltip();
    if (watched == m_promotionButton && (event->type() == QEvent::Enter || event->type() == QEvent::Leave)) {
        QPalette palette = m_promotionLine->palette();
        palette.setColor(QPalette::Window,
                         promotionLineColor(*m_context.platform().systemInfo, event->type() == QEvent::Enter));
        m_promotionLine->setPalette(palette);
    }
    return QWidget::eventFilter(watched, event);
}

void ViewController::keyPressEvent(QKeyEvent *event)
{
    if (!handleListKey(this, event))
        QWidget::keyPressEvent(event);
}

void ViewController::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    viewDidLoad();
    m_searchField->setFocus();
    if (selectedRow() < 0 && m_model->rowCount() > 0)
        selectRow(0);
}

void ViewController::hideEvent(QHideEvent *event)
{
    closeContentPreview();
    closeTooltip();
    QWidget::hideEvent(event);
}

QRect ViewController::globalRowRect(int row) const
{
    const QRect cell = m_tblview->visualRect(m_model->index(row));
    if (!cell.isValid() || !m_tblview->viewport()->rect().intersects(cell))
        return {};
    return QRect(m_tblview->viewport()->mapToGlobal(cell.topLeft()), cell.size());
}

void ViewController::showContentPreview(int row)
{
    if (m_tooltipRow == row)
        return;
    m_tooltipRow = row;
    if (row < 0 || row >= shownList().size())
        return;
    const QScreen *screen = window()->screen();
    const QRect anchor = globalRowRect(row);
    if (!screen || anchor.isNull())
        return;  // no screen, or the row has no cell on screen: no preview
    const QRect available = screen->availableGeometry();
    const QRect frame = window()->frameGeometry();
    m_contentPreview->maxwidth = contentTooltipvc::roomBeside(frame, available);
    m_contentPreview->currentstringvalue = shownList().at(row);
    // Level with the row, beside the whole window (the row spans it but for the margins).
    m_contentPreview->showRelativeTo(QRect(frame.left(), anchor.top(), frame.width(), anchor.height()), available);
}

void ViewController::closeContentPreview()
{
    m_contentPreview->hide();
    // Coming back to the same row shows its preview again.
    m_tooltipRow = -1;
}

void ViewController::closeTooltip()
{
    m_scheduler.cancel(m_closeTooltipTimer);
    m_closeTooltipTimer = 0;
    m_copiedPopover->hide();
}

}  // namespace tavrin
