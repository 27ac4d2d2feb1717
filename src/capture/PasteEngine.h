// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "capture/PasteChord.h"
#include "capture/PasteHold.h"

#include <QObject>
#include <QString>

#include <chrono>
#include <functional>

namespace tavrin {

class Accessibility;
class InteractionSound;
class KeyEventPoster;
class LastChangeCount;
class Clipboard;
class Scheduler;
class SettingsStore;
class Workspace;

// Puts entries back on the clipboard and makes the window in front paste them: write, hand the focus back,
// 0.2 s later the paste keystroke. A paste keeps its entry on the clipboard until the window has read it: writes
// asked for meanwhile (another paste, a copy) wait for that, in the order they were asked for.
class PasteEngine : public QObject {
    Q_OBJECT
public:
    static constexpr std::chrono::milliseconds kPasteDelay{200};

    PasteEngine(Clipboard &clipboard, KeyEventPoster &keys, Accessibility &accessibility, Workspace &workspace,
                Scheduler &scheduler, SettingsStore &settings, LastChangeCount &lastChangeCount,
                InteractionSound &sound, QObject *parent = nullptr);

    /// Raises lastChangeCount and puts the entry on the clipboard: an existing file or folder as a file, else text.
    void writeItemToClipboard(const QString &item);
    /// Writes an entry of the sequential queue and pastes it after the paste delay, folders included, with "Frog".
    void pasteQueuedItem(const QString &item);
    /// Writes the entry and pastes it into the window in front. A folder is pasted only once the user confirmed it:
    /// folderPasteConfirmationNeeded asks, and its answer calls pasteConfirmedFolder(); unanswered, nothing is pasted.
    void pasteItem(const QString &item);
    /// The folder question's "Yes": paste the folder that is already on the clipboard.
    void pasteConfirmedFolder();

    /// The paste keystroke of the lists (permission check, then the key events).
    void start();
    /// The paste keystroke of the sequential paste, with the "Frog" sound.
    void startSequentialPaste();
    /// start() or startSequentialPaste() after the paste delay.
    void scheduleStart();
    void scheduleSequentialPaste();

Q_SIGNALS:
    /// A folder was put on the clipboard and waits for the user's "Yes" before it is pasted with all its contents.
    void folderPasteConfirmationNeeded(const QString &folder);
    /// The paste is about to hand the focus back: the list window the entry came from closes.
    void listWindowCloseRequested();
    /// The program's windows go and the focus returns to the window that had it before.
    void programHideRequested();
    /// Pasting is not possible yet: the guide that explains how to allow it is shown.
    void pasteAccessGuideRequested();

private:
    void write(const QString &item);
    void postPasteKeystroke(bool sequential);
    bool typePasteKeystroke();
    void pasteAfterHandBack();
    void checkPermission();

    Clipboard &m_clipboard;
    KeyEventPoster &m_keys;
    Accessibility &m_accessibility;
    Workspace &m_workspace;
    Scheduler &m_scheduler;
    SettingsStore &m_settings;
    LastChangeCount &m_lastChangeCount;
    InteractionSound &m_sound;
    PasteChords m_chords;
    PasteHold m_hold;
};

}  // namespace tavrin
