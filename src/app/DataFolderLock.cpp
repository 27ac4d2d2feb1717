// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/DataFolderLock.h"

#include "app/AppLog.h"
#include "store/AtomicFile.h"
#include "ui/AlertPresenter.h"

#include <QCoreApplication>

namespace tavrin {

DataFolderLock::DataFolderLock(const QString &dataDirectory)
    : m_directory(dataDirectory), m_lock(dataDirectory + QLatin1Char('/') + QLatin1String(kFileName))
{
    // A lock is stale only when its process is gone; its age says nothing about a program that runs for weeks.
    m_lock.setStaleLockTime(0);
}

DataFolderLock::Outcome DataFolderLock::tryLock()
{
    ensurePrivateDirectory(m_directory);
    if (m_lock.tryLock(0))
        return Outcome::Locked;
    if (m_lock.error() == QLockFile::LockFailedError)
        return Outcome::HeldByAnother;
    qCWarning(lcApp).noquote() << "cannot lock the data folder" << m_directory
                               << "; a second Tavrin on another display would not be stopped";
    return Outcome::Unavailable;
}

bool DataFolderLock::lockOrExplain(AlertPresenter &alerts, const std::function<void()> &beforeAlert)
{
    if (tryLock() != Outcome::HeldByAnother)
        return true;
    const char *const message = QT_TRANSLATE_NOOP("DataFolderLock", "Tavrin is already running");
    const char *const details =
        QT_TRANSLATE_NOOP("DataFolderLock", "Another Tavrin (%1) uses the clipboard history in %2. Two at once "
                                            "would overwrite each other's copies; quit the other one first.");
    // The log stays in English, whatever language the user reads.
    qCCritical(lcApp, "%s. %s", message,
               qPrintable(QString::fromLatin1(details).arg(holder(Language::english), m_directory)));
    if (beforeAlert)
        beforeAlert();
    alerts.runAlert(
        AlertRequest{1,
                     QCoreApplication::translate("DataFolderLock", message),
                     QCoreApplication::translate("DataFolderLock", details).arg(holder(Language::user), m_directory),
                     {QCoreApplication::translate("DataFolderLock", "OK")},
                     kAlertTimeout});
    return false;
}

QString DataFolderLock::holder(Language language) const
{
    const auto text = [language](const char *english) {
        return language == Language::user ? QCoreApplication::translate("DataFolderLock", english)
                                          : QString::fromLatin1(english);
    };
    qint64 pid = 0;
    QString host;
    QString application;
    if (!m_lock.getLockInfo(&pid, &host, &application))
        return text(QT_TRANSLATE_NOOP("DataFolderLock", "another process"));
    return text(QT_TRANSLATE_NOOP("DataFolderLock", "process %1 on %2")).arg(pid).arg(host);
}

}  // namespace tavrin
