#include <QtTest>

#include "fakes/TestRig.h"
#include "link/LanLink.h"
#include "read/QueryIndex.h"

using namespace qx;
using namespace qx::test;

class LanLinkTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void framing_data() {
        QTest::addColumn<QList<QByteArray>>("events");
        QTest::addColumn<QStringList>("maxRateTexts");
        QTest::newRow("one reply") << QList<QByteArray>{"1234#"} << QStringList{"1234"};
        QTest::newRow("second reply of an event is lost")
            << QList<QByteArray>{"12#34#"} << QStringList{"12"};
        QTest::newRow("fragment dropped") << QList<QByteArray>{"12", "34#"} << QStringList{"34"};
    }
    void framing() {
        QFETCH(QList<QByteArray>, events);
        QFETCH(QStringList, maxRateTexts);
        TestRig rig;
        rig.form->frmTerm().NETconnect1();
        QueryIndex = 1;
        QStringList seen;
        QObject::connect(&rig.controls(), &Controls::changed, [&](const QString& name) {
            if (name == QLatin1String("Text1(0)")) seen << rig.controls().text(name);
        });
        for (const QByteArray& e : events) rig.tcp.deliver(e);
        QCOMPARE(seen, maxRateTexts);
        QCOMPARE(rig.form->frmTerm().rxBuffer(), QString());
    }

    void compositeWithoutHash() {
        TestRig rig;
        rig.form->frmTerm().NETconnect1();
        QueryIndex = 53;
        rig.tcp.deliver("12000,-1x,a,b,16.0");
        QCOMPARE(rig.controls().text("Text1(1)"), QStringLiteral("12000"));
        QCOMPARE(rig.controls().text("Text1(100)"), QStringLiteral("1"));
        QCOMPARE(rig.controls().text("Text1(101)"), QStringLiteral("16"));
    }

    void connectAndSend() {
        TestRig rig;
        rig.controls().setText("Text13", " 127.0.0.1 ");
        rig.form->frmTerm().NETconnect1();
        rig.form->frmTerm().NET_TX(QStringLiteral(":GXE1#"));
        QCOMPARE(rig.log.of("tcp"), QStringList{"connect 127.0.0.1:9999"});
        QCOMPARE(rig.log.of("lan"), QStringList{":GXE1#"});
        QVERIFY(!rig.controls().enabled("Command61"));
        QVERIFY(rig.controls().enabled("Command12"));
        QCOMPARE(rig.form->frmTerm().statusLog(),
                 (QStringList{"Port:9999接続中\r\n", "コントロール盤(9999)接続しました。\r\n"}));
        // Two LAN actions in a row each connect anew.
        rig.form->frmTerm().NETconnect1();
        QCOMPARE(rig.tcp.connectAttempts, 2);
        QCOMPARE(rig.log.of("sound"), (QStringList{"connect.mp3", "connect.mp3"}));
    }

    void closedOrClosingLinkSendsNothing() {
        TestRig rig;
        rig.form->frmTerm().NET_TX(QStringLiteral(":GXE1#"));
        rig.form->frmTerm().NETconnect1();
        rig.tcp.peerCloses();
        rig.form->frmTerm().NET_TX(QStringLiteral(":GXE1#"));
        QVERIFY(rig.log.of("lan").isEmpty());
    }

    // A controller that refuses is tried again until the time limit; the window keeps handling
    // events meanwhile, and afterwards nothing is sent.
    void unreachableControllerGivesUpAfterTheLimit() {
        TestRig rig;
        rig.tcp.reachable = false;
        bool clickHandled = false;
        rig.clock.post(1000, [&] { clickHandled = true; });
        rig.form->frmTerm().NETconnect1();
        QCOMPARE(rig.clock.nowMs(), FrmTerm::kConnectTimeLimitMs);
        QVERIFY(clickHandled);
        QVERIFY(rig.tcp.connectAttempts > 5);
        QVERIFY(rig.tcp.state() != TcpClient::Connected);
        rig.form->frmTerm().NET_TX(QStringLiteral(":GXE1#"));
        QVERIFY(rig.log.of("lan").isEmpty());
        // Outside a connect wait an error does not start new attempts.
        const int attempts = rig.tcp.connectAttempts;
        rig.clock.advance(10000);
        QCOMPARE(rig.tcp.connectAttempts, attempts);
        QCOMPARE(rig.log.of("sound"), QStringList{"connect.mp3"});
    }

    void offlineWithoutConnection() {
        TestRig rig;
        rig.form->frmTerm().NETOffLine1();
        QCOMPARE(rig.log.of("sound"), QStringList{"Deconnect.mp3"});
        QVERIFY(rig.controls().enabled("Command61"));
        QVERIFY(!rig.controls().enabled("Command12"));
    }
};

QTEST_GUILESS_MAIN(LanLinkTest)
#include "tst_lan_link.moc"
