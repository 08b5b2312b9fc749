// The window's events: operator actions reach Form1's handlers, and the window's own show and
// close run the activation and shutdown steps.

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QtTest>

#include "read/QueryIndex.h"
#include "ui/window/Form1Events.h"
#include "window/WindowRig.h"

using namespace qx;
using qx::windowtest::WindowRig;

namespace {

// Option buttons take clicks on their mark and caption only.
void clickOption(QRadioButton* option) {
    QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(6, option->height() / 2));
}

}  // namespace

class WindowEventsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Every line of the event table names a control that has the event.
    void everyRouteReachesAControl() {
        WindowRig rig;
        for (const EventRoute& route : form1EventRoutes())
            QVERIFY2(rig.window.connectEvent(route.control, route.event, [] {}),
                     qPrintable(route.control));
    }

    // Each element of a control array is routed once and hands its own index to the handler.
    void captionButtonArrayPassesEachIndex() {
        WindowRig rig;
        QStringList captions;
        for (const EventRoute& route : form1EventRoutes()) {
            if (!route.control.startsWith(QLatin1String("Command5("))) continue;
            captions << route.control;
            QueryIndex = 0;
            route.run(*rig.fakes.form);
            const int index = route.control.mid(9).chopped(1).toInt();
            QCOMPARE(int(QueryIndex), index == 14 ? 21 : index == 15 ? 22 : index + 1);
        }
        QCOMPARE(captions.size(), 20);
        QCOMPARE(QSet<QString>(captions.begin(), captions.end()).size(), 20);
    }

    // A click on a caption button re-reads its field: the query index tells which button it was.
    void captionClickReachesTheHandlerWithItsIndex_data() {
        QTest::addColumn<int>("button");
        QTest::addColumn<int>("queryIndex");
        QTest::newRow("MaxRate") << 0 << 1;
        QTest::newRow("UTC OFFSET") << 7 << 8;
        QTest::newRow("地平線") << 13 << 14;
        QTest::newRow("HOME 高度") << 14 << 21;
        QTest::newRow("HOME 方位") << 15 << 22;
        QTest::newRow("RAマイクロステップ") << 18 << 19;
        QTest::newRow("DECマイクロステップ") << 19 << 20;
    }

    void captionClickReachesTheHandlerWithItsIndex() {
        QFETCH(int, button);
        QFETCH(int, queryIndex);
        WindowRig rig;
        QueryIndex = 0;
        QTest::mouseClick(rig.widget<QPushButton>(element("Command5", button)), Qt::LeftButton);
        QCOMPARE(int(QueryIndex), queryIndex);
    }

    void linkChoiceSwitchesTheShownControls() {
        WindowRig rig;
        clickOption(rig.widget<QRadioButton>("Option8"));
        QVERIFY(rig.widget<QRadioButton>("Option8")->isChecked());
        QVERIFY(!rig.widget<QRadioButton>("Option7")->isChecked());
        QVERIFY(rig.window.control("Combo1")->isHidden());
        QVERIFY(!rig.window.control("Text13")->isHidden());
        QVERIFY(!rig.window.control("Command61")->isHidden());
        QVERIFY(rig.window.control("Command11")->isHidden());

        clickOption(rig.widget<QRadioButton>("Option7"));
        QVERIFY(!rig.window.control("Combo1")->isHidden());
        QVERIFY(rig.window.control("Text13")->isHidden());
        QVERIFY(!rig.window.control("Command11")->isHidden());
        QVERIFY(rig.window.control("Command61")->isHidden());
    }

    // The port number is taken when the operator leaves the serial port box.
    void leavingThePortBoxChoosesThePort() {
        WindowRig rig;
        rig.window.show();
        rig.window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&rig.window));
        auto* combo = rig.widget<QComboBox>("Combo1");
        combo->setFocus();
        QTRY_VERIFY(combo->hasFocus());
        combo->lineEdit()->selectAll();
        QTest::keyClicks(combo->lineEdit(), "COM4");
        QCOMPARE(rig.fakes.serial.portNumber(), 10);  // not while typing
        rig.window.control("Text1(0)")->setFocus();
        QTRY_COMPARE(rig.fakes.serial.portNumber(), 4);
    }

    void connectClickOpensTheSerialLink() {
        WindowRig rig;
        QTest::mouseClick(rig.widget<QPushButton>("Command11"), Qt::LeftButton);
        // No device behind the port: the open fails with its message.
        QCOMPARE(rig.fakes.log.of("message"),
                 QStringList{"通信エラー|現在使用できるポートがありません。"});
    }

    void disconnectClickEmptiesTheFields() {
        WindowRig rig;
        rig.controls().setText("Text1(5)", "+139*45");
        QTest::mouseClick(rig.widget<QPushButton>("Command12"), Qt::LeftButton);
        QCOMPARE(rig.widget<QLineEdit>("Text1(5)")->text(), QString());
    }

    void timeSetClickAsksForTheControllerClock() {
        WindowRig rig;
        QueryIndex = 0;
        QTest::mouseClick(rig.widget<QPushButton>("Command34"), Qt::LeftButton);
        QCOMPARE(int(QueryIndex), 16);  // the last read-back asks for the time
    }

    void pingClickSavesTheAddress() {
        WindowRig rig;
        rig.controls().setVisible("Command60", true);
        QTest::mouseClick(rig.widget<QPushButton>("Command60"), Qt::LeftButton);
        QVERIFY(QFile::exists(rig.fakes.settingsFile("lanip.DAT")));
    }

    // Activation comes after the window is up, not inside show(), and only once.
    void firstShowActivatesOnce() {
        WindowRig rig;
        rig.window.show();
        QVERIFY(!rig.window.control("Picture4")->isHidden());  // queued, not run yet
        QTRY_VERIFY(rig.window.control("Picture4")->isHidden());
        QVERIFY(!rig.window.control("Command12")->isEnabled());
        QVERIFY(!rig.window.control("Command6(9)")->isEnabled());  // settings locked

        rig.controls().setEnabled("Command6(9)", true);  // as a read would
        rig.window.hide();
        rig.window.show();
        QTest::qWait(10);
        QVERIFY(rig.window.control("Command6(9)")->isEnabled());
    }

    void closingRunsTheShutdown() {
        WindowRig rig;
        rig.window.show();
        QVERIFY(rig.window.close());
        QCOMPARE(rig.fakes.log.of("end").size(), 1);
        QVERIFY(QFile::exists(rig.fakes.settingsFile("comm.DAT")));
    }
};

QTEST_MAIN(WindowEventsTest)
#include "tst_window_events.moc"
