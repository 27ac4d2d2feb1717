// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/fake/FakeDispatcher.h"
#include "platform/fake/FakeScheduler.h"

#include <QTest>

#include <memory>

using namespace tavrin;
using namespace std::chrono_literals;

class TestFakeScheduler : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void timersFireInTimeOrderOnlyWhenTheClockMoves()
    {
        FakeScheduler clock;
        QObject owner;
        QStringList log;
        clock.scheduleOnce(300ms, &owner, [&] { log << QStringLiteral("once@%1").arg(clock.now().count()); });
        const auto tick =
            clock.scheduleRepeating(100ms, &owner, [&] { log << QStringLiteral("tick@%1").arg(clock.now().count()); });
        QVERIFY(log.isEmpty());
        clock.advance(250ms);
        QCOMPARE(log, (QStringList{QStringLiteral("tick@100"), QStringLiteral("tick@200")}));
        clock.advance(100ms);
        QCOMPARE(log.mid(2),
                 (QStringList{QStringLiteral("once@300"), QStringLiteral("tick@300")}));  // ties: first scheduled first
        clock.cancel(tick);
        clock.advance(1s);
        QCOMPARE(log.size(), 4);
        QCOMPARE(clock.now(), 1350ms);
    }

    void actionsMayScheduleAndCancel()
    {
        FakeScheduler clock;
        QObject owner;
        int fired = 0;
        Scheduler::TimerId later = 0;
        clock.scheduleOnce(10ms, &owner, [&] {
            ++fired;
            later = clock.scheduleOnce(10ms, &owner, [&] { ++fired; });
        });
        clock.advance(25ms);  // the timer made inside the first one falls due within the same advance
        QCOMPARE(fired, 2);
        QVERIFY(!clock.isPending(later));

        const auto a = clock.scheduleOnce(5ms, &owner, [&] { fired += 10; });
        clock.scheduleOnce(1ms, &owner, [&] { clock.cancel(a); });
        clock.advance(10ms);
        QCOMPARE(fired, 2);
        QCOMPARE(clock.pendingCount(), 0);
    }

    void timersDieWithTheirContext()
    {
        FakeScheduler clock;
        QObject kept;
        auto gone = std::make_unique<QObject>();
        QStringList log;
        clock.scheduleRepeating(10ms, gone.get(), [&] { log << QStringLiteral("gone's tick"); });
        const auto once = clock.scheduleOnce(20ms, gone.get(), [&] { log << QStringLiteral("gone's once"); });
        clock.scheduleOnce(20ms, &kept, [&] { log << QStringLiteral("kept's once"); });
        clock.advance(10ms);
        gone.reset();
        QVERIFY(!clock.isPending(once));
        QCOMPARE(clock.pendingCount(), 1);
        clock.advance(1s);
        QCOMPARE(log, (QStringList{QStringLiteral("gone's tick"), QStringLiteral("kept's once")}));
    }

    void dispatcherRunsWorkOnlyWhenAskedAndFollowUpsOnlyForALiveContext()
    {
        FakeDispatcher dispatcher;
        QObject kept;
        auto gone = std::make_unique<QObject>();
        QStringList log;
        dispatcher.runInBackground(Dispatcher::Lane::Capture, &kept, [&]() -> Dispatcher::Task {
            log << QStringLiteral("capture");
            return [&] { log << QStringLiteral("follow-up"); };
        });
        dispatcher.runInBackground(Dispatcher::Lane::Search, &kept, [&]() -> Dispatcher::Task {
            log << QStringLiteral("search");
            return {};  // no follow-up
        });
        dispatcher.runInBackground(Dispatcher::Lane::Files, gone.get(), [&]() -> Dispatcher::Task {
            log << QStringLiteral("files");
            return [&] { log << QStringLiteral("follow-up of a context that went"); };
        });
        QVERIFY(log.isEmpty());
        QCOMPARE(dispatcher.backgroundCount(Dispatcher::Lane::Search), 1);
        QCOMPARE(dispatcher.backgroundCount(), 3);
        QCOMPARE(dispatcher.runBackground(), 3);
        QCOMPARE(dispatcher.mainCount(), 2);
        gone.reset();
        dispatcher.runAll();
        QCOMPARE(log, (QStringList{QStringLiteral("capture"), QStringLiteral("search"), QStringLiteral("files"),
                                   QStringLiteral("follow-up")}));
    }
};

QTEST_GUILESS_MAIN(TestFakeScheduler)
#include "tst_fake_scheduler.moc"
