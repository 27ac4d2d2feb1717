// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/AlertPresenter.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

namespace tavrin {

namespace {
QMessageBox::Icon iconForStyle(int style)
{
    // The alert styles: 0 warning, 1 informational, 2 critical.
    switch (style) {
    case 0: return QMessageBox::Warning;
    case 2: return QMessageBox::Critical;
    default: return QMessageBox::Information;
    }
}
}  // namespace

AlertRequest folderPasteQuestion()
{
    return AlertRequest{
        1,
        QCoreApplication::translate("Alerts", "Paste this Folder?"),
        QCoreApplication::translate("Alerts", "Are you sure you want to Paste this Folder with all its contents in the "
                                              "current destination?"),
        {QCoreApplication::translate("Alerts", "Yes"), QCoreApplication::translate("Alerts", "No")}};
}

int MessageBoxAlertPresenter::runAlert(const AlertRequest &request)
{
    QMessageBox box;
    box.setIcon(iconForStyle(request.style));
    box.setWindowModality(Qt::ApplicationModal);
    box.setTextFormat(Qt::PlainText);
    box.setText(request.messageText);
    box.setInformativeText(request.informativeText);
    QList<QAbstractButton *> buttons;
    const QStringList titles =
        request.buttons.isEmpty() ? QStringList{QCoreApplication::translate("Alerts", "OK")} : request.buttons;
    for (qsizetype i = 0; i < titles.size(); ++i) {
        // The first button confirms, the others dismiss; the desktop's layout rules order them by that role.
        const auto role = i == 0 ? QMessageBox::AcceptRole : QMessageBox::RejectRole;
        buttons.append(box.addButton(titles.at(i), role));
    }
    box.setDefaultButton(qobject_cast<QPushButton *>(buttons.constFirst()));
    box.setEscapeButton(buttons.constLast());
    if (request.timeout.count() > 0)
        QTimer::singleShot(request.timeout, &box, &QDialog::reject);
    box.exec();
    const qsizetype pressed = buttons.indexOf(box.clickedButton());
    // Closing the box by the window manager, or its timeout, counts as the dismissing button.
    return int(pressed >= 0 ? pressed : buttons.size() - 1);
}

int ScriptedAlertPresenter::runAlert(const AlertRequest &request)
{
    shown.append(request);
    if (!m_answers.isEmpty())
        return m_answers.takeFirst();
    ++unanswered;
    return int(std::max<qsizetype>(request.buttons.size() - 1, 0));
}

}  // namespace tavrin
