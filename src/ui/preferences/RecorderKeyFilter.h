#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <functional>

namespace tavrin {

class ShortcutRecorder;

// Hands every key event of one window to the shortcut recorder while it records, whichever control has the focus:
// modifier presses and releases as modifier changes, other keys as key presses. A key the recorder takes goes
// nowhere else, so it neither moves the focus nor triggers the window's own shortcuts (Delete, Tab).
class RecorderKeyFilter : public QObject {
    Q_OBJECT
public:
    RecorderKeyFilter(ShortcutRecorder &recorder, QWidget *scope, QObject *parent = nullptr);

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
    QPointer<QWidget> m_scope;
    bool m_active = false;
};

}  // namespace tavrin
