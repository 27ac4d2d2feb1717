#include "ui/main/FileOrFolderDialog.h"

#include <QFileInfo>

namespace tavrin {

FileOrFolderDialog::FileOrFolderDialog(QWidget *parent, const QString &message) : QFileDialog(parent, message)
{
    setOption(QFileDialog::DontUseNativeDialog);
    setFileMode(QFileDialog::ExistingFile);
    setAcceptMode(QFileDialog::AcceptOpen);
    setLabelText(QFileDialog::Accept, QStringLiteral("Choose"));
    setAccessibleName(message);
}

void FileOrFolderDialog::setShowsHiddenFiles(bool shows)
{
    setFilter(shows ? filter() | QDir::Hidden : filter() & ~QDir::Hidden);
}

void FileOrFolderDialog::accept()
{
    const QStringList selected = selectedFiles();
    if (selected.size() == 1 && QFileInfo(selected.constFirst()).isDir()) {
        // The base class would open the folder; here a selected folder is the choice.
        m_chosen = selected.constFirst();
        QDialog::accept();  // NOLINT(bugprone-parent-virtual-call): skipping the file dialog's is the point
        return;
    }
    QFileDialog::accept();
    if (result() == QDialog::Accepted && !selected.isEmpty())
        m_chosen = selectedFiles().value(0);
}

}  // namespace tavrin
