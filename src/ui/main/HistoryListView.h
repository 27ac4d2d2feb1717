// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QListView>

#include <functional>

class QMimeData;

namespace tavrin {

// The list of the main window's clipboard pane: its rows can be dragged out, onto a group of the sidebar or into
// another application. What a drag carries is its pane's.
class HistoryListView : public QListView {
    Q_OBJECT
public:
    explicit HistoryListView(QWidget *parent = nullptr);

    /// The data of a drag of these rows (ascending); a drag begins only when it gives some.
    std::function<QMimeData *(const QList<int> &rows)> dragData;

protected:
    void startDrag(Qt::DropActions supportedActions) override;
};

}  // namespace tavrin
