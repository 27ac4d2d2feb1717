// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "hotkeys/AppShortcuts.h"

#include <QCoreApplication>
#include <QKeyCombination>
#include <QString>

#include <array>
#include <functional>
#include <optional>

namespace tavrin {

enum class RecorderBorder { idle, recording };

// The Preferences rows and the main window as the recorder sees them; the Preferences pane implements it.
class ShortcutRecorderView {
public:
    virtual ~ShortcutRecorderView() = default;
    virtual void setShortcutLabel(Shortcut shortcut, const QString &text) = 0;
    virtual void setClearButtonHidden(Shortcut shortcut, bool hidden) = 0;
    virtual void setRecorderBorder(Shortcut shortcut, RecorderBorder border) = 0;
    /// The main window's dimming layer shown behind its sheets.
    virtual void setDimmingLayerHidden(bool hidden) = 0;
    /// An informational sheet on the main window with the message and one "OK" button; whenAnswered runs after.
    virtual void showSheetAlert(const QString &message, std::function<void()> whenAnswered) = 0;
    /// The main window's pane index (2 is Preferences).
    virtual int currentPane() const = 0;
};

// Records the three shortcuts from the key presses of the main window, keeps their Preferences rows current and
// answers refused combinations. GUI thread only.
class ShortcutRecorder {
    Q_DECLARE_TR_FUNCTIONS(ShortcutRecorder)

public:
    static constexpr int preferencesPane = 2;
    static QString placeholderText();  // "Click here to enter shortcut"
    static QString rejectionMessage();  // "Please use a different key combination."

    /// How a label writes keys: "Ctrl+Shift+V", and the modifiers alone ("Ctrl+Shift+") when the key is 0.
    using KeysText = std::function<QString(QKeyCombination keys)>;

    ShortcutRecorder(AppShortcuts &shortcuts, KeysText keysText);

    /// The rows to talk to; none until the Preferences pane exists.
    void setView(ShortcutRecorderView *view) { m_view = view; }
    /// Enables or disables the program's menu commands that must wait while a combination is being recorded.
    std::function<void(bool enabled)> setMenuItemsEnabled;

    bool isRecording(Shortcut shortcut) const { return m_recording[shortcutIndex(shortcut)]; }
    /// The first recording shortcut in the order of kShortcuts, if any.
    std::optional<Shortcut> recordingShortcut() const;

    /// Refreshes the three rows (the Preferences pane is about to appear).
    void showShortcuts();
    /// Drops any recording (the Preferences pane disappears); the menu items come back.
    void stopRecording();
    /// Starts recording the shortcut, clearing it and cancelling a recording of another shortcut.
    void startRecording(Shortcut shortcut);
    /// Clears the shortcut: nothing stored, nothing registered.
    void clearShortcut(Shortcut shortcut);
    /// Ends recording after a combination was accepted.
    void endRecording();

    /// The modifiers held in the main window changed; false when the event is not the recorder's.
    bool modifiersChanged(Qt::KeyboardModifiers held);
    /// A key press in the main window; false when it goes on to the default key handling.
    bool keyPressed(QKeyCombination keys);

private:
    void reject();
    void presentRefusal(Shortcut shortcut);
    QString label(const StoredShortcut &stored) const;
    void enableMenuItems(bool enabled);

    AppShortcuts &m_shortcuts;
    KeysText m_keysText;
    ShortcutRecorderView *m_view = nullptr;
    std::array<bool, 3> m_recording{};
};

}  // namespace tavrin
