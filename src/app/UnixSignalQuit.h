// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QSocketNotifier;

namespace tavrin {

// Turns SIGTERM, SIGINT and SIGHUP into a normal quit of the event loop, so the quit path saves.
class UnixSignalQuit : public QObject {
    Q_OBJECT
public:
    explicit UnixSignalQuit(QObject *parent = nullptr);
    ~UnixSignalQuit() override;

private:
    static void handle(int signal);
    void onReadable();

    QSocketNotifier *m_notifier = nullptr;
};

}  // namespace tavrin
