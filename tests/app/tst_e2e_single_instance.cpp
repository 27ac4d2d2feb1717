// SPDX-License-Identifier: GPL-3.0-or-later
// One program per user and display, on the session's own D-Bus bus. A later start runs on a connection and a thread
// of its own, as another process would, while the first one answers on the main thread.
#include "app/SingleInstance.h"
#include "cli/ControlBus.h"

#include <QDBusConnectionInterface>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

#include <atomic>
#include <thread>

using namespace tavrin;

namespace {

// What a start on another connection gets, with the reason it reports.
struct LaterStart {
    SingleInstance::Outcome outcome = SingleInstance::Outcome::NoBus;
    QString error;
};

LaterStart startLater(const QString &display)
{
    LaterStart result;
    std::atomic<bool> done = false;
    std::thread worker([&] {
        const QString name = QStringLiteral("later start");
        {
            SingleInstance later(QDBusConnection::connectToBus(QDBusConnection::SessionBus, name), display);
            result.outcome = later.claimOrHandOver(&result.error);
        }
        QDBusConnection::disconnectFromBus(name);
        done = true;
    });
    // The first instance answers from this thread's event loop meanwhile.
    if (!QTest::qWaitFor([&] { return done.load(); }, 20000))
        qWarning("the later start did not end in time");
    worker.join();
    return result;
}

}  // namespace

class TestE2eSingleInstance : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void eachDisplayHasItsOwnValidName()
    {
        QCOMPARE(bus::serviceName(QStringLiteral(":1")), QStringLiteral("io.tavrin.Tavrin.display_1"));
        // The screen is part of the same display.
        QCOMPARE(bus::serviceName(QStringLiteral(":1.0")), bus::serviceName(QStringLiteral(":1")));
        QCOMPARE(bus::serviceName(QStringLiteral("localhost:10.0")),
                 QStringLiteral("io.tavrin.Tavrin.display_localhost_10"));
        QCOMPARE(bus::serviceName(QStringLiteral("wayland-0")), QStringLiteral("io.tavrin.Tavrin.display_wayland_0"));
        QCOMPARE(bus::serviceName(QString()), QStringLiteral("io.tavrin.Tavrin.display_none"));
        QVERIFY(bus::serviceName(QStringLiteral(":0")) != bus::serviceName(QStringLiteral(":1")));
        const QRegularExpression busName(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*(\\.[A-Za-z_][A-Za-z0-9_]*)+$"));
        for (const QString &display : {QStringLiteral(":1"), QStringLiteral("host.example:3.1"),
                                       QStringLiteral("ünï:2"), QStringLiteral("/tmp/launch-x/org.x:0")})
            QVERIFY2(busName.match(bus::serviceName(display)).hasMatch(), qPrintable(bus::serviceName(display)));
    }

    void aLaterStartOnTheSameDisplayHandsOverToTheFirst()
    {
        QDBusConnection bus = QDBusConnection::sessionBus();
        QVERIFY(bus.isConnected());
        {
            SingleInstance first(bus, QStringLiteral(":7"));
            QSignalSpy shown(&first, &SingleInstance::showRequested);
            QCOMPARE(first.claimOrHandOver(), SingleInstance::Outcome::First);
            QVERIFY(bus.interface()->isServiceRegistered(first.serviceName()));

            QCOMPARE(startLater(QStringLiteral(":7")).outcome, SingleInstance::Outcome::HandedOver);
            QCOMPARE(shown.count(), 1);
            QCOMPARE(startLater(QStringLiteral(":7.0")).outcome, SingleInstance::Outcome::HandedOver);
            QCOMPARE(shown.count(), 2);
            // Another display is another program.
            QCOMPARE(startLater(QStringLiteral(":8")).outcome, SingleInstance::Outcome::First);
            QCOMPARE(shown.count(), 2);
        }
        // Once the first one has ended, the next start is the first again.
        QVERIFY(!bus.interface()->isServiceRegistered(bus::serviceName(QStringLiteral(":7"))));
        QCOMPARE(startLater(QStringLiteral(":7")).outcome, SingleInstance::Outcome::First);
    }

    void anOwnerThatDoesNotAnswerIsReported()
    {
        // Something holds the name without answering the request.
        const QString service = bus::serviceName(QStringLiteral(":9"));
        QDBusConnection squatter = QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("squat"));
        QVERIFY(squatter.registerService(service));
        const LaterStart later = startLater(QStringLiteral(":9"));
        QCOMPARE(later.outcome, SingleInstance::Outcome::NotAnswering);
        QVERIFY(!later.error.isEmpty());
        QVERIFY(squatter.interface()->isServiceRegistered(service));
        QDBusConnection::disconnectFromBus(QStringLiteral("squat"));
    }

    void withoutABusTheProgramRunsAlone()
    {
        SingleInstance alone(QDBusConnection(QStringLiteral("never connected")), QStringLiteral(":1"));
        QString error;
        QCOMPARE(alone.claimOrHandOver(&error), SingleInstance::Outcome::NoBus);
        QVERIFY(!error.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestE2eSingleInstance)
#include "tst_e2e_single_instance.moc"
