#include <QtTest>

#include "fakes/TestRig.h"
#include "read/QueryIndex.h"
#include "shell/ControlLocking.h"

using namespace qx;
using namespace qx::test;

class WindowLogicTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void settingsControlsAreTheEightyThree() {
        TestRig rig;
        const QStringList names = settingsControls();
        QCOMPARE(names.size(), 83);
        QCOMPARE(QSet<QString>(names.begin(), names.end()).size(), 83);
        for (const QString& name : names) QVERIFY2(rig.controls().exists(name), qPrintable(name));
    }

    // The first activation locks the settings and shows the not-connected state; later ones
    // (returning from a dialog or another program) change nothing.
    void activationRunsOnce() {
        TestRig rig;
        rig.form->Form_Load();
        int blinks = 0;
        QObject::connect(&rig.controls(), &Controls::changed, [&](const QString& name) {
            if (name == QLatin1String("Image3")) ++blinks;
        });
        rig.form->Form_Activate();
        QCOMPARE(rig.clock.nowMs(), 3000.0);
        QVERIFY(blinks >= 5);
        QVERIFY(!rig.controls().visible("Image3"));
        QVERIFY(!rig.controls().visible("Picture4"));
        for (const QString& name : settingsControls())
            QVERIFY2(!rig.controls().enabled(name), qPrintable(name));
        QVERIFY(rig.controls().enabled("Command6(0)"));  // not one of the settings controls
        QVERIFY(rig.controls().enabled("Command11"));
        QVERIFY(!rig.controls().enabled("Command12"));
        for (const char* lamp : {"Shape1", "Shape2", "Shape3", "Shape4"})
            QCOMPARE(rig.controls().backColor(QLatin1String(lamp)), kLampNotRead);

        AllDispON(rig.controls());
        rig.controls().setBackColor("Shape1", kLampLit);
        rig.form->Form_Activate();
        QCOMPARE(rig.clock.nowMs(), 3000.0);
        QVERIFY(rig.controls().enabled("Command34"));
        QCOMPARE(rig.controls().backColor("Shape1"), kLampLit);
    }

    void disconnectEmptiesTheWindow() {
        TestRig rig;
        rig.attachSimulator();
        rig.form->Command11_Click();
        rig.controls().setText("Text1(18)", "1");
        rig.controls().setText("Text1(22)", "200");
        rig.controls().setText("Text12", " 478");
        rig.controls().setEnabled("Command6(14)", false);
        rig.controls().setVisible("Command38", false);
        const QString microsteps = rig.controls().text("Combo4");
        rig.log.clear();
        const double start = rig.clock.nowMs();

        rig.form->Command12_Click();
        Controls& c = rig.controls();
        QCOMPARE(rig.form->timer1Interval(), 0);
        QVERIFY(!rig.serial.isOpen());
        for (const char* f :
             {"Text1(0)", "Text1(5)", "Text1(14)", "Text1(16)", "Text1(17)", "Text1(21)",
              "Text1(49)", "Text1(55)", "Text1(103)", "Text12", "Combo3", "Combo8", "Combo9"})
            QVERIFY2(c.text(QLatin1String(f)).isEmpty(), f);
        QCOMPARE(c.text("Text1(18)"), QStringLiteral("1"));
        QCOMPARE(c.text("Text1(22)"), QStringLiteral("200"));
        QCOMPARE(c.text("Combo4"), microsteps);
        for (int i : {1, 4, 7, 10, 14, 17, 18, 19})
            QCOMPARE(c.backColor(QStringLiteral("Shape%1").arg(i)), kLampUnlit);
        QVERIFY(c.enabled("Command61"));
        QVERIFY(!c.enabled("Command12"));
        QVERIFY(c.enabled("Command6(14)"));
        QVERIFY(c.visible("Command38"));
        QCOMPARE(rig.clock.nowMs() - start, 3000.0);
        // One sound for the serial port, one for the LAN link that closes in any case.
        QCOMPARE(rig.log.of("sound"), (QStringList{"Deconnect.mp3", "Deconnect.mp3"}));
        // Nothing more is asked once disconnected.
        rig.clock.advance(5000);
        QVERIFY(rig.log.of("serial").isEmpty());
    }

    void captionButtons_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<QStringList>("sent");
        QTest::addColumn<int>("queryIndex");
        QTest::newRow("MaxRate") << 0 << QStringList{":GXE1#"} << 1;
        QTest::newRow("horizon") << 13 << QStringList{":Gh#"} << 14;
        QTest::newRow("home azimuth") << 15 << QStringList{":G2#"} << 22;
        QTest::newRow("RA microsteps") << 18 << QStringList{} << 19;
    }
    void captionButtons() {
        QFETCH(int, index);
        QFETCH(QStringList, sent);
        QFETCH(int, queryIndex);
        TestRig rig;
        rig.serial.open();
        rig.form->Command5_Click(index);
        QCOMPARE(rig.log.of("serial"), sent);
        QCOMPARE(QueryIndex, qint16(queryIndex));
    }

    void captionButtonOverLanConnectsFirst() {
        TestRig rig;
        rig.controls().setChecked("Option8", true);
        rig.form->Command5_Click(16);
        QCOMPARE(rig.tcp.connectAttempts, 1);
        QVERIFY(rig.log.of("lan").isEmpty());
        rig.form->Command5_Click(14);
        QCOMPARE(rig.log.of("lan"), QStringList{":G1#"});
        QCOMPARE(QueryIndex, qint16(21));
    }

    void linkChoiceShowsItsControls() {
        TestRig rig;
        rig.form->Option8_Click();
        Controls& c = rig.controls();
        QVERIFY(!c.visible("Combo1") && c.visible("Text13") && c.visible("Command60"));
        QVERIFY(!c.visible("Command11") && c.visible("Command61") && c.visible("Command70"));
        QVERIFY(!c.checked("Option7"));
        rig.form->Option7_Click();
        QVERIFY(c.visible("Combo1") && !c.visible("Text13") && !c.visible("Command60"));
        QVERIFY(c.visible("Command11") && !c.visible("Command61") && !c.visible("Command70"));
        QVERIFY(rig.log.of("tcp").isEmpty());
    }

    void pingButton() {
        TestRig rig;
        rig.controls().setText("Text13", " 10.1.1.1");
        rig.pinger.status = 0;
        rig.form->Command60_Click();
        QCOMPARE(rig.log.of("ping"), QStringList{"10.1.1.1"});
        QCOMPARE(rig.controls().text("Command60"), QStringLiteral("OK"));
        rig.pinger.status = 11010;
        rig.form->Command60_Click();
        QCOMPARE(rig.controls().text("Command60"), QStringLiteral("NG"));
        QCOMPARE(rig.log.of("sound"), (QStringList{"IP.mp3", "IPno.mp3"}));
    }

    // Closing while connected saves the link choice, waits a second and ends, sending nothing.
    void unload() {
        TestRig rig;
        rig.attachSimulator();
        rig.form->Command11_Click();
        rig.log.clear();
        const double start = rig.clock.nowMs();
        rig.form->Form_Unload();
        QCOMPARE(rig.clock.nowMs() - start, 1000.0);
        QVERIFY(rig.log.of("serial").isEmpty());
        QCOMPARE(rig.log.of("end").size(), 1);
        QVERIFY(QFile::exists(rig.settingsFile("comm.DAT")));
    }

    void clockDisplay() {
        TestRig rig;
        rig.form->Form_Load();
        QCOMPARE(rig.controls().text("Label4"),
                 QStringLiteral("現在時間JST：   2024/3/5 9:7:5.42"));
        QCOMPARE(rig.controls().text("Label6"), QStringLiteral("時差 :   9 時間"));
    }
};

QTEST_GUILESS_MAIN(WindowLogicTest)
#include "tst_window_logic.moc"
