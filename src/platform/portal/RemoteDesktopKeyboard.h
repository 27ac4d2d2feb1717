// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/KeyEventPoster.h"

#include <QDBusConnection>
#include <QElapsedTimer>
#include <QKeyCombination>
#include <QList>
#include <QObject>
#include <QString>

namespace tavrin {

// Keys typed into the window that has the focus through the desktop's RemoteDesktop portal
// (org.freedesktop.portal.RemoteDesktop), for Wayland desktops that offer no virtual keyboard. One keyboard-only
// session is made at start and kept for the program's life (KDE starts it without a dialog; GNOME asks once), and
// made again when the desktop closes it. Keys go as keysyms: the desktop finds them in its live keymap, so the keys
// are the user's layout's, and a modifier's keysym presses that modifier.
class RemoteDesktopKeyboard final : public QObject, public KeyEventPoster {
    Q_OBJECT

public:
    enum class State {
        Starting,  // the session is being made (or made again)
        Ready,  // keys are typed
        Declined,  // the user refused in the desktop's dialog; the next keys ask again
        Failed,  // the portal gave no session; problem() says why
    };
    /// Keys asked for while the session is still starting are typed once it is there, unless this much older.
    static constexpr int kWaitingKeysMs = 2000;
    static constexpr int kStartAttempts = 8;

    /// Whether the desktop's portal has a RemoteDesktop keyboard on this bus; why not in problem when not.
    static bool isOffered(const QDBusConnection &bus, QString *problem = nullptr);

    /// Starts making the session at once.
    explicit RemoteDesktopKeyboard(QDBusConnection bus = QDBusConnection::sessionBus(), QObject *parent = nullptr);
    ~RemoteDesktopKeyboard() override;

    State state() const { return m_state; }
    /// Why there is no session, for the log; empty while there is one or one is starting.
    QString problem() const { return m_problem; }

    /// Presses and releases the key with exactly these modifiers (the user's own held modifiers still count, as the
    /// desktop joins its devices). False, with nothing typed, when there is no session and none is coming (a new one
    /// is then asked for, for the next keys).
    bool typeKeys(QKeyCombination keys) override;

Q_SIGNALS:
    void stateChanged(tavrin::RemoteDesktopKeyboard::State state);

private:
    void createSession();
    void selectDevices();
    void startSession();
    void sessionStarted(uint devices);
    void giveUp(const QString &why, bool declined = false);
    void retry(const QString &why);
    void closeSession();
    void setState(State state);
    void send(QKeyCombination keys);
    void notifyKeysym(std::uint32_t keysym, bool pressed);
    void sendNextEvent();

private Q_SLOTS:
    void onSessionClosed();

private:
    struct Waiting {
        QKeyCombination keys;
        QElapsedTimer since;
    };

    struct KeyEvent {
        std::uint32_t keysym;
        bool pressed;
    };

    QDBusConnection m_bus;
    QList<KeyEvent> m_events;  // waiting for the one on its way
    bool m_sending = false;
    State m_state = State::Starting;
    QString m_problem;
    QString m_session;
    int m_attempts = 0;
    std::uint64_t m_round = 0;  // answers to an earlier attempt's requests are out of date
    QList<Waiting> m_waiting;
};

}  // namespace tavrin
