// The user preset file SetData.txt: its bytes, its fields, and what loading does to the window.

#include <QtTest>

#include "MountFixtures.h"
#include "fakes/TestRig.h"
#include "mount/MotorDirection.h"
#include "mount/UserPresetFile.h"

using namespace qx;
using namespace qx::test;

namespace {

// A rig whose window shows a table of its own, with every lamp green, as before a read.
struct PresetRig {
    TestRig rig;
    Controls& c = rig.controls();

    PresetRig() {
        for (const QString& f : kGearTable) c.setText(f, "before");
        paintDirectionLampsGreen(c);
    }
    void writeFile(const QByteArray& bytes) { QVERIFY(writePresetFile(rig, bytes)); }
    QByteArray fileBytes() { return presetFileBytes(rig); }
    QStringList gear() { return textsOf(c, kGearTable); }
    QString lamps() { return directionLamps(c); }
};

QByteArray presetBytes(const QString& ra, const QString& dec) {
    return userPresetBytes({"200", "8", "3", "240", "200", "8", "3", "144", "200", ra, dec});
}

}  // namespace

class UserPresetFileTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // A table of 200, 8, 3, 240 and 200, 8, 3, 144 with MaxRate 200, RA + and DEC −.
    void savesTheExampleByteForByte() {
        PresetRig p;
        const QStringList gear{"200", "8", "3", "240", "200", "8", "3", "144"};
        for (int i = 0; i < 8; ++i) p.c.setText(kGearTable[i], gear[i]);
        p.c.setText("Text1(0)", "200");
        showDirection(p.c, MotorDirection::RaPlus);
        showDirection(p.c, MotorDirection::DecMinus);
        Save_Set(*p.rig.form);
        QCOMPARE(
            p.fileBytes(),
            QByteArray(
                "\"200\",\"8\",\"3\",\"240\",\"200\",\"8\",\"3\",\"144\",\"200\",\"1\",\"0\","));
    }

    // Texts are stored as they stand, blanks and all, and come back so.
    void roundTripKeepsBlanks() {
        PresetRig p;
        p.c.setText("Text3", " 16");
        p.c.setText("Text9", "144 ");
        p.c.setBackColor("Shape3", kLampLit);  // DEC + lit, RA lamps green: RA − is stored
        Save_Set(*p.rig.form);
        QVERIFY(p.fileBytes().startsWith("\"before\",\" 16\","));

        PresetRig q;
        q.writeFile(p.fileBytes());
        Load_Set(*q.rig.form);
        QCOMPARE(q.gear(), (QStringList{"before", " 16", "before", "before", "before", "before",
                                        "before", "144 "}));
        QCOMPARE(q.lamps(), QStringLiteral("uLLu"));
    }

    // The stored direction is taken by its whole value: above 0 is the plus direction.
    void directionItems_data() {
        QTest::addColumn<QString>("ra");
        QTest::addColumn<QString>("dec");
        QTest::addColumn<QString>("lamps");
        QTest::newRow("1 and 0") << "1"
                                 << "0"
                                 << "LuuL";
        QTest::newRow("1.5 lights RA +") << "1.5"
                                         << "2"
                                         << "LuLu";
        QTest::newRow("0.9 lights RA -") << "0.9"
                                         << "1"
                                         << "uLLu";
        QTest::newRow("-1 lights RA -") << "-1"
                                        << "-0.5"
                                        << "uLuL";
        QTest::newRow("RA not a number: no lamp") << "x"
                                                  << "1"
                                                  << "gggg";
        QTest::newRow("RA empty: no lamp") << ""
                                           << "1"
                                           << "gggg";
        QTest::newRow("DEC not a number: RA only") << "1"
                                                   << "yes"
                                                   << "Lugg";
    }
    void directionItems() {
        QFETCH(QString, ra);
        QFETCH(QString, dec);
        QFETCH(QString, lamps);
        PresetRig p;
        p.writeFile(presetBytes(ra, dec));
        Load_Set(*p.rig.form);
        QCOMPARE(p.gear(), (QStringList{"200", "8", "3", "240", "200", "8", "3", "144"}));
        QCOMPARE(p.lamps(), lamps);
    }

    // Nothing changes without a whole file: missing, empty, or fewer than eleven fields.
    void incompleteFileChangesNothing_data() {
        QTest::addColumn<QByteArray>("content");  // "<missing>": no file at all
        QTest::newRow("missing") << QByteArray("<missing>");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("ten fields") << presetBytes("1", "1").chopped(4);
        QTest::newRow("blanks after the tenth") << presetBytes("1", "1").chopped(4) + "   ";
    }
    void incompleteFileChangesNothing() {
        QFETCH(QByteArray, content);
        PresetRig p;
        if (content != "<missing>") p.writeFile(content);
        Load_Set(*p.rig.form);
        QCOMPARE(p.gear(), QStringList(8, QStringLiteral("before")));
        QCOMPARE(p.lamps(), QStringLiteral("gggg"));
    }

    // A quote inside a field cuts it there; what follows the quote becomes the next field, so the
    // rest is read one place late.
    void quoteInsideAFieldReadsOutOfStep() {
        PresetRig p;
        p.writeFile(
            "\"200\",\"8\",\"3\"x\",\"240\",\"200\",\"8\",\"3\",\"144\",\"200\",\"1\",\"0\",");
        Load_Set(*p.rig.form);
        QCOMPARE(p.gear(), (QStringList{"200", "8", "3", "x\"", "240", "200", "8", "3"}));
        QCOMPARE(p.lamps(), QStringLiteral("LuLu"));  // "200" for RA, "1" for DEC
    }

    // The fields by the settings files' reading rule.
    void fieldsOfTheFile_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QStringList>("items");
        QTest::newRow("unquoted, trimmed")
            << QByteArray("a, b ,c,d,e,f,g,h,i,j,k")
            << QStringList{"a", "b", "c", "d", "e", "f", "g", "h", "i", "j", "k"};
        QTest::newRow("blanks before a quote, a comma inside it")
            << QByteArray("  \"a,b\" ,\"c\",\"d\",\"e\",\"f\",\"g\",\"h\",\"i\",\"j\",\"k\",\"l\",")
            << QStringList{"a,b", "c", "d", "e", "f", "g", "h", "i", "j", "k", "l"};
        QTest::newRow("over line ends")
            << QByteArray("\"1\",\"2\"\r\n3,4\n5,6,7,8,9,10,11")
            << QStringList{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11"};
        QTest::newRow("empty fields") << QByteArray(",,,,,,,,,,,") << QStringList(11, QString());
    }
    void fieldsOfTheFile() {
        QFETCH(QByteArray, content);
        QFETCH(QStringList, items);
        QCOMPARE(userPresetItems(content).value_or(QStringList{"<none>"}), items);
    }

    // The stored MaxRate is not applied, and the coefficient and selectors are not the file's.
    void loadingLeavesMaxRateCoefficientAndSelectors() {
        PresetRig p;
        const QStringList kept{"Text1(0)", "Text1(22)", "Combo4", "Combo5", "Combo6", "Combo7"};
        for (const QString& name : kept) p.c.setText(name, "kept");
        p.writeFile(presetBytes("1", "1"));
        Load_Set(*p.rig.form);
        for (const QString& name : kept) QCOMPARE(p.c.text(name), QStringLiteral("kept"));
    }
};

QTEST_GUILESS_MAIN(UserPresetFileTest)
#include "tst_user_preset_file.moc"
