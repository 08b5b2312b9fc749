// The controller model write on the virtual clock: what reaches the controller and when, the
// closed port and the LAN, the stop at a failed calculation, and the user preset it stores.

#include <QtTest>

#include "MountFixtures.h"
#include "fakes/TestRig.h"
#include "mount/FamilyPresets.h"
#include "mount/ModelPresets.h"
#include "mount/ModelWrite.h"
#include "mount/UserPresetFile.h"

using namespace qx;
using namespace qx::test;

namespace {

// The window after start-up (family 0, lamps green), with the serial port open or not.
struct WriteRig {
    TestRig rig;
    Controls& c = rig.controls();

    explicit WriteRig(bool portOpen = true) {
        rig.form->Form_Load();
        rig.form->Form_Activate();
        if (portOpen) rig.serial.open();
        rig.log.clear();
        start = rig.clock.nowMs();
    }
    double start = 0;
    void chooseModel(const QString& model) {
        start = rig.clock.nowMs();
        c.setText("Combo2", model);
        applyModelPreset(*rig.form);
    }
    // The rows after the start, their times counted from it.
    QStringList rows() const {
        QStringList out;
        for (const QString& row : rig.log.rows()) {
            const int blank = row.indexOf(' ');
            out << QStringLiteral("%1%2")
                       .arg(row.left(blank).toDouble() - start)
                       .arg(row.mid(blank));
        }
        return out;
    }
    QByteArray presetFile() const { return presetFileBytes(rig); }
};

}  // namespace

class ModelWriteTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // "GP" with the port open: the preset's two directions, the same two again from the write with
    // their waits, the nine gear settings 500 ms apart, then the box, ":$PP#" and the close.
    void gpWithThePortOpen() {
        WriteRig w;
        QStringList captions;
        QObject::connect(&w.c, &Controls::changed, [&](const QString& name) {
            if (name == QLatin1String("Command19")) captions << w.c.text(name);
        });
        w.chooseModel("GP");
        QCOMPARE(w.rows(), (QStringList{
                               "0 serial :TB#",
                               "0 serial :TD#",
                               "0 serial :TB#",
                               "300 serial :TD#",
                               "800 serial :PA400#",
                               "1300 serial :PB2133#",
                               "1800 serial :PC2133#",
                               "2300 serial :PD5333#",
                               "2800 serial :PE5333#",
                               "3300 serial :$PJ8#",
                               "3800 serial :$PK1#",
                               "4300 serial :$PL8#",
                               "4800 serial :$PM1#",
                               "5300 message QuorvelX|書き込みが終了しました。",
                               "5300 serial :$PP#",
                               "5300 port close",
                               "5300 sound Deconnect.mp3",
                           }));
        QCOMPARE(captions, (QStringList{"書込中", "書込中.", "書込中..", "書込中...", "書込中....",
                                        "書込中.....", "書込中......", "書込中.......",
                                        "コントローラー書込"}));
        QVERIFY(!w.rig.serial.isOpen());
        QCOMPARE(w.rig.form->timer1Interval(), 0);          // the SET buttons stopped the poll
        QCOMPARE(w.presetFile(), QByteArray("<missing>"));  // family 0 is not the user's table
    }

    // The write sends the directions the lamps show and leaves the lamps as they are.
    void directionsFromTheLamps_data() {
        QTest::addColumn<quint32>("shape1");
        QTest::addColumn<quint32>("shape3");
        QTest::addColumn<QStringList>("commands");
        QTest::newRow("RA - lit, DEC + lit")
            << kLampUnlit << kLampLit << QStringList{"0 serial :TB#", "300 serial :TC#"};
        QTest::newRow("both + lit")
            << kLampLit << kLampLit << QStringList{"0 serial :TA#", "300 serial :TC#"};
        QTest::newRow("green, not read: the minus directions")
            << kLampNotRead << kLampNotRead << QStringList{"0 serial :TB#", "300 serial :TD#"};
    }
    void directionsFromTheLamps() {
        QFETCH(quint32, shape1);
        QFETCH(quint32, shape3);
        QFETCH(QStringList, commands);
        WriteRig w;
        w.c.setBackColor("Shape1", shape1);
        w.c.setBackColor("Shape3", shape3);
        writeControllerModel(*w.rig.form);
        QCOMPARE(w.rows().mid(0, 2), commands);
        QCOMPARE(w.c.backColor("Shape1"), shape1);
        QCOMPARE(w.c.backColor("Shape3"), shape3);
    }

    // With the port closed the write recalculates, stores the table when it is the user's, sends
    // nothing and shows no box.
    void portClosed_data() {
        QTest::addColumn<bool>("editedByHand");
        QTest::addColumn<QByteArray>("file");
        QTest::newRow("family 0") << false << QByteArray("<missing>");
        QTest::newRow("その他: the model's values are stored")
            << true
            << QByteArray(
                   "\"200\",\"8\",\"3\",\"240\",\"200\",\"8\",\"3\",\"144\",\"400\","
                   "\"1\",\"0\",");
    }
    void portClosed() {
        QFETCH(bool, editedByHand);
        QFETCH(QByteArray, file);
        WriteRig w(false);
        if (editedByHand) gearFieldKeyDown(*w.rig.form);
        w.chooseModel("NJP");
        QCOMPARE(w.c.text("Text1(1)"), QStringLiteral("3200"));
        QCOMPARE(w.c.text("Text10"), QStringLiteral("0.78125"));
        QCOMPARE(w.c.text("Text11"), QStringLiteral("187"));
        QCOMPARE(w.c.text("Command19"), QStringLiteral("コントローラー書込"));
        QCOMPARE(w.presetFile(), file);
        QVERIFY(w.rows().isEmpty());
        QCOMPARE(w.rig.clock.nowMs(), w.start);
    }

    // The LAN chosen: the directions and the write are serial only, so nothing goes anywhere,
    // also in the seconds after: the directions chosen leave the poll stopped.
    void lanChosenSendsNothing() {
        WriteRig w(false);
        w.rig.attachSimulator();
        w.c.setChecked("Option8", true);
        w.chooseModel("GP");
        QCOMPARE(w.c.text("Text1(1)"), QStringLiteral("2133"));
        QCOMPARE(w.c.backColor("Shape2"), kLampLit);
        w.rig.clock.advance(3000);
        QVERIFY2(w.rows().isEmpty(), qPrintable(w.rows().join('\n')));
        QCOMPARE(w.rig.form->timer1Interval(), 0);
    }

    // A calculation that stops ends the write: nothing stored, nothing sent, and the caption and
    // the marked input say why.
    void calculationStopEndsTheWrite() {
        WriteRig w;
        gearFieldKeyDown(*w.rig.form);  // "その他": it would be stored
        w.c.setText("Text1(0)", "");
        writeControllerModel(*w.rig.form);
        QVERIFY(w.rows().isEmpty());
        QCOMPARE(w.presetFile(), QByteArray("<missing>"));
        QCOMPARE(w.c.text("Command19"), QStringLiteral("書込中止（計算不可）"));
        QVERIFY(!w.c.mark("Text1(0)").isEmpty());
        QVERIFY(w.rig.serial.isOpen());
    }

    // A port that goes away during the write: the rest is not sent, and the write is not reported
    // as finished.
    void portLostDuringTheWrite() {
        WriteRig w;
        w.rig.clock.post(1000, [&] { w.rig.serial.vanish(); });
        writeControllerModel(*w.rig.form);
        QCOMPARE(w.rig.log.of("serial"), (QStringList{":TB#", ":TD#", ":PA150#"}));
        QVERIFY(w.rig.log.of("message").isEmpty());
        QCOMPARE(w.c.text("Command19"), QStringLiteral("書込中断（ポート切断）"));
        QVERIFY(w.c.enabled("Command11"));
    }

    // The simulated controller takes what the write sends: after it, the controller answers with
    // the new values.
    void theControllerKeepsWhatWasWritten() {
        WriteRig w;
        sim::Controller& controller = w.rig.attachSimulator();
        w.chooseModel("NJP");
        QCOMPARE(controller.queryValue(":GXE1#"), QStringLiteral("400"));
        QCOMPARE(controller.queryValue(":GXE4#"), QStringLiteral("3200"));
        QCOMPARE(controller.queryValue(":GXEF#"), QStringLiteral("1"));
        QCOMPARE(controller.queryValue(":GXEG#"), QStringLiteral("0"));
    }
};

QTEST_GUILESS_MAIN(ModelWriteTest)
#include "tst_model_write.moc"
