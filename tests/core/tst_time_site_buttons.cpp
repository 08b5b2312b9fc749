// The time and position buttons besides "Set": the GPS re-acquire, the park release and the
// polar-north home, on the serial link (port open and closed) and over the LAN.

#include <QtTest>

#include "fakes/TestRig.h"
#include "operations/TimeAndSite.h"
#include "read/QueryIndex.h"

using namespace qx;
using namespace qx::test;

namespace {

enum class Route { SerialOpen, SerialClosed, Lan };

void prepare(TestRig& rig, Route route) {
    rig.controls().setChecked(route == Route::Lan ? "Option8" : "Option7", true);
    if (route == Route::SerialOpen) rig.serial.open();
    rig.log.clear();
}

QStringList sentOver(const TestRig& rig, Route route) {
    return rig.log.timedOf(route == Route::Lan ? "lan" : "serial");
}

}  // namespace

class TimeSiteButtonsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // At 2024-03-05 09:07:05 in Japan: date, time, then the release, with their pauses. Over
    // serial the 50 ms after a command belong to its send; the LAN connects first (2 ms).
    void parkRelease_data() {
        QTest::addColumn<int>("route");
        QTest::addColumn<QStringList>("sent");
        QTest::addColumn<int>("ms");
        QTest::newRow("serial") << int(Route::SerialOpen)
                                << QStringList{"0 :SC03/05/24#", "100 :SL09:07:05#", "150 :hR#"}
                                << 150;
        QTest::newRow("port closed") << int(Route::SerialClosed) << QStringList{} << 50;
        QTest::newRow("LAN") << int(Route::Lan)
                             << QStringList{"2 :SC03/05/24#", "52 :SL09:07:05#", "102 :hR#"} << 102;
    }
    void parkRelease() {
        QFETCH(int, route);
        QFETCH(QStringList, sent);
        QFETCH(int, ms);
        TestRig rig;
        prepare(rig, Route(route));
        QueryIndex = 7;
        releasePark(*rig.form);
        QCOMPARE(sentOver(rig, Route(route)), sent);
        QCOMPARE(rig.clock.nowMs(), double(ms));
        QCOMPARE(QueryIndex, qint16(7));
        QVERIFY(rig.log.of("serial").filter(":SG").isEmpty());
    }

    // Each command takes the PC's time when it is built: a second that passes between the date
    // and the time shows in the time.
    void parkReleaseReadsTheClockPerCommand() {
        TestRig rig;
        prepare(rig, Route::SerialOpen);
        rig.clock.post(60, [&rig] { rig.pcClock.local.second = 6; });
        releasePark(*rig.form);
        QCOMPARE(rig.log.of("serial"), (QStringList{":SC03/05/24#", ":SL09:07:06#", ":hR#"}));
    }

    // The polar home: the two home SET buttons are disabled on every route, ":TH#", 3000 ms, the
    // altitude, 300 ms, the azimuth.
    void polarHome_data() {
        QTest::addColumn<int>("route");
        QTest::addColumn<QStringList>("sent");
        QTest::addColumn<int>("ms");
        QTest::newRow("serial") << int(Route::SerialOpen)
                                << QStringList{"0 :TH#", "3000 :G1#", "3300 :G2#"} << 3300;
        QTest::newRow("port closed") << int(Route::SerialClosed) << QStringList{} << 3300;
        QTest::newRow("LAN") << int(Route::Lan) << QStringList{"2 :TH#", "3002 :G1#", "3302 :G2#"}
                             << 3302;
    }
    void polarHome() {
        QFETCH(int, route);
        QFETCH(QStringList, sent);
        QFETCH(int, ms);
        TestRig rig;
        prepare(rig, Route(route));
        setHomeToPolarNorth(*rig.form);
        QCOMPARE(sentOver(rig, Route(route)), sent);
        QCOMPARE(rig.clock.nowMs(), double(ms));
        QVERIFY(!rig.controls().enabled("Command6(14)"));
        QVERIFY(!rig.controls().enabled("Command6(15)"));
        QCOMPARE(QueryIndex, qint16(22));
    }

    // The controller's answers land in the home altitude and azimuth fields.
    void polarHomeShowsThePole() {
        TestRig rig;
        rig.attachSimulator();
        prepare(rig, Route::SerialOpen);
        setHomeToPolarNorth(*rig.form);
        rig.clock.advance(100);
        QCOMPARE(rig.controls().text("Text1(20)"), QStringLiteral("+35"));
        QCOMPARE(rig.controls().text("Text1(21)"), QStringLiteral("000"));
    }

    // "GPS 再捕捉" talks to the serial port only, with the LAN chosen or not.
    void gpsReacquire_data() {
        QTest::addColumn<int>("route");
        QTest::addColumn<bool>("portOpen");
        QTest::addColumn<QStringList>("serial");
        QTest::newRow("serial") << int(Route::SerialOpen) << true << QStringList{":TJ#"};
        QTest::newRow("port closed") << int(Route::SerialClosed) << false << QStringList{};
        QTest::newRow("LAN chosen") << int(Route::Lan) << false << QStringList{};
        QTest::newRow("LAN chosen, port open") << int(Route::Lan) << true << QStringList{":TJ#"};
    }
    void gpsReacquire() {
        QFETCH(int, route);
        QFETCH(bool, portOpen);
        QFETCH(QStringList, serial);
        TestRig rig;
        prepare(rig, Route(route));
        if (portOpen) rig.serial.open();
        reacquireGps(*rig.form);
        QCOMPARE(rig.log.of("serial"), serial);
        QCOMPARE(rig.tcp.connectAttempts, 0);
        QCOMPARE(rig.clock.nowMs(), 0.0);
    }
};

QTEST_GUILESS_MAIN(TimeSiteButtonsTest)
#include "tst_time_site_buttons.moc"
