#include <QDateTime>
#include <QtTest>

#include "ui/qt/QtClock.h"

using namespace qx;

static QDateTime dateTimeOf(const SystemTime& t) {
    return QDateTime(QDate(t.year, t.month, t.day),
                     QTime(t.hour, t.minute, t.second, t.millisecond), Qt::UTC);
}

class ClockTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void cleanup() { qunsetenv("TZ"); }

    // UT = local time + bias.
    void biasesFollowTheZone_data() {
        QTest::addColumn<QByteArray>("zone");
        QTest::addColumn<int>("standardBias");
        QTest::addColumn<QList<int>>("possibleCurrentBiases");  // depends on today's date
        QTest::newRow("Japan") << QByteArray("Asia/Tokyo") << -540 << QList<int>{-540};
        QTest::newRow("New York") << QByteArray("America/New_York") << 300 << QList<int>{300, 240};
        QTest::newRow("India") << QByteArray("Asia/Kolkata") << -330 << QList<int>{-330};
        QTest::newRow("Greenwich") << QByteArray("UTC") << 0 << QList<int>{0};
    }
    void biasesFollowTheZone() {
        QFETCH(QByteArray, zone);
        QFETCH(int, standardBias);
        QFETCH(QList<int>, possibleCurrentBiases);
        qputenv("TZ", zone);
        const QtClock clock;
        QCOMPARE(clock.standardBiasMinutes(), standardBias);
        const int current = clock.currentBiasMinutes();
        QVERIFY2(possibleCurrentBiases.contains(current), qPrintable(QString::number(current)));

        // The two clock readings agree with the bias (read a moment apart, hence the margin).
        const qint64 localMinusUniversal =
            dateTimeOf(clock.universalTime()).secsTo(dateTimeOf(clock.localTime()));
        QVERIFY(qAbs(localMinusUniversal + current * 60) <= 2);
    }
};

QTEST_GUILESS_MAIN(ClockTest)
#include "tst_clock.moc"
