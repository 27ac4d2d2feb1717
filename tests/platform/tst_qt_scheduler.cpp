// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/QtDispatcher.h"
#include "platform/qt/QtScheduler.h"

#include <QSignalSpy>
#include <QTest>
#include <QThread>
#include <QTimer>

#include <atomic>
#include <memory>

using namespace tavrin;
using namespace std::chrono_literals;

// The real timers, on a real event loop: short delays only, no timing assertions.
class TestQtScheduler : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void oneShotsFireOnceAndCancelledOnesNever()
    {
        QtScheduler scheduler;
        QObject owner;
        int once = 0;
        int cancelled = 0;
        const auto a = scheduler.scheduleOnce(10ms, &owner, [&] { ++once; });
        const auto b = scheduler.scheduleOnce(10ms, &owner, [&] { ++cancelled; });
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
        QObject owner;
        int ticks = 0;
        Scheduler::TimerId id = 0;
        id = scheduler.scheduleRepeating(5ms, &owner, [&] {
            if (++ticks == 3)
                scheduler.cancel(id);
        });
        QTRY_COMPARE(ticks, 3);
        QTest::qWait(50);
        QCOMPARE(ticks, 3);
        QVERIFY(scheduler.now() > 0ms);
    }

    void timersAreChildrenOfTheirContextAndGoWithIt()
    {
        QtScheduler scheduler;
        QObject kept;
        auto gone = std::make_unique<QObject>();
        int goneTicks = 0;
        int keptTicks = 0;
        const auto goneTimer = scheduler.scheduleRepeating(1ms, gone.get(), [&] { ++goneTicks; });
        scheduler.scheduleRepeating(1ms, &kept, [&] { ++keptTicks; });
        QCOMPARE(gone->findChildren<QTimer *>().size(), 1);
        QTRY_VERIFY(goneTicks > 0);
        gone.reset();
        QVERIFY(!scheduler.isPending(goneTimer));
        const int ticksBefore = goneTicks;
        const int keptBefore = keptTicks;
        QTRY_VERIFY(keptTicks > keptBefore + 2);  // time passed on the event loop
        QCOMPARE(goneTicks, ticksBefore);
    }

    void aFollowUpRunsOnTheGuiThreadOnlyWhileItsContextLives()
    {
        QtDispatcher dispatcher;
        QObject kept;
        auto gone = std::make_unique<QObject>();
        std::atomic<bool> release{false};
        QThread *jobThread = nullptr;
        QThread *followUpThread = nullptr;
        int goneFollowUps = 0;
        dispatcher.runInBackground(Dispatcher::Lane::Files, gone.get(), [&]() -> Dispatcher::Task {
            while (!release.load())
                QThread::yieldCurrentThread();
            return [&] { ++goneFollowUps; };
        });
        dispatcher.runInBackground(Dispatcher::Lane::Files, &kept, [&]() -> Dispatcher::Task {
            jobThread = QThread::currentThread();
            return [&] { followUpThread = QThread::currentThread(); };
        });
        gone.reset();  // while its job still runs
        release = true;
        QTRY_VERIFY(followUpThread != nullptr);
        QCOMPARE(followUpThread, QThread::currentThread());
        QVERIFY(jobThread != QThread::currentThread());
        QCOMPARE(goneFollowUps, 0);  // queued before the kept one's, so it would have run by now
    }
};

QTEST_GUILESS_MAIN(TestQtScheduler)
#include "tst_qt_scheduler.moc"
