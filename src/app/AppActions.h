// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/ApplicationActions.h"

#include <QObject>

namespace tavrin {

class AppContext;
class WindowRegistry;

// The application's commands as actions, made once and shared by every menu that shows them (the quick list's
// application menu, the tray menu) and by the windows whose keyboard shortcuts run them.
class AppActions : public QObject {
    Q_OBJECT
public:
    AppActions(AppContext &context, WindowRegistry &windows, QObject *parent = nullptr);

    /// The actions as views take them.
    ApplicationActions forViews();
    /// The actions with a keyboard shortcut, to be added to each window where that shortcut should work.
    QList<QAction *> windowShortcuts() const;
    /// Texts and enabled states as the program is now (queue shown, queue empty, recording paused).
    void refresh();

    /// "Clear Clipboard": asks, and on "Yes" empties the history.
    void askToClearHistory();

    QAction *manageClipboard() const { return m_manageClipboard; }
    QAction *preferences() const { return m_preferences; }
    QAction *clearClipboard() const { return m_clearClipboard; }
    QAction *toggleSequentialQueue() const { return m_toggleSequentialQueue; }
    QAction *clearSequentialQueue() const { return m_clearSequentialQueue; }
    QAction *toggleRecording() const { return m_toggleRecording; }
    QAction *quit() const { return m_quit; }

Q_SIGNALS:
    /// The history was emptied here: every list of it ends its search and shows it anew.
    void historyCleared();
    /// "Quit" was chosen.
    void quitRequested();

private:
    QAction *makeAction(const QString &text, const QKeySequence &shortcut = {});
    void clearHistory();

    AppContext &m_context;
    WindowRegistry &m_windows;
    QAction *m_manageClipboard = nullptr;
    QAction *m_preferences = nullptr;
    QAction *m_clearClipboard = nullptr;
    QAction *m_toggleSequentialQueue = nullptr;
    QAction *m_clearSequentialQueue = nullptr;
    QAction *m_toggleRecording = nullptr;
    QAction *m_quit = nullptr;
};

}  // namespace tavrin
