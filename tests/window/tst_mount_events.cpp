// The motor gear page's events reach the mount handlers: a key in a gear field, a microstep or a
// model chosen from a list, a family option, the calculation panel and its button.

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "window/WindowRig.h"

using namespace qx;
using qx::windowtest::WindowRig;

namespace {

// The operator picks a list entry: the index changes and the list reports the choice.
void chooseEntry(QComboBox* combo, const QString& text) {
    combo->setCurrentIndex(combo->findText(text));
    Q_EMIT combo->activated(combo->currentIndex());
}

}  // namespace

class MountEventsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // The key is still the field's own: it lands in the text after the family switched.
    void aKeyInAGearFieldChoosesOther() {
        WindowRig rig;
        rig.fakes.form->Form_Load();
        auto* field = rig.widget<QLineEdit>("Text5");
        field->setCursorPosition(field->text().size());
        QTest::keyClick(field, Qt::Key_1);
        QCOMPARE(rig.controls().text("Text5"), QStringLiteral("1801"));
        QVERIFY(rig.widget<QRadioButton>("Option1(3)")->isChecked());
        QVERIFY(rig.fakes.form->GearFieldsEdited);
    }

    void choosingAMicrostepCopiesIt() {
        WindowRig rig;
        chooseEntry(rig.widget<QComboBox>("Combo6"), " 16");
        QCOMPARE(rig.widget<QLineEdit>("Text7")->text(), QStringLiteral(" 16"));
        QVERIFY(rig.widget<QRadioButton>("Option1(3)")->isChecked());
        chooseEntry(rig.widget<QComboBox>("Combo5"), " 32");  // slewing: no rule
        QVERIFY(rig.widget<QLineEdit>("Text3")->text().isEmpty());
    }

    void clickingAFamilyFillsTheTable() {
        WindowRig rig;
        auto* option = rig.widget<QRadioButton>("Option1(2)");
        QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(6, option->height() / 2));
        QCOMPARE(rig.widget<QLineEdit>("Text5")->text(), QStringLiteral("240"));
        QCOMPARE(rig.controls().backColor("Shape1"), kLampLit);
    }

    void panelAndButtonCalculate() {
        WindowRig rig;
        rig.fakes.form->Form_Load();
        QTest::mouseClick(rig.window.control("Image1"), Qt::LeftButton);
        QCOMPARE(rig.widget<QLineEdit>("Text1(1)")->text(), QStringLiteral("3200"));
        rig.controls().setText("Text2", "400");
        rig.controls().setText("Text1(22)", "");
        QTest::mouseClick(rig.widget<QPushButton>("Command44"), Qt::LeftButton);
        QCOMPARE(rig.widget<QLineEdit>("Text1(1)")->text(), QStringLiteral("6400"));
        QCOMPARE(rig.controls().text("Text1(22)"), QStringLiteral("200"));
        QTest::mouseClick(rig.widget<QPushButton>("Command38"), Qt::LeftButton);
        QVERIFY(rig.window.control("Command38")->isHidden());
    }

    // A model chosen from the list fills the table and runs the write (port closed: no box).
    void choosingAModelRunsThePreset() {
        WindowRig rig;
        chooseEntry(rig.widget<QComboBox>("Combo2"), "NJP");
        QCOMPARE(rig.widget<QLineEdit>("Text5")->text(), QStringLiteral("240"));
        QCOMPARE(rig.widget<QLineEdit>("Text1(1)")->text(), QStringLiteral("3200"));
        QCOMPARE(rig.widget<QPushButton>("Command19")->text(),
                 QStringLiteral("コントローラー書込"));
        QTest::mouseClick(rig.widget<QPushButton>("Command4"), Qt::LeftButton);
        QCOMPARE(rig.controls().backColor("Shape4"), kLampLit);
    }
};

QTEST_MAIN(MountEventsTest)
#include "tst_mount_events.moc"
