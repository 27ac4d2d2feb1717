// SPDX-License-Identifier: GPL-3.0-or-later
// The GNOME backend in process against a real GNOME Shell 43 running the extension from this build: the link finds
// the extension and its interface is the one documented; copies of Wayland programs are counted and read, binary
// intact; our own writes reach other programs and are never counted; content the Shell puts back after its owner
// quit is no new copy; keys typed through the Shell paste into a GTK window and into foot; shortcuts fire while
// another program's window has the focus, and one of GNOME's own is refused with the action that holds it.
#include "GnomeTools.h"
#include "WaylandTools.h"
#include "platform/gnome/GnomeClipboard.h"
#include "platform/gnome/GnomeGlobalShortcuts.h"
#include "platform/gnome/GnomeKeyTyper.h"
#include "platform/gnome/GnomeShellLink.h"
#include "platform/gnome/GnomeWorkspace.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

using namespace tavrin;
using namespace tavrin::gnome;
using namespace tavrin::wayland;

namespace {

constexpr quint32 kControlL = 0xffe3;
constexpr quint32 kAltL = 0xffe9;

// The interface's members and their arguments, one line each, from an introspection text.
QStringList interfaceShape(const QString &xml)
{
    QStringList shape;
    QXmlStreamReader reader(xml);
    bool inside = false;
    QString member;
    int argument = 0;
    while (!reader.atEnd()) {
        reader.readNext();
        if (!reader.isStartElement()) {
            if (reader.isEndElement() && reader.name() == QLatin1String("interface"))
                inside = false;
            continue;
        }
        const auto attribute = [&reader](const char *name) {
            return reader.attributes().value(QLatin1String(name)).toString();
        };
        if (reader.name() == QLatin1String("interface"))
            inside = attribute("name") == QLatin1String("io.tavrin.Tavrin.Shell1");
        else if (!inside)
            continue;
        else if (reader.name() == QLatin1String("method") || reader.name() == QLatin1String("signal")) {
            shape.append(reader.name().toString() + QLatin1Char(' ') + (member = attribute("name")));
            argument = 0;
        } else if (reader.name() == QLatin1String("property"))
            shape.append(
                QStringLiteral("property %1 %2 %3").arg(attribute("name"), attribute("type"), attribute("access")));
        else if (reader.name() == QLatin1String("arg"))
            shape.append(QStringLiteral("%1 #%2 %3 %4 %5")
                             .arg(member)
                             .arg(++argument)
                             .arg(attribute("name"), attribute("type"),
                                  attribute("direction").isEmpty() ? QStringLiteral("out") : attribute("direction")));
    }
    // Introspection lists members in an order of its own; each argument line carries its member and place.
    shape.sort();
    return shape;
}

}  // namespace

