// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/ControlClient.h"

#include "cli/CommandTable.h"
#include "cli/ControlBus.h"

#include <QDBusConnectionInterface>
#include <QDBusServiceWatcher>
#include <QDBusUnixFileDescriptor>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QThread>
#include <QTimer>

#include <QCoreApplication>
#include <cerrno>
#include <unistd.h>

namespace tavrin {

namespace {

const QString kUnknownObject = QStringLiteral("org.freedesktop.DBus.Error.UnknownObject");

bool writeAll(int fd, const char *data, qsizetype size)
{
    while (size > 0) {
        const ssize_t written = ::write(fd, data, size_t(size));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        data += written;
        size -= written;
    }
    return true;
}

}  // namespace

ControlClient::ControlClient(const QDBusConnection &bus, const QString &display, int outputFd, int errorFd)
    : m_bus(bus), m_display(display), m_service(bus::serviceName(display)), m_outputFd(outputFd), m_errorFd(errorFd)
{
}

void ControlClient::printLine(const QString &line)
{
    const QByteArray bytes = line.toUtf8() + '\n';
    writeAll(m_outputFd, bytes.constData(), bytes.size());
}

void ControlClient::printError(const QString &message)
{
    const QByteArray bytes = "tavrin: " + message.toUtf8() + '\n';
    writeAll(m_errorFd, bytes.constData(), bytes.size());
}

std::optional<int> ControlClient::checkBus()
{
    if (m_bus.isConnected())
        return std::nullopt;
    const QString reason = m_bus.lastError().message();
    printError(QCoreApplication::translate("ControlClient",
                                           "there is no D-Bus session bus (%1), so no running Tavrin can be reached")
                   .arg(reason.isEmpty() ? QCoreApplication::translate("ControlClient", "not connected") : reason));
    return exitcodes::kNotRunning;
}

int ControlClient::call(const QString &method, const QVariantList &arguments, QDBusMessage *reply)
{
    if (const std::optional<int> status = checkBus())
        return *status;
    QDBusMessage message = QDBusMessage::createMethodCall(m_service, QString::fromLatin1(bus::kControlPath),
                                                          QString::fromLatin1(bus::kControlInterface), method);
    message.setArguments(arguments);
    // A program that has just started owns its name a moment before its commands are on the bus.
    const QDeadlineTimer starting(kStartingTimeout);
    for (;;) {
        const QDBusMessage answer = m_bus.call(message, QDBus::Block);
        if (answer.type() == QDBusMessage::ReplyMessage) {
            if (reply)
                *reply = answer;
            return exitcodes::kSuccess;
        }
        if (answer.errorName() != kUnknownObject || starting.hasExpired())
            return failure(answer);
        QThread::msleep(50);
    }
}

int ControlClient::failure(const QDBusMessage &error)
{
    const QString name = error.errorName();
    if (name == QLatin1String("org.freedesktop.DBus.Error.ServiceUnknown") ||
        name == QLatin1String("org.freedesktop.DBus.Error.NameHasNoOwner")) {
        printError(
            QCoreApplication::translate("ControlClient", "Tavrin is not running on display %1; start it with: tavrin")
                .arg(m_display.isEmpty() ? QCoreApplication::translate("ControlClient", "(none)") : m_display));
        return exitcodes::kNotRunning;
    }
    if (name.startsWith(QLatin1String("io.tavrin.Tavrin.Error."))) {
        printError(error.errorMessage());
        return exitcodes::kFailed;
    }
    if (name == kUnknownObject || name == QLatin1String("org.freedesktop.DBus.Error.UnknownMethod") ||
        name == QLatin1String("org.freedesktop.DBus.Error.UnknownInterface")) {
        printError(QCoreApplication::translate("ControlClient",
                                               "the Tavrin running on display %1 does not take this command (%2)")
                       .arg(m_display, error.errorMessage()));
        return exitcodes::kFailed;
    }
    if (name == QLatin1String("org.freedesktop.DBus.Error.NoReply") ||
        name == QLatin1String("org.freedesktop.DBus.Error.Timeout")) {
        printError(QCoreApplication::translate("ControlClient", "Tavrin on display %1 did not answer (%2)")
                       .arg(m_display, error.errorMessage()));
        return exitcodes::kFailed;
    }
    printError(QCoreApplication::translate("ControlClient", "the call to Tavrin failed: %1 (%2)")
                   .arg(error.errorMessage(), name));
    return exitcodes::kFailed;
}

int ControlClient::callAndCopyOutput(const QString &method, const QVariantList &arguments)
{
    if (const std::optional<int> status = checkBus())
        return *status;
    if (!(m_bus.connectionCapabilities() & QDBusConnection::UnixFileDescriptorPassing)) {
        printError(QCoreApplication::translate("ControlClient",
                                               "the session bus does not pass file descriptors, which listing needs"));
        return exitcodes::kFailed;
    }
    QDBusMessage reply;
    if (const int status = call(method, arguments, &reply); status != exitcodes::kSuccess)
        return status;
    const QVariantList answer = reply.arguments();
    const QDBusUnixFileDescriptor stream =
        answer.isEmpty() ? QDBusUnixFileDescriptor() : qdbus_cast<QDBusUnixFileDescriptor>(answer.constFirst());
    if (!stream.isValid()) {
        printError(QCoreApplication::translate("ControlClient", "Tavrin answered without the list"));
        return exitcodes::kFailed;
    }
    // The program writes from a thread of its own and closes its end when it is done.
    QByteArray buffer(256 * 1024, Qt::Uninitialized);
    for (;;) {
        const ssize_t got = ::read(stream.fileDescriptor(), buffer.data(), size_t(buffer.size()));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            printError(QCoreApplication::translate("ControlClient", "reading the list failed: %1")
                           .arg(QString::fromLocal8Bit(strerror(errno))));
            return exitcodes::kFailed;
        }
        if (got == 0)
            return exitcodes::kSuccess;
        if (!writeAll(m_outputFd, buffer.constData(), got))
            return exitcodes::kFailed;  // the reader went away, as with "| head"
    }
}

int ControlClient::waitUntilEnded()
{
    QDBusServiceWatcher watcher(m_service, m_bus, QDBusServiceWatcher::WatchForUnregistration);
    QEventLoop loop;
    QObject::connect(&watcher, &QDBusServiceWatcher::serviceUnregistered, &loop, &QEventLoop::quit);
    QTimer::singleShot(kQuitTimeout, &loop, &QEventLoop::quit);
    // Asked after the watcher is in place, so an end in between is not missed.
    if (m_bus.interface()->isServiceRegistered(m_service).value())
        loop.exec();
    if (!m_bus.interface()->isServiceRegistered(m_service).value())
        return exitcodes::kSuccess;
    printError(QCoreApplication::translate("ControlClient", "Tavrin on display %1 did not end within %2 s")
                   .arg(m_display)
                   .arg(std::chrono::duration_cast<std::chrono::seconds>(kQuitTimeout).count()));
    return exitcodes::kFailed;
}

}  // namespace tavrin
