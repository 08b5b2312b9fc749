// The direction buttons: the command over an open serial port only, the lamp pair in any case,
// and the poll paused around the send.

#include <QtTest>

#include "MountFixtures.h"
#include "fakes/TestRig.h"

using namespace qx;
using namespace qx::test;

class DirectionButtonsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void directionButtons_data() {
        QTest::addColumn<int>("button");
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("lit");
        QTest::addColumn<QString>("unlit");
        QTest::newRow("赤経方位+") << 1 << ":TA#"
                                   << "Shape1"
                                   << "Shape2";
        QTest::newRow("赤経方位-") << 2 << ":TB#"
                                   << "Shape2"
                                   << "Shape1";
        QTest::newRow("赤緯高度+") << 3 << ":TC#"
                                   << "Shape3"
                                   << "Shape4";
        QTest::newRow("赤緯高度-") << 4 << ":TD#"
                                   << "Shape4"
                                   << "Shape3";
    }
    void directionButtons() {
        QFETCH(int, button);
        QFETCH(QString, command);
        QFETCH(QString, lit);
        QFETCH(QString, unlit);
        void (Form1::*const clicks[])() = {&Form1::Command1_Click, &Form1::Command2_Click,
                                           &Form1::Command3_Click, &Form1::Command4_Click};
        for (const bool portOpen : {true, false}) {
            TestRig rig;
            paintDirectionLampsGreen(rig.controls());
            if (portOpen) rig.serial.open();
            QList<int> intervals;
            QObject::connect(&rig.controls(), &Controls::changed, [&](const QString& name) {
                if (name == lit) intervals << rig.form->timer1Interval();
            });
            (rig.form.get()->*clicks[button - 1])();
            QCOMPARE(rig.log.of("serial"), portOpen ? QStringList{command} : QStringList{});
            QCOMPARE(rig.controls().backColor(lit), kLampLit);
            QCOMPARE(rig.controls().backColor(unlit), kLampUnlit);
            QCOMPARE(intervals, QList<int>{0});  // stopped while the lamps change
            QCOMPARE(rig.form->timer1Interval(), 1000);
        }
    }

    // Over the LAN they still send only over an open serial port.
    void lanChosenOnlyColours() {
        TestRig rig;
        rig.attachSimulator();
        rig.controls().setChecked("Option8", true);
        rig.form->Command1_Click();
        QVERIFY(rig.log.rows().isEmpty());
        QCOMPARE(rig.controls().backColor("Shape1"), kLampLit);
    }
};

QTEST_GUILESS_MAIN(DirectionButtonsTest)
#include "tst_direction_buttons.moc"
