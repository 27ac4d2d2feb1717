#include "platform/fake/FakeDispatcher.h"
#include "platform/fake/FakeScheduler.h"

#include <QTest>

using namespace tavrin;
using namespace std::chrono_literals;

class TestFakeScheduler : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void timersFireInTimeOrderOnlyWhenTheClockMoves()
    {
        FakeScheduler clock;
        QStringList log;
        clock.scheduleOnce(300ms, [&] { log << QStringLiteral("once@%1").arg(clock.now().count()); });
        const auto tick =
            clock.scheduleRepeating(100ms, [&] { log << QStringLiteral("tick@%1").arg(clock.now().count()); });
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
        int fired = 0;
        Scheduler::TimerId later = 0;
        clock.scheduleOnce(10ms, [&] {
            ++fired;
            later = clock.scheduleOnce(10ms, [&] { ++fired; });
        });
        clock.advance(25ms);  // the timer made inside the first one falls due within the same advance
        QCOMPARE(fired, 2);
        QVERIFY(!clock.isPending(later));

        const auto a = clock.scheduleOnce(5ms, [&] { fired += 10; });
        clock.scheduleOnce(1ms, [&] { clock.cancel(a); });
        clock.advance(10ms);
        QCOMPARE(fired, 2);
        QCOMPARE(clock.pendingCount(), 0);
    }

    void dispatcherRunsWorkOnlyWhenAsked()
    {
        FakeDispatcher dispatcher;
        QStringList log;
        dispatcher.runInBackground(Dispatcher::Lane::Capture, [&]() -> Dispatcher::Task {
            log << QStringLiteral("capture");
            return [&] { log << QStringLiteral("follow-up"); };
        });
        dispatcher.runInBackground(Dispatcher::Lane::Search, [&]() -> Dispatcher::Task {
            log << QStringLiteral("search");
            return {};  // no follow-up
        });
        dispatcher.postToGuiThread([&] { log << QStringLiteral("main"); });
        QVERIFY(log.isEmpty());
        QCOMPARE(dispatcher.backgroundCount(Dispatcher::Lane::Search), 1);
        QCOMPARE(dispatcher.backgroundCount(), 2);
        QCOMPARE(dispatcher.runBackground(), 2);
        QCOMPARE(dispatcher.mainCount(), 2);
        dispatcher.runAll();
        QCOMPARE(log, (QStringList{QStringLiteral("capture"), QStringLiteral("search"), QStringLiteral("main"),
                                   QStringLiteral("follow-up")}));
    }
};

QTEST_GUILESS_MAIN(TestFakeScheduler)
#include "tst_fake_scheduler.moc"
