// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/SheetPresenter.h"

#include "ui/main/FileOrFolderDialog.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>

namespace tavrin {

void WindowModalSheetPresenter::presentAlert(QWidget *window, const AlertRequest &request, AlertAnswer answered)
{
    auto *box = new QMessageBox(window);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setIcon(request.style == 2 ? QMessageBox::Critical
                                    : (request.style == 0 ? QMessageBox::Warning : QMessageBox::Information));
    box->setWindowModality(Qt::WindowModal);
    box->setTextFormat(Qt::PlainText);
    box->setText(request.messageText);
    box->setInformativeText(request.informativeText);
    box->setAccessibleName(request.messageText);
    QList<QAbstractButton *> buttons;
    const QStringList titles =
        request.buttons.isEmpty() ? QStringList{QCoreApplication::translate("Alerts", "OK")} : request.buttons;
    for (qsizetype i = 0; i < titles.size(); ++i)
        buttons.append(box->addButton(titles.at(i), i == 0 ? QMessageBox::AcceptRole : QMessageBox::RejectRole));
    box->setDefaultButton(qobject_cast<QPushButton *>(buttons.constFirst()));
    box->setEscapeButton(buttons.constLast());
    QObject::connect(box, &QMessageBox::finished, box, [box, buttons, answered = std::move(answered)] {
        const qsizetype pressed = buttons.indexOf(box->clickedButton());
        // Closing the sheet by the window manager counts as the dismissing button.
        if (answered)
            answered(int(pressed >= 0 ? pressed : buttons.size() - 1));
    });
    box->open();
}

void WindowModalSheetPresenter::presentFileChooser(QWidget *window, const FileChooserRequest &request,
                                                   FileChoice chosen)
{
    auto *dialog = new FileOrFolderDialog(window, request.message);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowModality(Qt::WindowModal);
    dialog->setShowsHiddenFiles(request.showsHiddenFiles);
    QObject::connect(dialog, &QDialog::finished, dialog, [dialog, chosen = std::move(chosen)](int result) {
        std::optional<QString> path;
        if (result == QDialog::Accepted && !dialog->chosenPath().isEmpty())
            path = dialog->chosenPath();
        if (chosen)
            chosen(path);
    });
    dialog->open();
}

void ScriptedSheetPresenter::presentAlert(QWidget *window, const AlertRequest &request, AlertAnswer answered)
{
    shown.append(request);
    alertWindows.append(window);
    if (m_alertAnswers.isEmpty()) {
        m_openAlert = std::move(answered);
        return;
    }
    const int button = m_alertAnswers.takeFirst();
    if (answered)
        answered(button);
}

void ScriptedSheetPresenter::presentFileChooser(QWidget *, const FileChooserRequest &request, FileChoice chosen)
{
    choosers.append(request);
    if (m_choices.isEmpty()) {
        m_openChooser = std::move(chosen);
        return;
    }
    std::optional<QString> path = m_choices.takeFirst();
    if (chosen)
        chosen(std::move(path));
}

bool ScriptedSheetPresenter::answerOpenAlert(int button)
{
    AlertAnswer answer = std::exchange(m_openAlert, nullptr);
    if (!answer)
        return false;
    answer(button);
    return true;
}

bool ScriptedSheetPresenter::chooseInOpenChooser(std::optional<QString> path)
{
    FileChoice choice = std::exchange(m_openChooser, nullptr);
    if (!choice)
        return false;
    choice(std::move(path));
    return true;
}

}  // namespace tavrin
