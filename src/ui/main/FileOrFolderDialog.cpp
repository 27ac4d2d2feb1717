// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/FileOrFolderDialog.h"

#include <QDir>
#include <QFileInfo>
#include <QLineEdit>

namespace tavrin {

FileOrFolderDialog::FileOrFolderDialog(QWidget *parent, const QString &message) : QFileDialog(parent, message)
{
    setOption(QFileDialog::DontUseNativeDialog);
    setFileMode(QFileDialog::ExistingFile);
    setAcceptMode(QFileDialog::AcceptOpen);
    setLabelText(QFileDialog::Accept, tr("Choose"));
    setAccessibleName(message);
}

void FileOrFolderDialog::setShowsHiddenFiles(bool shows)
{
    setFilter(shows ? filter() | QDir::Hidden : filter() & ~QDir::Hidden);
}

QString FileOrFolderDialog::typedPath() const
{
    const auto *edit = findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
    QString text = edit ? edit->text().trimmed() : QString();
    if (text.isEmpty())
        return {};
    if (text == u'~' || text.startsWith(QStringLiteral("~/")))
        text = QDir::homePath() + text.mid(1);
    // A name is in the folder shown; a path typed whole stands for itself.
    const QFileInfo info(QDir(directory()).filePath(text));
    return info.exists() ? info.absoluteFilePath() : QString();
}

void FileOrFolderDialog::accept()
{
    // What the field says is the choice: the dialog's own selection also holds every folder it passed through
    // while a path was typed, and it would open a folder instead of choosing it.
    QString choice = typedPath();
    const QStringList selected = selectedFiles();
    if (choice.isEmpty() && selected.size() == 1 && QFileInfo(selected.constFirst()).isDir())
        choice = selected.constFirst();
    if (!choice.isEmpty()) {
        m_chosen = choice;
        QDialog::accept();  // NOLINT(bugprone-parent-virtual-call): skipping the file dialog's is the point
        return;
    }
    QFileDialog::accept();
}

void FileOrFolderDialog::done(int result)
{
    // finished() is emitted inside the base's done(), so the choice is stored before it: a listener reading
    // chosenPath() then sees the path, not the empty one of a dialog still open.
    if (result != QDialog::Accepted)
        m_chosen.clear();
    else if (m_chosen.isEmpty())
        m_chosen = selectedFiles().value(0);
    QFileDialog::done(result);
}

}  // namespace tavrin
