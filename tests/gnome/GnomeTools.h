// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QProcess>
#include <QString>

#include <memory>

namespace tavrin::gnome {

// Looking at and acting on the session's GNOME Shell (tests/e2e/gnome-session.sh) from the outside, as a user would.

/// Runs JavaScript in the Shell (the test session's unsafe mode) and gives back its JSON result; empty on failure.
QString shellEval(const QString &script);
/// The WM_CLASS (Wayland: application id) of the window that has the focus; empty when none.
QString focusedWindowClass();
/// The process that owns the window with the focus; 0 when none.
qint64 focusedWindowPid();
/// How many windows the process has on screen.
int windowCountOf(qint64 pid);
/// Gives the focus to the newest window of that class, as the user does by clicking it; true when the Shell found it.
bool focusWindowOfClass(const QString &wmClass);

/// Keys pressed as on the user's keyboard, through mutter's remote desktop session (tests only).
class RemoteKeyboard {
public:
    RemoteKeyboard();
    ~RemoteKeyboard();
    bool isValid() const { return !m_session.isEmpty(); }
    /// Presses the keysyms in order and releases them in reverse.
    bool press(const QList<quint32> &keysyms);

private:
    QString m_session;
};

/// A text window of another program, writing what it receives to a file.
struct PasteTarget {
    std::unique_ptr<QProcess> process;
    QString output;
    QString wmClass;

    /// What arrived so far.
    QByteArray received() const;
    /// Focuses it again.
    bool focus() const;
};
/// A GTK 3 text window (tests/gnome/gtk-paste-target.py); started and focused, or null.
std::unique_ptr<PasteTarget> startGtkTarget(const QString &output);
/// foot running `cat` on a raw terminal, so every pasted byte reaches the file at once; started and focused, or null.
std::unique_ptr<PasteTarget> startFootTarget(const QString &output);

}  // namespace tavrin::gnome
