// SPDX-License-Identifier: GPL-3.0-or-later
// The GNOME backend where its Shell extension is not on the bus (not enabled, or enabled after the session began):
// every feature says what is missing and the one command that turns it on, the "This desktop" section offers that
// command to copy, shortcuts are refused with the same reason, and nothing blocks or pretends to work.
#include "platform/gnome/GnomeCapabilities.h"
#include "platform/gnome/GnomeClipboard.h"
#include "platform/gnome/GnomeGlobalShortcuts.h"
#include "platform/gnome/GnomeKeyTyper.h"
#include "platform/gnome/GnomeShellLink.h"
#include "platform/gnome/GnomeWorkspace.h"
#include "ui/preferences/DesktopSupportView.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QDBusConnection>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QTest>

using namespace tavrin;

namespace {

const QString kCommand = QStringLiteral("gnome-extensions enable tavrin@tavrin.io");

// A session bus of the test's own, on which no extension ever runs.
class PrivateBus {
public:
    PrivateBus()
    {
        m_daemon.start(QStringLiteral("dbus-daemon"),
                       {QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--print-address=1")});
        if (!m_daemon.waitForStarted(5000) || !m_daemon.waitForReadyRead(5000))
            return;
        m_address = QString::fromUtf8(m_daemon.readLine()).trimmed();
    }
    ~PrivateBus()
    {
        QDBusConnection::disconnectFromBus(QStringLiteral("gnome-test"));
        m_daemon.terminate();
        m_daemon.waitForFinished(5000);
    }
    QDBusConnection connection() const
    {
        return QDBusConnection::connectToBus(m_address, QStringLiteral("gnome-test"));
    }
    bool isValid() const { return !m_address.isEmpty(); }

private:
    QProcess m_daemon;
    QString m_address;
};

}  // namespace

class TestGnomeWithoutExtension : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY2(m_bus.isValid(), "dbus-daemon started");
        QVERIFY(m_bus.connection().isConnected());
    }

    void everyFeatureSaysWhatIsMissingAndHowToTurnItOn()
    {
        const GnomeShellLink link(m_bus.connection());
        QVERIFY(!link.isAvailable());
        QVERIFY(link.needsEnabling());
        QCOMPARE(gnomeShell::enableCommand(), kCommand);
        QVERIFY(link.problem().contains(QStringLiteral("extension of GNOME Shell is not running")));
        QVERIFY(link.problem().contains(kCommand));
        QVERIFY(link.problem().contains(QStringLiteral("log out and in again")));

        const DesktopCapabilities capabilities = describeGnomeSession(link, false);
        QCOMPARE(capabilities.backend, QStringLiteral("GNOME"));
        for (const auto *feature : {&capabilities.capture, &capabilities.paste, &capabilities.globalShortcuts}) {
            QVERIFY(!feature->available);
            QVERIFY2(feature->detail.contains(kCommand), qPrintable(feature->detail));
        }
        QVERIFY(capabilities.paste.detail.contains(QStringLiteral("Ctrl+V pastes it")));
        QCOMPARE(capabilities.remedyCommand, kCommand);
        QVERIFY(capabilities.remedyNote.contains(QStringLiteral("log out and in again")));
        QVERIFY(capabilities.tray.detail.contains(QStringLiteral("AppIndicator")));
        for (const QString &line : capabilities.logLines().mid(0, 3))
            QVERIFY2(line.contains(QStringLiteral("does not work: the Tavrin extension")), qPrintable(line));

        const GnomeExtensionNotice notice = missingExtensionNotice();
        QVERIFY(notice.summary.contains(QStringLiteral("GNOME Shell extension")));
        QVERIFY(notice.body.contains(kCommand));
        QVERIFY(notice.body.contains(QStringLiteral("log out and in again")));
    }

    void thisDesktopOffersTheCommandToCopy()
    {
        const GnomeShellLink link(m_bus.connection());
        const DesktopSupportView view(describeGnomeSession(link, false));
        QStringList fields;
        for (const QLineEdit *field : view.findChildren<QLineEdit *>())
            fields.append(field->text());
        QCOMPARE(fields.value(0), kCommand);
        QStringList texts;
        for (const QLabel *label : view.findChildren<QLabel *>())
            texts.append(label->text());
        QVERIFY(
            texts.contains(QStringLiteral("Then log out and in again: GNOME Shell loads extensions when the session "
                                          "starts.")));
        QAbstractButton *copy = view.findChildren<QAbstractButton *>().value(0);
        QVERIFY(copy);
        QCOMPARE(copy->accessibleName(), QStringLiteral("Copy \"%1\"").arg(kCommand));
        QTest::mouseClick(copy, Qt::LeftButton);
        QCOMPARE(QGuiApplication::clipboard()->text(), kCommand);
    }

    void nothingPretendsToWork()
    {
        GnomeShellLink link(m_bus.connection());
        GnomeGlobalShortcuts shortcuts(link, [](const GnomeAccelerator &) { return std::nullopt; });
        QVERIFY(!shortcuts.isOffered());
        const ShortcutStatus status =
            shortcuts.registerShortcut(QStringLiteral("quick-access"), Qt::CTRL | Qt::ALT | Qt::Key_V, QString());
        QCOMPARE(status.state, ShortcutStatus::State::Refused);
        QVERIFY(status.reason.contains(kCommand));

        GnomeKeyTyper typer(link);
        QVERIFY(!typer.typeKeys(Qt::CTRL | Qt::Key_V));

        GnomeClipboard clipboard(link);
        clipboard.writeString(QStringLiteral("kept in memory only"));
        QCOMPARE(clipboard.changeCount(), 1);
        QVERIFY(!clipboard.readContents().string);

        GnomeWorkspace workspace(link);
        QCOMPARE(workspace.activeWindow(), Workspace::WindowId(0));
        QVERIFY(!workspace.activateWindow(42));
    }

private:
    PrivateBus m_bus;
};

QTEST_MAIN(TestGnomeWithoutExtension)
#include "tst_gnome_without_extension.moc"
