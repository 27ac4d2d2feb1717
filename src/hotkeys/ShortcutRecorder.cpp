// SPDX-License-Identifier: GPL-3.0-or-later
#include "hotkeys/ShortcutRecorder.h"

#include <algorithm>
#include <iterator>

namespace tavrin {

QString ShortcutRecorder::placeholderText()
{
    return tr("Click here to enter shortcut");
}

QString ShortcutRecorder::rejectionMessage()
{
    return tr("Please use a different key combination.");
}

namespace {

constexpr Qt::KeyboardModifiers kShortcutModifiers =
    Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier | Qt::ShiftModifier;

// Until the Preferences pane exists there is nothing to show; no pane is current.
class DetachedView final : public ShortcutRecorderView {
public:
    void setShortcutLabel(Shortcut, const QString &) override {}
    void setClearButtonHidden(Shortcut, bool) override {}
    void setRecorderBorder(Shortcut, RecorderBorder) override {}
    void setDimmingLayerHidden(bool) override {}
    void showSheetAlert(const QString &, std::function<void()>) override {}
    int currentPane() const override { return -1; }
};

ShortcutRecorderView &viewOrDetached(ShortcutRecorderView *view)
{
    static DetachedView detached;
    return view ? *view : detached;
}

// Ctrl alone with one of these keys stays with the programs' own commands (copy, paste, undo, find, ...); on the
// keypad too.
bool isReserved(QKeyCombination keys)
{
    static constexpr Qt::Key kReserved[] = {
        Qt::Key_C, Qt::Key_V, Qt::Key_Z,      Qt::Key_F,     Qt::Key_Comma, Qt::Key_H,     Qt::Key_Q,    Qt::Key_N,
        Qt::Key_A, Qt::Key_X, Qt::Key_Return, Qt::Key_Enter, Qt::Key_M,     Qt::Key_Minus, Qt::Key_Plus,
    };
    return (keys.keyboardModifiers() & kShortcutModifiers) == Qt::ControlModifier &&
           std::find(std::begin(kReserved), std::end(kReserved), keys.key()) != std::end(kReserved);
}

}  // namespace

ShortcutRecorder::ShortcutRecorder(AppShortcuts &shortcuts, KeysText keysText)
    : m_shortcuts(shortcuts), m_keysText(std::move(keysText))
{
}

std::optional<Shortcut> ShortcutRecorder::recordingShortcut() const
{
    for (const Shortcut shortcut : kShortcuts) {
        if (isRecording(shortcut))
            return shortcut;
    }
    return std::nullopt;
}

void ShortcutRecorder::showShortcuts()
{
    ShortcutRecorderView &view = viewOrDetached(m_view);
    m_recording = {};
    for (const Shortcut shortcut : kShortcuts)
        view.setRecorderBorder(shortcut, RecorderBorder::idle);
    for (const Shortcut shortcut : kShortcuts) {
        const StoredShortcut stored = m_shortcuts.stored(shortcut);
        view.setShortcutLabel(shortcut, stored.isRecorded() ? label(stored) : placeholderText());
        view.setClearButtonHidden(shortcut, !stored.isRecorded());
    }
}

void ShortcutRecorder::stopRecording()
{
    // Left disabled, the menu items would stay so until some later recording ends.
    if (recordingShortcut())
        enableMenuItems(true);
    m_recording = {};
}

void ShortcutRecorder::startRecording(Shortcut n)
{
    ShortcutRecorderView &view = viewOrDetached(m_view);
    m_recording[shortcutIndex(n)] = true;
    enableMenuItems(false);
    view.setShortcutLabel(n, QString());
    view.setClearButtonHidden(n, true);
    view.setRecorderBorder(n, RecorderBorder::recording);
    m_shortcuts.unregisterShortcut(n);
    m_shortcuts.removeStored(n);
    for (const Shortcut other : kShortcuts) {
        if (other != n && isRecording(other))
            clearShortcut(other);
    }
}

void ShortcutRecorder::clearShortcut(Shortcut n)
{
    ShortcutRecorderView &view = viewOrDetached(m_view);
    m_recording[shortcutIndex(n)] = false;
    enableMenuItems(true);
    m_shortcuts.unregisterShortcut(n);
    m_shortcuts.removeStored(n);
    view.setShortcutLabel(n, placeholderText());
    view.setClearButtonHidden(n, true);
    view.setRecorderBorder(n, RecorderBorder::idle);
}

void ShortcutRecorder::endRecording()
{
    ShortcutRecorderView &view = viewOrDetached(m_view);
    enableMenuItems(true);
    if (const std::optional<Shortcut> n = recordingShortcut()) {
        view.setRecorderBorder(*n, RecorderBorder::idle);
        view.setClearButtonHidden(*n, false);
    }
    m_recording = {};
}

bool ShortcutRecorder::modifiersChanged(Qt::KeyboardModifiers held)
{
    ShortcutRecorderView &view = viewOrDetached(m_view);
    const std::optional<Shortcut> n = recordingShortcut();
    if (!n || view.currentPane() != preferencesPane)
        return false;
    held &= kShortcutModifiers;
    view.setShortcutLabel(*n, held == Qt::NoModifier ? QString() : m_keysText(QKeyCombination(held, Qt::Key(0))));
    if (held == Qt::NoModifier)
        clearShortcut(*n);  // every modifier released before a key was accepted
    return true;
}

bool ShortcutRecorder::keyPressed(QKeyCombination keys)
{
    ShortcutRecorderView &view = viewOrDetached(m_view);
    const std::optional<Shortcut> recording = recordingShortcut();
    if (!recording || view.currentPane() != preferencesPane)
        return false;
    const Shortcut n = *recording;
    if (!(keys.keyboardModifiers() & kShortcutModifiers))
        return true;  // a plain key: recording goes on
    // Reserved combinations, and keys the settings have no name for, cannot be shortcuts.
    if (isReserved(keys) || !m_shortcuts.store(n, keys)) {
        reject();
        return true;
    }
    const ShortcutStatus status = m_shortcuts.registerShortcut(n, keys);
    view.setShortcutLabel(n, m_keysText(keys));
    endRecording();
    // A refusal is answered once the accepted combination has been shown, so that the answer's restart of the
    // recording comes last, however the alert is presented.
    if (status.state == ShortcutStatus::State::Refused)
        presentRefusal(n);
    return true;
}

void ShortcutRecorder::reject()
{
    ShortcutRecorderView &view = viewOrDetached(m_view);
    view.setDimmingLayerHidden(false);
    if (const std::optional<Shortcut> n = recordingShortcut())
        view.setShortcutLabel(*n, QString());
    view.showSheetAlert(rejectionMessage(), [this] { viewOrDetached(m_view).setDimmingLayerHidden(true); });
}

void ShortcutRecorder::presentRefusal(Shortcut n)
{
    ShortcutRecorderView &view = viewOrDetached(m_view);
    view.setDimmingLayerHidden(false);
    view.showSheetAlert(rejectionMessage(), [this, n] {
        startRecording(n);
        viewOrDetached(m_view).setDimmingLayerHidden(true);
    });
}

QString ShortcutRecorder::label(const StoredShortcut &stored) const
{
    if (const std::optional<QKeyCombination> keys = stored.keys())
        return m_keysText(*keys);
    // A name of no usable key is shown as it is stored.
    return m_keysText(QKeyCombination(stored.modifiers(), Qt::Key(0))) + stored.keyName;
}

void ShortcutRecorder::enableMenuItems(bool enabled)
{
    if (setMenuItemsEnabled)
        setMenuItemsEnabled(enabled);
}

}  // namespace tavrin
