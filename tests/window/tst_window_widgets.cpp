// The widgets of the main window: one per control, addressable by name, kept in step with the
// control model both ways.

#include <QComboBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QtTest>

#include "ui/layout/Form1Layout.h"
#include "ui/window/LampWidget.h"
#include "ui/window/PictureWidget.h"
#include "window/WindowRig.h"

using namespace qx;
using qx::windowtest::WindowRig;

namespace {

// What a widget shows as its text, whatever kind of widget it is.
QString shownText(QWidget* w) {
    if (auto* edit = qobject_cast<QLineEdit*>(w)) return edit->text();
    if (auto* combo = qobject_cast<QComboBox*>(w)) return combo->currentText();
    if (auto* button = qobject_cast<QAbstractButton*>(w)) return button->text();
    if (auto* label = qobject_cast<QLabel*>(w)) return label->text();
    if (auto* box = qobject_cast<QGroupBox*>(w)) return box->title();
    return QString();
}

}  // namespace

class WindowWidgetsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void everyControlHasExactlyOneWidget() {
        WindowRig rig;
        const QStringList names = rig.controls().names();
        QCOMPARE(names.size(), int(form1Layout().size()));
        for (const QString& name : names) {
            const QList<QWidget*> found = rig.window.findChildren<QWidget*>(name);
            QVERIFY2(found.size() == 1, qPrintable(name));
            QCOMPARE(found.first()->accessibleDescription(), name);
            QCOMPARE(rig.window.control(name), found.first());
        }
    }

    void windowFrame() {
        WindowRig rig;
        QCOMPARE(rig.window.windowTitle(), QString::fromUtf8(kForm1Title));
        QCOMPARE(rig.window.size(), QSize(826, 770));
        QCOMPARE(rig.window.minimumSize(), rig.window.maximumSize());
    }

    void widgetKinds_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("className");
        QTest::newRow("tab control") << "SSTab1"
                                     << "QTabWidget";
        QTest::newRow("button") << "Command6(11)"
                                << "QPushButton";
        QTest::newRow("caption button") << "Command5(5)"
                                        << "QPushButton";
        QTest::newRow("text box") << "Text1(5)"
                                  << "QLineEdit";
        QTest::newRow("combo box") << "Combo4"
                                   << "QComboBox";
        QTest::newRow("option button") << "Option1(3)"
                                       << "QRadioButton";
        QTest::newRow("frame") << "Frame1"
                               << "QGroupBox";
        QTest::newRow("panel") << "Picture6"
                               << "QFrame";
        QTest::newRow("lamp") << "Shape3"
                              << "qx::LampWidget";
        QTest::newRow("picture") << "Image1"
                                 << "qx::PictureWidget";
        QTest::newRow("label") << "Label4"
                               << "qx::ClickableLabel";
    }

    void widgetKinds() {
        QFETCH(QString, name);
        QFETCH(QString, className);
        WindowRig rig;
        QWidget* w = rig.window.control(name);
        QVERIFY(w);
        QCOMPARE(QString::fromLatin1(w->metaObject()->className()), className);
    }

    void pagesAreTabsInOrder() {
        WindowRig rig;
        auto* tabs = rig.widget<QTabWidget>("SSTab1");
        QVERIFY(tabs);
        QCOMPARE(tabs->count(), 5);
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(tabs->widget(i)->objectName(), element("Picture2", i));
            QCOMPARE(tabs->tabText(i), rig.controls().text(element("Picture2", i)));
        }
    }

    void designedStateIsShown() {
        WindowRig rig;
        QVERIFY(rig.window.control("Text13")->isHidden());
        QVERIFY(rig.window.control("Picture6")->isHidden());
        QVERIFY(!rig.window.control("Combo1")->isHidden());
        QCOMPARE(shownText(rig.window.control("Text13")), QStringLiteral("192.168.1.1"));
        QCOMPARE(shownText(rig.window.control("Combo1")), QStringLiteral("COM10"));
        QCOMPARE(shownText(rig.window.control("Text1(99)")), QStringLiteral("Text1"));
        QCOMPARE(shownText(rig.window.control("Text2")), QStringLiteral("200"));
        QVERIFY(rig.widget<QRadioButton>("Option7")->isChecked());
        QVERIFY(!rig.widget<QRadioButton>("Option8")->isChecked());
        QVERIFY(rig.widget<QRadioButton>("Option1(0)")->isChecked());
        auto* combo = rig.widget<QComboBox>("Combo2");
        QVERIFY(combo->isEditable());
        QCOMPARE(combo->count(), 5);
        QCOMPARE(combo->itemText(4), QStringLiteral("USER"));
    }

    void modelTextIsShown_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::newRow("text box") << "Text1(5)"
                                  << "+139*45";
        QTest::newRow("combo list entry") << "Combo4"
                                          << " 16";
        QTest::newRow("combo other text") << "Combo4"
                                          << "16";
        QTest::newRow("combo emptied") << "Combo3"
                                       << "";
        QTest::newRow("label") << "Label4"
                               << "現在時間JST：   2024/3/5 9:7:5.42";
        QTest::newRow("button caption") << "Command60"
                                        << "NG";
        QTest::newRow("progress caption") << "Command19"
                                          << "書込中...";
        QTest::newRow("frame title") << "Frame1"
                                     << "時計";
    }

    void modelTextIsShown() {
        QFETCH(QString, name);
        QFETCH(QString, text);
        WindowRig rig;
        QVERIFY(rig.controls().setText(name, text));
        QCOMPARE(shownText(rig.window.control(name)), text);
    }

    void typingInATextBoxReachesTheModel() {
        WindowRig rig;
        auto* edit = rig.widget<QLineEdit>("Text1(5)");
        QSignalSpy changes(&rig.controls(), &Controls::changed);
        QTest::keyClicks(edit, "-75");
        QCOMPARE(rig.controls().text("Text1(5)"), QStringLiteral("-75"));
        QCOMPARE(changes.count(), 3);  // one per key, none echoed back
        QCOMPARE(edit->text(), QStringLiteral("-75"));
    }

    void choosingAndTypingInAComboReachTheModel() {
        WindowRig rig;
        auto* combo = rig.widget<QComboBox>("Combo4");
        combo->setCurrentIndex(combo->findText(" 32"));
        QCOMPARE(rig.controls().text("Combo4"), QStringLiteral(" 32"));

        combo->lineEdit()->clear();
        QTest::keyClicks(combo->lineEdit(), "64");
        QCOMPARE(rig.controls().text("Combo4"), QStringLiteral("64"));
        QCOMPARE(combo->count(), 8);  // typing never adds to the list
    }

    void aModelChangeIsShownOnceAndNotEchoed() {
        WindowRig rig;
        QSignalSpy changes(&rig.controls(), &Controls::changed);
        rig.controls().setText("Combo8", " 3");
        rig.controls().setText("Combo8", "7");  // not in the list: the list choice is dropped
        rig.controls().setText("Text1(0)", "400");
        QCOMPARE(changes.count(), 3);
        QCOMPARE(rig.controls().text("Combo8"), QStringLiteral("7"));
        QCOMPARE(rig.widget<QComboBox>("Combo8")->currentText(), QStringLiteral("7"));
    }

    // A refused value is marked with a red frame and its reason until the operator edits it.
    void aMarkIsShownUntilTheNextEdit() {
        WindowRig rig;
        auto* edit = rig.widget<QLineEdit>("Text1(23)");
        rig.controls().setText("Text1(23)", "ab#c");
        rig.controls().setMark("Text1(23)", "「#」は送れません");
        QCOMPARE(edit->toolTip(), QStringLiteral("「#」は送れません"));
        QVERIFY(edit->styleSheet().contains("border"));
        QTest::keyClicks(edit, "d");
        QVERIFY(rig.controls().mark("Text1(23)").isEmpty());
        QVERIFY(edit->toolTip().isEmpty());
        QVERIFY(edit->styleSheet().isEmpty());
    }

    void visibilityAndEnablingAreShown() {
        WindowRig rig;
        Controls& c = rig.controls();
        c.setVisible("Picture6", true);
        c.setVisible("Combo1", false);
        c.setEnabled("Command6(11)", false);
        QVERIFY(!rig.window.control("Picture6")->isHidden());
        QVERIFY(rig.window.control("Combo1")->isHidden());
        QVERIFY(!rig.window.control("Command6(11)")->isEnabled());
        c.setEnabled("Command6(11)", true);
        QVERIFY(rig.window.control("Command6(11)")->isEnabled());
        // The fields of a shown panel show up with it.
        rig.window.show();
        QVERIFY(rig.window.control("Text1(101)")->isVisible());
        c.setVisible("Picture6", false);
        QVERIFY(!rig.window.control("Text1(101)")->isVisible());
    }

    void lampShowsItsColour_data() {
        QTest::addColumn<quint32>("value");
        QTest::addColumn<QString>("written");
        QTest::addColumn<QColor>("painted");
        QTest::newRow("lit: orange") << kLampLit << "0080FF" << QColor(0xFF, 0x80, 0x00);
        QTest::newRow("unlit: teal") << kLampUnlit << "808000" << QColor(0x00, 0x80, 0x80);
        QTest::newRow("not read: green") << kLampNotRead << "008000" << QColor(0x00, 0x80, 0x00);
    }

    void lampShowsItsColour() {
        QFETCH(quint32, value);
        QFETCH(QString, written);
        QFETCH(QColor, painted);
        WindowRig rig;
        rig.controls().setBackColor("Shape3", value);
        auto* lamp = rig.widget<LampWidget>("Shape3");
        QCOMPARE(lamp->accessibleName(), written);
        QCOMPARE(lamp->property("backColor").value<quint32>(), value);
        const QImage image = lamp->grab().toImage();
        QCOMPARE(image.pixelColor(image.rect().center()), painted);
    }

    void clickingAnOptionSelectsItInTheModel() {
        WindowRig rig;
        auto* serial = rig.widget<QRadioButton>("Option7");
        auto* other = rig.widget<QRadioButton>("Option1(3)");
        const QPoint onTheMark(6, other->height() / 2);
        QTest::mouseClick(other, Qt::LeftButton, {}, onTheMark);
        QVERIFY(rig.controls().checked("Option1(3)"));
        QVERIFY(!rig.controls().checked("Option1(0)"));
        QVERIFY(!rig.widget<QRadioButton>("Option1(0)")->isChecked());
        QVERIFY(serial->isChecked());  // another group

        QTest::mouseClick(other, Qt::LeftButton, {}, onTheMark);  // a second click keeps it
        QVERIFY(other->isChecked());
        QVERIFY(rig.controls().checked("Option1(3)"));
    }

    // With the font the layout is measured for, no caption is cut and every control of a page
    // lies inside the page.
    void captionsFitTheirControls() {
        if (!QFontDatabase::families().contains(QStringLiteral("IPAGothic")))
            QSKIP("the layout is measured for IPA Gothic, which is not installed");
        WindowRig rig;
        rig.window.show();
        for (const QString& name : rig.controls().names()) {
            QWidget* w = rig.window.control(name);
            const QString text = rig.controls().text(name);
            const int room = w->width();
            if (qobject_cast<QPushButton*>(w)) {
                QVERIFY2(w->fontMetrics().horizontalAdvance(text) + 8 <= room, qPrintable(name));
            } else if (qobject_cast<QRadioButton*>(w)) {
                QVERIFY2(w->sizeHint().width() <= room, qPrintable(name));
            } else if (auto* label = qobject_cast<QLabel*>(w); label && label->wordWrap()) {
                QVERIFY2(label->heightForWidth(room) <= w->height(), qPrintable(name));
            } else if (label) {
                QVERIFY2(w->fontMetrics().horizontalAdvance(text) <= room, qPrintable(name));
            }
        }
    }

    void controlsLieInsideTheirPage() {
        WindowRig rig;
        rig.window.show();
        auto* tabs = rig.widget<QTabWidget>("SSTab1");
        for (int i = 0; i < tabs->count(); ++i) {
            QWidget* page = tabs->widget(i);
            tabs->setCurrentIndex(i);
            const auto children = page->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
            for (QWidget* child : children)
                QVERIFY2(page->rect().contains(child->geometry()), qPrintable(child->objectName()));
        }
    }
};

QTEST_MAIN(WindowWidgetsTest)
#include "tst_window_widgets.moc"
