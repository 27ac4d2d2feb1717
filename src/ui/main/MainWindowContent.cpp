// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/MainWindowContent.h"

#include "store/GroupStore.h"
#include "ui/main/ClipboardPane.h"
#include "ui/main/DimmedSheets.h"
#include "ui/main/DimmingLayer.h"
#include "ui/main/GroupListModel.h"
#include "ui/main/GroupPane.h"
#include "ui/main/Sidebar.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QShortcut>
#include <QVBoxLayout>

namespace tavrin {

namespace {
constexpr int kProvidedPanes = 5;
}  // namespace

MainWindowContent::MainWindowContent(const ViewServices &services, QWidget *parent)
    : QWidget(parent), m_services(services)
{
    setAccessibleName(QStringLiteral("Tavrin"));
    m_providedPanes.resize(kProvidedPanes);
    m_dimmingLayer = new DimmingLayer(this);
    m_sheets = new DimmedSheets(services.sheets, *m_dimmingLayer, this);
    buildView();
    // The layer is above everything the window holds.
    m_dimmingLayer->raise();
    m_sidebar->selectUpperRow(GroupListModel::kClipboardRow);
}

MainWindowContent::~MainWindowContent() = default;

void MainWindowContent::buildView()
{
    m_sidebar =
        new Sidebar(m_services.groups, m_services.history, m_services.system, m_services.scheduler, *m_sheets, this);
    m_paneArea = new QWidget(this);
    m_paneArea->setAccessibleName(tr("Pane"));
    auto *paneLayout = new QVBoxLayout(m_paneArea);
    paneLayout->setContentsMargins(0, 0, 0, 0);
    m_clipboardPane = new ClipboardPane(m_services, *m_sheets, m_paneArea);
    m_clipboardPane->hide();

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_sidebar);
    auto *line = new QFrame(this);
    line->setFrameShape(QFrame::VLine);
    line->setFrameShadow(QFrame::Sunken);
    layout->addWidget(line);
    layout->addWidget(m_paneArea, 1);

    connect(m_sidebar, &Sidebar::upperRowSelected, this, &MainWindowContent::upperRowSelected);
    connect(m_sidebar, &Sidebar::lowerRowSelected, this, &MainWindowContent::lowerRowSelected);
    connect(m_clipboardPane, &ListPane::editingEndRequested, this, &MainWindowContent::endEditing);

    // Forward Delete. A field being edited takes the key first (the search, a name), so it only reaches here for
    // the lists.
    auto *deleteKey =
        new QShortcut(QKeySequence(Qt::Key_Delete), this, nullptr, nullptr, Qt::WidgetWithChildrenShortcut);
    connect(deleteKey, &QShortcut::activated, this, &MainWindowContent::askToRemoveSelectedEntry);
}

GroupPane *MainWindowContent::groupPane()
{
    if (!m_groupPane) {
        m_groupPane = new GroupPane(m_services, *m_sheets, m_paneArea);
        m_groupPane->hide();
        connect(m_groupPane, &ListPane::editingEndRequested, this, &MainWindowContent::endEditing);
    }
    return m_groupPane;
}

QWidget *MainWindowContent::providedPane(MainPane pane)
{
    QPointer<QWidget> &slot = m_providedPanes[int(pane)];
    if (!slot) {
        QWidget *made = m_paneProvider ? m_paneProvider(pane) : nullptr;
        if (!made)
            return nullptr;
        made->setParent(m_paneArea);
        made->hide();
        slot = made;
    }
    return slot;
}

void MainWindowContent::install(QWidget *pane, MainPane index)
{
    if (m_installedPane && m_installedPane != pane) {
        m_paneArea->layout()->removeWidget(m_installedPane);
        m_installedPane->hide();
    }
    m_currentPane = index;
    if (pane && m_installedPane != pane) {
        m_paneArea->layout()->addWidget(pane);
        pane->show();
    }
    m_installedPane = pane;
    Q_EMIT currentPaneChanged(index);
}

void MainWindowContent::upperRowSelected(int row)
{
    if (row == GroupListModel::kClipboardRow) {
        install(m_clipboardPane, MainPane::clipboard);
        return;
    }
    const int index = GroupListModel::groupIndex(row);
    const QStringList &names = m_services.groups.groupNames();
    if (index < 0 || index >= names.size())
        return;
    GroupPane *pane = groupPane();
    install(pane, MainPane::group);
    pane->showGroup(names.at(index));
}

void MainWindowContent::lowerRowSelected(int row)
{
    const MainPane pane = row == 0 ? MainPane::preferences : (row == 1 ? MainPane::about : MainPane::promotion);
    if (row < 0 || row > 2)
        return;
    install(providedPane(pane), pane);
}

void MainWindowContent::showPane(MainPane pane)
{
    switch (pane) {
    case MainPane::clipboard: m_sidebar->selectUpperRow(GroupListModel::kClipboardRow); break;
    case MainPane::preferences: m_sidebar->selectLowerRow(0); break;
    case MainPane::about: m_sidebar->selectLowerRow(1); break;
    case MainPane::group:
    case MainPane::promotion: break;
    }
}

void MainWindowContent::askToRemoveSelectedEntry()
{
    // In the sidebar the key is about its groups.
    if (QWidget *focus = window()->focusWidget(); focus && m_sidebar->isAncestorOf(focus)) {
        m_sidebar->askToDeleteGroupRow(m_sidebar->selectedUpperRow());
        return;
    }
    // Only the list on screen: with Preferences or About shown the key does nothing.
    if (m_currentPane == MainPane::clipboard)
        m_clipboardPane->askToRemoveSelectedEntry();
    else if (m_currentPane == MainPane::group && m_groupPane)
        m_groupPane->askToRemoveSelectedEntry();
}

void MainWindowContent::endEditing()
{
    m_sidebar->endEditing();
}

}  // namespace tavrin
