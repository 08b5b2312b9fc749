// The SET buttons on the virtual clock: what every click does first, the sends over both links,
// the refused values, and the factory reset and restart sequences.

#include <QtTest>

#include "fakes/PanelWatch.h"
#include "fakes/TestRig.h"
#include "read/QueryIndex.h"

using namespace qx;
using namespace qx::test;

namespace {

void chooseLan(TestRig& rig) {
    rig.controls().setChecked("Option8", true);
}

}  // namespace

class SetButtonsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Every click stops the poll and points replies at the catch-all index, whatever it sends.
    void everyClickStopsThePoll_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("portOpen");
        QTest::newRow("sends") << 0 << true;
        QTest::newRow("sends nothing: empty steps") << 1 << true;
        QTest::newRow("port closed") << 12 << false;
        QTest::newRow("index outside") << 40 << true;
        QTest::newRow("restart cancelled") << 28 << true;
    }
    void everyClickStopsThePoll() {
        QFETCH(int, index);
        QFETCH(bool, portOpen);
        TestRig rig;
        rig.messages.answers = {MessageBoxes::Answer::Cancel};
        if (portOpen) rig.serial.open();
        rig.form->setTimer1Interval(1000);
        QueryIndex = 1;
        rig.controls().setText("Text1(0)", "800");
        rig.controls().setText("Text1(1)", "");
        rig.form->Command6_Click(index);
        QCOMPARE(rig.form->timer1Interval(), 0);
        QCOMPARE(QueryIndex, kCatchAllIndex);
        rig.clock.advance(5000);
        QVERIFY(rig.log.of("serial").size() <= 1);
        QVERIFY(!rig.log.of("serial").contains(":GXE1#"));  // no poll after the click
    }

    void sendsOverTheChosenLink() {
        TestRig rig;
        rig.serial.open();
        rig.controls().setText("Text1(5)", "+139*45");
        rig.form->Command6_Click(11);
        QCOMPARE(rig.log.of("serial"), QStringList{":Sg-139*45#"});

        chooseLan(rig);
        rig.log.clear();
        rig.form->Command6_Click(11);
        // The LAN connects anew first, then sends.
        QCOMPARE(rig.log.rows()
                     .filter(QRegularExpression(" (tcp|lan) "))
                     .replaceInStrings(QRegularExpression("^\\d+ "), ""),
                 (QStringList{"tcp connect 192.168.1.1:9999", "lan :Sg-139*45#"}));
        QVERIFY(rig.log.of("serial").isEmpty());

        rig.tcp.reachable = false;
        rig.log.clear();
        rig.form->Command6_Click(11);
        QVERIFY(rig.log.of("lan").isEmpty());
    }

    // The microstep selectors are also the calculator's inputs: they are copied over even when
    // nothing can be sent.
    void microstepsAreCopiedToTheCalculator_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("combo");
        QTest::addColumn<QString>("text");
        QTest::newRow("RA") << 21 << "Combo4"
                            << "Text3";
        QTest::newRow("DEC") << 23 << "Combo6"
                             << "Text7";
    }
    void microstepsAreCopiedToTheCalculator() {
        QFETCH(int, index);
        QFETCH(QString, combo);
        QFETCH(QString, text);
        TestRig rig;
        rig.controls().setText(combo, " 16");
        rig.form->Command6_Click(index);
        QCOMPARE(rig.controls().text(text), QStringLiteral(" 16"));
        QVERIFY(rig.log.of("serial").isEmpty());
        rig.controls().setText(text, "8");
        rig.form->Command6_Click(index == 21 ? 22 : 24);  // the slewing selectors are not copied
        QCOMPARE(rig.controls().text(text), QStringLiteral("8"));
    }

    // A value that would break the command's framing is not sent; the field says why until the
    // operator changes it.
    void refusedValueMarksTheField() {
        TestRig rig;
        rig.serial.open();
        rig.controls().setText("Text1(23)", "ab#:Pz");
        rig.form->Command6_Click(17);
        QVERIFY(rig.log.of("serial").isEmpty());
        QVERIFY(rig.controls().mark("Text1(23)").contains("#"));
        rig.controls().setText("Text1(23)", "abc");
        QVERIFY(rig.controls().mark("Text1(23)").isEmpty());
        rig.form->Command6_Click(17);
        QCOMPARE(rig.log.of("serial"), QStringList{":Pmabc#"});
    }

    // The factory reset with the port open: the commands with their waits, the gear fields
    // emptied, and the window disconnected at the end.
    void factoryResetOverSerial() {
        TestRig rig;
        rig.attachSimulator();
        rig.serial.open();
        for (const char* f :
             {"Text1(1)", "Text1(2)", "Text1(100)", "Text1(101)", "Text1(102)", "Text1(103)"})
            rig.controls().setText(QLatin1String(f), "1");
        PanelWatch panel(rig);
        rig.form->Command6_Click(27);
        QCOMPARE(rig.log.of("message"), QStringList{"工場出荷設定|工場設定値に戻しますか？"});
        QCOMPARE(rig.log.timedOf("serial"),
                 (QStringList{"0 :Pd#", "1000 :SXA1,R#", "2000 :GXEM#", "2010 :GXA1#",
                              "2020 :GXE7#", "2030 :GXA2#", "4030 :SXA2,R#", "5030 :GXEM#",
                              "5040 :GXA1#", "5050 :GXE7#", "5060 :GXA2#", "7060 :Pz#"}));
        QCOMPARE(panel.shownAt, 0.0);
        QCOMPARE(panel.shownMs(), 7060.0);
        for (const char* f :
             {"Text1(1)", "Text1(2)", "Text1(100)", "Text1(101)", "Text1(102)", "Text1(103)"})
            QVERIFY2(rig.controls().text(QLatin1String(f)).isEmpty(), f);
        QVERIFY(!rig.serial.isOpen());
        QVERIFY(rig.controls().enabled("Command11"));
        QVERIFY(!rig.controls().enabled("Command12"));
    }

    // With the link not ready nothing is sent, but every wait still passes.
    void factoryResetWaitsWithoutALink_data() {
        QTest::addColumn<bool>("lan");
        QTest::addColumn<double>("panelMs");
        QTest::newRow("serial port closed") << false << 7060.0;
        QTest::newRow("LAN down") << true << 12200.0;
    }
    void factoryResetWaitsWithoutALink() {
        QFETCH(bool, lan);
        QFETCH(double, panelMs);
        TestRig rig;
        if (lan) chooseLan(rig);
        rig.tcp.reachable = false;
        rig.controls().setText("Text1(101)", "16");
        PanelWatch panel(rig);
        rig.form->Command6_Click(27);
        QCOMPARE(panel.shownMs(), panelMs);
        QVERIFY(rig.log.of("serial").isEmpty() && rig.log.of("lan").isEmpty());
        QVERIFY(rig.controls().text("Text1(101)").isEmpty());
        QVERIFY(!rig.controls().visible("Picture7"));
        QVERIFY(!rig.controls().enabled("Command12"));
        // The disconnect always closes the LAN link; the LAN reset closes it once more.
        QCOMPARE(int(rig.log.of("sound").count("Deconnect.mp3")), lan ? 2 : 1);
    }

    void factoryResetOverLan() {
        TestRig rig;
        rig.attachSimulator();
        chooseLan(rig);
        rig.form->Command6_Click(27);
        const QStringList sent = rig.log.of("lan");
        QCOMPARE(sent.first(), QStringLiteral(":Pd#"));
        QCOMPARE(sent.last(), QStringLiteral(":Pz#"));
        QCOMPARE(sent.size(), 12);
        QCOMPARE(rig.tcp.connectAttempts, 2);  // at the click, and again after the confirmation
        QCOMPARE(rig.tcp.state(), int(TcpClient::Closed));
    }

    void cancelSendsNothing_data() {
        QTest::addColumn<int>("index");
        QTest::newRow("factory reset") << 27;
        QTest::newRow("restart") << 28;
    }
    void cancelSendsNothing() {
        QFETCH(int, index);
        TestRig rig;
        rig.serial.open();
        rig.messages.answers = {MessageBoxes::Answer::Cancel};
        rig.form->Command6_Click(index);
        QVERIFY(rig.log.of("serial").isEmpty());
        QVERIFY(rig.serial.isOpen());
        QVERIFY(!rig.controls().visible("Picture7"));
    }

    void restart() {
        TestRig rig;
        rig.serial.open();
        rig.controls().setText("Text1(0)", "800");
        rig.form->Command6_Click(28);
        QCOMPARE(rig.log.of("message"), QStringList{"再起動|コントローラーを再起動しますか？"});
        QCOMPARE(rig.log.of("serial"), QStringList{":Pz#"});
        QVERIFY(!rig.serial.isOpen());
        QVERIFY(rig.controls().text("Text1(0)").isEmpty());  // the disconnect empties the window
    }
};

QTEST_GUILESS_MAIN(SetButtonsTest)
#include "tst_set_buttons.moc"
