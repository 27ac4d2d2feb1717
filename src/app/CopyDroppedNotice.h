// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

namespace tavrin {

class ClipboardMonitor;
class DesktopNotifier;

// Tells the user once per run, by a desktop notice, that a copy is not in the history because the application that
// made it took too long to hand it over, naming the application and the setting that sets the wait. Later drops are
// only logged: a slow application would otherwise repeat the notice with each copy.
class CopyDroppedNotice : public QObject {
    Q_OBJECT
public:
    CopyDroppedNotice(DesktopNotifier &notifier, ClipboardMonitor &monitor, QObject *parent = nullptr);

private:
    void tell(const QString &application, qint64 timeoutMs);

    DesktopNotifier &m_notifier;
    bool m_told = false;
};

}  // namespace tavrin
