// The gear calculator: its formulas and result texts, the run over the gear table's fields with
// the stop at a failing step, and the slew-speed display beside the speed buttons.

#include <QtTest>

#include "fakes/TestRig.h"
#include "mount/FamilyPresets.h"
#include "mount/GearCalculation.h"
#include "mount/GearCalculator.h"

using namespace qx;
using namespace qx::test;

namespace {

const QStringList kResults{"Text1(1)", "Text1(2)", "Text1(3)", "Text1(4)", "Text10", "Text11"};

QStringList texts(Controls& c, const QStringList& names) {
    QStringList out;
    for (const QString& name : names) out << c.text(name);
    return out;
}

void fillGearTable(Controls& c, const QStringList& ra, const QStringList& dec,
                   const QString& maxRate) {
    for (int i = 0; i < 4; ++i) {
        c.setText(QStringLiteral("Text%1").arg(2 + i), ra[i]);
        c.setText(QStringLiteral("Text%1").arg(6 + i), dec[i]);
    }
    c.setText(QStringLiteral("Text1(0)"), maxRate);
}

QStringList marked(Controls& c) {
    QStringList out;
    for (const QString& name : c.names())
        if (!c.mark(name).isEmpty()) out << name;
    out.sort();
    return out;
}

}  // namespace

class GearCalculatorTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void resultText_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("whole") << 1450.0 << "1450";
        QTest::newRow("15 significant digits") << 1 / (1450 * 300 / 1e6) << "2.29885057471264";
        QTest::newRow("below one keeps its zero") << 0.5 << "0.5";
        QTest::newRow("negative below one") << -0.25 << "-0.25";
        QTest::newRow("zero") << 0.0 << "0";
        QTest::newRow("very large") << 1e20 << "1E+20";
    }
    void resultText() {
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(gearResultText(value), text);
    }

    void siderealMultiple_data() {
        QTest::addColumn<QString>("speed");
        QTest::addColumn<QString>("multiple");  // "<none>": Text12 is left as it was
        QTest::newRow("2 degrees per second") << "2"
                                              << " 478";
        QTest::newRow("as the controller answers") << "2.0"
                                                   << " 478";
        QTest::newRow("below one") << "0.001"
                                   << " 0";
        QTest::newRow("negative, no blank") << "-2"
                                            << "-479";
        QTest::newRow("zero") << "0"
                              << "<none>";
        QTest::newRow("not a number") << "abc"
                                      << "<none>";
        QTest::newRow("too small to divide by") << "1e-320"
                                                << "<none>";
    }
    void siderealMultiple() {
        QFETCH(QString, speed);
        QFETCH(QString, multiple);
        const std::optional<QString> text = siderealMultipleText(speed);
        QCOMPARE(text.value_or(QStringLiteral("<none>")), multiple);
    }

    // The family "ビクセンAP" with its MaxRate "300".
    void workedExample() {
        TestRig rig;
        applyFamilyPreset(*rig.form, 1);
        QCOMPARE(rig.controls().text("Text1(0)"), QStringLiteral("300"));
        calculateGearFromButton(*rig.form);
        QCOMPARE(texts(rig.controls(), kResults),
                 (QStringList{"1450", "1450", "3626", "3626", "2.29885057471264", "551"}));
        QVERIFY(marked(rig.controls()).isEmpty());
    }

    // Inputs are read by their leading value: a selector entry's blank does not matter, and the
    // coefficient never enters the results.
    void inputsReadByLeadingValue() {
        TestRig rig;
        Controls& c = rig.controls();
        fillGearTable(c, {"200", " 16", "3", "144"}, {"200", "8", "3", "144x"}, "400");
        c.setText("Text1(22)", "999");
        calculateGearFromButton(*rig.form);
        QCOMPARE(texts(c, kResults),
                 (QStringList{"3840", "1920", "9600", "4800", "0.651041666666667", "156"}));
        QCOMPARE(c.text("Text1(22)"), QStringLiteral("999"));
    }

    void coefficientDefault_data() {
        QTest::addColumn<bool>("fromPanel");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        QTest::newRow("button, empty") << false << ""
                                       << "200";
        QTest::newRow("panel, empty") << true << ""
                                      << "400";
        QTest::newRow("button, filled") << false << "150"
                                        << "150";
        QTest::newRow("panel, blank is not empty") << true << " "
                                                   << " ";
    }
    void coefficientDefault() {
        QFETCH(bool, fromPanel);
        QFETCH(QString, before);
        QFETCH(QString, after);
        TestRig rig;
        applyFamilyPreset(*rig.form, 0);
        rig.controls().setText("Text1(22)", before);
        (fromPanel ? calculateGearFromPanel : calculateGearFromButton)(*rig.form);
        QCOMPARE(rig.controls().text("Text1(22)"), after);
        QCOMPARE(rig.controls().text("Text1(1)"), QStringLiteral("3200"));
    }

    // A step that cannot be computed stops the calculation; what came before stays, the step and
    // those after it leave their fields, and the inputs to blame carry the reason.
    void stopAtTheFailingStep_data() {
        QTest::addColumn<QStringList>("ra");
        QTest::addColumn<QString>("maxRate");
        QTest::addColumn<QStringList>("results");
        QTest::addColumn<QStringList>("blamed");
        QTest::addColumn<QString>("reason");
        QTest::newRow("empty MaxRate") << QStringList{"200", "8", "4", "180"} << ""
                                       << QStringList{"3200", "3200", "6400", "6400", "o10", "o11"}
                                       << QStringList{"Text1(0)"} << "未入力のため計算できません";
        QTest::newRow("MaxRate 0")
            << QStringList{"200", "8", "4", "180"} << "0"
            << QStringList{"3200", "3200", "6400", "6400", "o10", "o11"} << QStringList{"Text1(0)"}
            << "0 または数値でないため計算できません";
        QTest::newRow("empty worm-wheel teeth: traced back from the steps per degree")
            << QStringList{"200", "8", "4", ""} << "150"
            << QStringList{"0", "3200", "6400", "6400", "o10", "o11"} << QStringList{"Text5"}
            << "未入力のため計算できません";
        QTest::newRow("a product below one degree's worth")
            << QStringList{"200", "8", "0.001", "144"} << "150"
            << QStringList{"0", "3200", "1", "6400", "o10", "o11"} << QStringList{"Text1(1)"}
            << "0 または数値でないため計算できません";
        QTest::newRow("overflow in the first product")
            << QStringList{"200", "8", "4", "1e308"} << "150"
            << QStringList{"", "", "o3", "o4", "o10", "o11"}
            << QStringList{"Text2", "Text3", "Text4", "Text5"} << "値が大きすぎて計算できません";
    }
    void stopAtTheFailingStep() {
        QFETCH(QStringList, ra);
        QFETCH(QString, maxRate);
        QFETCH(QStringList, results);
        QFETCH(QStringList, blamed);
        QFETCH(QString, reason);
        TestRig rig;
        Controls& c = rig.controls();
        const QStringList old{"o1", "o2", "o3", "o4", "o10", "o11"};
        for (int i = 0; i < kResults.size(); ++i) c.setText(kResults[i], old[i]);
        fillGearTable(c, ra, {"200", "8", "4", "180"}, maxRate);

        QVERIFY(!calculateGear(c));
        QCOMPARE(texts(c, kResults), results);
        QCOMPARE(marked(c), blamed);
        for (const QString& name : blamed) QCOMPARE(c.mark(name), reason);
    }

    // Its own marks go with the next calculation, also from the inputs the operator left alone;
    // a mark another check put on a field stays.
    void marksLastUntilTheNextCalculation() {
        TestRig rig;
        Controls& c = rig.controls();
        applyFamilyPreset(*rig.form, 0);
        c.setText("Text5", "1e308");
        c.setMark("Text1(22)", "other");
        QVERIFY(!calculateGear(c));
        QCOMPARE(marked(c), (QStringList{"Text1(22)", "Text2", "Text3", "Text4", "Text5"}));

        c.setText("Text5", "180");
        QVERIFY(calculateGear(c));
        QCOMPARE(marked(c), QStringList{"Text1(22)"});
    }

    void slewSpeedDisplay() {
        TestRig rig;
        Controls& c = rig.controls();
        c.setText("Text12", "old");
        c.setText("Text1(49)", "2");
        QCOMPARE(c.text("Text12"), QStringLiteral(" 478"));
        c.setText("Text1(49)", "");
        QCOMPARE(c.text("Text12"), QStringLiteral(" 478"));
        c.setText("Text1(49)", "0");
        QCOMPARE(c.text("Text12"), QStringLiteral(" 478"));
        c.setText("Text1(49)", "4.0");
        QCOMPARE(c.text("Text12"), QStringLiteral(" 957"));
        // Any change of a Text1 element brings the display back in step; other fields do not.
        c.setText("Text12", "typed");
        c.setText("Text2", "100");
        QCOMPARE(c.text("Text12"), QStringLiteral("typed"));
        c.setText("Text1(5)", "+139*45");
        QCOMPARE(c.text("Text12"), QStringLiteral(" 957"));
    }

    void manualCalculationOnlyHidesItself() {
        TestRig rig;
        applyFamilyPreset(*rig.form, 0);
        hideManualCalculation(*rig.form);
        QVERIFY(!rig.controls().visible("Command38"));
        QVERIFY(rig.controls().text("Text1(1)").isEmpty());
    }
};

QTEST_GUILESS_MAIN(GearCalculatorTest)
#include "tst_gear_calculator.moc"
