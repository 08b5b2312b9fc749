#include <QElapsedTimer>
#include <QTimer>
#include <QtTest>

#include "ui/qt/QtScheduler.h"

using namespace qx;

// Runs fn after delayMs on the event loop (inside whatever wait is running then).
static void after(int delayMs, std::function<void()> fn) {
    QTimer::singleShot(delayMs, Qt::PreciseTimer, std::move(fn));
}

class SchedulerTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void waitHandlesTimerTicksAndQueuedEvents() {
        QtScheduler scheduler;
        int ticks = 0;
        bool queuedEventRan = false;
        std::unique_ptr<Timer> timer = scheduler.createTimer([&] { ++ticks; });
        timer->start(20);
        QMetaObject::invokeMethod(
            this, [&] { queuedEventRan = true; }, Qt::QueuedConnection);

        QElapsedTimer watch;
        watch.start();
        const double before = scheduler.nowMs();
        scheduler.wait(150);

        QVERIFY(watch.elapsed() >= 150);
        QVERIFY(scheduler.nowMs() - before >= 150);
        QVERIFY(queuedEventRan);
        QVERIFY(ticks >= 1);
    }

    void waitOfZeroStillRunsPendingEvents() {
        QtScheduler scheduler;
        bool queuedEventRan = false;
        QMetaObject::invokeMethod(
            this, [&] { queuedEventRan = true; }, Qt::QueuedConnection);
        scheduler.wait(0);
        QVERIFY(queuedEventRan);
    }

    // A handler that runs inside a wait waits itself; the outer wait cannot end before the inner
    // one has returned, nor before its own time.
    void nestedWaits_data() {
        QTest::addColumn<int>("outerMs");
        QTest::addColumn<int>("innerStartMs");
        QTest::addColumn<int>("innerMs");
        QTest::newRow("inner ends first") << 200 << 20 << 100;
        QTest::newRow("inner outlasts outer") << 60 << 20 << 150;
    }
    void nestedWaits() {
        QFETCH(int, outerMs);
        QFETCH(int, innerStartMs);
        QFETCH(int, innerMs);
        QtScheduler scheduler;
        QElapsedTimer watch;
        qint64 innerEndedAt = -1;
        int depthInside = -1;
        after(innerStartMs, [&] {
            depthInside = scheduler.nestingDepth();
            scheduler.wait(innerMs);
            innerEndedAt = watch.elapsed();
        });

        watch.start();
        QCOMPARE(scheduler.nestingDepth(), 0);
        scheduler.wait(outerMs);
        const qint64 outerEndedAt = watch.elapsed();

        QCOMPARE(depthInside, 1);
        QVERIFY(innerEndedAt >= innerStartMs + innerMs);
        QVERIFY(outerEndedAt >= std::max<qint64>(outerMs, innerEndedAt));
        QCOMPARE(scheduler.nestingDepth(), 0);
    }

    void waitUntilEndsWhenDone() {
        QtScheduler scheduler;
        bool done = false;
        bool lateEventRan = false;
        after(30, [&] {
            done = true;
            after(2000, [&] { lateEventRan = true; });
        });
        QVERIFY(scheduler.waitUntil([&] { return done; }, 10000));
        QVERIFY(!lateEventRan);  // it did not go on until the limit
    }

    // A posted event is no timer: waitUntil must look at done() after each batch of events.
    void waitUntilRetestsAfterEveryBatch() {
        QtScheduler scheduler;
        int posted = 0;
        for (int i = 0; i < 3; ++i) {
            QMetaObject::invokeMethod(
                this, [&] { ++posted; }, Qt::QueuedConnection);
        }
        bool lateEventRan = false;
        after(2000, [&] { lateEventRan = true; });
        QVERIFY(scheduler.waitUntil([&] { return posted == 3; }, 10000));
        QVERIFY(!lateEventRan);
    }

    void waitUntilEndsAtTheLimit() {
        QtScheduler scheduler;
        int depthInside = -1;
        QElapsedTimer watch;
        watch.start();
        const bool result = scheduler.waitUntil(
            [&] {
                depthInside = scheduler.nestingDepth();
                return false;
            },
            120);
        QVERIFY(!result);
        QVERIFY(watch.elapsed() >= 120);
        QCOMPARE(depthInside, 1);
        QCOMPARE(scheduler.nestingDepth(), 0);
    }

    // The time limit passes while a handler is in a long wait of its own; waitUntil must end
    // when that handler returns instead of sleeping on for an event that never comes.
    void waitUntilEndsAfterANestedWaitSwallowedItsLimit() {
        QtScheduler scheduler;
        after(10, [&] { scheduler.wait(200); });
        QElapsedTimer watch;
        watch.start();
        QVERIFY(!scheduler.waitUntil([] { return false; }, 50));
        QVERIFY(watch.elapsed() >= 200);
    }

    void processPendingEventsRunsWhatIsQueued() {
        QtScheduler scheduler;
        int depthInside = -1;
        QMetaObject::invokeMethod(
            this, [&] { depthInside = scheduler.nestingDepth(); }, Qt::QueuedConnection);
        scheduler.processPendingEvents();
        QCOMPARE(depthInside, 1);
    }

    void timers_data() {
        QTest::addColumn<bool>("singleShot");
        QTest::newRow("repeating") << false;
        QTest::newRow("single shot") << true;
    }
    void timers() {
        QFETCH(bool, singleShot);
        QtScheduler scheduler;
        int ticks = 0;
        std::unique_ptr<Timer> timer = scheduler.createTimer([&] { ++ticks; });
        timer->setSingleShot(singleShot);
        timer->start(10);
        QVERIFY(timer->isActive());
        scheduler.waitUntil([&] { return ticks >= 3; }, 300);
        if (singleShot) {
            QCOMPARE(ticks, 1);
            QVERIFY(!timer->isActive());
        } else {
            QVERIFY(ticks >= 3);
        }
        timer->stop();
        QVERIFY(!timer->isActive());
        const int ticksWhenStopped = ticks;
        scheduler.wait(50);
        QCOMPARE(ticks, ticksWhenStopped);
    }

    void destroyingATimerStopsIt() {
        QtScheduler scheduler;
        int ticks = 0;
        std::unique_ptr<Timer> timer = scheduler.createTimer([&] { ++ticks; });
        timer->start(10);
        timer.reset();
        scheduler.wait(50);
        QCOMPARE(ticks, 0);
    }
};

QTEST_GUILESS_MAIN(SchedulerTest)
#include "tst_scheduler.moc"
