// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusMessage>
#include <QDBusUnixFileDescriptor>
#include <QObject>
#include <QString>
#include <QVariantMap>

#include <optional>

namespace tavrin {

class AppContext;
class AppShell;
struct EntryListing;

// The commands other programs give the running program over the session bus (docs/DBUS.md): the command line,
// launchers and scripts. Entries are numbered as the list window shows them, from 1. A refusal is a D-Bus error
// whose message says why in words.
class ControlService : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "io.tavrin.Tavrin.Control")
public:
    /// How long a listing waits for a reader that stopped reading before it gives up.
    static constexpr int kStalledReaderSeconds = 10;

    ControlService(AppContext &context, AppShell &shell, QObject *parent = nullptr);
    ~ControlService() override;

    /// Puts the interface on the bus; false (and the reason logged) when the path is taken.
    bool registerOn(QDBusConnection bus);

public Q_SLOTS:
    Q_SCRIPTABLE QDBusUnixFileDescriptor List(const QVariantMap &options);
    Q_SCRIPTABLE QDBusUnixFileDescriptor Search(const QString &text, const QVariantMap &options);
    Q_SCRIPTABLE uint Count();
    Q_SCRIPTABLE void Copy(uint index);
    Q_SCRIPTABLE void Paste(uint index);
    Q_SCRIPTABLE void Add(const QString &text);
    Q_SCRIPTABLE void Remove(uint index);
    Q_SCRIPTABLE void Pin(uint index);
    Q_SCRIPTABLE void Unpin(uint index);
    Q_SCRIPTABLE void Clear();
    Q_SCRIPTABLE void ShowList();
    Q_SCRIPTABLE void ShowMainWindow();
    Q_SCRIPTABLE bool ToggleSequentialMode();
    Q_SCRIPTABLE void PasteNext();
    Q_SCRIPTABLE void Pause();
    Q_SCRIPTABLE void Resume();
    Q_SCRIPTABLE bool IsPaused();
    Q_SCRIPTABLE void Quit();

private:
    /// The entry's row for a 1-based index, or nothing after an error reply.
    std::optional<int> rowOf(uint index);
    QDBusUnixFileDescriptor startListing(EntryListing listing, const QVariantMap &options);
    void fail(const char *errorName, const QString &message);
    /// Answers with answer() now when the history is in; a call that comes while it is being read is answered once it
    /// is (the reply put off), so that no command sees a history without its older entries.
    template <typename Answer> auto withHistory(Answer answer) -> decltype(answer());

    // A call whose reply was put off, while it is being answered.
    struct PutOffCall {
        QDBusMessage call;
        QDBusConnection bus;
        bool failed = false;
    };
    PutOffCall *m_answering = nullptr;
    AppContext &m_context;
    AppShell &m_shell;
    std::optional<QDBusConnection> m_bus;
};

}  // namespace tavrin
