// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/ViewServices.h"

#include <QWidget>

class QListView;
class QMenu;

namespace tavrin {

class HistoryRowDelegate;
class QueueListModel;

// The sequential queue list: numbered rows of the queued entries, a context menu to remove one or all, a height
// that follows the rows (40 to 400 points), and a close button. Each showing checks that the paste shortcut is
// recorded, and points the user to the Preferences when it is not.
class SequentialQueueView : public QWidget {
    Q_OBJECT
public:
    static constexpr int kMinimumListHeight = 40;
    static constexpr int kMaximumListHeight = 400;
    static QString missingShortcutMessage();

    explicit SequentialQueueView(const ViewServices &services, QWidget *parent = nullptr);

    QListView *list() const { return m_list; }
    QueueListModel *model() const { return m_model; }
    /// The list's height now (scrollviewHeight).
    int listHeight() const;

    /// Sets the list's height from its rows, kept between the minimum and the maximum.
    void fitQueueHeight();
    /// The context menu for a click at pos in the list's viewport: empty off the rows, else "Remove" and
    /// "Remove all" with the clicked row selected alone.
    QMenu *contextMenuAt(const QPoint &pos);
    /// Removes the selected entry.
    void removeSelected();
    /// Empties the queue.
    void removeAll();
    /// The window was shown: after it settles, the paste shortcut is checked.
    void windowShown();

Q_SIGNALS:
    /// The close button: the window closes, which ends sequential mode.
    void closeRequested();
    /// The user was told that the paste shortcut is missing: open the Preferences.
    void preferencesRequested();

private:
    void checkPasteShortcut();
    void setListHeight(int height);

    ViewServices m_services;
    QueueListModel *m_model = nullptr;
    HistoryRowDelegate *m_delegate = nullptr;
    QListView *m_list = nullptr;
    QMenu *m_menu = nullptr;
};

}  // namespace tavrin
