// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CopyDroppedNotice.h"

#include "capture/ClipboardMonitor.h"
#include "platform/DesktopNotifier.h"
#include "store/SettingsKeys.h"

namespace tavrin {

CopyDroppedNotice::CopyDroppedNotice(DesktopNotifier &notifier, ClipboardMonitor &monitor, QObject *parent)
    : QObject(parent), m_notifier(notifier)
{
    connect(&monitor, &ClipboardMonitor::copyDropped, this, &CopyDroppedNotice::tell);
}

void CopyDroppedNotice::tell(const QString &application, qint64 timeoutMs)
{
    if (m_told)
        return;
    m_told = true;
    const QString seconds = QString::number(double(timeoutMs) / 1000.0);
    const QString who = application.isEmpty() ? tr("The application that copied") : application;
    m_notifier.notify(tr("Tavrin did not record a copy"),
                      tr("%1 took longer than %2 s to hand over what was copied, so it is not in the history. The "
                         "setting %3 sets how long Tavrin waits.")
                          .arg(who, seconds, keys::clipboardReadTimeout));
}

}  // namespace tavrin
