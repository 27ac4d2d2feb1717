#pragma once

#include "hotkeys/AppShortcuts.h"
#include "hotkeys/ModifierFlags.h"

#include <QString>

#include <array>
#include <cstdint>
#include <functional>
#include <optional>

namespace tavrin {

// A key press as the recorder needs it, whatever toolkit produced it.
struct ShortcutKeyEvent {
    static constexpr std::uint16_t unknownKeyCode = 0xFFFF;

    /// What the key types with Shift applied and every other modifier ignored; none when it types nothing at all.
    std::optional<QString> charactersIgnoringModifiers;
    /// Carbon virtual key code, unknownKeyCode for a key without one.
    std::uint16_t keyCode = unknownKeyCode;
    ModifierFlags modifierFlags;
};

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

// Records the three shortcuts from the key events of the main window, keeps their Preferences rows current and
// answers refused combinations. Main thread only.
class ShortcutRecorder {
public:
    static constexpr int preferencesPane = 2;
    static const QString placeholderText;  // "Click here to enter shortcut"
    static const QString rejectionMessage;  // "Please use a different key combination."

    explicit ShortcutRecorder(AppShortcuts &shortcuts);

    /// The rows to talk to; none until the Preferences pane exists.
    void setView(ShortcutRecorderView *view) { m_view = view; }
    /// Enables or disables the program's menu commands that must wait while a combination is being recorded.
    std::function<void(bool enabled)> setMenuItemsEnabled;
    /// The text a label shows for modifiers and a key name (empty while only modifiers are held). Glyphs followed by
    /// the name until a platform sets its own.
    std::function<QString(ModifierFlags modifiers, const QString &keyName)> labelText;

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

    /// The main window's modifier changes; false when the event is not the recorder's.
    bool flagsChanged(ModifierFlags modifierFlags);
    /// The main window's key presses; false when the event goes on to the default key handling.
    bool keyDown(const ShortcutKeyEvent &event);
    /// The system refused the registration of a recorded combination.
    void shortcutRegistrationFailed();

private:
    void reject();
    void presentRefusal(Shortcut shortcut);
    QString label(ModifierFlags modifiers, const QString &keyName) const;
    void enableMenuItems(bool enabled);

    AppShortcuts &m_shortcuts;
    ShortcutRecorderView *m_view = nullptr;
    std::array<bool, 3> m_recording{};
    bool m_accepting = false;
    std::optional<Shortcut> m_refusedWhileAccepting;
};

}  // namespace tavrin
