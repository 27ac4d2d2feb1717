#include "platform/qt/QtScheduler.h"

#include <QSignalSpy>
#include <QTest>

using namespace tavrin;
using namespace std::chrono_literals;

// The real timers, on a real event loop: short delays only, no timing assertions.
class TestQtScheduler : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void oneShotsFireOnceAndCancelledOnesNever()
    {
        QtScheduler scheduler;
        int once = 0;
        int cancelled = 0;
        const auto a = scheduler.scheduleOnce(10ms, [&] { ++once; });
        const auto b = scheduler.scheduleOnce(10ms, [&] { ++cancelled; });
        QVERIFY(scheduler.isPending(a));
        scheduler.cancel(b);
        QTRY_COMPARE(once, 1);
        QVERIFY(!scheduler.isPending(a));
        QTest::qWait(50);
        QCOMPARE(once, 1);
        QCOMPARE(cancelled, 0);
    }

    void repeatingTimersRunUntilCancelled()
    {
        QtScheduler scheduler;
        int ticks = 0;
        Scheduler::TimerId id = 0;
        id = scheduler.scheduleRepeating(5ms, [&] {
            if (++ticks == 3)
                scheduler.cancel(id);
        });
        QTRY_COMPARE(ticks, 3);
        QTest::qWait(50);
        QCOMPARE(ticks, 3);
        QVERIFY(scheduler.now() > 0ms);
    }
};

QTEST_GUILESS_MAIN(TestQtScheduler)
#include "tst_qt_scheduler.moc"