class TestGnomeBackend : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QTRY_VERIFY_WITH_TIMEOUT(m_link.isAvailable(), 10000);
    }

    void theLinkFindsTheExtensionAndItsDocumentedInterface()
    {
        QVERIFY2(m_link.problem().isEmpty(), qPrintable(m_link.problem()));
        QVERIFY(m_link.shellVersion().startsWith(QStringLiteral("43.")));
        QDBusMessage introspect = QDBusMessage::createMethodCall(
            QString::fromLatin1(gnomeShell::kService), QString::fromLatin1(gnomeShell::kPath),
            QStringLiteral("org.freedesktop.DBus.Introspectable"), QStringLiteral("Introspect"));
        const QDBusMessage live = QDBusConnection::sessionBus().call(introspect);
        QCOMPARE(live.type(), QDBusMessage::ReplyMessage);
        QFile documented(QStringLiteral(TAVRIN_SHELL_INTERFACE_XML));
        QVERIFY(documented.open(QIODevice::ReadOnly));
        const QStringList expected = interfaceShape(QString::fromUtf8(documented.readAll()));
        QVERIFY(expected.size() > 20);
        QCOMPARE(interfaceShape(live.arguments().constFirst().toString()), expected);
    }

    void copiesOfOtherProgramsAreCountedAndRead()
    {
        GnomeClipboard clipboard(m_link);
        int told = 0;
        clipboard.setChangeListener([&told] { ++told; });
        const std::int64_t before = clipboard.changeCount();
        copyWithWlCopy("copied in GNOME ✓");
        QTRY_COMPARE_WITH_TIMEOUT(clipboard.changeCount(), before + 1, 5000);
        QCOMPARE(told, 1);
        QCOMPARE(clipboard.readContents().string, QStringLiteral("copied in GNOME ✓"));

        copyWithWlCopy("file:///tmp/a%20b.txt\r\nfile:///tmp/c\r\n", QStringLiteral("text/uri-list"));
        QTRY_COMPARE_WITH_TIMEOUT(clipboard.changeCount(), before + 2, 5000);
        QCOMPARE(clipboard.readContents().fileUrlItems, (QList<QByteArray>{"file:///tmp/a%20b.txt", "file:///tmp/c"}));
    }

    void anyTypeIsReadBinaryIntact()
    {
        QByteArray bytes;
        for (int i = 0; i < 256; ++i)
            bytes.append(char(i));
        bytes += bytes;
        copyWithWlCopy(bytes, QStringLiteral("application/x-tavrin-test"));
        std::optional<ShellClipboardState> state;
        QTRY_VERIFY_WITH_TIMEOUT((state = m_link.clipboardState(std::chrono::seconds(2))) &&
                                     state->mimeTypes.contains(QStringLiteral("application/x-tavrin-test")),
                                 5000);
        const QDBusMessage read = m_link.call(
            QStringLiteral("ReadClipboard"),
            {QVariant::fromValue(state->serial), QStringLiteral("application/x-tavrin-test")}, std::chrono::seconds(5));
        QCOMPARE(read.type(), QDBusMessage::ReplyMessage);
        QCOMPARE(read.arguments().constFirst().toByteArray(), bytes);
        // A serial that is no longer current is refused: data of two copies never mix.
        const QDBusMessage stale =
            m_link.call(QStringLiteral("ReadClipboard"),
                        {QVariant::fromValue(state->serial - 1), QStringLiteral("application/x-tavrin-test")},
                        std::chrono::seconds(5));
        QCOMPARE(stale.errorName(), QStringLiteral("io.tavrin.Tavrin.Shell1.Error.Changed"));
    }

    void ourWritesReachOtherProgramsAndAreNeverCounted()
    {
        GnomeClipboard clipboard(m_link);
        const std::int64_t before = clipboard.changeCount();
        clipboard.writeString(QStringLiteral("written by us ✓"));
        QCOMPARE(clipboard.changeCount(), before + 1);
        QCOMPARE(QString::fromUtf8(pasteWithWlPaste()), QStringLiteral("written by us ✓"));
        QCOMPARE(clipboard.readContents().string, QStringLiteral("written by us ✓"));

        const QString path = m_dir.filePath(QStringLiteral("report.txt"));
        clipboard.writeFileUrl(path);
        QCOMPARE(clipboard.changeCount(), before + 2);
        QCOMPARE(clipboardTypes(), QStringList{QStringLiteral("text/uri-list")});
        QCOMPARE(pasteWithWlPaste(QStringLiteral("text/uri-list")).trimmed(), QUrl::fromLocalFile(path).toEncoded());

        // The next copy of another program is the mark: had our writes been counted, the count would be past it.
        copyMark(clipboard, "mark");
        QCOMPARE(clipboard.changeCount(), before + 3);
    }

    void contentPutBackAfterItsOwnerQuitIsNoNewCopy()
    {
        GnomeClipboard clipboard(m_link);
        const std::int64_t before = clipboard.changeCount();
        const std::unique_ptr<QProcess> owner = startForegroundCopy("kept after its owner quit");
        QVERIFY(owner);
        QTRY_COMPARE_WITH_TIMEOUT(clipboard.changeCount(), before + 1, 5000);
        // mutter puts back only what it finished reading from the owner, which it starts at the change. A paste
        // through the compositor, served after it, lets that read end before the owner goes (under load it did not).
        QCOMPARE(pasteWithWlPaste(), QByteArray("kept after its owner quit"));
        owner->terminate();
        QVERIFY(owner->waitForFinished(5000));
        QTRY_COMPARE_WITH_TIMEOUT(
            m_link.clipboardState(std::chrono::seconds(2)).value_or(ShellClipboardState()).restored, true, 5000);
        QCOMPARE(pasteWithWlPaste(), QByteArray("kept after its owner quit"));
        copyMark(clipboard, "mark after the owner quit");
        QCOMPARE(clipboard.changeCount(), before + 2);
    }

    void keysTypedThroughTheShellPasteIntoGtkAndFoot()
    {
        GnomeClipboard clipboard(m_link);
        GnomeKeyTyper typer(m_link);
        GnomeWorkspace workspace(m_link);

        const auto gtk = startGtkTarget(m_dir.filePath(QStringLiteral("gtk.txt")));
        QVERIFY(gtk);
        QCOMPARE(workspace.windowClass(workspace.activeWindow()), QStringLiteral("tavrin-gtk-target"));
        clipboard.writeString(QStringLiteral("pasted into GTK ✓"));
        QVERIFY(typer.typeKeys(Qt::CTRL | Qt::Key_V));
        QTRY_COMPARE_WITH_TIMEOUT(QString::fromUtf8(gtk->received()), QStringLiteral("pasted into GTK ✓"), 5000);

        const auto foot = startFootTarget(m_dir.filePath(QStringLiteral("foot.txt")));
        QVERIFY(foot);
        const Workspace::WindowId footWindow = workspace.activeWindow();
        QCOMPARE(workspace.windowClass(footWindow), QStringLiteral("foot"));
        clipboard.writeString(QStringLiteral("pasted into foot ✓"));
        // The paste engine's keys for a terminal: Ctrl+Shift+V.
        QVERIFY(typer.typeKeys(Qt::CTRL | Qt::SHIFT | Qt::Key_V));
        QTRY_COMPARE_WITH_TIMEOUT(QString::fromUtf8(foot->received()), QStringLiteral("pasted into foot ✓"), 5000);

        // Activation brings a window back, as the list does after it closes.
        QVERIFY(gtk->focus());
        QCOMPARE(workspace.lastForeignActiveWindow(), workspace.activeWindow());
        QVERIFY(workspace.activateWindow(footWindow));
        QTRY_COMPARE_WITH_TIMEOUT(focusedWindowClass(), QStringLiteral("foot"), 5000);
    }

    void shortcutsFireWhateverWindowHasTheFocus()
    {
        const auto gtk = startGtkTarget(m_dir.filePath(QStringLiteral("gtk-keys.txt")));
        QVERIFY(gtk);
        RemoteKeyboard keyboard;
        QVERIFY(keyboard.isValid());
        GnomeGlobalShortcuts shortcuts(m_link);
        QVERIFY(shortcuts.isOffered());
        QSignalSpy activated(&shortcuts, &GlobalShortcuts::activated);
        QVERIFY(
            shortcuts.registerShortcut(QStringLiteral("quick-access"), Qt::CTRL | Qt::ALT | Qt::Key_V, {}).isActive());
        QVERIFY(
            shortcuts.registerShortcut(QStringLiteral("paste-next"), Qt::CTRL | Qt::ALT | Qt::Key_N, {}).isActive());
        QVERIFY(keyboard.press({kControlL, kAltL, 'v'}));
        QTRY_COMPARE_WITH_TIMEOUT(activated.size(), 1, 5000);
        QCOMPARE(activated.constLast().constFirst().toString(), QStringLiteral("quick-access"));
        QVERIFY(gtk->received().isEmpty());  // the window never saw the keys

        // Given back, a combination no longer fires: the next shortcut's press is the mark.
        shortcuts.unregisterShortcut(QStringLiteral("quick-access"));
        QVERIFY(keyboard.press({kControlL, kAltL, 'v'}));
        QVERIFY(keyboard.press({kControlL, kAltL, 'n'}));
        QTRY_COMPARE_WITH_TIMEOUT(activated.size(), 2, 5000);
        QCOMPARE(activated.constLast().constFirst().toString(), QStringLiteral("paste-next"));
    }

    void takenCombinationsAreRefusedWithWhoHoldsThem()
    {
        GnomeGlobalShortcuts shortcuts(m_link);
        // Super+H minimizes the window in GNOME: its settings name the action.
        const ShortcutStatus gnomes =
            shortcuts.registerShortcut(QStringLiteral("quick-access"), Qt::META | Qt::Key_H, {});
        QCOMPARE(gnomes.state, ShortcutStatus::State::Refused);
        QVERIFY2(gnomes.reason.contains(QStringLiteral("\"Minimize window\" (org.gnome.desktop.wm.keybindings "
                                                       "minimize)")),
                 qPrintable(gnomes.reason));

        {
            // Another program holds Ctrl+Alt+B through the Shell.
            QDBusConnection other = QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("other"));
            QDBusMessage grab = QDBusMessage::createMethodCall(
                QString::fromLatin1(gnomeShell::kService), QString::fromLatin1(gnomeShell::kPath),
                QString::fromLatin1(gnomeShell::kInterface), QStringLiteral("GrabAccelerator"));
            grab.setArguments({QStringLiteral("<Control><Alt>b")});
            const QDBusMessage held = other.call(grab);
            QVERIFY(held.arguments().value(0).toUInt() != 0);
            const ShortcutStatus taken =
                shortcuts.registerShortcut(QStringLiteral("toggle-sequential"), Qt::CTRL | Qt::ALT | Qt::Key_B, {});
            QCOMPARE(taken.state, ShortcutStatus::State::Refused);
            QCOMPARE(taken.reason, QStringLiteral("Ctrl+Alt+B is taken by another program or by GNOME Shell."));
        }

        // When that program leaves the bus, the Shell gives its grab back.
        QDBusConnection::disconnectFromBus(QStringLiteral("other"));
        QTRY_VERIFY_WITH_TIMEOUT(
            shortcuts.registerShortcut(QStringLiteral("toggle-sequential"), Qt::CTRL | Qt::ALT | Qt::Key_B, {})
                .isActive(),
            5000);
    }

private:
    // Another program copies the text; returns once the link has announced it, so the clipboard has counted it if
    // it counts it at all.
    void copyMark(GnomeClipboard &clipboard, const QByteArray &text)
    {
        QSignalSpy announced(&m_link, &GnomeShellLink::clipboardChanged);
        copyWithWlCopy(text);
        QTRY_COMPARE_WITH_TIMEOUT(clipboard.readContents().string, QString::fromUtf8(text), 5000);
        const quint64 serial = m_link.clipboardState(std::chrono::seconds(2)).value_or(ShellClipboardState()).serial;
        QTRY_VERIFY_WITH_TIMEOUT(!announced.isEmpty() &&
                                     announced.constLast().constFirst().value<ShellClipboardState>().serial >= serial,
                                 5000);
    }

    QTemporaryDir m_dir;
    GnomeShellLink m_link;
};

QTEST_MAIN(TestGnomeBackend)
#include "tst_gnome_backend.moc"
