// SPDX-License-Identifier: GPL-3.0-or-later
// The real program in a GNOME Wayland session whose Shell runs without Tavrin's extension (not enabled, or enabled
// after the login): it still picks the GNOME backend, and its log and a desktop notice say exactly what is missing
// and the one command that turns the extension on, and that a new login is needed.
#include "E2e.h"
#include "GnomeTools.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QTest>

using namespace tavrin;
using namespace tavrin::gnome;

namespace {
const QByteArray kCommand = "gnome-extensions enable tavrin@tavrin.io";

QString notificationTitles()
{
    return shellEval(QStringLiteral("Main.messageTray.getSources().map(s => s.notifications.map(n => n.title + "
                                    "'\\n' + n.bannerBodyText)).flat().join('\\n---\\n')"));
}
}  // namespace

class TestGnomeAppWithoutExtension : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void theLogAndANoticeSayWhatIsMissingAndHowToTurnItOn()
    {
        QVERIFY(
            !QDBusConnection::sessionBus().interface()->isServiceRegistered(QStringLiteral("io.tavrin.TavrinShell")));
        e2e::forgetStoredState();
        m_tavrin.setEnvironmentValue(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("wayland"));
        QVERIFY(m_tavrin.start());
        QTRY_VERIFY_WITH_TIMEOUT(m_tavrin.errorOutput().contains("start at login"), 20000);
        const QByteArray log = m_tavrin.errorOutput();
        QVERIFY2(log.contains("backend: GNOME"), log.constData());
        const QByteArray missing = "the Tavrin extension of GNOME Shell is not running: turn it on with \"" + kCommand +
                                   "\", then log out and in again (GNOME Shell loads extensions when the session "
                                   "starts)";
        for (const QByteArray &feature : {QByteArray("capture"), QByteArray("paste"), QByteArray("global shortcuts")})
            QVERIFY2(log.contains(feature + " does not work: " + missing), log.constData());

        QTRY_VERIFY_WITH_TIMEOUT(
            notificationTitles().contains(QStringLiteral("Tavrin needs its GNOME Shell extension")), 10000);
        QVERIFY(notificationTitles().contains(QString::fromUtf8(kCommand)));

        QVERIFY(m_tavrin.terminate());
        QCOMPARE(m_tavrin.exitCode(), 0);
    }

private:
    e2e::TavrinProcess m_tavrin;
};

QTEST_MAIN(TestGnomeAppWithoutExtension)
#include "tst_gnome_app_without_extension.moc"
