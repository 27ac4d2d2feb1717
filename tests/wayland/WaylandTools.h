// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <memory>

namespace tavrin::wayland {

// Stops a program the test started when its handle goes (terminated, then waited for).
struct ProgramStopper {
    void operator()(QProcess *process) const;
};
using Program = std::unique_ptr<QProcess, ProgramStopper>;

// Other programs on the session's compositor (tests/e2e/wayland-session.sh): wl-copy and wl-paste.

/// Copies data as one type with wl-copy, which forks a server that keeps serving it until replaced.
void copyWithWlCopy(const QByteArray &data, const QString &type = QString());
/// A wl-copy that stays in the foreground: the clipboard's owner is this process and quits when it is stopped.
std::unique_ptr<QProcess> startForegroundCopy(const QByteArray &data);
/// The clipboard's content as one type, read with wl-paste (--primary for the primary selection); empty on failure.
QByteArray pasteWithWlPaste(const QString &type = QString(), bool primary = false);
/// The types the clipboard offers now.
QStringList clipboardTypes();
/// Starts tavrin-paste-target ($TAVRIN_PASTE_TARGET) drawing on the compositor, its text mirrored into output; null
/// when it did not start.
Program startPasteTarget(const QString &output);
/// Starts a GTK text window (tests/e2e/support/gtk-paste-target.py) on the compositor, its text mirrored into output.
Program startGtkPasteTarget(const QString &output);
/// Starts the foot terminal running a program that writes what it is given, byte for byte, into output: a paste
/// arrives as its text, a Ctrl+V that does not paste as the byte 0x16. $TAVRIN_FOOT_PRELOAD is preloaded when set.
Program startFoot(const QString &output);

}  // namespace tavrin::wayland

namespace tavrin::wayland {

/// The title of the window that has the focus, as sway reports it (tiled or floating); empty when none.
QString focusedWindowTitle();
/// The titles of the floating windows (dialogs, windows of a fixed size), as sway reports them.
QStringList floatingWindowTitles();
/// Gives the focus to the window with that title, as the user does by clicking it; true when sway found it.
bool focusWindowTitled(const QString &title);

}  // namespace tavrin::wayland
