// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/main/ListPane.h"

class QMimeData;

namespace tavrin {

class DimmedSheets;
class HistoryListView;

// The main window's Clipboard pane: the whole history with a search field, a copy button on every row, removal
// and clearing after a question, pins, and rows that can be dragged onto a group or into another application.
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

    /// The start of a drag of shown rows: their history positions become the dragged rows; returns the drag's data.
    QMimeData *beginRowsDrag(const QList<int> &rows);
    /// The end of that drag: no rows are dragged any more.
    void endRowsDrag();

    HistoryListView *historyListView() const;

Q_SIGNALS:
    /// The history changed here (remove, pin): the quick-access list reloads.
    void historyListChanged();
    /// The history was cleared here: the quick-access list ends its search and reloads.
    void historyCleared();
    /// The group with this index among the names got an entry from here.
    void addedToGroup(int groupIndex);

protected:
    const QStringList &searchSource() const override;
    void showSource() override;
    void addRowCommands(QMenu *menu, int clickedRow) override;

private:
    void removeEntryAsked(int position, const QString &entry);

    DimmedSheets &m_sheets;
};

}  // namespace tavrin
