// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/UnixSignalQuit.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace tavrin {

namespace {
int signalPipe[2] = {-1, -1};
}

UnixSignalQuit::UnixSignalQuit(QObject *parent) : QObject(parent)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalPipe) != 0)
        return;
    m_notifier = new QSocketNotifier(signalPipe[1], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &UnixSignalQuit::onReadable);

    struct sigaction action = {};
    action.sa_handler = &UnixSignalQuit::handle;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int sig : {SIGTERM, SIGINT, SIGHUP})
        ::sigaction(sig, &action, nullptr);
}

UnixSignalQuit::~UnixSignalQuit()
{
    for (int sig : {SIGTERM, SIGINT, SIGHUP})
        ::signal(sig, SIG_DFL);
    for (int &fd : signalPipe) {
        if (fd >= 0)
            ::close(fd);
        fd = -1;
    }
}

void UnixSignalQuit::handle(int signal)
{
    // Only async-signal-safe work here: the event loop does the rest.
    const char byte = char(signal);
    [[maybe_unused]] const ssize_t n = ::write(signalPipe[0], &byte, 1);
}

void UnixSignalQuit::onReadable()
{
    char byte = 0;
    [[maybe_unused]] const ssize_t n = ::read(signalPipe[1], &byte, 1);
    QCoreApplication::quit();
}

}  // namespace tavrin
