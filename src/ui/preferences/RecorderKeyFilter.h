// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QKeyCombination>
#include <QObject>
#include <QPointer>
#include <QWidget>

#include <functional>

class QKeyEvent;

namespace tavrin {

class KeyPositions;
class ShortcutRecorder;

/// The combination a key press records. A symbol typed with Shift that the settings have no name for ("!") is the
/// key at its place on a US keyboard ("1"), so Ctrl+Shift+1 is recorded as such whatever the layout prints.
QKeyCombination recordedKeys(const QKeyEvent &event, const KeyPositions &positions);
/// The modifiers held once a modifier key's press or release has taken effect (the event's own modifiers may still
/// be those from before it).
Qt::KeyboardModifiers modifiersAfter(const QKeyEvent &event);
/// True for keys that only change modifiers (they reach the recorder as modifier changes, not key presses).
bool isModifierKey(int key);

// Hands every key event of one window to the shortcut recorder while it records, whichever control has the focus:
// modifier presses and releases as modifier changes, other keys as key presses. A key the recorder takes goes
// nowhere else, so it neither moves the focus nor triggers the window's own shortcuts (Delete, Tab).
class RecorderKeyFilter : public QObject {
    Q_OBJECT
public:
    RecorderKeyFilter(ShortcutRecorder &recorder, const KeyPositions &positions, QWidget *scope,
                      QObject *parent = nullptr);

    /// Starts or stops watching the application's key events.
    void setActive(bool active);
    bool isActive() const { return m_active; }
    /// While this says so (a sheet of the window waits for its answer), keys are left alone: releasing the keys of
    /// a refused combination must not end the recording the refusal keeps going.
    std::function<bool()> isBlocked;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool isInScope(QObject *watched) const;

    ShortcutRecorder &m_recorder;
    const KeyPositions &m_positions;
    QPointer<QWidget> m_scope;
    bool m_active = false;
};

}  // namespace tavrin
