// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QKeyCombination>
#include <QObject>
#include <QString>

class QDebug;

namespace tavrin {

// Where a global shortcut stands with the desktop.
struct ShortcutStatus {
    enum class State {
        Active,  // fires whatever window has the focus
        Pending,  // the desktop is still deciding (a consent dialog); statusChanged tells the outcome
        Refused,  // it does not fire; reason says why
    };
    State state = State::Refused;
    /// Why it is not active, one sentence a user can read ("Ctrl+Alt+H is taken by another program."); empty when
    /// active.
    QString reason;

    bool isActive() const { return state == State::Active; }
    static ShortcutStatus active() { return {State::Active, {}}; }
    static ShortcutStatus pending() { return {State::Pending, {}}; }
    static ShortcutStatus refused(QString why) { return {State::Refused, std::move(why)}; }
    bool operator==(const ShortcutStatus &) const = default;
};

/// "active", "pending", or "refused: " and the reason, for the log.
QDebug operator<<(QDebug debug, const ShortcutStatus &status);

// Key combinations that reach the program whatever window has the focus. Each shortcut has an id of the
// program's own ("quick-access", ...); registering an id again replaces its combination. Used on the GUI thread.
class GlobalShortcuts : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;
    GlobalShortcuts(const GlobalShortcuts &) = delete;
    GlobalShortcuts &operator=(const GlobalShortcuts &) = delete;
    ~GlobalShortcuts() override = default;

    /// Takes a combination for an id. description names the action for desktops that list shortcuts ("Show the
    /// clipboard list"). The answer is known before this returns, or Pending and told later by statusChanged.
    virtual ShortcutStatus registerShortcut(const QString &id, QKeyCombination keys, const QString &description) = 0;
    /// Gives the id's combination back to the desktop; an unknown id is ignored.
    virtual void unregisterShortcut(const QString &id) = 0;
    /// False where the desktop lets no program take global shortcuts; registerShortcut then refuses with why.
    virtual bool isOffered() const = 0;

Q_SIGNALS:
    /// The id's combination was pressed (auto-repeat is not reported again).
    void activated(const QString &id);
    /// A Pending registration was decided, or an active one was lost (the desktop took it back).
    void statusChanged(const QString &id, const tavrin::ShortcutStatus &status);
};

}  // namespace tavrin
