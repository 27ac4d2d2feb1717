// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/DesktopCapabilities.h"

#include <QGroupBox>
#include <QString>

class QGridLayout;
class QLabel;

namespace tavrin {

// The Preferences' "This desktop" section: for the running session, whether capture, paste, global shortcuts, the
// tray icon and start at login work, and why not where they do not. Where the program cannot take shortcuts it
// lists the commands to bind in the desktop's own key settings, each with a button that copies it.
class DesktopSupportView : public QGroupBox {
    Q_OBJECT
public:
    /// The commands to bind in place of the program's shortcuts, in the order of the shortcuts.
    static QStringList shortcutCommands();

    explicit DesktopSupportView(const DesktopCapabilities &capabilities, QWidget *parent = nullptr);

    /// The recorded shortcuts the desktop refused, one line each ("Quick access shortcut: Ctrl+Alt+H is taken by
    /// another program."): shown under "Global shortcuts", whose state then says that not every shortcut works.
    void showShortcutProblems(const QStringList &problems);

Q_SIGNALS:
    /// A command's copy button put it on the clipboard.
    void commandCopied(const QString &command);

private:
    /// Adds a feature's row; its state label.
    QLabel *addFeatureRow(QGridLayout *grid, const QString &name, const DesktopCapabilities::Feature &feature);
    void addCommandRows(QGridLayout *grid);
    void addRemedyRows(QGridLayout *grid, const QString &command, const QString &note);
    /// The command in a read-only field from the column to the button, and the button that copies it.
    void addCopyableCommand(QGridLayout *grid, int row, int column, const QString &command, const QString &does);

    bool m_shortcutsOffered = false;
    QLabel *m_shortcutsState = nullptr;
    QLabel *m_shortcutProblems = nullptr;
    QGridLayout *m_grid = nullptr;
    int m_problemsRow = 0;
};

}  // namespace tavrin
