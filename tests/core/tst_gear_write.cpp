// The motor gear write "書き込み" on the virtual clock: its timed sequence over both links, the
// axis-settings commands built at their step, the restart question, and what a field that cannot
// be written does.

#include <QtTest>

#include "fakes/PanelWatch.h"
#include "fakes/TestRig.h"
#include "read/QueryIndex.h"
#include "write/GearWrite.h"

using namespace qx;
using namespace qx::test;

namespace {

const QStringList kGearFields{"Text1(1)",   "Text1(2)",   "Text1(100)",
                              "Text1(101)", "Text1(102)", "Text1(103)"};

const QString kRaCommand = QStringLiteral(":SXA1,12800,-1,-180,180,16,-1,-1,-1,-1,-1#");
const QString kDecCommand = QStringLiteral(":SXA2,12800,-2,-180,180,32,-1,-1,-1,-1,-1#");

// A controller read into the window: RA 12800 steps, clockwise, 16 microsteps; DEC 12800,
// counter-clockwise, 32.
struct GearRig : TestRig {
    explicit GearRig(bool lan = false) {
        attachSimulator();
        if (lan)
            controls().setChecked("Option8", true);
        else
            serial.open();
        setGear({"12800", "12800", "1", "16", "0", "32"});
        log.clear();
    }
    void setGear(const QStringList& texts) {
        for (int i = 0; i < kGearFields.size(); ++i) controls().setText(kGearFields[i], texts[i]);
    }
    // At `atMs` on the virtual clock (the write starts at 0), `field` is given `text`.
    void editAt(double atMs, const char* field, const char* text) {
        clock.post(atMs, [this, field, text] { controls().setText(field, text); });
    }
    void write() { writeMotorGear(*form); }
    // What the operator and the controller saw: sends, sounds and the question, with their times.
    QStringList sequence(const char* link) const {
        const QRegularExpression kinds(QStringLiteral("^\\d+ (%1|sound|message) ").arg(link));
        return log.rows().filter(kinds);
    }
    QStringList gearTexts() {
        QStringList out;
        for (const QString& field : kGearFields) out << controls().text(field);
        return out;
    }
};

}  // namespace

class GearWriteTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Serial: the waits add up to 10 360 ms before the end sound; the second and third read-back
    // groups follow each other without a pause (5180 ms).
    void serialSequence() {
        GearRig rig;
        PanelWatch panel(rig);
        QueryIndex = 7;
        rig.write();
        QCOMPARE(rig.sequence("serial"),
                 (QStringList{
                     "0 sound kakikomistart.mp3", "0 serial :Pd#", "1000 serial :SXAC,0#",
                     "2000 serial :GXEm#", "2030 serial :GXA1#", "2060 serial :GXE7#",
                     "2090 serial :GXA2#", "3090 serial " + kRaCommand, "4090 serial :SXE7,1#",
                     "5090 serial :GXEm#", "5120 serial :GXA1#", "5150 serial :GXE7#",
                     "5180 serial :GXA2#", "5180 serial :GXEm#", "5210 serial :GXA1#",
                     "5240 serial :GXE7#", "5270 serial :GXA2#", "6270 serial " + kDecCommand,
                     "7270 serial :SXE7,1#", "8270 serial :GXEm#", "8300 serial :GXA1#",
                     "8330 serial :GXE7#", "8360 serial :GXA2#", "10360 sound kakikomiend.mp3",
                     "10360 message 再起動|コントローラーを再起動しますか？", "10360 serial :Pz#",
                     // The port closes a second after the answer; the disconnect follows.
                     "11360 sound Deconnect.mp3", "11360 sound Deconnect.mp3"}));
        QCOMPARE(rig.log.timedOf("port"), QStringList{"11360 close"});
        QCOMPARE(panel.shownAt, 0.0);
        QCOMPARE(panel.hiddenAt, 11360.0);
        QCOMPARE(rig.gearTexts(), QStringList(6, QString()));
        QCOMPARE(QueryIndex, qint16(7));  // the read-backs are not routed anywhere of their own
        // Disconnected, and locked until the next read.
        QVERIFY(rig.controls().enabled("Command11"));
        QVERIFY(!rig.controls().enabled("Command12"));
        QVERIFY(!rig.controls().enabled("Command52"));
    }

    // LAN: 6000 ms, the connect (2 ms here), then waits of 17 500 ms to the end sound.
    void lanSequence() {
        GearRig rig(true);
        PanelWatch panel(rig);
        rig.write();
        QCOMPARE(
            rig.sequence("tcp|lan"),
            (QStringList{
                "0 sound kakikomistart.mp3", "6000 tcp connect 192.168.1.1:9999",
                "6002 sound connect.mp3", "6002 lan :Pd#", "7002 lan :SXAC,0#", "8002 lan :GXEm#",
                "8502 lan :GXA1#", "9002 lan :GXE7#", "9502 lan :GXA2#", "10002 lan " + kRaCommand,
                "12002 lan :SXE7,1#", "13002 lan :GXEm#", "13502 lan :GXA1#", "14002 lan :GXE7#",
                "14502 lan :GXA2#", "15002 lan :GXEm#", "15502 lan :GXA1#", "16002 lan :GXE7#",
                "16502 lan :GXA2#", "17002 lan " + kDecCommand, "19002 lan :SXE7,1#",
                "20002 lan :GXEm#", "20502 lan :GXA1#", "21002 lan :GXE7#", "21502 lan :GXA2#",
                "23502 sound kakikomiend.mp3",
                "23502 message 再起動|コントローラーを再起動しますか？", "23502 lan :Pz#",
                // NETOffLine1 a second later, then the disconnect closes the LAN once more.
                "24502 sound Deconnect.mp3", "24502 sound Deconnect.mp3"}));
        QCOMPARE(panel.shownAt, 6002.0);
        QCOMPARE(panel.hiddenAt, 24502.0);
        QCOMPARE(rig.tcp.state(), int(TcpClient::Closed));
        QCOMPARE(rig.gearTexts(), QStringList(6, QString()));
    }

    // The axis-settings command is built at its own step, from the fields as they are then.
    void editsDuringTheWaitsAreTaken() {
        GearRig rig;
        rig.editAt(1500, "Text1(1)", "6400");
        rig.editAt(2500, "Text1(100)", "0");
        rig.editAt(3500, "Text1(101)", "64");  // after the RA command: too late for it
        rig.editAt(5500, "Text1(103)", "");
        rig.editAt(6000, "Text1(102)", "2");
        rig.write();
        const QStringList axes = rig.log.timedOf("serial").filter(":SXA");
        QCOMPARE(axes,
                 (QStringList{"1000 :SXAC,0#", "3090 :SXA1,6400,-2,-180,180,16,-1,-1,-1,-1,-1#",
                              "6270 :SXA2,12800, 0,-180,180,,-1,-1,-1,-1,-1#"}));
    }

    void cancelAtTheRestartQuestion_data() {
        QTest::addColumn<bool>("lan");
        QTest::newRow("serial") << false;
        QTest::newRow("LAN") << true;
    }
    void cancelAtTheRestartQuestion() {
        QFETCH(bool, lan);
        GearRig rig(lan);
        rig.messages.answers = {MessageBoxes::Answer::Cancel};
        rig.write();
        QCOMPARE(rig.log.of("message"), QStringList{"再起動|コントローラーを再起動しますか？"});
        QVERIFY(!rig.log.of(lan ? "lan" : "serial").contains(":Pz#"));
        QVERIFY(!rig.serial.isOpen());
        QCOMPARE(rig.tcp.state(), int(TcpClient::Closed));
        QCOMPARE(rig.gearTexts(), QStringList(6, QString()));
        QVERIFY(!rig.controls().visible("Picture7"));
        QVERIFY(!rig.controls().enabled("Command12"));
    }

    // With no link nothing is sent, but the sounds, the waits, the question and the end remain.
    void withoutALink_data() {
        QTest::addColumn<bool>("lan");
        QTest::addColumn<double>("endSoundAt");
        QTest::addColumn<double>("panelMs");
        QTest::newRow("serial port closed") << false << 10360.0 << 11360.0;
        // The connect gives up after its time limit of 5000 ms.
        QTest::newRow("LAN down") << true << 6000 + 5000 + 17500.0 << 18500.0;
    }
    void withoutALink() {
        QFETCH(bool, lan);
        QFETCH(double, endSoundAt);
        QFETCH(double, panelMs);
        GearRig rig(lan);
        rig.serial.close();
        rig.tcp.reachable = false;
        PanelWatch panel(rig);
        rig.write();
        QVERIFY(rig.log.of("serial").isEmpty());
        QVERIFY(rig.log.of("lan").isEmpty());
        QCOMPARE(rig.log.timedOf("sound").filter("kakikomi"),
                 (QStringList{"0 kakikomistart.mp3",
                              QStringLiteral("%1 kakikomiend.mp3").arg(endSoundAt)}));
        QCOMPARE(rig.log.of("message").size(), 1);
        QCOMPARE(panel.shownMs(), panelMs);
        QCOMPARE(rig.gearTexts(), QStringList(6, QString()));
        QVERIFY(!rig.controls().enabled("Command12"));
        QVERIFY(rig.controls().enabled("Command11"));
    }

    // A field that cannot go into its axis' command refuses the whole write before anything
    // happens: the field says why, and nothing is sent, played, asked, locked or emptied.
    void refusedBeforeTheStart_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("reasonHolds");
        QTest::addColumn<QString>("mended");
        QTest::newRow("RA direction not a number") << "Text1(100)"
                                                   << "正転"
                                                   << "回転方向"
                                                   << "1";
        QTest::newRow("DEC direction empty") << "Text1(102)"
                                             << ""
                                             << "回転方向"
                                             << "0";
        QTest::newRow("# in the RA steps") << "Text1(1)"
                                           << "12800#:Pz"
                                           << "#"
                                           << "12800";
        QTest::newRow("control character in the DEC steps") << "Text1(2)"
                                                            << "128\r00"
                                                            << "U+000D"
                                                            << "12800";
        QTest::newRow("not ASCII in the DEC microsteps") << "Text1(103)"
                                                         << "３２"
                                                         << "３"
                                                         << "32";
    }
    void refusedBeforeTheStart() {
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(QString, reasonHolds);
        QFETCH(QString, mended);
        GearRig rig;
        rig.controls().setText(field, text);
        const QStringList before = rig.gearTexts();
        rig.write();
        QCOMPARE(rig.log.rows(), QStringList{});
        QVERIFY2(rig.controls().mark(field).contains(reasonHolds),
                 qPrintable(rig.controls().mark(field)));
        QCOMPARE(rig.gearTexts(), before);
        QVERIFY(rig.serial.isOpen());
        QVERIFY(rig.controls().enabled("Command52"));
        QVERIFY(!rig.controls().visible("Picture7"));

        // Mended, the field loses its mark and the write goes ahead.
        rig.controls().setText(field, mended);
        QVERIFY(rig.controls().mark(field).isEmpty());
        rig.write();
        QCOMPARE(rig.log.of("serial").filter(":SXA").size(), 3);
    }

    // A field spoiled during the waits skips its own axis only; every wait still passes, and the
    // emptied field says why its axis was not written.
    void spoiledDuringTheWaits() {
        GearRig rig;
        rig.editAt(1500, "Text1(100)", "cw");
        rig.write();
        const QStringList sent = rig.log.timedOf("serial");
        QVERIFY(sent.filter(":SXA1,").isEmpty());
        QCOMPARE(sent.filter(":SXA2,"), QStringList{"6270 " + kDecCommand});
        QVERIFY(sent.contains("4090 :SXE7,1#"));
        QCOMPARE(rig.log.timedOf("sound").filter("kakikomiend"),
                 QStringList{"10360 kakikomiend.mp3"});
        QVERIFY(rig.controls().text("Text1(100)").isEmpty());
        QVERIFY(rig.controls().mark("Text1(100)").contains("書き込まれませんでした"));
        QVERIFY(rig.controls().mark("Text1(102)").isEmpty());
    }
};

QTEST_GUILESS_MAIN(GearWriteTest)
#include "tst_gear_write.moc"
