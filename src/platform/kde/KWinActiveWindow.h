// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDBusConnection>
#include <QDBusContext>
#include <QObject>
#include <QString>

#include <cstdint>

class QTemporaryFile;

namespace tavrin {

// The window KWin gives the focus, as KWin itself reports it: a small KWin script, loaded over KWin's scripting
// interface for the program's life, calls the program back over D-Bus with the active window's resource class (the
// window class on X11, the application id on Wayland) each time the focus moves. KWin offers no other way for a
// Wayland program to learn it (queryWindowInfo lets the user pick a window instead).
class KWinActiveWindow : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "io.tavrin.Tavrin.KWinActiveWindow")

public:
    /// The plugin name the script is loaded under: one script per session (an earlier run's is replaced).
    static const QString kPluginName;
    static const QString kObjectPath;

    explicit KWinActiveWindow(QDBusConnection bus = QDBusConnection::sessionBus(), QString pluginName = kPluginName,
                              QObject *parent = nullptr);
    ~KWinActiveWindow() override;

    /// True when KWin is on the bus: the script is loaded, or being loaded.
    bool isAvailable() const { return m_available; }
    /// True once the script reported the first time.
    bool isReporting() const { return m_reports > 0; }
    /// Moves each time the focus moves; 0 until the first report.
    std::uint64_t activeWindow() const { return m_reports; }
    /// The resource class of the window that has the focus, empty when none has it or it is unknown.
    QString activeWindowClass() const { return m_class; }

public Q_SLOTS:
    /// Called by the script: the window that has the focus now (empty when none has it).
    Q_SCRIPTABLE void Activated(const QString &resourceClass);

Q_SIGNALS:
    /// The script answered for the first time.
    void reporting();

private:
    void load();
    void unload();
    QString scriptText() const;

    QDBusConnection m_bus;
    const QString m_pluginName;
    QString m_kwinOwner;  // the unique name of KWin's connection, the only caller believed
    QTemporaryFile *m_script = nullptr;
    bool m_available = false;
    bool m_loaded = false;
    int m_attempts = 0;
    std::uint64_t m_reports = 0;
    QString m_class;
};

}  // namespace tavrin
