#include <QtTest>

#include "fakes/TestRig.h"
#include "link/LanLink.h"
#include "read/QueryIndex.h"
#include "shell/ControlLocking.h"

using namespace qx;
using namespace qx::test;

namespace {

const QStringList kQueries{":GVP#",  ":GXE1#", ":GXE4#", ":GXE5#", ":GXE7#", ":GXEE#", ":Gg#",
                           ":Gt#",   ":GG#",   ":%BR#",  ":%BD#",  ":GXEA#", ":GXE9#", ":Go#",
                           ":Gh#",   ":GX81#", ":GX80#", ":GXEF#", ":GXEG#", ":GXEH#", ":G1#",
                           ":G2#",   ":GXEL#", ":GXEM#", ":GXEN#", ":GXEI#", ":GX95#", ":GXEQ#",
                           ":GXEP#", ":GXES#", ":GXET#", ":GXEa#", ":GXEb#", ":GXEc#", ":GXEd#",
                           ":GXEe#", ":GXEf#", ":GXEm#", ":GX97#", ":GXEU#"};

// The LAN's first pass as the controller sees it, "time command", from `start`: 500 ms after
// ":GVP#", 100 ms after each other query, 1000 ms after each composite query.
QStringList lanFirstPassRows(int start) {
    QStringList rows;
    int t = start;
    for (const QString& q : kQueries) {
        rows << QStringLiteral("%1 %2").arg(t).arg(q);
        t += q == QLatin1String(":GVP#") ? 500 : 100;
    }
    for (const char* q : {":GXA1#", ":GXA2#", ":GXA1#", ":GXA2#"}) {
        rows << QStringLiteral("%1 %2").arg(t).arg(QLatin1String(q));
        t += 1000;
    }
    return rows;
}

// A rig whose controller answers over TCP at the address " 10.0.0.7 " (typed with blanks).
struct LanRig : TestRig {
    LanRig() {
        attachSimulator();
        controls().setText("Text13", " 10.0.0.7 ");
        pinger.status = 0;
    }
};

void expectNotConnected(Controls& c) {
    QVERIFY(c.enabled("Command61"));
    QVERIFY(!c.enabled("Command12"));
}

}  // namespace

class LanReadAllTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // A controller that answers everything: one ping, the connect, the first pass with its LAN
    // waits, nothing asked twice, the end sound, 250 ms, ":Pe#"; the LAN reply differences land.
    void readsEverythingInOnePass() {
        LanRig rig;
        rig.controller->setQueryValue(":Gt#", " +35*40");
        rig.controller->setQueryValue(":GX81#", " 03/05/24 ");
        rig.form->Form_Activate();
        rig.log.clear();
        const int start = int(rig.clock.nowMs());
        rig.form->Command61_Click();

        QCOMPARE(rig.log.of("ping"), QStringList{"10.0.0.7"});
        QCOMPARE(rig.log.of("tcp"), QStringList{"connect 10.0.0.7:9999"});
        const int connected = start + int(rig.tcp.connectDelayMs);
        QStringList expected = lanFirstPassRows(connected);
        const int end = connected + 500 + 39 * 100 + 4 * 1000;
        expected << QStringLiteral("%1 :Pe#").arg(end + 250);
        QCOMPARE(rig.log.timedOf("lan"), expected);
        QCOMPARE(rig.log.of("serial"), QStringList());  // no time set, no serial port
        QCOMPARE(rig.log.of("sound"), (QStringList{"connect.mp3", "yomikomiend.mp3"}));
        QCOMPARE(rig.log.timedOf("sound").last(), QStringLiteral("%1 yomikomiend.mp3").arg(end));

        Controls& c = rig.controls();
        QCOMPARE(c.text("Text1(99)"), rig.controller->queryValue(":GVP#"));
        QCOMPARE(c.text("Text1(6)"), QStringLiteral("+35*40"));
        QCOMPARE(c.text("Text1(14)"), QStringLiteral("03/05/24"));
        QCOMPARE(c.text("Text1(1)"), QStringLiteral("12800"));
        QCOMPARE(c.text("Text1(100)"), QStringLiteral("1"));
        QCOMPARE(c.text("Text1(101)"), QStringLiteral("16"));
        QCOMPARE(c.text("Text1(102)"), QStringLiteral("0"));
        QVERIFY(c.visible("Picture6"));
        for (const QString& name : settingsControls()) QVERIFY2(c.enabled(name), qPrintable(name));
        QVERIFY(!c.enabled("Command61"));
        QVERIFY(c.enabled("Command12"));
        QCOMPARE(rig.form->timer1Interval(), 0);  // no poll after a LAN read
    }

    // The retry passes send under the LAN rule too.
    void retriesOverTheLan() {
        LanRig rig;
        sim::Fault silent;
        silent.kind = sim::Fault::Kind::NoAnswer;
        rig.controller->setFault(":GXEL#", silent);
        rig.form->Command61_Click();
        QCOMPARE(rig.log.of("lan").count(":GXEL#"), 5);
        QCOMPARE(rig.log.of("lan").last(), QStringLiteral(":Pe#"));
        QVERIFY(rig.log.of("serial").isEmpty());
    }

    // The controller goes away during the read: what is left is not sent, the read still ends.
    void connectionLostDuringTheRead() {
        LanRig rig;
        sim::Fault drop;
        drop.kind = sim::Fault::Kind::Drop;
        rig.controller->setFault(":Gg#", drop);
        rig.form->Command61_Click();
        QCOMPARE(rig.log.of("lan").last(), QStringLiteral(":Gg#"));
        QCOMPARE(rig.log.of("sound"), (QStringList{"connect.mp3", "yomikomiend.mp3"}));
        for (const QString& name : settingsControls())
            QVERIFY2(rig.controls().enabled(name), qPrintable(name));
    }

    // A failed ping ends the click before anything is locked or connected: "NG", the no-answer
    // sound, the not-connected buttons. A later successful ping shows "OK".
    void failedPingEndsTheClick_data() {
        QTest::addColumn<bool>("lockedBefore");
        QTest::newRow("controls unlocked before") << false;
        QTest::newRow("controls locked before") << true;
    }
    void failedPingEndsTheClick() {
        QFETCH(bool, lockedBefore);
        LanRig rig;
        rig.pinger.status = 11010;
        Controls& c = rig.controls();
        if (lockedBefore) AllDispOFF(c);
        c.setEnabled("Command61", false);
        c.setEnabled("Command12", true);
        rig.form->Command61_Click();

        QCOMPARE(rig.log.of("ping"), QStringList{"10.0.0.7"});
        QCOMPARE(c.text("Command60"), QStringLiteral("NG"));
        QCOMPARE(rig.log.of("sound"), QStringList{"IPno.mp3"});
        expectNotConnected(c);
        for (const QString& name : settingsControls())
            QVERIFY2(c.enabled(name) != lockedBefore, qPrintable(name));
        QVERIFY(rig.log.of("tcp").isEmpty());
        QVERIFY(rig.log.of("lan").isEmpty());
        QCOMPARE(c.backColor("Shape1"), kLampUnlit);
        QCOMPARE(rig.clock.nowMs(), 0.0);

        rig.pinger.status = 0;
        rig.form->Command60_Click();
        QCOMPARE(c.text("Command60"), QStringLiteral("OK"));
    }

    // Without the socket library the click does nothing at all.
    void noSocketLibraryDoesNothing() {
        LanRig rig;
        rig.pinger.socketsAvailable = false;
        rig.form->Command61_Click();
        QVERIFY(rig.log.rows().isEmpty());
        QCOMPARE(rig.controls().text("Command60"), QStringLiteral("ping"));
    }

    // The address answers the ping, but port 9999 refuses until the connect limit: the read
    // stops there, unlocked and not connected, with the no-answer sound, and sends nothing.
    void refusedPortStopsTheRead() {
        LanRig rig;
        rig.tcp.reachable = false;
        rig.form->Form_Activate();
        rig.log.clear();
        const double start = rig.clock.nowMs();
        rig.form->Command61_Click();
        QCOMPARE(rig.clock.nowMs() - start, FrmTerm::kConnectTimeLimitMs);
        QVERIFY(rig.log.of("lan").isEmpty());
        QCOMPARE(rig.log.of("sound"), (QStringList{"connect.mp3", "IPno.mp3"}));
        QCOMPARE(rig.tcp.state(), int(TcpClient::Closed));
        Controls& c = rig.controls();
        expectNotConnected(c);
        for (const QString& name : settingsControls()) QVERIFY2(c.enabled(name), qPrintable(name));
        QCOMPARE(rig.form->timer1Interval(), 0);
        QCOMPARE(c.text("Command60"), QStringLiteral("ping"));
    }
};

QTEST_GUILESS_MAIN(LanReadAllTest)
#include "tst_lan_read_all.moc"
