// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/Sidebar.h"

#include "store/GroupStore.h"
#include "store/HistoryStore.h"
#include "ui/main/DimmedSheets.h"
#include "ui/main/GroupListModel.h"
#include "ui/main/GroupListView.h"
#include "ui/main/HistoryRowsMime.h"
#include "ui/main/MainResources.h"
#include "ui/main/SidebarRowDelegate.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMimeData>
#include <QMouseEvent>
#include <QStandardItemModel>
#include <QToolButton>
#include <QVBoxLayout>

namespace tavrin {

QString Sidebar::preferencesTitle()
{
    return tr("Preferences");
}

QString Sidebar::aboutTitle()
{
    return tr("About");
}

namespace {

// The header row's own widget: its title and the add button. Clicks on it never reach the list, so the header is
// never selected and the selection stays as it was.
class SidebarHeader final : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void mousePressEvent(QMouseEvent *event) override { event->accept(); }
    void mouseReleaseEvent(QMouseEvent *event) override { event->accept(); }
    void mouseDoubleClickEvent(QMouseEvent *event) override { event->accept(); }
};

QString problemText(GroupStore::NameProblem problem)
{
    switch (problem) {
    case GroupStore::NameProblem::slash:
        return QCoreApplication::translate("tavrin::Sidebar", "A Clipboard name cannot contain a slash (/).");
    case GroupStore::NameProblem::nullCharacter:
        return QCoreApplication::translate("tavrin::Sidebar", "A Clipboard name cannot contain a null character.");
    case GroupStore::NameProblem::dotName:
        return QCoreApplication::translate("tavrin::Sidebar", "A Clipboard cannot be named \".\" or \"..\".");
    case GroupStore::NameProblem::historyFileName:
        return QCoreApplication::translate("tavrin::Sidebar",
                                           "The name \"myfile\" belongs to the Clipboard history's own file.");
    case GroupStore::NameProblem::none: break;
    }
    return {};
}

}  // namespace

Sidebar::Sidebar(GroupStore &groups, const HistoryStore &history, const SystemInfo &system, Scheduler &scheduler,
                 DimmedSheets &sheets, QWidget *parent)
    : QWidget(parent), m_groups(groups), m_history(history), m_system(system), m_scheduler(scheduler), m_sheets(sheets)
{
    ensureMainResources();
    m_groupModel = new GroupListModel(groups, this);
    m_delegate = new SidebarRowDelegate(this);
    buildView();
}

Sidebar::~Sidebar()
{
    m_scheduler.cancel(m_editTimer);
}

void Sidebar::buildView()
{
    setAccessibleName(tr("Sidebar"));
    setFixedWidth(kWidth);

    m_upperList = new GroupListView(this);
    m_upperList->setAccessibleName(tr("Clipboard and Custom Clipboards"));
    m_upperList->setModel(m_groupModel);
    m_upperList->setItemDelegate(m_delegate);
    m_upperList->setSelectionMode(QAbstractItemView::SingleSelection);
    m_upperList->setEditTriggers(QAbstractItemView::EditKeyPressed);
    m_upperList->setContextMenuPolicy(Qt::CustomContextMenu);
    m_upperList->setFrameShape(QFrame::NoFrame);
    m_upperList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_upperList->setHeaderWidget(buildHeader());

    m_lowerModel = new QStandardItemModel(this);
    for (const auto &[title, icon] :
         {std::pair{preferencesTitle(), preferencesIcon()}, std::pair{aboutTitle(), aboutIcon()}}) {
        auto *item = new QStandardItem(icon, title);
        item->setEditable(false);
        item->setDropEnabled(false);
        item->setData(title, Qt::AccessibleTextRole);
        m_lowerModel->appendRow(item);
    }
    m_lowerList = new QListView(this);
    m_lowerList->setAccessibleName(tr("Preferences and About"));
    m_lowerList->setModel(m_lowerModel);
    // A delegate reports its editors to every view it serves: each list has its own.
    m_lowerList->setItemDelegate(new SidebarRowDelegate(m_lowerList));
    m_lowerList->setSelectionMode(QAbstractItemView::SingleSelection);
    m_lowerList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_lowerList->setFrameShape(QFrame::NoFrame);
    m_lowerList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_lowerList->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_lowerList->setFixedHeight(m_lowerModel->rowCount() * SidebarRowDelegate::kRowHeight + 4);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 8, 0, 8);
    layout->setSpacing(8);
    layout->addWidget(m_upperList, 1);
    layout->addWidget(m_lowerList);

    connect(m_upperList->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &Sidebar::upperSelectionChanged);
    connect(m_lowerList->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &Sidebar::lowerSelectionChanged);
    connect(m_groupModel, &GroupListModel::titleEdited, this, &Sidebar::renameGroupRow);
    connect(m_upperList, &GroupListView::removeClicked, this, &Sidebar::askToDeleteGroupRow);
    connect(m_upperList, &GroupListView::droppedOnRow, this, &Sidebar::dropOnGroupRow);
    m_upperList->installEventFilter(this);
    connect(m_upperList, &QListView::customContextMenuRequested, this, [this](const QPoint &pos) {
        rebuildRowMenu(m_upperList->indexAt(pos).row());
        if (!m_contextMenu->isEmpty())
            m_contextMenu->popup(m_upperList->viewport()->mapToGlobal(pos));
    });
}

