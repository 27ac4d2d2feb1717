#include "ui/preferences/RecorderKeyFilter.h"

#include "hotkeys/ShortcutRecorder.h"
#include "ui/preferences/QtKeyEvents.h"

#include <QCoreApplication>
#include <QKeyEvent>

namespace tavrin {

RecorderKeyFilter::RecorderKeyFilter(ShortcutRecorder &recorder, QWidget *scope, QObject *parent)
    : QObject(parent), m_recorder(recorder), m_scope(scope)
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
        return m_recorder.flagsChanged(modifierFlagsAfter(*key));
    }
    if (type == QEvent::KeyRelease)
        return true;
    const std::optional<ShortcutKeyEvent> converted = shortcutKeyEvent(*key);
    return converted && m_recorder.keyDown(*converted);
}

}  // namespace tavrin
