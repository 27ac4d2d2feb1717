#include "app/QuickAccessPlaceholder.h"

#include "app/AppContext.h"
#include "capture/CaptureServices.h"
#include "capture/ClipboardMonitor.h"
#include "store/HistoryStore.h"

#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

namespace tavrin {

namespace {
// Enough lines to fill the window; the rest of a long history is not needed here.
constexpr int kShownEntries = 50;
}  // namespace

QuickAccessPlaceholder::QuickAccessPlaceholder(AppContext &context, QWidget *parent)
    : QWidget(parent), m_context(context), m_list(new QListWidget(this))
{
    auto *title = new QLabel(QStringLiteral("Tavrin"), this);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    m_list->setSelectionMode(QAbstractItemView::NoSelection);
    m_list->setFocusPolicy(Qt::NoFocus);
    m_list->setTextElideMode(Qt::ElideRight);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_list->setWordWrap(false);

    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(10, 8, 10, 10);
    column->addWidget(title);
    column->addWidget(m_list);

    HistoryStore &history = context.history();
    connect(&history, &HistoryStore::itemsReset, this, &QuickAccessPlaceholder::reload);
    connect(&history, &HistoryStore::itemInserted, this, &QuickAccessPlaceholder::reload);
    connect(&history, &HistoryStore::itemRemoved, this, &QuickAccessPlaceholder::reload);
    connect(&history, &HistoryStore::itemMoved, this, &QuickAccessPlaceholder::reload);
    reload();
}

void QuickAccessPlaceholder::showEvent(QShowEvent *event)
{
    if (!m_loaded) {
        m_loaded = true;
        viewDidLoad();
    }
    QWidget::showEvent(event);
}

void QuickAccessPlaceholder::viewDidLoad()
{
    m_context.history().saveHistory();
    m_context.capture().monitor().start();
}

void QuickAccessPlaceholder::reload()
{
    const QStringList &items = m_context.history().items();
    m_list->clear();
    for (qsizetype i = 0; i < items.size() && i < kShownEntries; ++i)
        m_list->addItem(items.at(i).simplified());
}

}  // namespace tavrin
