// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/GroupPane.h"

#include "capture/CaptureServices.h"
#include "capture/InteractionSound.h"
#include "store/GroupStore.h"
#include "store/SettingsKeys.h"
#include "store/SettingsStore.h"
#include "ui/lists/MenuItems.h"
#include "ui/lists/RowKeys.h"
#include "ui/lists/ShownListModel.h"
#include "ui/main/DimmedSheets.h"
#include "ui/main/MainResources.h"
#include "ui/widgets/PointingHandButton.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QVBoxLayout>

namespace tavrin {

QString GroupPane::addToolTip()
{
    return tr("Add a file or folder to paste at a later time");
}

QString GroupPane::chooserMessage()
{
    return tr("Please select a file/folder to add to Clipboard for Quick copy and pasting");
}

GroupPane::GroupPane(const ViewServices &services, DimmedSheets &sheets, QWidget *parent)
    : ListPane(services, new QListView, parent), m_sheets(sheets)
{
    setAccessibleName(tr("Clipboard"));
    m_listView->setAccessibleName(tr("Clipboard items"));
    m_model->setNumbersRows(false);

    m_addButton = new PointingHandButton(this);
    m_addButton->setIcon(addIcon());
    m_addButton->setToolTip(addToolTip());
    m_addButton->setAccessibleName(tr("Add a file or folder"));
    m_addButton->setFocusPolicy(Qt::TabFocus);
    m_addButton->setFixedSize(kSearchFieldHeight, kSearchFieldHeight);
    topRow()->addWidget(m_addButton);
    connect(m_addButton, &QPushButton::clicked, this, &GroupPane::addFileOrFolder);

    // boxnofilesfound: over the empty list, in its middle.
    m_placeholder = new QWidget(m_listView);
    m_placeholder->setAccessibleName(tr("No files found"));
    auto *title = new QLabel(tr("No files found"), m_placeholder);
    QFont font = title->font();
    font.setPointSizeF(font.pointSizeF() * 1.3);
    title->setFont(font);
    auto *hint = new QLabel(tr("Add a file or folder with the + button, or drop files onto this "
                               "Clipboard's name in the sidebar."),
                            m_placeholder);
    hint->setWordWrap(true);
    hint->setForegroundRole(QPalette::PlaceholderText);
    for (QLabel *label : {title, hint})
        label->setAlignment(Qt::AlignCenter);
    auto *layout = new QVBoxLayout(m_placeholder);
    layout->addWidget(title);
    layout->addWidget(hint);
    connect(&services.groups, &GroupStore::groupItemsChanged, this, &GroupPane::groupItemsChanged);
    connect(&services.groups, &GroupStore::groupRenamed, this, [this](const QString &oldName, const QString &newName) {
        // Its items are written under the new name from now on.
        if (oldName == m_groupName)
            m_groupName = newName;
    });
    reloadData();
}

const EntryList &GroupPane::searchSource() const
{
    return items();
}

void GroupPane::showSource()
{
    m_model->showList(items());
    updatePlaceholder();
}

void GroupPane::updatePlaceholder()
{
    // Shown while the group is empty, whatever a search shows.
    m_placeholder->setVisible(items().isEmpty());
    placePlaceholder();
}

void GroupPane::resizeEvent(QResizeEvent *event)
{
    ListPane::resizeEvent(event);
    placePlaceholder();
}

void GroupPane::placePlaceholder()
{
    const QRect area = m_listView->rect();
    const int width = std::min(area.width() - 40, 420);
    const int height = m_placeholder->sizeHint().height();
    m_placeholder->setGeometry(area.center().x() - width / 2, area.center().y() - height / 2, width, height);
}

void GroupPane::showGroup(const QString &name)
{
    m_items = m_services.groups.readGroupItems(name);
    endSearch();
    reloadData();
    // A row selected in another group is no row of this one.
    if (name != m_groupName)
        selectRow(-1);
    m_groupName = name;
}

void GroupPane::groupItemsChanged(const QString &name, const QStringList &items)
{
    // Our own writes come back with the items shown.
    if (name != m_groupName || items == m_items)
        return;
    m_items = items;
    endSearch();
    reloadData();
}

void GroupPane::writeItems()
{
    m_services.groups.writeGroupItems(m_groupName, items().toStringList());
}

void GroupPane::addRowCommands(QMenu *menu, int)
{
    withRowKeys(addMenuItem(menu, tr("Copy"), [this] { copySelectedEntry(); }), RowCommand::copy);
    withRowKeys(addMenuItem(
                    menu, tr("Remove this item"),
                    isSearching() ? std::function<void()>() : [this] { askToRemoveSelectedEntry(); }),
                RowCommand::remove);
    addMenuItem(menu, tr("Remove all"), [this] { askToRemoveAll(); });
}

void GroupPane::addFileOrFolder()
{
    Q_EMIT editingEndRequested();
    // The stored names decide: a group that is not among them (any more) takes nothing.
    if (const std::optional<QStringList> stored = m_services.settings.stringArray(keys::groupNames);
        stored && !stored->contains(m_groupName))
        return;
    const QString group = m_groupName;
    m_sheets.chooseFile(FileChooserRequest{chooserMessage(), true}, [this, group](std::optional<QString> path) {
        if (!path || group != m_groupName)
            return;
        endSearch();
        m_items.append(*path);
        reloadData();
        writeItems();
    });
}

void GroupPane::askToRemoveSelectedEntry()
{
    const int position = sourcePosition(selectedRow());
    if (position < 0)
        return;
    const QString entry = items().at(position);
    const QString group = m_groupName;
    const AlertRequest alertDeleteclip{1,
                                       tr("Remove selected Item?"),
                                       tr("Are you sure you want to remove the selected item?."),
                                       {tr("Yes"), tr("No")}};
    m_sheets.alert(alertDeleteclip, [this, position, entry, group](int button) {
        if (button == 0 && group == m_groupName)
            removeEntryAsked(position, entry);
    });
}

void GroupPane::removeEntryAsked(int position, const QString &entry)
{
    position = entryPositionNow(m_items, position, entry);
    if (position < 0)
        return;
    m_items.removeAt(position);
    writeItems();
    reloadData();
    updatePlaceholder();
    searchAgain();
    m_services.capture.sound().play(QStringLiteral("Pop"));
}

void GroupPane::askToRemoveAll()
{
    const QString group = m_groupName;
    const AlertRequest alertremoveEntireclip{1,
                                             tr("Remove All Item?"),
                                             tr("Are you sure you want to remove all the items from this Clipboard?"),
                                             {tr("Yes"), tr("No")}};
    m_sheets.alert(alertremoveEntireclip, [this, group](int button) {
        if (button == 0 && group == m_groupName)
            removeAll();
    });
}

void GroupPane::removeAll()
{
    m_items.clear();
    endSearch();
    writeItems();
    reloadData();
    m_services.capture.sound().play(QStringLiteral("Pop"));
}

}  // namespace tavrin
