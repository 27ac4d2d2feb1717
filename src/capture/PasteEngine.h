#pragma once

#include "capture/PasteChord.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <chrono>
#include <functional>

namespace tavrin {

class Accessibility;
class InteractionSound;
class KeyEventPoster;
class LastChangeCount;
class Pasteboard;
class Scheduler;
class SettingsStore;
class SystemInfo;
class Workspace;

// An alert the paste engine needs answered; the views show it and return the index of the button pressed.
struct AlertRequest {
    int style = 1;  // informational
    QString messageText;
    QString informativeText;
    QStringList buttons;
};

// Puts entries back on the clipboard and makes the window in front paste them: write, hand the focus back,
// 0.2 s later the paste keystroke.
class PasteEngine : public QObject {
    Q_OBJECT
public:
    static constexpr std::chrono::milliseconds kPasteDelay{200};

    // What the views above supply; each does nothing until connected.
    struct Hooks {
        /// Closes the list window the entry came from.
        std::function<void()> closeListWindow;
        /// Hides the program's windows and gives the focus back to the window that had it before.
        std::function<void()> hideProgram;
        /// Shows the accessibility permission guide and brings the program forward.
        std::function<void()> showPermissionGuide;
        /// Runs an application-modal alert; returns the index of the button pressed (unconnected: "No").
        std::function<int(const AlertRequest &)> runAlert;
    };

    PasteEngine(Pasteboard &pasteboard, KeyEventPoster &keys, Accessibility &accessibility, SystemInfo &system,
                Workspace &workspace, Scheduler &scheduler, SettingsStore &settings, LastChangeCount &lastChangeCount,
                InteractionSound &sound, QObject *parent = nullptr);

    Hooks hooks;

    /// The folder question asked before a folder is pasted.
    static AlertRequest folderQuestion();

    /// Raises lastChangeCount and puts the entry on the clipboard: an existing file or folder as a file, else text.
    void writeItemToPasteboard(const QString &item);
    /// Writes the entry and pastes it into the window in front (a folder only after the user confirms it).
    void pasteItem(const QString &item);
    /// The folder question's "Yes": paste the folder that is already on the clipboard.
    void btnYes_pasteGroup();
    /// The folder question's "No": the folder stays on the clipboard, nothing is pasted.
    void btnNo_pasteGroup();

    /// The paste keystroke of the lists (permission check, then the key events).
    void start();
    /// The paste keystroke of the sequential paste, with the "Frog" sound.
    void startpaste();
    /// start() or startpaste() after the paste delay.
    void scheduleStart();
    void scheduleStartpaste();

private:
    void postPasteKeystroke(bool sequential);
    void pasteAfterHandBack();
    void checkPermission();

    Pasteboard &m_pasteboard;
    KeyEventPoster &m_keys;
    Accessibility &m_accessibility;
    SystemInfo &m_system;
    Workspace &m_workspace;
    Scheduler &m_scheduler;
    SettingsStore &m_settings;
    LastChangeCount &m_lastChangeCount;
    InteractionSound &m_sound;
    PasteChords m_chords;
};

}  // namespace tavrin
