// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>

namespace tavrin {

class InteractionSound;
class PasteEngine;
class SequentialQueue;
class SequentialWindow;
class SettingsStore;

// Sequential paste: while the queue window is visible every capture is queued, and each press of the paste
// shortcut pastes one queued entry, oldest or newest first ("SequentialPasteStayle").
class SequentialMode : public QObject {
    Q_OBJECT
public:
    static constexpr int kMinimumQueueHeight = 40;

    SequentialMode(SequentialQueue &queue, SettingsStore &settings, PasteEngine &engine, InteractionSound &sound,
                   QObject *parent = nullptr);

    /// The window that tells whether the mode is on; without one the mode stays off.
    void setWindow(SequentialWindow *window) { m_window = window; }
    bool isOn() const;
    /// The queue entry the next paste takes by the paste order; -1 when there is none.
    int nextIndex() const;

    /// The toggle shortcut: a diagnostic line, then show (activating the program) or close the queue window.
    void toggleSequentialMode();
    /// The menu command: show or close the queue window without activating the program.
    void toggleSequentialQueue();
    /// The paste shortcut: takes one entry off the queue and pastes it; the mode ends with the last entry.
    void sequentialPasteNext();
    /// Empties the queue (with the "Pop" sound); an empty queue is left alone.
    void clearSequentialQueue();
    /// A capture of the monitor: queued while the mode is on.
    void appendCaptured(const QString &entry);
    /// The queue list's context menu.
    void removeEntry(int index);
    void removeAllEntries();

Q_SIGNALS:
    /// The queue changed: reload the queue list and fit its height.
    void queueChanged();
    /// The queue was cleared: reload the queue list and give it the minimum height.
    void queueCleared();

private:
    void showOrClose(bool activate);

    SequentialQueue &m_queue;
    SettingsStore &m_settings;
    PasteEngine &m_engine;
    InteractionSound &m_sound;
    SequentialWindow *m_window = nullptr;
};

}  // namespace tavrin
