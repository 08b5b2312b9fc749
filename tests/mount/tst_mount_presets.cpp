// The mount presets: the family options, the start-up family, the model list's fields and lamps,
// and the rule that makes a hand-edited table the user's own.

#include <QtTest>

#include "MountFixtures.h"
#include "fakes/TestRig.h"
#include "mount/FamilyPresets.h"
#include "mount/ModelPresets.h"
#include "mount/UserPresetFile.h"

using namespace qx;
using namespace qx::test;

namespace {

const QStringList kTable{"Text1(0)", "Text1(22)", "Combo4", "Combo5", "Combo6", "Combo7", "Text2",
                         "Text3",    "Text4",     "Text5",  "Text6",  "Text7",  "Text8",  "Text9"};

QStringList texts(Controls& c, const QStringList& names = kTable) {
    return textsOf(c, names);
}

int chosenFamily(Controls& c) {
    for (int i = 0; i < 5; ++i)
        if (c.checked(element("Option1", i))) return i;
    return -1;
}

// A user preset that no family has: 111..888, RA + and DEC +.
void writeUserPreset(TestRig& rig) {
    QFile f(rig.settingsFile(kSetDataFile));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(
        userPresetBytes({"111", "222", "333", "444", "555", "666", "777", "888", "999", "1", "1"}));
}
const QStringList kUserGear{"111", "222", "333", "444", "555", "666", "777", "888"};

}  // namespace

class MountPresetsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // The window opens with family 0; the activation then paints the direction lamps green
    // (not read yet).
    void startUpFamily() {
        TestRig rig;
        Controls& c = rig.controls();
        rig.form->Form_Load();
        QCOMPARE(texts(c), (QStringList{"150", "150", "8", "1", "8", "1", "200", "8", "4", "180",
                                        "200", "8", "4", "180"}));
        QCOMPARE(directionLamps(c), QStringLiteral("uLuL"));
        QCOMPARE(chosenFamily(c), 0);
        QVERIFY(!rig.form->GearFieldsEdited);
        rig.form->Form_Activate();
        QCOMPARE(directionLamps(c), QStringLiteral("gggg"));
        QCOMPARE(texts(c, {"Text2", "Text5"}), (QStringList{"200", "180"}));
    }

    void families_data() {
        QTest::addColumn<int>("family");
        QTest::addColumn<QStringList>("table");
        QTest::addColumn<QString>("lamps");
        QTest::newRow("ビクセンSX2")
            << 0 << QStringList{"150", "150", "8",   "1",   "8", "1", "200",
                                "8",   "4",   "180", "200", "8", "4", "180"}
            << "uLuL";
        QTest::newRow("ビクセンAP")
            << 1 << QStringList{"300", "300",    "8",   "1",   "8", "1",      "200",
                                "8",   "2.2666", "144", "200", "8", "2.2666", "144"}
            << "uLLu";
        QTest::newRow("タカハシNJP系")
            << 2 << QStringList{"200", "200", "8",   "1",   "8", "1", "200",
                                "8",   "3",   "240", "200", "8", "3", "144"}
            << "LuLu";
        QTest::newRow("ビクセンGP　スカイウォッチャーEQ5系")
            << 4 << QStringList{"400", "400",    "8",   "1",   "8", "1",      "200",
                                "8",   "3.3333", "144", "200", "8", "3.3333", "144"}
            << "LuLu";
    }
    // A family writes its texts as they are, lights its lamps and sends nothing.
    void families() {
        QFETCH(int, family);
        QFETCH(QStringList, table);
        QFETCH(QString, lamps);
        TestRig rig;
        Controls& c = rig.controls();
        rig.serial.open();
        rig.log.clear();
        for (const QString& name : kTable) c.setText(name, "x");
        applyFamilyPreset(*rig.form, family);
        QCOMPARE(texts(c), table);
        QCOMPARE(directionLamps(c), lamps);
        QCOMPARE(chosenFamily(c), family);
        QVERIFY(rig.log.of("serial").isEmpty());
        QVERIFY(!rig.form->GearFieldsEdited);
    }

    // The lamps of a family are set in order: the RA lamp lit, the other RA lamp unlit, then DEC.
    void familyLampOrder() {
        TestRig rig;
        paintDirectionLampsGreen(rig.controls());
        QStringList order;
        QObject::connect(&rig.controls(), &Controls::changed, [&](const QString& name) {
            if (name.startsWith(QLatin1String("Shape"))) order << name;
        });
        applyFamilyPreset(*rig.form, 2);
        QCOMPARE(order, (QStringList{"Shape1", "Shape2", "Shape3", "Shape4"}));
        order.clear();
        applyFamilyPreset(*rig.form, 1);
        QCOMPARE(order, (QStringList{"Shape2", "Shape1"}));  // DEC + was lit already
    }

    void otherFamilyLoadsTheUserPresetRightAfterStartUp() {
        TestRig rig;
        writeUserPreset(rig);
        rig.form->Form_Load();
        applyFamilyPreset(*rig.form, 3);
        QCOMPARE(texts(rig.controls(), kGearTable), kUserGear);
        QCOMPARE(directionLamps(rig.controls()), QStringLiteral("LuLu"));
        QCOMPARE(rig.controls().text("Text1(0)"), QStringLiteral("150"));  // MaxRate stays
        QCOMPARE(chosenFamily(rig.controls()), 3);
    }

    // One key in a gear field chooses "その他" without loading the file, and so does "その他"
    // chosen afterwards: the hand-made values stay.
    void aKeyInAGearFieldMakesTheTableTheUsers() {
        TestRig rig;
        writeUserPreset(rig);
        rig.form->Form_Load();
        Controls& c = rig.controls();
        const QStringList before = texts(c);
        gearFieldKeyDown(*rig.form);
        QVERIFY(rig.form->GearFieldsEdited);
        QCOMPARE(chosenFamily(c), 3);
        QCOMPARE(texts(c), before);

        c.setText("Text5", "1801");
        applyFamilyPreset(*rig.form, 3);
        QCOMPARE(c.text("Text5"), QStringLiteral("1801"));
        QCOMPARE(texts(c, {"Text2", "Text9"}), (QStringList{"200", "180"}));

        applyFamilyPreset(*rig.form, 1);  // a family still applies, and the flag stays
        QCOMPARE(c.text("Text4"), QStringLiteral("2.2666"));
        QVERIFY(rig.form->GearFieldsEdited);
    }

    // A microstep chosen for normal running is copied with its blank into the axis' microsteps.
    void choosingAMicrostep_data() {
        QTest::addColumn<bool>("dec");
        QTest::newRow("RA: Combo4 into Text3") << false;
        QTest::newRow("DEC: Combo6 into Text7") << true;
    }
    void choosingAMicrostep() {
        QFETCH(bool, dec);
        TestRig rig;
        writeUserPreset(rig);
        rig.form->Form_Load();
        Controls& c = rig.controls();
        c.setText(dec ? "Combo6" : "Combo4", " 16");
        (dec ? decMicrostepChosen : raMicrostepChosen)(*rig.form);
        QCOMPARE(c.text(dec ? "Text7" : "Text3"), QStringLiteral(" 16"));
        QCOMPARE(c.text(dec ? "Text3" : "Text7"), QStringLiteral("8"));
        QVERIFY(rig.form->GearFieldsEdited);
        QCOMPARE(chosenFamily(c), 3);
        QCOMPARE(c.text("Text2"), QStringLiteral("200"));  // the file was not loaded
    }

    // "EQ5" is "GP" under another name; both end with the model write (port closed here).
    void eq5IsGp() {
        TestRig gp, eq5;
        for (TestRig* rig : {&gp, &eq5}) {
            rig->form->Form_Load();
            rig->controls().setText("Combo2", rig == &gp ? "GP" : "EQ5");
            applyModelPreset(*rig->form);
        }
        const QStringList all = kTable + QStringList{"Text1(1)", "Text1(2)", "Text1(3)", "Text1(4)",
                                                     "Text10",   "Text11",   "Command19"};
        QCOMPARE(texts(eq5.controls(), all), texts(gp.controls(), all));
        QCOMPARE(directionLamps(eq5.controls()), directionLamps(gp.controls()));
        QCOMPARE(texts(gp.controls(), {"Text4", "Text1(0)", "Text1(22)", "Text1(1)", "Command19"}),
                 (QStringList{"3.33333333333333", "400", "150", "2133", "コントローラー書込"}));
        QCOMPARE(directionLamps(gp.controls()), QStringLiteral("uLuL"));
    }

    void models_data() {
        QTest::addColumn<QString>("model");
        QTest::addColumn<QStringList>("gear");
        QTest::addColumn<QString>("lamps");
        QTest::newRow("AP") << "AP" << QStringList{"200", "8", "2.26666666666666", "144",
                                                   "200", "8", "2.26666666666666", "144"}
                            << "uLLu";
        QTest::newRow("NJP") << "NJP" << QStringList{"200", "8", "3", "240", "200", "8", "3", "144"}
                             << "LuuL";
    }
    // A model writes the gear table and MaxRate, never the coefficient or the selectors.
    void models() {
        QFETCH(QString, model);
        QFETCH(QStringList, gear);
        QFETCH(QString, lamps);
        TestRig rig;
        rig.form->Form_Load();
        Controls& c = rig.controls();
        rig.form->Form_Activate();
        c.setText("Combo5", " 32");
        c.setText("Combo2", model);
        applyModelPreset(*rig.form);
        QCOMPARE(texts(c, kGearTable), gear);
        QCOMPARE(texts(c, {"Text1(0)", "Text1(22)", "Combo4", "Combo5"}),
                 (QStringList{"400", "150", "8", " 32"}));
        QCOMPARE(directionLamps(c), lamps);
    }

    // "USER" loads the user's table and directions, keeps MaxRate, and sends no direction.
    void userModel() {
        TestRig rig;
        writeUserPreset(rig);
        rig.form->Form_Load();
        Controls& c = rig.controls();
        gearFieldKeyDown(*rig.form);  // "USER" loads even after a hand edit
        c.setText("Combo2", "USER");
        applyModelPreset(*rig.form);
        QCOMPARE(texts(c, kGearTable), kUserGear);
        QCOMPARE(directionLamps(c), QStringLiteral("LuLu"));
        QCOMPARE(c.text("Text1(0)"), QStringLiteral("150"));
        QCOMPARE(c.text("Text1(1)"), QStringLiteral("10120469"));  // and recalculated
    }

    // A text typed into the model list names no model: nothing happens.
    void unknownModelDoesNothing() {
        TestRig rig;
        rig.form->Form_Load();
        const QStringList before = texts(rig.controls());
        rig.controls().setText("Combo2", "ap");
        applyModelPreset(*rig.form);
        QCOMPARE(texts(rig.controls()), before);
        QCOMPARE(rig.controls().text("Command19"), QStringLiteral("コントローラ書込"));
    }
};

QTEST_GUILESS_MAIN(MountPresetsTest)
#include "tst_mount_presets.moc"
