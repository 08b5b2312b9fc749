// The axis-settings command of the motor gear write, built from the texts of an axis' fields.

#include <QtTest>

#include "write/AxisSettings.h"

using namespace qx;

class AxisSettingsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void command_data() {
        QTest::addColumn<int>("axis");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("direction");
        QTest::addColumn<QString>("microsteps");
        QTest::addColumn<QString>("command");
        auto row = [](const char* name, int axis, const char* steps, const char* direction,
                      const char* microsteps, const char* command) {
            QTest::newRow(name) << axis << QString::fromUtf8(steps) << QString::fromUtf8(direction)
                                << QString::fromUtf8(microsteps) << QString::fromUtf8(command);
        };
        row("RA clockwise", 1, "12800", "1", "16", ":SXA1,12800,-1,-180,180,16,-1,-1,-1,-1,-1#");
        row("DEC counter-clockwise", 2, "12800", "0", "32",
            ":SXA2,12800,-2,-180,180,32,-1,-1,-1,-1,-1#");
        // A result of 0 or more keeps its leading blank inside the command.
        row("direction 2", 1, "12800", "2", "16", ":SXA1,12800, 0,-180,180,16,-1,-1,-1,-1,-1#");
        row("direction 5", 1, "12800", "5", "16", ":SXA1,12800, 3,-180,180,16,-1,-1,-1,-1,-1#");
        // The direction is the whole value: rounded down, blanks around it allowed.
        row("direction 1.9", 1, "12800", "1.9", "16", ":SXA1,12800,-1,-180,180,16,-1,-1,-1,-1,-1#");
        row("direction -0.5", 1, "12800", "-0.5", "16",
            ":SXA1,12800,-3,-180,180,16,-1,-1,-1,-1,-1#");
        row("direction with blanks", 2, "12800", " 0 ", "32",
            ":SXA2,12800,-2,-180,180,32,-1,-1,-1,-1,-1#");
        // Steps and microsteps go out exactly as typed.
        row("empty microsteps", 1, "12800", "1", "", ":SXA1,12800,-1,-180,180,,-1,-1,-1,-1,-1#");
        row("empty steps", 1, "", "1", "16", ":SXA1,,-1,-180,180,16,-1,-1,-1,-1,-1#");
        row("steps as typed", 1, " 12800.5", "1", "16 ",
            ":SXA1, 12800.5,-1,-180,180,16 ,-1,-1,-1,-1,-1#");
    }
    void command() {
        QFETCH(int, axis);
        QFETCH(QString, steps);
        QFETCH(QString, direction);
        QFETCH(QString, microsteps);
        QFETCH(QString, command);
        const GearAxis& gear = axis == 1 ? kRaAxis : kDecAxis;
        const AxisTexts texts{steps, direction, microsteps};
        QVERIFY(axisRefusals(gear, texts).empty());
        QCOMPARE(axisSettingsCommand(gear, texts), std::optional<QString>(command));
    }

    // What cannot go into the command: no command, and each spoiled field named with its reason.
    void refused_data() {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("direction");
        QTest::addColumn<QString>("microsteps");
        QTest::addColumn<QStringList>("fields");
        QTest::addColumn<QString>("reasonHolds");
        auto row = [](const char* name, const QString& steps, const QString& direction,
                      const QString& microsteps, const QStringList& fields, const char* holds) {
            QTest::newRow(name) << steps << direction << microsteps << fields
                                << QString::fromUtf8(holds);
        };
        row("direction empty", "12800", "", "16", {"Text1(100)"}, "回転方向");
        row("direction not a number", "12800", "cw", "16", {"Text1(100)"}, "回転方向");
        row("direction with a unit", "12800", "1 正転", "16", {"Text1(100)"}, "回転方向");
        row("# in the steps", "12800#:Pz", "1", "16", {"Text1(1)"}, "#");
        row("# in the microsteps", "12800", "1", "16#", {"Text1(101)"}, "#");
        row("control character", "128\t00", "1", "16", {"Text1(1)"}, "U+0009");
        row("not ASCII", "12800", "1", "１６", {"Text1(101)"}, "１");
        row("all three", "#", "x", "\n", (QStringList{"Text1(1)", "Text1(100)", "Text1(101)"}), "");
    }
    void refused() {
        QFETCH(QString, steps);
        QFETCH(QString, direction);
        QFETCH(QString, microsteps);
        QFETCH(QStringList, fields);
        QFETCH(QString, reasonHolds);
        const AxisTexts texts{steps, direction, microsteps};
        QCOMPARE(axisSettingsCommand(kRaAxis, texts), std::nullopt);
        QStringList refusedFields;
        for (const FieldRefusal& refusal : axisRefusals(kRaAxis, texts)) {
            refusedFields << refusal.field;
            QVERIFY2(refusal.reason.contains(reasonHolds), qPrintable(refusal.reason));
        }
        QCOMPARE(refusedFields, fields);
    }

    void directionFieldsOfTheDecAxis() {
        const AxisTexts texts{"12800", "?", "32"};
        QCOMPARE(axisRefusals(kDecAxis, texts).front().field, QStringLiteral("Text1(102)"));
        QCOMPARE(axisSettingsCommand(kDecAxis, {"12800", "1", "3#"}), std::nullopt);
    }
};

QTEST_GUILESS_MAIN(AxisSettingsTest)
#include "tst_axis_settings.moc"
