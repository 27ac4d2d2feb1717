// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/main/ListPane.h"

class QMimeData;

namespace tavrin {

class DimmedSheets;
class HistoryListView;

// The main window's Clipboard pane: the whole history with a search field, a copy button on every row, removal
// and clearing after a question, pins, and rows that can be dragged onto a group or into another application. It
// follows the history's changes from anywhere, and a capture ends its search.
class ClipboardPane : public ListPane {
    Q_OBJECT
public:
    ClipboardPane(const ViewServices &services, DimmedSheets &sheets, QWidget *parent = nullptr);
    ~ClipboardPane() override;

    /// Asks "Remove selected Item?" about the selected row; "Yes" removes it.
    void askToRemoveSelectedEntry() override;
    /// Asks "Remove All Item?"; "Yes" clears the history.
    void askToClearHistory();
    void clearHistory();
    void togglePinOfSelectedEntry() override;
    /// "Add to Custom Clipboard": the selected entry joins the group with this index among the names.
    void addSelectedEntryToGroup(int groupIndex);

    /// The start of a drag of shown rows: the drag's data, which carries their history positions.
    QMimeData *beginRowsDrag(const QList<int> &rows);

    HistoryListView *historyListView() const;

protected:
    const EntryList &searchSource() const override;
    void showSource() override;
    void addRowCommands(QMenu *menu, int clickedRow) override;

private:
    void removeEntryAsked(int position, const QString &entry);

    DimmedSheets &m_sheets;
};

}  // namespace tavrin
