#include <QElapsedTimer>
#include <QtTest>

#include "ui/qt/QtScheduler.h"

using namespace qx;

// A wait runs the events until a millisecond before its end and sleeps the rest: around that
// millisecond it must still never end early, and what is pending must still run.
class SchedulerWaitEndTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void neverEarlyAndPendingEventsRun_data() {
        QTest::addColumn<double>("ms");
        for (const double ms : {0.3, 1.0, 1.4, 2.0, 10.5})
            QTest::newRow(qPrintable(QString::number(ms))) << ms;
    }
    void neverEarlyAndPendingEventsRun() {
        QFETCH(double, ms);
        QtScheduler scheduler;
        bool ran = false;
        QMetaObject::invokeMethod(
            QCoreApplication::instance(), [&ran] { ran = true; }, Qt::QueuedConnection);
        QElapsedTimer elapsed;
        elapsed.start();
        scheduler.wait(ms);
        QVERIFY2(elapsed.nsecsElapsed() / 1e6 >= ms,
                 qPrintable(QString::number(elapsed.nsecsElapsed() / 1e6)));
        QVERIFY(ran);
    }
};

QTEST_GUILESS_MAIN(SchedulerWaitEndTest)
#include "tst_scheduler_wait_end.moc"
