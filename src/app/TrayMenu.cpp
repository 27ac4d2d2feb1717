// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/TrayMenu.h"

#include "app/AppActions.h"
#include "app/AppContext.h"
#include "app/WindowRegistry.h"
#include "capture/CaptureServices.h"
#include "capture/PasteEngine.h"
#include "cli/EntryListWriter.h"
#include "store/HistoryStore.h"

#include <QCoreApplication>
#include <QMenu>

namespace tavrin {

TrayMenu::TrayMenu(AppContext &context, std::function<void()> showList)
    : m_context(context), m_showList(std::move(showList))
{
}

void TrayMenu::fill(QMenu *menu) const
{
    const EntryList &items = m_context.history().items();
    const qsizetype pins = m_context.history().pinCount();
    for (qsizetype row = 0; row < std::min<qsizetype>(kEntries, items.size()); ++row) {
        // The entry at the moment of the click: the history may have changed while the menu was open.
        const QString entry = items.at(row);
        QString title = EntryListWriter::previewLine(entry, kEntryWidth).replace(u'&', QStringLiteral("&&"));
        title =
            QStringLiteral("&%1  %2%3").arg(row + 1).arg(row < pins ? QStringLiteral("\U0001F4CC ") : QString(), title);
        QAction *item = menu->addAction(title);
        item->setToolTip(entry.left(500));
        QObject::connect(item, &QAction::triggered, menu,
                         [this, entry] { m_context.capture().pasteEngine().pasteItem(entry); });
    }
    if (items.isEmpty())
        menu->addAction(QCoreApplication::translate("TrayMenu", "No Entries"))->setEnabled(false);
    menu->addSeparator();
    QObject::connect(menu->addAction(QCoreApplication::translate("TrayMenu", "Show Clipboard")), &QAction::triggered,
                     menu, [this] { m_showList(); });
    menu->addSeparator();
    menu->addActions(m_context.windows().actions().forViews().menu);
}

}  // namespace tavrin
