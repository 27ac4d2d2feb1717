// SPDX-License-Identifier: GPL-3.0-or-later
// The choice of backend at start, for every kind of session: what is asked for wins, otherwise the desktop decides.
#include "platform/select/BackendSelection.h"

#include <QTest>

using namespace tavrin;

namespace {

SessionFacts session(bool wayland, bool x11, const char *clipboard = "", const char *problem = "")
{
    return SessionFacts{wayland, x11, QString::fromLatin1(clipboard), QString::fromLatin1(problem)};
}

}  // namespace

class TestBackendSelection : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void namesAreReadInAnyCaseAndOthersRefused()
    {
        QCOMPARE(parseBackendRequest(QString()), BackendRequest::Automatic);
        QCOMPARE(parseBackendRequest(QStringLiteral("Auto")), BackendRequest::Automatic);
        QCOMPARE(parseBackendRequest(QStringLiteral("x11")), BackendRequest::X11);
        QCOMPARE(parseBackendRequest(QStringLiteral(" WAYLAND ")), BackendRequest::Wayland);
        QCOMPARE(parseBackendRequest(QStringLiteral("Gnome")), BackendRequest::Gnome);
        QCOMPARE(parseBackendRequest(QStringLiteral("xwayland")), std::nullopt);
        QCOMPARE(parseBackendRequest(QStringLiteral("fake")), std::nullopt);
    }

    void theBackendAskedForIsTakenWhateverTheSession_data()
    {
        QTest::addColumn<bool>("wayland");
        QTest::addColumn<bool>("x11");
        QTest::newRow("Wayland session") << true << true;
        QTest::newRow("X11 session") << false << true;
        QTest::newRow("nothing") << false << false;
    }

    void theBackendAskedForIsTakenWhateverTheSession()
    {
        QFETCH(bool, wayland);
        QFETCH(bool, x11);
        const SessionFacts facts = session(wayland, x11, "zwlr_data_control_manager_v1");
        QCOMPARE(selectBackend(BackendRequest::X11, facts).kind, BackendKind::X11);
        QCOMPARE(selectBackend(BackendRequest::Wayland, facts).kind, BackendKind::Wayland);
        QCOMPARE(selectBackend(BackendRequest::Wayland, facts).reason, QStringLiteral("asked for (wayland)"));
        // The compositor is not asked when its answer would change nothing.
        QVERIFY(!needsCompositorProbe(BackendRequest::X11, facts));
        QVERIFY(!needsCompositorProbe(BackendRequest::Wayland, facts));
    }

    void automaticallyTheDesktopDecides()
    {
        QVERIFY(needsCompositorProbe(BackendRequest::Automatic, session(true, false)));
        QVERIFY(!needsCompositorProbe(BackendRequest::Automatic, session(false, true)));

        const BackendSelection x11 = selectBackend(BackendRequest::Automatic, session(false, true));
        QCOMPARE(x11.kind, BackendKind::X11);
        QVERIFY(x11.reason.contains(QStringLiteral("WAYLAND_DISPLAY")));

        const BackendSelection wayland =
            selectBackend(BackendRequest::Automatic, session(true, true, "ext_data_control_manager_v1"));
        QCOMPARE(wayland.kind, BackendKind::Wayland);
        QVERIFY(wayland.reason.contains(QStringLiteral("ext_data_control_manager_v1")));

        // GNOME and Weston offer no data-control: XWayland still serves X11 windows, which is better than nothing.
        const BackendSelection xwayland = selectBackend(BackendRequest::Automatic, session(true, true));
        QCOMPARE(xwayland.kind, BackendKind::X11);
        QVERIFY(xwayland.reason.contains(QStringLiteral("no data-control")));
        QVERIFY(xwayland.reason.contains(QStringLiteral("XWayland")));

        // A compositor that cannot be reached (a stale WAYLAND_DISPLAY) says why.
        const BackendSelection stale =
            selectBackend(BackendRequest::Automatic, session(true, true, "", "No such file or directory"));
        QCOMPARE(stale.kind, BackendKind::X11);
        QVERIFY(stale.reason.contains(QStringLiteral("could not be reached (No such file or directory)")));

        // Without an X server the Wayland backend runs anyway, so that it reports what does not work here.
        const BackendSelection alone = selectBackend(BackendRequest::Automatic, session(true, false));
        QCOMPARE(alone.kind, BackendKind::Wayland);
        QVERIFY(alone.reason.contains(QStringLiteral("no X server")));

        QCOMPARE(backendName(BackendKind::Wayland), QStringLiteral("Wayland"));
        QCOMPARE(backendName(BackendKind::X11), QStringLiteral("X11"));
        QCOMPARE(backendName(BackendKind::Gnome), QStringLiteral("GNOME"));
    }

    void aGnomeWaylandSessionGetsTheGnomeBackend()
    {
        QVERIFY(isGnomeDesktop(QStringLiteral("GNOME")));
        QVERIFY(isGnomeDesktop(QStringLiteral("ubuntu:GNOME")));
        QVERIFY(isGnomeDesktop(QStringLiteral("gnome")));
        QVERIFY(!isGnomeDesktop(QStringLiteral("GNOME-Flashback-X")));
        QVERIFY(!isGnomeDesktop(QStringLiteral("KDE")));
        QVERIFY(!isGnomeDesktop(QString()));

        // Whether or not XWayland runs: the extension serves Wayland and X11 windows alike.
        for (const bool x11 : {true, false}) {
            SessionFacts gnome = session(true, x11);
            gnome.gnomeDesktop = true;
            const BackendSelection chosen = selectBackend(BackendRequest::Automatic, gnome);
            QCOMPARE(chosen.kind, BackendKind::Gnome);
            QVERIFY(chosen.reason.contains(QStringLiteral("extension")));
        }
        // A compositor that offers data-control is used directly, whatever the desktop is called.
        SessionFacts withDataControl = session(true, true, "zwlr_data_control_manager_v1");
        withDataControl.gnomeDesktop = true;
        QCOMPARE(selectBackend(BackendRequest::Automatic, withDataControl).kind, BackendKind::Wayland);
        // GNOME on X11 is served by the X11 backend, and a compositor that cannot be reached is no GNOME session.
        SessionFacts gnomeOnX11 = session(false, true);
        gnomeOnX11.gnomeDesktop = true;
        QCOMPARE(selectBackend(BackendRequest::Automatic, gnomeOnX11).kind, BackendKind::X11);
        SessionFacts stale = session(true, true, "", "No such file or directory");
        stale.gnomeDesktop = true;
        QCOMPARE(selectBackend(BackendRequest::Automatic, stale).kind, BackendKind::X11);
        // Asked for, it is taken anywhere.
        QCOMPARE(selectBackend(BackendRequest::Gnome, session(false, true)).kind, BackendKind::Gnome);
        QVERIFY(!needsCompositorProbe(BackendRequest::Gnome, session(true, true)));
    }
};

QTEST_GUILESS_MAIN(TestBackendSelection)
#include "tst_backend_selection.moc"
