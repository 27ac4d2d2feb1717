// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/kde/KWinActiveWindow.h"

#include "platform/kde/KdeLog.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <QTimer>

namespace tavrin {

namespace {
const QString kKWin = QStringLiteral("org.kde.KWin");
const QString kScriptingPath = QStringLiteral("/Scripting");
const QString kScriptingInterface = QStringLiteral("org.kde.kwin.Scripting");
// KWin owns its name a moment before its scripting object exists: a program started with the session retries.
constexpr int kLoadAttempts = 25;
constexpr int kRetryMs = 200;

QDBusMessage scriptingCall(const QString &method)
{
    return QDBusMessage::createMethodCall(kKWin, kScriptingPath, kScriptingInterface, method);
}
}  // namespace

const QString KWinActiveWindow::kPluginName = QStringLiteral("tavrin-active-window");
const QString KWinActiveWindow::kObjectPath = QStringLiteral("/io/tavrin/Tavrin/KWinActiveWindow");

KWinActiveWindow::KWinActiveWindow(QDBusConnection bus, QString pluginName, QObject *parent)
    : QObject(parent), m_bus(std::move(bus)), m_pluginName(std::move(pluginName))
{
    const QDBusConnectionInterface *names = m_bus.isConnected() ? m_bus.interface() : nullptr;
    if (!names || !names->isServiceRegistered(kKWin).value())
        return;
    if (!m_bus.registerObject(kObjectPath, this, QDBusConnection::ExportScriptableSlots)) {
        qCWarning(lcKde).noquote() << "the active window cannot be followed: the object" << kObjectPath
                                   << "is taken on the session bus";
        return;
    }
    m_available = true;
    m_kwinOwner = names->serviceOwner(kKWin).value();
    load();
}

KWinActiveWindow::~KWinActiveWindow()
{
    if (m_available)
        m_bus.unregisterObject(kObjectPath);
    unload();
}

QString KWinActiveWindow::scriptText() const
{
    // KWin 5 names windows clients, KWin 6 windows; the script serves both. A unique bus name holds only letters,
    // digits and ":._-", nothing to escape.
    return QStringLiteral(R"(function report(window) {
    callDBus("%1", "%2", "io.tavrin.Tavrin.KWinActiveWindow", "Activated", window ? String(window.resourceClass) : "");
}
if (workspace.windowActivated) {
    workspace.windowActivated.connect(report);
    report(workspace.activeWindow);
} else {
    workspace.clientActivated.connect(report);
    report(workspace.activeClient);
}
)")
        .arg(m_bus.baseService(), kObjectPath);
}

void KWinActiveWindow::load()
{
    if (!m_script) {
        m_script = new QTemporaryFile(QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation) +
                                          QStringLiteral("/tavrin-XXXXXX.js"),
                                      this);
        if (!m_script->open() || m_script->write(scriptText().toUtf8()) < 0 || !m_script->flush()) {
            qCWarning(lcKde).noquote() << "the active window cannot be followed: the KWin script could not be written:"
                                       << m_script->errorString();
            return;
        }
    }
    ++m_attempts;
    // A script of an earlier run that ended without unloading it holds the plugin name.
    QDBusMessage unloadStale = scriptingCall(QStringLiteral("unloadScript"));
    unloadStale << m_pluginName;
    m_bus.asyncCall(unloadStale);
    QDBusMessage loadScript = scriptingCall(QStringLiteral("loadScript"));
    loadScript << m_script->fileName() << m_pluginName;
    auto *watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(loadScript), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, watcher] {
        watcher->deleteLater();
        const QDBusPendingReply<int> id = *watcher;
        if (id.isError() || id.value() < 0) {
            if (m_attempts < kLoadAttempts) {
                QTimer::singleShot(kRetryMs, this, &KWinActiveWindow::load);
                return;
            }
            qCWarning(lcKde).noquote() << "the active window cannot be followed: KWin did not load the script:"
                                       << (id.isError() ? id.error().message() : QStringLiteral("refused"));
            return;
        }
        m_loaded = true;
        m_bus.asyncCall(scriptingCall(QStringLiteral("start")));
    });
}

void KWinActiveWindow::unload()
{
    if (!m_loaded)
        return;
    QDBusMessage unloadScript = scriptingCall(QStringLiteral("unloadScript"));
    unloadScript << m_pluginName;
    m_bus.call(unloadScript, QDBus::Block, 1000);
    m_loaded = false;
}

void KWinActiveWindow::Activated(const QString &resourceClass)
{
    // Only KWin tells which window has the focus.
    if (calledFromDBus() && message().service() != m_kwinOwner)
        return;
    m_class = resourceClass;
    if (++m_reports == 1)
        Q_EMIT reporting();
}

}  // namespace tavrin
