// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QString>

namespace tavrin {

// One running program per user and display. The first one owns a well-known name on the D-Bus session bus and
// answers a request to show its quick-access list; a later start asks it to and ends.
class SingleInstance : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "io.tavrin.Tavrin")
public:
    static constexpr const char *kObjectPath = "/io/tavrin/Tavrin";
    static constexpr const char *kInterface = "io.tavrin.Tavrin";

    SingleInstance(const QDBusConnection &bus, const QString &display, QObject *parent = nullptr);
    ~SingleInstance() override;

    enum class Outcome {
        First,  // this process owns the name and answers later starts
        NoBus,  // no usable session bus: nothing can be checked, so this process runs alone
        HandedOver,  // another process has the name and was asked to show its list: this one ends
        NotAnswering,  // another process has the name but did not answer
    };
    /// Takes the name, or hands the start over to the process that has it. A process that quits meanwhile leaves
    /// the name to this one. error tells why another process did not answer, or why the bus could not be used.
    Outcome claimOrHandOver(QString *error = nullptr);

    QString serviceName() const { return m_service; }
    /// True once this process owns the name.
    bool isRegistered() const { return m_registered; }
    /// Gives the name and the object up again (a start that is refused later); waits at most a few seconds for the
    /// bus.
    void leaveBus();

public Q_SLOTS:
    /// Called over the bus by a later start.
    Q_SCRIPTABLE void ShowShortcutWindow();

Q_SIGNALS:
    /// Another start asked this process to show its list.
    void showRequested();

private:
    enum class Claim { Taken, Held, Failed };
    Claim claim(QString *error);
    bool bringFirstForward(QString *error);

    QDBusConnection m_bus;
    QString m_service;
    bool m_registered = false;
};

}  // namespace tavrin
