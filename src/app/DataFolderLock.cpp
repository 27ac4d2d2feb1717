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
    const QString message = QCoreApplication::translate("DataFolderLock", "Tavrin is already running");
    const QString details =
        QCoreApplication::translate("DataFolderLock",
                                    "Another Tavrin (%1) uses the clipboard history in %2. Two at once would "
                                    "overwrite each other's copies; quit the other one first.")
            .arg(holder(), m_directory);
    qCCritical(lcApp, "%s. %s", qPrintable(message), qPrintable(details));
    if (beforeAlert)
        beforeAlert();
    alerts.runAlert(AlertRequest{1, message, details, {QStringLiteral("OK")}, kAlertTimeout});
    return false;
}

QString DataFolderLock::holder() const
{
    qint64 pid = 0;
    QString host;
    QString application;
    if (!m_lock.getLockInfo(&pid, &host, &application))
        return QStringLiteral("another process");
    return QStringLiteral("process %1 on %2").arg(pid).arg(host);
}

}  // namespace tavrin
