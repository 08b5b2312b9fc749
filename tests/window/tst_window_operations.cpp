// The operating buttons and headings of the window reach their subsystem's handlers.

#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include "window/WindowRig.h"

using namespace qx;
using qx::windowtest::WindowRig;

class WindowOperationsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Any row heading of the operation page shows the fine-trim panel.
    void headingClickShowsTheFineTrimPanel() {
        WindowRig rig;
        rig.window.show();
        QVERIFY(rig.window.control("Picture9")->isHidden());
        QTest::mouseClick(rig.widget<QLabel>("Label1(5)"), Qt::LeftButton);
        QVERIFY(!rig.window.control("Picture9")->isHidden());
    }

    // A limit button lights its lamp; a speed button sends its letter.
    void buttonClicksReachTheirRows() {
        WindowRig rig;
        rig.fakes.serial.availablePorts = {10};
        rig.fakes.serial.open();
        QTest::mouseClick(rig.widget<QPushButton>("Command8"), Qt::LeftButton);
        QTest::mouseClick(rig.widget<QPushButton>("Command48(16)"), Qt::LeftButton);
        QCOMPARE(rig.fakes.log.of("serial"), (QStringList{":TV#", ":SX93,Q#", ":GX97#"}));
        QCOMPARE(rig.controls().backColor("Shape5"), kLampLit);
    }
};

QTEST_MAIN(WindowOperationsTest)
#include "tst_window_operations.moc"
