// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/preferences/RecorderKeyFilter.h"

#include "hotkeys/ShortcutRecorder.h"
#include "hotkeys/StoredShortcut.h"
#include "platform/KeyPositions.h"

#include <QCoreApplication>
#include <QKeyEvent>

namespace tavrin {

QKeyCombination recordedKeys(const QKeyEvent &event, const KeyPositions &positions)
{
    const QKeyCombination keys = event.keyCombination();
    const bool shiftedSymbol = (keys.keyboardModifiers() & Qt::ShiftModifier) && keys.key() > Qt::Key_Space &&
                               keys.key() <= Qt::Key_AsciiTilde;
    if (StoredShortcut::canStore(keys) || !shiftedSymbol)
        return keys;
    const Qt::Key placed = positions.usLayoutKey(event.nativeScanCode());
    return placed == Qt::Key_unknown ? keys : QKeyCombination(keys.keyboardModifiers(), placed);
}

Qt::KeyboardModifiers modifiersAfter(const QKeyEvent &event)
{
    Qt::KeyboardModifiers modifiers = event.modifiers();
    Qt::KeyboardModifier own = Qt::NoModifier;
    switch (event.key()) {
    case Qt::Key_Shift: own = Qt::ShiftModifier; break;
    case Qt::Key_Control: own = Qt::ControlModifier; break;
    case Qt::Key_Alt: own = Qt::AltModifier; break;
    case Qt::Key_Meta:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R: own = Qt::MetaModifier; break;
    default: break;
    }
    if (own != Qt::NoModifier)
        modifiers.setFlag(own, event.type() == QEvent::KeyPress);
    return modifiers;
}

bool isModifierKey(int key)
{
    switch (key) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Meta:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R:
    case Qt::Key_Hyper_L:
    case Qt::Key_Hyper_R:
    case Qt::Key_CapsLock: return true;
    default: return false;
    }
}

RecorderKeyFilter::RecorderKeyFilter(ShortcutRecorder &recorder, const KeyPositions &positions, QWidget *scope,
                                     QObject *parent)
    : QObject(parent), m_recorder(recorder), m_positions(positions), m_scope(scope)
{
}

void RecorderKeyFilter::setActive(bool active)
{
    if (active == m_active)
        return;
    m_active = active;
    if (active)
        QCoreApplication::instance()->installEventFilter(this);
    else
        QCoreApplication::instance()->removeEventFilter(this);
}

bool RecorderKeyFilter::isInScope(QObject *watched) const
{
    const auto *widget = qobject_cast<const QWidget *>(watched);
    return widget && m_scope && widget->window() == m_scope->window();
}

bool RecorderKeyFilter::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::KeyRelease && type != QEvent::ShortcutOverride)
        return false;
    if (!m_recorder.recordingShortcut() || !isInScope(watched) || (isBlocked && isBlocked()))
        return false;
    auto *key = static_cast<QKeyEvent *>(event);
    if (type == QEvent::ShortcutOverride) {
        // Accepted, the key comes as a key press instead of triggering a shortcut of the window.
        key->accept();
        return true;
    }
    if (isModifierKey(key->key())) {
        if (key->isAutoRepeat())
            return true;
        return m_recorder.modifiersChanged(modifiersAfter(*key));
    }
    if (type == QEvent::KeyRelease)
        return true;
    return m_recorder.keyPressed(recordedKeys(*key, m_positions));
}

}  // namespace tavrin
