// The start-up Wi-Fi mode buttons: three commands a second apart, the link closed, and a second
// later the window disconnects.

#include <QtTest>

#include "fakes/TestRig.h"
#include "operations/WirelessMode.h"

using namespace qx;
using namespace qx::test;

namespace {

const WirelessModeButton& button(const QString& control) {
    for (const WirelessModeButton& b : wirelessModeButtons())
        if (control == QLatin1String(b.control)) return b;
    qFatal("no Wi-Fi mode button %s", qPrintable(control));
}

}  // namespace

class WirelessModeTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void overSerial_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("mode");
        QTest::newRow("access point") << "Command35"
                                      << ":TG#";
        QTest::newRow("station") << "Command36"
                                 << ":TF#";
    }
    // The port is closed after the third command's second, the disconnect action starts a second
    // later (its own sound, the emptied fields) and blinks for three seconds.
    void overSerial() {
        QFETCH(QString, control);
        QFETCH(QString, mode);
        TestRig rig;
        rig.serial.open();
        rig.controls().setText("Text1(0)", "800");
        rig.log.clear();
        setWirelessMode(*rig.form, button(control));
        QCOMPARE(rig.log.timedOf("serial"), (QStringList{"0 " + mode, "1000 :Pe#", "2000 :Pz#"}));
        QCOMPARE(rig.log.timedOf("port"), QStringList{"3000 close"});
        QCOMPARE(rig.log.timedOf("sound"),
                 (QStringList{"3000 Deconnect.mp3", "4000 Deconnect.mp3"}));
        QVERIFY(rig.controls().text("Text1(0)").isEmpty());
        QCOMPARE(rig.clock.nowMs(), 7000.0);
    }

    // With the port closed nothing goes out, yet the waits pass and the window still
    // disconnects after 4000 ms.
    void portClosedStillDisconnects() {
        TestRig rig;
        rig.controls().setText("Text1(0)", "800");
        rig.form->setTimer1Interval(1000);
        setWirelessMode(*rig.form, button("Command35"));
        QVERIFY(rig.log.of("serial").isEmpty());
        QCOMPARE(rig.log.timedOf("sound"), QStringList{"4000 Deconnect.mp3"});
        QVERIFY(rig.controls().text("Text1(0)").isEmpty());
        QCOMPARE(rig.form->timer1Interval(), 0);
        QVERIFY(!rig.controls().enabled("Command12"));
    }

    // Over the LAN: connected first, then the same three commands; NETOffLine1 closes the link,
    // and the disconnect action follows a second later.
    void overLan() {
        TestRig rig;
        rig.controls().setChecked("Option8", true);
        rig.log.clear();
        setWirelessMode(*rig.form, button("Command36"));
        QCOMPARE(rig.log.timedOf("lan"), (QStringList{"2 :TF#", "1002 :Pe#", "2002 :Pz#"}));
        QCOMPARE(rig.log.timedOf("sound"),
                 (QStringList{"2 connect.mp3", "3002 Deconnect.mp3", "4002 Deconnect.mp3"}));
        QCOMPARE(rig.tcp.state(), int(TcpClient::Closed));
    }
};

QTEST_GUILESS_MAIN(WirelessModeTest)
#include "tst_wireless_mode.moc"
