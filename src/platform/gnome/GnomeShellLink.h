// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <QObject>
#include <QStringList>
#include <QVariantList>

#include <atomic>
#include <chrono>
#include <mutex>
#include <optional>

class QDBusServiceWatcher;

namespace tavrin {

// The names of the Shell extension's interface on the session bus (docs/dbus/io.tavrin.Tavrin.Shell1.xml).
namespace gnomeShell {
inline constexpr char kService[] = "io.tavrin.TavrinShell";
inline constexpr char kPath[] = "/io/tavrin/TavrinShell";
inline constexpr char kInterface[] = "io.tavrin.Tavrin.Shell1";
/// The oldest interface version this program speaks.
inline constexpr unsigned kVersion = 1;
/// The extension's UUID, as `gnome-extensions` names it.
QString extensionUuid();
/// The one command that turns the extension on.
QString enableCommand();
}  // namespace gnomeShell

/// What the clipboard holds, as the extension announces it.
struct ShellClipboardState {
    /// Counts the clipboard's owners since the extension started.
    quint64 serial = 0;
    QStringList mimeTypes;
    /// The unique bus name of the client whose write this is; empty for copies of other programs.
    QString writer;
    quint64 writeId = 0;
    /// The Shell put an owner's content back after the owner quit: not a new copy.
    bool restored = false;
};

/// The window that has the focus, as the extension tells it; window 0 is none.
struct ShellWindow {
    quint64 window = 0;
    /// WM_CLASS on X11, the application id on Wayland.
    QString wmClass;
    /// The desktop file's id where the Shell knows one.
    QString appId;
    quint32 pid = 0;
};

// The program's side of the Shell extension: whether it is on the bus, its calls and its signals. Calls may come
// from any thread and block that thread for at most their timeout; the signals arrive on the thread that made this.
class GnomeShellLink : public QObject {
    Q_OBJECT
public:
    explicit GnomeShellLink(const QDBusConnection &bus = QDBusConnection::sessionBus(), QObject *parent = nullptr);
    ~GnomeShellLink() override;

    /// The extension is on the bus and speaks a version this program knows.
    bool isAvailable() const { return m_available.load(); }
    /// Why it is not available, one sentence for the log and the user; empty while it is.
    QString problem() const;
    /// The extension is not on the bus at all: turning it on (gnomeShell::enableCommand()) and a new login fix that.
    bool needsEnabling() const { return m_needsEnabling.load(); }
    /// The Shell's version, as the extension reports it.
    QString shellVersion() const;
    /// Our own connection's unique name: the writer of our clipboard writes.
    QString uniqueName() const { return m_bus.baseService(); }

    /// Calls a method of the extension; an error reply when it is not there or did not answer in time.
    QDBusMessage call(const QString &method, const QVariantList &arguments, std::chrono::milliseconds timeout) const;

    /// The clipboard's state, asked now; nothing when the call failed.
    std::optional<ShellClipboardState> clipboardState(std::chrono::milliseconds timeout) const;
    /// The focused window, asked now.
    std::optional<ShellWindow> focusedWindow(std::chrono::milliseconds timeout) const;

Q_SIGNALS:
    /// The extension came or went (a Shell restart, the extension switched on or off).
    void availabilityChanged(bool available);
    void clipboardChanged(const tavrin::ShellClipboardState &state);
    void acceleratorActivated(quint32 action);
    void focusChanged(const tavrin::ShellWindow &window);

private Q_SLOTS:
    void onClipboardChanged(const QDBusMessage &message);
    void onAcceleratorActivated(const QDBusMessage &message);
    void onFocusChanged(const QDBusMessage &message);

private:
    void check();

    QDBusConnection m_bus;
    QDBusServiceWatcher *m_watcher = nullptr;
    std::atomic<bool> m_available{false};
    std::atomic<bool> m_needsEnabling{false};
    mutable std::mutex m_mutex;
    QString m_problem;
    QString m_shellVersion;
};

}  // namespace tavrin

Q_DECLARE_METATYPE(tavrin::ShellClipboardState)
Q_DECLARE_METATYPE(tavrin::ShellWindow)
