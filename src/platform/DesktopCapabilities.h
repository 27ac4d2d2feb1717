// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace tavrin {

// What the running desktop session lets the program do, and why not where it does not: shown to the user (the
// Preferences' "This desktop" section) and written to the log at start.
struct DesktopCapabilities {
    struct Feature {
        bool available = false;
        /// How it works when available, why not otherwise; one short sentence for a user.
        QString detail;
        /// The other ways this desktop was asked for, each with why it is not the one used ("the compositor's virtual
        /// keyboard: the compositor offers none"); empty where there is only one way.
        QStringList otherWays = {};
    };

    /// The backend in use ("Wayland", "X11").
    QString backend;
    /// Copies of other programs are seen and read while another window has the focus.
    Feature capture;
    /// Entries are pasted into the window in front.
    Feature paste;
    /// The program's shortcuts work whatever window has the focus.
    Feature globalShortcuts;
    /// The tray icon is shown.
    Feature tray;
    /// The program can start with the session.
    Feature startAtLogin;

    /// Where one command makes the missing features work (turning on the GNOME Shell extension): the command, shown
    /// with a copy button, and what else it takes; both empty when there is none.
    QString remedyCommand;
    QString remedyNote;

    /// One line per feature, for the log.
    QStringList logLines() const
    {
        const auto line = [](const char *name, const Feature &feature) {
            QString text =
                QStringLiteral("%1 %2: %3")
                    .arg(QLatin1String(name),
                         feature.available ? QStringLiteral("works") : QStringLiteral("does not work"), feature.detail);
            if (!feature.otherWays.isEmpty())
                text += QStringLiteral(" (not used: %1)").arg(feature.otherWays.join(QStringLiteral("; ")));
            return text;
        };
        return {line("capture", capture), line("paste", paste), line("global shortcuts", globalShortcuts),
                line("tray", tray), line("start at login", startAtLogin)};
    }
};

}  // namespace tavrin
