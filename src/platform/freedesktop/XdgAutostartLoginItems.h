// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/DesktopCapabilities.h"
#include "platform/LoginItems.h"

#include <QString>

#include <memory>

namespace tavrin {

// Start at login through the XDG autostart rules: an enabled login item is a desktop entry
// "<identifier>.desktop" in the autostart folder whose Exec runs the login launcher; disabling removes it.
class XdgAutostartLoginItems final : public LoginItems {
public:
    /// autostartFolder is where the session looks for entries; launcherPath the absolute path of the launcher.
    XdgAutostartLoginItems(const QString &autostartFolder, const QString &launcherPath);

    /// The session's autostart folder and the launcher beside the running program.
    static std::unique_ptr<XdgAutostartLoginItems> forRunningProgram();
    /// $XDG_CONFIG_HOME/autostart when that is absolute, else ~/.config/autostart.
    static QString defaultAutostartFolder();
    /// The launcher beside the running program.
    static QString launcherBesideProgram();

    /// Whether the launcher can be started from an entry, as a capability a user can read.
    DesktopCapabilities::Feature availability() const;

    Change setLoginItemEnabled(const QString &identifier, bool enabled) override;

    /// The entry's path for an identifier.
    QString entryPath(const QString &identifier) const;
    /// The entry's text: a valid desktop entry that starts the launcher.
    QByteArray entryText() const;

private:
    Change writeEntry(const QString &path) const;
    static Change removeEntry(const QString &path);

    QString m_folder;
    QString m_launcher;
};

/// A program path as one argument of a desktop entry's Exec key, quoted and escaped where the rules ask for it.
QString execArgument(const QString &argument);
/// A value as a desktop entry string: backslashes and control characters escaped.
QString desktopString(QString value);

}  // namespace tavrin
