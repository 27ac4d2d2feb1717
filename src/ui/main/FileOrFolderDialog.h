// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFileDialog>

namespace tavrin {

// A file dialog that chooses one existing file or one folder: a double-click opens a folder, the accept button
// takes the file or folder that is selected. The desktop's own dialogs choose either files or folders, never both,
// so this is Qt's dialog.
class FileOrFolderDialog : public QFileDialog {
    Q_OBJECT
public:
    FileOrFolderDialog(QWidget *parent, const QString &message);

    void setShowsHiddenFiles(bool shows);
    /// The file or folder chosen; empty until the dialog was accepted.
    QString chosenPath() const { return m_chosen; }

public Q_SLOTS:
    void accept() override;
    void done(int result) override;

private:
    /// The existing file or folder the name field names; empty when it names none.
    QString typedPath() const;

    QString m_chosen;
};

}  // namespace tavrin
