// SPDX-License-Identifier: GPL-3.0-or-later
#include "GnomeTools.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTest>

namespace tavrin::gnome {

namespace {

constexpr int kCallTimeoutMs = 5000;
const QString kRemoteDesktop = QStringLiteral("org.gnome.Mutter.RemoteDesktop");

QDBusMessage callRemoteDesktop(const QString &path, const QString &interface, const QString &method,
                               const QVariantList &arguments = {})
{
    QDBusMessage message = QDBusMessage::createMethodCall(kRemoteDesktop, path, interface, method);
    message.setArguments(arguments);
    return QDBusConnection::sessionBus().call(message, QDBus::Block, kCallTimeoutMs);
}

std::unique_ptr<PasteTarget> started(std::unique_ptr<PasteTarget> target)
{
    if (!target->process->waitForStarted(5000))
        return nullptr;
    if (!QTest::qWaitFor([&] { return focusedWindowClass() == target->wmClass; }, 15000))
        return nullptr;
    return target;
}

}  // namespace

QString shellEval(const QString &script)
{
    QDBusMessage message =
        QDBusMessage::createMethodCall(QStringLiteral("org.gnome.Shell"), QStringLiteral("/org/gnome/Shell"),
                                       QStringLiteral("org.gnome.Shell"), QStringLiteral("Eval"));
    message.setArguments({script});
    const QDBusMessage reply = QDBusConnection::sessionBus().call(message, QDBus::Block, kCallTimeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().size() < 2 || !reply.arguments().at(0).toBool())
        return {};
    return reply.arguments().at(1).toString();
}

QString focusedWindowClass()
{
    const QString json =
        shellEval(QStringLiteral("global.display.focus_window ? global.display.focus_window.get_wm_class() : ''"));
    return QJsonDocument::fromJson("[" + json.toUtf8() + "]").array().at(0).toString();
}

qint64 focusedWindowPid()
{
    return shellEval(QStringLiteral("global.display.focus_window ? global.display.focus_window.get_pid() : 0"))
        .toLongLong();
}

int windowCountOf(qint64 pid)
{
    return shellEval(
               QStringLiteral("global.display.list_all_windows().filter(w => w.get_pid() === %1).length").arg(pid))
        .toInt();
}

bool focusWindowOfClass(const QString &wmClass)
{
    const QString script =
        QStringLiteral("(() => { const w = global.display.list_all_windows()"
                       ".filter(w => w.get_wm_class() === %1).pop();"
                       " if (!w) return false; Main.activateWindow(w); return true; })()")
            .arg(
                QString::fromUtf8(QJsonDocument(QJsonArray{wmClass}).toJson(QJsonDocument::Compact)).mid(1).chopped(1));
    return shellEval(script) == QLatin1String("true");
}

RemoteKeyboard::RemoteKeyboard()
{
    const QDBusMessage created = callRemoteDesktop(QStringLiteral("/org/gnome/Mutter/RemoteDesktop"), kRemoteDesktop,
                                                   QStringLiteral("CreateSession"));
    if (created.type() != QDBusMessage::ReplyMessage || created.arguments().isEmpty()) {
        qWarning("no remote desktop session: %s", qPrintable(created.errorMessage()));
        return;
    }
    const QString session = created.arguments().constFirst().value<QDBusObjectPath>().path();
    const QDBusMessage start =
        callRemoteDesktop(session, kRemoteDesktop + QStringLiteral(".Session"), QStringLiteral("Start"));
    if (start.type() != QDBusMessage::ReplyMessage) {
        qWarning("the remote desktop session did not start: %s", qPrintable(start.errorMessage()));
        return;
    }
    m_session = session;
}

RemoteKeyboard::~RemoteKeyboard()
{
    if (isValid())
        callRemoteDesktop(m_session, kRemoteDesktop + QStringLiteral(".Session"), QStringLiteral("Stop"));
}

bool RemoteKeyboard::press(const QList<quint32> &keysyms)
{
    const auto send = [this](quint32 keysym, bool pressed) {
        return callRemoteDesktop(m_session, kRemoteDesktop + QStringLiteral(".Session"),
                                 QStringLiteral("NotifyKeyboardKeysym"), {keysym, pressed})
                   .type() == QDBusMessage::ReplyMessage;
    };
    bool sent = isValid();
    for (const quint32 keysym : keysyms)
        sent = send(keysym, true) && sent;
    for (qsizetype i = keysyms.size(); i-- > 0;)
        sent = send(keysyms.at(i), false) && sent;
    return sent;
}

QByteArray PasteTarget::received() const
{
    QFile file(output);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool PasteTarget::focus() const
{
    return focusWindowOfClass(wmClass) && QTest::qWaitFor([this] { return focusedWindowClass() == wmClass; }, 10000);
}

std::unique_ptr<PasteTarget> startGtkTarget(const QString &output)
{
    auto target = std::make_unique<PasteTarget>();
    target->process = std::make_unique<QProcess>();
    target->output = output;
    target->wmClass = QStringLiteral("tavrin-gtk-target");
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("GDK_BACKEND"), QStringLiteral("wayland"));
    target->process->setProcessEnvironment(environment);
    target->process->setStandardOutputFile(QProcess::nullDevice());
    target->process->setStandardErrorFile(QProcess::nullDevice());
    target->process->start(QStringLiteral(TAVRIN_GNOME_TESTS_DIR "/gtk-paste-target.py"), {output});
    return started(std::move(target));
}

std::unique_ptr<PasteTarget> startFootTarget(const QString &output)
{
    auto target = std::make_unique<PasteTarget>();
    target->process = std::make_unique<QProcess>();
    target->output = output;
    target->wmClass = QStringLiteral("foot");
    target->process->setStandardOutputFile(QProcess::nullDevice());
    target->process->setStandardErrorFile(QProcess::nullDevice());
    // Raw input and no echo: every pasted byte reaches cat and the file as it comes.
    target->process->start(QStringLiteral("foot"), {QStringLiteral("sh"), QStringLiteral("-c"),
                                                    QStringLiteral("stty raw -echo; exec cat > \"$0\""), output});
    return started(std::move(target));
}

}  // namespace tavrin::gnome