QWidget *Sidebar::buildHeader()
{
    auto *header = new SidebarHeader(this);
    auto *title = new QLabel(GroupListModel::headerTitle(), header);
    QFont font = title->font();
    font.setPointSizeF(font.pointSizeF() * 0.85);
    font.setBold(true);
    title->setFont(font);
    title->setForegroundRole(QPalette::PlaceholderText);
    m_addButton = new QToolButton(header);
    m_addButton->setIcon(addIcon());
    m_addButton->setAutoRaise(true);
    m_addButton->setFocusPolicy(Qt::TabFocus);
    m_addButton->setCursor(Qt::PointingHandCursor);
    m_addButton->setAccessibleName(tr("Add Clipboard"));
    m_addButton->setToolTip(tr("Add a Clipboard"));
    m_addButton->setFixedSize(SidebarRowDelegate::kHeaderHeight - 2, SidebarRowDelegate::kHeaderHeight - 2);
    m_addButton->setIconSize(QSize(12, 12));
    connect(m_addButton, &QToolButton::clicked, this, &Sidebar::addGroup);
    auto *layout = new QHBoxLayout(header);
    layout->setContentsMargins(SidebarRowDelegate::kMargin, 0, 8, 0);
    layout->setSpacing(4);
    layout->addWidget(title, 1);
    layout->addWidget(m_addButton);
    return header;
}

