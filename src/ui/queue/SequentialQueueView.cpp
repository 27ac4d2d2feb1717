// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/queue/SequentialQueueView.h"

#include "capture/CaptureServices.h"
#include "capture/InteractionSound.h"
#include "capture/SequentialMode.h"
#include "capture/SequentialQueue.h"
#include "hotkeys/AppShortcuts.h"
#include "platform/Scheduler.h"
#include "ui/AlertPresenter.h"
#include "ui/lists/HistoryRowDelegate.h"
#include "ui/main/MainResources.h"
#include "ui/queue/QueueListModel.h"
#include "ui/widgets/PointingHandButton.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QMenu>
#include <QVBoxLayout>

#include <algorithm>
#include <chrono>

namespace tavrin {

QString SequentialQueueView::missingShortcutMessage()
{
    return tr("In order to use the Sequential paste option, follow the instructions under Sequential Queue in "
              "Preferences.");
}

SequentialQueueView::SequentialQueueView(const ViewServices &services, QWidget *parent)
    : QWidget(parent), m_services(services)
{
    setAccessibleName(tr("Sequential Paste Queue"));
    CaptureServices &capture = services.capture;
    m_model =
        new QueueListModel(capture.sequentialMode(), capture.queue(), services.fileIcons, capture.fileEntries(), this);

    auto *title = new QLabel(tr("Sequential Paste Queue"), this);
    QFont font = title->font();
    font.setBold(true);
    title->setFont(font);
    auto *close = new PointingHandButton(this);
    close->setIcon(removeIcon());
    close->setFlat(true);
    close->setToolTip(tr("Close the queue and end sequential paste"));
    close->setAccessibleName(tr("Close"));
    connect(close, &QAbstractButton::clicked, this, &SequentialQueueView::closeRequested);
    auto *header = new QHBoxLayout;
    header->setContentsMargins(10, 6, 4, 2);
    header->addWidget(title, 1);
    header->addWidget(close);

    m_list = new QListView(this);
    m_list->setAccessibleName(tr("Queued entries"));
    m_list->setModel(m_model);
    m_delegate = new HistoryRowDelegate(m_list);
    m_list->setItemDelegate(m_delegate);
    m_list->setUniformItemSizes(true);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setFrameShape(QFrame::NoFrame);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_list->setContextMenuPolicy(Qt::CustomContextMenu);
    m_menu = new QMenu(this);
    m_menu->setAccessibleName(tr("Queue entry"));
    connect(m_list, &QWidget::customContextMenuRequested, this, [this](const QPoint &pos) {
        QMenu *menu = contextMenuAt(pos);
        if (!menu->isEmpty())
            menu->popup(m_list->viewport()->mapToGlobal(pos));
    });
    connect(m_model, &QAbstractItemModel::modelReset, this, &SequentialQueueView::fitQueueHeight);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 6);
    layout->setSpacing(0);
    layout->addLayout(header);
    layout->addWidget(m_list);
    fitQueueHeight();
}

int SequentialQueueView::listHeight() const
{
    return m_list->height();
}

void SequentialQueueView::fitQueueHeight()
{
    const int rows = m_model->rowCount();
    setListHeight(std::clamp(rows * HistoryRowDelegate::kRowHeight, kMinimumListHeight, kMaximumListHeight));
}

void SequentialQueueView::setListHeight(int height)
{
    m_list->setFixedHeight(height);
    // The window follows its content.
    if (QWidget *top = window(); top != this)
        top->adjustSize();
}

QMenu *SequentialQueueView::contextMenuAt(const QPoint &pos)
{
    m_menu->clear();
    const QModelIndex clicked = m_list->indexAt(pos);
    if (!clicked.isValid())
        return m_menu;
    m_list->selectionModel()->setCurrentIndex(clicked, QItemSelectionModel::ClearAndSelect);
    QAction *remove = m_menu->addAction(tr("Remove"), this, &SequentialQueueView::removeSelected);
    remove->setObjectName(QStringLiteral("Remove"));
    QAction *all = m_menu->addAction(tr("Remove all"), this, &SequentialQueueView::removeAll);
    all->setObjectName(QStringLiteral("Remove all"));
    return m_menu;
}

void SequentialQueueView::removeSelected()
{
    const QModelIndexList selected = m_list->selectionModel()->selectedIndexes();
    if (selected.isEmpty())
        return;
    CaptureServices &capture = m_services.capture;
    capture.sequentialMode().removeEntry(selected.constFirst().row());
    capture.sound().play(QStringLiteral("Pop"));
}

void SequentialQueueView::removeAll()
{
    CaptureServices &capture = m_services.capture;
    capture.sequentialMode().removeAllEntries();
    capture.sound().play(QStringLiteral("Pop"));
    setListHeight(kMinimumListHeight);
}

void SequentialQueueView::windowShown()
{
    m_model->reload();
    // The alert waits until the window is on screen; the check runs on every showing.
    m_services.scheduler.scheduleOnce(std::chrono::milliseconds(0), this, [this] { checkPasteShortcut(); });
}

void SequentialQueueView::checkPasteShortcut()
{
    if (AppShortcut::of(Shortcut::sequentialPaste).isRecordedIn(m_services.settings))
        return;
    AlertRequest request;
    request.messageText = missingShortcutMessage();
    request.buttons = {tr("OK")};
    m_services.alerts.runAlert(request);
    // The queue stays open: only its paste shortcut is missing.
    Q_EMIT preferencesRequested();
}

}  // namespace tavrin
