#include <QtTest>

#include "fakes/TestRig.h"
#include "operations/TimeAndSite.h"
#include "read/QueryIndex.h"

using namespace qx;
using namespace qx::test;

class TimeCommandsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void dateAndTime_data() {
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("hour");
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("time");
        QTest::newRow("2024") << 2024 << 21 << ":SC03/05/24#"
                              << ":SL21:07:05#";
        QTest::newRow("2000") << 2000 << 9 << ":SC03/05/00#"
                              << ":SL09:07:05#";
        QTest::newRow("2009") << 2009 << 0 << ":SC03/05/09#"
                              << ":SL00:07:05#";
    }
    void dateAndTime() {
        QFETCH(int, year);
        QFETCH(int, hour);
        QFETCH(QString, date);
        QFETCH(QString, time);
        const SystemTime t{year, 3, 5, hour, 7, 5, 0};
        QCOMPARE(setDateCommand(t), date);
        QCOMPARE(setTimeCommand(t), time);
    }

    void midnight() {
        QCOMPARE(setTimeCommand(SystemTime{2024, 1, 1, 0, 0, 0, 0}),
                 QStringLiteral(":SL00:00:00#"));
    }

    void utcOffset_data() {
        QTest::addColumn<int>("bias");
        QTest::addColumn<QString>("command");
        QTest::newRow("Japan") << -540 << ":SG-9.00#";
        QTest::newRow("Greenwich") << 0 << ":SG+0.00#";
        QTest::newRow("New York winter") << 300 << ":SG+5.00#";
        QTest::newRow("India") << -330 << ":SG-5.50#";
        QTest::newRow("Nepal") << -345 << ":SG-5.75#";
        QTest::newRow("Newfoundland") << 210 << ":SG+3.50#";
    }
    void utcOffset() {
        QFETCH(int, bias);
        QFETCH(QString, command);
        QCOMPARE(utcOffsetCommand(bias), command);
    }

    void clockDisplay() {
        QCOMPARE(clockDisplayText(SystemTime{2024, 3, 3, 9, 7, 5, 42}),
                 QStringLiteral("2024/3/3 9:7:5.42"));
        QCOMPARE(zoneHoursText(-540), QStringLiteral("9"));
        QCOMPARE(zoneHoursText(-330), QStringLiteral("5.5"));
        QCOMPARE(zoneHoursText(300), QStringLiteral("-5"));
    }

    // "Set" over serial: offset, date and time, then the controller's date and time read back.
    void setOverSerial() {
        TestRig rig;
        rig.controls().setChecked("Option7", true);
        rig.serial.open();
        rig.form->Command34_Click();
        QCOMPARE(rig.log.timedOf("serial"),
                 (QStringList{"0 :SG-9.00#", "400 :SC03/05/24#", "800 :SL09:07:05#", "900 :GX81#",
                              "1000 :GX80#"}));
        QCOMPARE(QueryIndex, qint16(16));
    }

    // The offset sent is the one in force: during daylight saving it matches the local time.
    void setUsesTheBiasInForce() {
        TestRig rig;
        rig.pcClock.standardBias = 300;
        rig.pcClock.currentBias = 240;
        rig.serial.open();
        rig.form->Command34_Click();
        QCOMPARE(rig.log.of("serial").first(), QStringLiteral(":SG+4.00#"));
    }

    void setOverLan() {
        TestRig rig;
        rig.controls().setChecked("Option8", true);
        rig.form->Command34_Click();
        QCOMPARE(rig.log.of("lan"),
                 (QStringList{":SC03/05/24#", ":SL09:07:05#", ":GX81#", ":GX80#"}));
    }

    // The 100 ms after each command belong to its send: with the port closed only the two
    // 300 ms steps and the 100 ms after the date query remain.
    void setWithPortClosedSendsNothing() {
        TestRig rig;
        rig.form->Command34_Click();
        QVERIFY(rig.log.of("serial").isEmpty());
        QCOMPARE(rig.clock.nowMs(), 700.0);
        QCOMPARE(QueryIndex, qint16(16));
    }
};

QTEST_GUILESS_MAIN(TimeCommandsTest)
#include "tst_time_commands.moc"