bool Sidebar::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_upperList || event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    const auto *key = static_cast<QKeyEvent *>(event);
    const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
    const int row = selectedUpperRow();
    if (key->key() == Qt::Key_Delete && modifiers == Qt::NoModifier) {
        askToDeleteGroupRow(row);
        return true;
    }
    if (key->key() == Qt::Key_Menu || (key->key() == Qt::Key_F10 && modifiers == Qt::ShiftModifier)) {
        rebuildRowMenu(row);
        if (!m_contextMenu->isEmpty()) {
            const QRect rect = m_upperList->visualRect(m_groupModel->index(row));
            m_contextMenu->popup(m_upperList->viewport()->mapToGlobal(rect.bottomLeft()));
        }
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

int Sidebar::selectedUpperRow() const
{
    const QModelIndexList rows = m_upperList->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.constFirst().row();
}

int Sidebar::selectedLowerRow() const
{
    const QModelIndexList rows = m_lowerList->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.constFirst().row();
}

void Sidebar::selectUpperRow(int row)
{
    if (row < 0 || row >= m_groupModel->rowCount() || GroupListModel::kindOfRow(row) == GroupListModel::RowKind::header)
        return;
    m_upperList->selectionModel()->setCurrentIndex(m_groupModel->index(row), QItemSelectionModel::ClearAndSelect);
    m_upperList->scrollTo(m_groupModel->index(row));
}

void Sidebar::selectLowerRow(int row)
{
    if (row < 0 || row >= m_lowerModel->rowCount())
        return;
    m_lowerList->selectionModel()->setCurrentIndex(m_lowerModel->index(row, 0), QItemSelectionModel::ClearAndSelect);
}

void Sidebar::upperSelectionChanged()
{
    const int row = selectedUpperRow();
    if (row < 0) {
        // Nothing selected in either list (the selected group went): the Clipboard takes its place.
        if (selectedLowerRow() < 0) {
            QMetaObject::invokeMethod(
                this,
                [this] {
                    if (selectedUpperRow() < 0 && selectedLowerRow() < 0)
                        selectUpperRow(GroupListModel::kClipboardRow);
                },
                Qt::QueuedConnection);
        }
        return;
    }
    m_lowerList->selectionModel()->clearSelection();
    Q_EMIT upperRowSelected(row);
}

void Sidebar::lowerSelectionChanged()
{
    const int row = selectedLowerRow();
    if (row < 0)
        return;
    m_upperList->selectionModel()->clearSelection();
    Q_EMIT lowerRowSelected(row);
}

void Sidebar::addGroup()
{
    const int index = m_groups.addGroup();
    selectUpperRow(index + GroupListModel::kFirstGroupRow);
    m_scheduler.cancel(m_editTimer);
    m_editTimer = m_scheduler.scheduleOnce(kEditDelay, this, [this] {
        m_editTimer = 0;
        startEditingSelectedName();
    });
}

void Sidebar::startEditingSelectedName()
{
    const int row = selectedUpperRow();
    if (GroupListModel::groupIndex(row) < 0)
        return;
    const QModelIndex index = m_groupModel->index(row);
    m_upperList->setFocus();
    m_upperList->edit(index);
    auto *editor = qobject_cast<QLineEdit *>(m_upperList->indexWidget(index));
    if (!editor)
        return;
    // The whole name is selected on opening; the caret goes after its last character instead.
    editor->deselect();
    editor->end(false);
}

void Sidebar::endEditing()
{
    QWidget *focus = window()->focusWidget();
    if (focus && m_upperList->isAncestorOf(focus))
        focus->clearFocus();
}

void Sidebar::renameGroupRow(int row, const QString &text)
{
    const int index = GroupListModel::groupIndex(row);
    // The editor loses the focus to the sheet of an earlier answer: that is no new edit.
    if (index < 0 || index >= m_groups.groupNames().size() || m_nameAlertOpen)
        return;
    switch (m_groups.renameGroup(index, text)) {
    case GroupStore::RenameOutcome::unchanged:
    case GroupStore::RenameOutcome::restored:
    case GroupStore::RenameOutcome::dropped:
    case GroupStore::RenameOutcome::changed:
        // The rows follow the names (the views of the group follow the store); a row left empty shows its stored
        // name again.
        break;
    case GroupStore::RenameOutcome::duplicate:
        showNameAlert(row, tr("Clipboard with the same name already exists."));
        break;
    case GroupStore::RenameOutcome::invalidName: showNameAlert(row, problemText(GroupStore::nameProblem(text))); break;
    case GroupStore::RenameOutcome::writeFailed:
        showNameAlert(row, tr("The Clipboard's items could not be saved under this name (it may be too "
                              "long for a file name), so it keeps its name."));
        break;
    }
}

void Sidebar::showNameAlert(int row, const QString &informativeText)
{
    selectUpperRow(row);
    m_nameAlertOpen = true;
    const AlertRequest alertSamegroup{1, tr("Enter a valid name"), informativeText, {tr("OK")}};
    m_sheets.alert(alertSamegroup, [this, row](int) {
        m_nameAlertOpen = false;
        // Once the editor that reported the name has closed, the same row is edited again.
        QMetaObject::invokeMethod(
            this,
            [this, row] {
                if (GroupListModel::groupIndex(row) < m_groups.groupNames().size()) {
                    selectUpperRow(row);
                    startEditingSelectedName();
                }
            },
            Qt::QueuedConnection);
    });
}

void Sidebar::rebuildRowMenu(int row)
{
    endEditing();
    if (m_contextMenu)
        m_contextMenu->deleteLater();
    m_contextMenu = new QMenu(this);
    if (GroupListModel::groupIndex(row) < 0)
        return;  // the Clipboard row, the header and the empty space have no commands
    selectUpperRow(row);
    QAction *rename = m_contextMenu->addAction(tr("Rename"));
    QAction *remove = m_contextMenu->addAction(tr("Delete"));
    // The keys the list itself answers to, shown beside the commands.
    rename->setShortcut(QKeySequence(Qt::Key_F2));
    remove->setShortcut(QKeySequence(Qt::Key_Delete));
    for (QAction *action : {rename, remove})
        action->setShortcutContext(Qt::WidgetShortcut);
    connect(rename, &QAction::triggered, this, &Sidebar::startEditingSelectedName);
    connect(remove, &QAction::triggered, this, [this, row] { askToDeleteGroupRow(row); });
}

void Sidebar::askToDeleteGroupRow(int row)
{
    const int index = GroupListModel::groupIndex(row);
    if (index < 0 || index >= m_groups.groupNames().size())
        return;
    const QString name = m_groups.groupNames().at(index);
    const AlertRequest alertDeletegroup{1,
                                        tr("Remove selected Clipboard?"),
                                        tr("Are you sure you want to remove the selected Clipboard? All "
                                           "the Items of this Clipboard will also be removed."),
                                        {tr("Yes"), tr("No")}};
    m_sheets.alert(alertDeletegroup, [this, index, name](int button) {
        if (button != 0)
            return;
        // The group asked about, even if the names moved while the sheet was up.
        const QStringList &names = m_groups.groupNames();
        const int now = index < names.size() && names.at(index) == name ? index : int(names.indexOf(name));
        if (now >= 0)
            deleteGroupRow(now + GroupListModel::kFirstGroupRow);
    });
}

void Sidebar::deleteGroupRow(int row)
{
    m_groups.deleteGroup(GroupListModel::groupIndex(row));
    selectUpperRow(GroupListModel::kClipboardRow);
    Q_EMIT groupDeleted();
}

bool Sidebar::dropOnGroupRow(int row, const QMimeData *offer)
{
    const int index = GroupListModel::groupIndex(row);
    if (index < 0 || index >= m_groups.groupNames().size() || !offer)
        return false;
    // History rows dragged from the Clipboard pane carry their positions; the group's views follow the store.
    if (const QList<int> rows = historyRowsFromMimeData(offer); !rows.isEmpty())
        m_groups.appendHistoryRows(index, m_history, rows);
    else
        m_groups.appendDroppedFiles(index, offer->urls());
    return true;
}

}  // namespace tavrin
