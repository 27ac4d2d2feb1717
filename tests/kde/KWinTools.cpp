// SPDX-License-Identifier: GPL-3.0-or-later
#include "KWinTools.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusReply>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTemporaryFile>
#include <QTest>

namespace tavrin::kde {

namespace {

QDBusMessage scripting(const QString &method, const QVariantList &arguments)
{
    QDBusMessage message = QDBusMessage::createMethodCall(QStringLiteral("org.kde.KWin"), QStringLiteral("/Scripting"),
                                                          QStringLiteral("org.kde.kwin.Scripting"), method);
    message.setArguments(arguments);
    return QDBusConnection::sessionBus().call(message, QDBus::Block, 5000);
}

// Loads a script, runs it and unloads it again; true when KWin ran it. KWin reads the file on a thread of its own
// and only then runs it, so the script is started through its own object, whose answer waits for the run: the
// Scripting object's "start" answers at once, and a script unloaded before it was read never ran.
bool runScript(const QString &code)
{
    QTemporaryFile file(QDir::tempPath() + QStringLiteral("/kwin-test-XXXXXX.js"));
    if (!file.open() || file.write(code.toUtf8()) < 0 || !file.flush())
        return false;
    const QString plugin = QStringLiteral("tavrin-test-script");
    scripting(QStringLiteral("unloadScript"), {plugin});
    const QDBusReply<int> id = scripting(QStringLiteral("loadScript"), {file.fileName(), plugin});
    if (!id.isValid() || id.value() < 0)
        return false;
    // KWin 5 puts the script's object at "/<id>", KWin 6 at "/Scripting/Script<id>".
    bool ran = false;
    for (const QString &path : {QStringLiteral("/%1"), QStringLiteral("/Scripting/Script%1")}) {
        const QDBusMessage run =
            QDBusMessage::createMethodCall(QStringLiteral("org.kde.KWin"), path.arg(id.value()),
                                           QStringLiteral("org.kde.kwin.Script"), QStringLiteral("run"));
        const QDBusMessage reply = QDBusConnection::sessionBus().call(run, QDBus::Block, 15000);
        ran = reply.type() == QDBusMessage::ReplyMessage;
        if (reply.errorName() != QStringLiteral("org.freedesktop.DBus.Error.UnknownObject"))
            break;
    }
    scripting(QStringLiteral("unloadScript"), {plugin});
    return ran;
}

}  // namespace

bool activateWindowTitled(const QString &caption)
{
    // KWin 5 names windows clients, KWin 6 windows. The caption goes in as a JSON string.
    const QString quoted = QString::fromUtf8(QJsonDocument(QJsonArray{caption}).toJson(QJsonDocument::Compact));
    return runScript(QStringLiteral(R"(const wanted = %1[0];
const windows = workspace.windowList ? workspace.windowList() : workspace.clientList();
for (const window of windows) {
    if (window.caption === wanted) {
        if (workspace.windowList)
            workspace.activeWindow = window;
        else
            workspace.activeClient = window;
    }
}
)")
                         .arg(quoted));
}

}  // namespace tavrin::kde
