// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/gnome/GnomeCapabilities.h"

#include "platform/gnome/GnomeShellLink.h"

namespace tavrin {

DesktopCapabilities describeGnomeSession(const GnomeShellLink &link, bool trayHostRuns)
{
    DesktopCapabilities capabilities;
    capabilities.backend = QStringLiteral("GNOME");
    const bool on = link.isAvailable();
    const QString missing = link.problem();

    capabilities.capture.available = on;
    capabilities.capture.detail = on ? QStringLiteral(QT_TRANSLATE_NOOP(
                                           "DesktopReasons", "the Tavrin extension of GNOME Shell reports every copy"))
                                     : missing;

    capabilities.paste.available = on;
    capabilities.paste.detail =
        on ? QStringLiteral(
                 QT_TRANSLATE_NOOP("DesktopReasons", "keys are typed through the Tavrin extension of GNOME Shell"))
           : missing + QStringLiteral("; until then the entry is put on the clipboard and Ctrl+V pastes it");

    capabilities.globalShortcuts.available = on;
    capabilities.globalShortcuts.detail =
        on ? QStringLiteral(QT_TRANSLATE_NOOP(
                 "DesktopReasons",
                 "the Tavrin extension of GNOME Shell takes them; GNOME's own shortcuts stay GNOME's"))
           : missing;

    if (!on && link.needsEnabling()) {
        capabilities.remedyCommand = gnomeShell::enableCommand();
        capabilities.remedyNote = QStringLiteral("Then log out and in again: GNOME Shell loads extensions when the "
                                                 "session starts.");
    }

    capabilities.tray.available = trayHostRuns;
    capabilities.tray.detail =
        trayHostRuns
            ? QStringLiteral(QT_TRANSLATE_NOOP("DesktopReasons", "the panel shows status icons (StatusNotifierItem)"))
            : QStringLiteral("GNOME Shell shows status icons only with an extension for them, such as "
                             "\"AppIndicator and KStatusNotifierItem Support\"");
    return capabilities;
}

GnomeExtensionNotice missingExtensionNotice()
{
    return {QStringLiteral("Tavrin needs its GNOME Shell extension"),
            QStringLiteral("Without it Tavrin cannot see what you copy or paste for you. Turn it on with \"%1\", "
                           "then log out and in again: GNOME Shell loads extensions when the session starts.")
                .arg(gnomeShell::enableCommand())};
}

}  // namespace tavrin
