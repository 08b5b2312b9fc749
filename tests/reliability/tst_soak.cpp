// The one-second poll for a virtual day against the simulated controller, 1 % of its answers late
// or garbled: every reply lands by the rules, and no buffer, log or queue grows. The memory
// figures of the same run are printed by bench/soak.cpp.

#include <QtTest>

#include "Soak.h"

using namespace qx::test;

class SoakTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void aDayOfPolling() {
        SoakOptions options;
        if (const QByteArray hours = qgetenv("QX_SOAK_HOURS"); !hours.isEmpty())
            options.hours = hours.toDouble();
        const SoakFigures f = runSoak(options);
        qInfo(
            "%lld polls, %lld late, %lld garbled; receive buffer peak %lld, end %lld; "
            "scheduled events peak %zu, end %zu",
            f.polls, f.late, f.garbled, qlonglong(f.peakRxBuffer), qlonglong(f.endRxBuffer),
            f.peakScheduled, f.endScheduled);
        QCOMPARE(f.polls, qint64(options.hours * 3600));
        QVERIFY(f.late > 0 && f.garbled > 0);
        QVERIFY2(f.wrongLandings == 0, qPrintable(f.firstWrongLanding));
        QVERIFY(f.peakRxBuffer <= 48);  // at most the rest of one garbled answer
        QVERIFY(f.peakScheduled <= 8);  // the poll, the burst gap, an answer or two
        QCOMPARE(f.peakStatusLog, 0);
    }
};

QTEST_GUILESS_MAIN(SoakTest)
#include "tst_soak.moc"
