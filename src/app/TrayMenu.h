// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

class QMenu;

namespace tavrin {

class AppContext;

// The tray item's menu: the top five rows of the list (a click pastes the entry, as Ctrl+digit does in the list),
// "Show Clipboard", then the application menu's actions, "Quit" last.
class TrayMenu {
public:
    static constexpr int kEntries = 5;
    /// Characters of an entry shown in its item.
    static constexpr int kEntryWidth = 48;

    TrayMenu(AppContext &context, std::function<void()> showList);

    /// Fills the emptied menu as it is about to open.
    void fill(QMenu *menu) const;

private:
    AppContext &m_context;
    std::function<void()> m_showList;
};

}  // namespace tavrin
