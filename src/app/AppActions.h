// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/ApplicationActions.h"

#include <QObject>

class QWidget;

namespace tavrin {

class AppContext;
class WindowRegistry;

// The application's commands as actions, made once and shared by every menu that shows them (the quick list's
// application menu, the tray menu) and by the windows whose keyboard shortcuts run them. Their texts and states
// follow the program (queue shown, queue empty, recording paused), so a menu shows them as they are.
class AppActions : public QObject {
    Q_OBJECT
public:
    AppActions(AppContext &context, WindowRegistry &windows, QObject *parent = nullptr);

    /// The actions as views take them.
    const ApplicationActions &forViews() const { return m_forViews; }
    /// The actions with a keyboard shortcut, to be added to each window where that shortcut should work.
    QList<QAction *> windowShortcuts() const;
    /// Texts and enabled states as the program is now.
    void refresh();
    /// The queue window: its showing and hiding turn sequential mode on and off, which the toggle's text says.
    void followQueueWindow(QWidget *window);

    /// "Clear Clipboard": asks, and on "Yes" empties the history.
    void askToClearHistory();

    QAction *manageClipboard() const { return m_manageClipboard; }
    QAction *preferences() const { return m_preferences; }
    QAction *clearClipboard() const { return m_clearClipboard; }
    QAction *showTooltip() const { return m_showTooltip; }
    QAction *toggleSequentialQueue() const { return m_toggleSequentialQueue; }
    QAction *clearSequentialQueue() const { return m_clearSequentialQueue; }
    QAction *toggleRecording() const { return m_toggleRecording; }
    QAction *quit() const { return m_quit; }

Q_SIGNALS:
    /// "Quit" was chosen.
    void quitRequested();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QAction *makeAction(const QString &text, const QKeySequence &shortcut = {});
    QAction *makeSeparator();
    void clearHistory();

    AppContext &m_context;
    WindowRegistry &m_windows;
    QAction *m_manageClipboard = nullptr;
    QAction *m_preferences = nullptr;
    QAction *m_clearClipboard = nullptr;
    QAction *m_showTooltip = nullptr;
    QAction *m_toggleSequentialQueue = nullptr;
    QAction *m_clearSequentialQueue = nullptr;
    QAction *m_toggleRecording = nullptr;
    QAction *m_quit = nullptr;
    ApplicationActions m_forViews;
};

}  // namespace tavrin
