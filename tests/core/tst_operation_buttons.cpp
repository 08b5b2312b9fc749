// The buttons of the operating pages that send fixed commands: the one-shot buttons, park and
// home, the mount modes and the speed percentages, over the serial link (port open and closed)
// and over the LAN.

#include <QtTest>

#include "fakes/TestRig.h"
#include "operations/MountMode.h"
#include "operations/OneShotButtons.h"
#include "operations/ParkAndHome.h"
#include "operations/SpeedPercentage.h"
#include "read/QueryIndex.h"

using namespace qx;
using namespace qx::test;

namespace {

enum class Route { SerialOpen, SerialClosed, Lan };

// What one click does, on the serial link with the port open.
struct Expected {
    QString control;
    bool serialOnly;    // the guarded form: nothing goes out over the LAN
    QStringList sent;   // "ms command", from the click
    int ms;             // how long the click takes
    QStringList lamps;  // "Shape1 lit", "Shape2 unlit"; every other lamp is left as it was
    int pollAfter;      // Timer1's interval afterwards; kPollBefore when the button leaves it
    int indexAfter;     // QueryIndex afterwards; 0 before the click
    // When the LAN route sends something else; empty: the same, after the connect.
    QStringList sentOverLan = {};
};

constexpr double kConnectMs = 2;  // the fake TCP client connects 2 ms after it is asked
// The poll's interval before a click: long enough not to tick during it, so that a row shows
// whether the button left it, stopped it or restarted it at 1000 ms.
constexpr int kPollBefore = 60000;

const QStringList kRaPlus{"Shape1 lit", "Shape2 unlit"};
const QStringList kRaMinus{"Shape2 lit", "Shape1 unlit"};
const QStringList kDecPlus{"Shape3 lit", "Shape4 unlit"};
const QStringList kDecMinus{"Shape4 lit", "Shape3 unlit"};

QList<Expected> expectations() {
    // clang-format off
    QList<Expected> rows{
        {"Command1", true, {"0 :TA#"}, 0, kRaPlus, 1000, 0},
        {"Command2", true, {"0 :TB#"}, 0, kRaMinus, 1000, 0},
        {"Command3", true, {"0 :TC#"}, 0, kDecPlus, 1000, 0},
        {"Command4", true, {"0 :TD#"}, 0, kDecMinus, 1000, 0},
        {"Command10", false, {"0 :Te#"}, 0, {}, 1000, 0},
        {"Command9", false, {"0 :Td#"}, 0, {}, 1000, 0},
        {"Command27", false, {"0 :TQ#"}, 0, {}, kPollBefore, 0},
        {"Command49", false, {"0 :TK#"}, 0, {}, kPollBefore, 0},
        {"Command26", false, {"0 :TL#"}, 0, {}, kPollBefore, 0},
        {"Command25", false, {"0 :TS#"}, 0, {}, kPollBefore, 0},
        {"Command24", false, {"0 :T0#"}, 0, {}, kPollBefore, 0},
        {"Command43", false, {"0 :R0#"}, 0, {}, kPollBefore, 0},
        {"Command42", false, {"0 :R1#"}, 0, {}, kPollBefore, 0},
        {"Command41", false, {"0 :R2#"}, 0, {}, kPollBefore, 0},
        {"Command40", false, {"0 :R3#"}, 0, {}, kPollBefore, 0},
        {"Command47", false, {"0 :R5#"}, 0, {}, kPollBefore, 0},
        {"Command46", false, {"0 :R6#"}, 0, {}, kPollBefore, 0},
        {"Command45", false, {"0 :R7#"}, 0, {}, kPollBefore, 0},
        {"Command50", false, {"0 :R8#"}, 0, {}, kPollBefore, 0},
        {"Command30", true, {"0 :=SD#", "0 :RG#"}, 0, {}, kPollBefore, 0},
        {"Command31", true, {"0 :RC#"}, 0, {}, kPollBefore, 0},
        {"Command32", true, {"0 :RM#"}, 0, {}, kPollBefore, 0},
        {"Command33", true, {"0 :RS#"}, 0, {}, kPollBefore, 0},
        {"Command23", false, {"0 :T+#"}, 0, {}, kPollBefore, 0},
        {"Command22", false, {"0 :T-#"}, 0, {}, kPollBefore, 0},
        {"Command54", false, {"0 :TR#"}, 0, {}, kPollBefore, 0},
        {"Command8", true, {"0 :TV#"}, 0, {"Shape5 lit", "Shape6 unlit"}, kPollBefore, 0},
        {"Command7", true, {"0 :TW#"}, 0, {"Shape6 lit", "Shape5 unlit"}, kPollBefore, 0},
        {"Command21", true, {"0 :TX#", "3000 :GXEI#"}, 6000, {}, 1000, 26},
        {"Command20", true, {"0 :TY#", "3000 :GXEI#"}, 6000, {}, 1000, 26},
        {"Command15", true, {"0 :SX95,1#", "3000 :GX95#"}, 3000, {}, 0, 27},
        {"Command16", true, {"0 :SX95,0#", "2000 :GX95#"}, 2000, {}, 0, 27},
        {"Command17", false, {"0 :SX98,1#"}, 0, {"Shape11 lit", "Shape12 unlit"}, 0, 28},
        {"Command18", false, {"0 :SX98,0#"}, 0, {"Shape12 lit", "Shape11 unlit"}, 0, 28},
        {"Command13", false, {"0 :SX97,1#", "2000 :GXEP#"}, 2000, {}, 0, 29},
        {"Command14", false, {"0 :SX97,0#", "3000 :GXEP#"}, 3000, {}, 0, 29},
        // Park and home, answered OK.
        {"Command51", false, {"0 :hC#"}, 0, {}, kPollBefore, 0},
        {"Command57", false, {"0 :Te#", "50 :hP#"}, 50, {}, kPollBefore, 0},
        {"Command58", false, {"0 :hQ#"}, 0, {}, kPollBefore, 0},
        // Mount modes: over the LAN the mode alone.
        {"Command55", false, {"0 :Tr#", "100 :SXEM,1#"}, 100, {}, kPollBefore, 0, {"2 :SXEM,1#"}},
        {"Command53", false, {"0 :Tr#", "100 :SXEM,2#"}, 100, {}, kPollBefore, 0, {"2 :SXEM,2#"}},
        {"Command56", false, {"0 :Tn#", "100 :SXEM,3#"}, 100, {}, kPollBefore, 0, {"2 :SXEM,3#"}},
    };
    // clang-format on
    // The percentages, from 50% to 400%.
    const QString letters = QStringLiteral("KJIHGFEDCBALMNOPQ");
    for (int i = 0; i < letters.size(); ++i) {
        rows.append({element("Command48", i),
                     false,
                     {QStringLiteral("0 :SX93,%1#").arg(letters[i]), "1000 :GX97#"},
                     1000,
                     {},
                     kPollBefore,
                     50});
    }
    return rows;
}

// The same sends over the LAN: after the connect, or nothing for a serial-only button.
QStringList overLan(const Expected& e) {
    if (!e.sentOverLan.isEmpty()) return e.sentOverLan;
    if (e.serialOnly) return {};
    QStringList rows;
    for (const QString& row : e.sent)
        rows << QStringLiteral("%1 %2")
                    .arg(row.section(' ', 0, 0).toInt() + int(kConnectMs))
                    .arg(row.section(' ', 1));
    return rows;
}

int durationOver(Route route, const Expected& e) {
    if (route != Route::Lan || e.serialOnly) return e.ms;
    if (!e.sentOverLan.isEmpty())
        return int(kConnectMs);  // the mount modes send at once over the LAN
    return e.ms + int(kConnectMs);
}

// Presses a button by its control name, as the window's event table does.
void click(Form1& form, const QString& control) {
    if (control.startsWith(QLatin1String("Command48(")))
        return setSpeedPercentage(form, control.mid(10).chopped(1).toInt());
    for (const OneShotButton& b : oneShotButtons())
        if (control == QLatin1String(b.control)) return pressOneShotButton(form, b);
    for (const ConfirmedOperation& op : confirmedOperations())
        if (control == QLatin1String(op.control)) return runConfirmedOperation(form, op);
    for (const MountModeButton& b : mountModeButtons())
        if (control == QLatin1String(b.control)) return setMountMode(form, b);
    QFAIL(qPrintable(QStringLiteral("no button ") + control));
}

QStringList sorted(QStringList rows) {
    rows.sort();
    return rows;
}

QStringList allLamps() {
    QStringList lamps;
    for (int i = 1; i <= 19; ++i) lamps << QStringLiteral("Shape%1").arg(i);
    return lamps;
}

// The lamps after a click: "Shape1 lit" for each lamp that is no longer green, sorted.
QStringList changedLamps(const Controls& controls) {
    QStringList changed;
    for (const QString& lamp : allLamps()) {
        const quint32 color = controls.backColor(lamp);
        if (color == kLampLit) changed << lamp + QStringLiteral(" lit");
        if (color == kLampUnlit) changed << lamp + QStringLiteral(" unlit");
        if (color != kLampLit && color != kLampUnlit && color != kLampNotRead)
            changed << lamp + QStringLiteral(" %1").arg(color, 0, 16);
    }
    return sorted(changed);
}

// A window as it is once connected: the poll running, every lamp green (not read yet).
void prepare(TestRig& rig, Route route) {
    rig.controls().setChecked(route == Route::Lan ? "Option8" : "Option7", true);
    if (route == Route::SerialOpen) rig.serial.open();
    for (const QString& lamp : allLamps()) rig.controls().setBackColor(lamp, kLampNotRead);
    rig.form->setTimer1Interval(kPollBefore);
    rig.log.clear();
}

}  // namespace

class OperationButtonsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Every button on each route: what goes out and when, how long the click takes, the lamps,
    // the poll and the query index. Waits pass and lamps change whether or not anything is sent.
    void everyButtonOnEveryRoute_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("route");
        QTest::addColumn<QStringList>("serial");
        QTest::addColumn<QStringList>("lan");
        QTest::addColumn<int>("ms");
        QTest::addColumn<QStringList>("lamps");
        QTest::addColumn<int>("pollAfter");
        QTest::addColumn<int>("indexAfter");
        for (const Expected& e : expectations()) {
            QTest::addRow("%s serial", qPrintable(e.control))
                << e.control << int(Route::SerialOpen) << e.sent << QStringList{} << e.ms << e.lamps
                << e.pollAfter << e.indexAfter;
            QTest::addRow("%s port closed", qPrintable(e.control))
                << e.control << int(Route::SerialClosed) << QStringList{} << QStringList{} << e.ms
                << e.lamps << e.pollAfter << e.indexAfter;
            QTest::addRow("%s LAN", qPrintable(e.control))
                << e.control << int(Route::Lan) << QStringList{} << overLan(e)
                << durationOver(Route::Lan, e) << e.lamps << e.pollAfter << e.indexAfter;
        }
    }
    void everyButtonOnEveryRoute() {
        QFETCH(QString, control);
        QFETCH(int, route);
        QFETCH(QStringList, serial);
        QFETCH(QStringList, lan);
        QFETCH(int, ms);
        QFETCH(QStringList, lamps);
        QFETCH(int, pollAfter);
        QFETCH(int, indexAfter);
        TestRig rig;
        prepare(rig, Route(route));

        click(*rig.form, control);

        QCOMPARE(rig.log.timedOf("serial"), serial);
        QCOMPARE(rig.log.timedOf("lan"), lan);
        QCOMPARE(rig.clock.nowMs(), double(ms));
        QCOMPARE(changedLamps(rig.controls()), sorted(lamps));
        QCOMPARE(rig.form->timer1Interval(), pollAfter);
        QCOMPARE(int(QueryIndex), indexAfter);
        QCOMPARE(rig.tcp.connectAttempts, rig.log.of("lan").isEmpty() ? 0 : 1);
    }

    // The read-back lamps follow the controller's answer, and the poll is stopped while it is read.
    void readBackLampsFollowTheReply_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QStringList>("lamps");
        QTest::newRow("goto flip ON") << "Command21" << QStringList{"Shape7 lit", "Shape8 unlit"};
        QTest::newRow("goto flip OFF") << "Command20" << QStringList{"Shape7 unlit", "Shape8 lit"};
        QTest::newRow("sidereal flip ON")
            << "Command15" << QStringList{"Shape9 lit", "Shape10 unlit"};
        QTest::newRow("beep OFF") << "Command14" << QStringList{"Shape13 unlit", "Shape14 lit"};
    }
    void readBackLampsFollowTheReply() {
        QFETCH(QString, control);
        QFETCH(QStringList, lamps);
        TestRig rig;
        rig.attachSimulator();
        prepare(rig, Route::SerialOpen);
        click(*rig.form, control);
        rig.clock.advance(100);
        QCOMPARE(changedLamps(rig.controls()), sorted(lamps));
    }

    // Beep ON takes 2000 ms and the poll stays stopped afterwards.
    void beepOnLeavesThePollStopped() {
        TestRig rig;
        rig.attachSimulator();
        prepare(rig, Route::SerialOpen);
        rig.form->setTimer1Interval(1000);
        click(*rig.form, "Command13");
        QCOMPARE(rig.clock.nowMs(), 2000.0);
        rig.clock.advance(5000);
        QCOMPARE(rig.log.of("serial"), (QStringList{":SX97,1#", ":GXEP#"}));
        QCOMPARE(rig.form->timer1Interval(), 0);
    }

    // Goto-flip ON runs the poll again 6000 ms after its command: the next MaxRate read a second
    // later.
    void gotoFlipOnRestartsThePollAfterSixSeconds() {
        TestRig rig;
        rig.attachSimulator();
        prepare(rig, Route::SerialOpen);
        click(*rig.form, "Command21");
        QCOMPARE(rig.clock.nowMs(), 6000.0);
        rig.clock.advance(1000);
        QCOMPARE(rig.log.timedOf("serial"), (QStringList{"0 :TX#", "3000 :GXEI#", "7000 :GXE1#"}));
    }

    // The motor ON button leaves the direction lamps alone: they are the directions the model
    // write will send.
    void motorOnKeepsTheDirections() {
        TestRig rig;
        prepare(rig, Route::SerialOpen);
        rig.form->Command1_Click();
        rig.form->Command4_Click();
        click(*rig.form, "Command10");
        QCOMPARE(changedLamps(rig.controls()), sorted(kRaPlus + kDecMinus));
    }

    // The entry points of the direction buttons on the window do what the table says.
    void directionEntryPoints() {
        TestRig rig;
        prepare(rig, Route::SerialOpen);
        rig.form->Command2_Click();
        rig.form->Command3_Click();
        QCOMPARE(rig.log.of("serial"), (QStringList{":TB#", ":TC#"}));
        QCOMPARE(changedLamps(rig.controls()), sorted(kRaMinus + kDecPlus));
        QCOMPARE(rig.form->timer1Interval(), 1000);
    }

    // "55%" asks for letter J over either link, and its answer lands in the slew speed field.
    void fiftyFivePercent_data() {
        QTest::addColumn<bool>("serial");
        QTest::newRow("serial") << true;
        QTest::newRow("LAN") << false;
    }
    void fiftyFivePercent() {
        QFETCH(bool, serial);
        TestRig rig;
        rig.attachSimulator();
        prepare(rig, serial ? Route::SerialOpen : Route::Lan);
        setSpeedPercentage(*rig.form, 1);
        rig.clock.advance(100);
        QCOMPARE(rig.log.of(serial ? "serial" : "lan"), (QStringList{":SX93,J#", ":GX97#"}));
        QCOMPARE(rig.controls().text("Text1(49)"), QStringLiteral("1.1"));
    }

    void percentagesAreDistinct() {
        QSet<QString> commands;
        for (int i = 0; i <= 16; ++i) commands.insert(speedPercentageCommand(i).value());
        QCOMPARE(commands.size(), 17);
        QVERIFY(!speedPercentageCommand(-1));
        QVERIFY(!speedPercentageCommand(17));
    }

    // An index beyond the buttons sends no percentage, yet the speed is still read back.
    void percentageOutOfRangeStillReadsBack() {
        TestRig rig;
        prepare(rig, Route::SerialOpen);
        setSpeedPercentage(*rig.form, 17);
        QCOMPARE(rig.log.timedOf("serial"), QStringList{"1000 :GX97#"});
        QCOMPARE(QueryIndex, qint16(50));
    }

    // Each box shows its text and title; Cancel (or closing the box) sends nothing.
    void confirmations_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("message");
        QTest::newRow("home") << "Command51"
                              << "HOME|HOME位置に戻しますか？";
        QTest::newRow("park") << "Command57"
                              << "PARK|PARK位置に戻しますか？";
        QTest::newRow("park set") << "Command58"
                                  << "PARK|現在位置をPARK位置を設定しますか";
    }
    void confirmations() {
        QFETCH(QString, control);
        QFETCH(QString, message);
        for (const Route route : {Route::SerialOpen, Route::Lan}) {
            TestRig rig;
            prepare(rig, route);
            rig.messages.answers = {MessageBoxes::Answer::Cancel};
            click(*rig.form, control);
            QCOMPARE(rig.log.of("message"), QStringList{message});
            QVERIFY(rig.log.of("serial").isEmpty());
            QVERIFY(rig.log.of("lan").isEmpty());
            QCOMPARE(rig.tcp.connectAttempts, 0);
            QCOMPARE(rig.clock.nowMs(), 0.0);
        }
    }

    // Over serial a mode button closes the port after the mode, open or not.
    void mountModeClosesTheSerialPort() {
        TestRig rig;
        prepare(rig, Route::SerialOpen);
        click(*rig.form, "Command56");
        QVERIFY(!rig.serial.isOpen());
        QCOMPARE(rig.log.timedOf("port"), QStringList{"100 close"});
        QCOMPARE(rig.log.of("sound"), QStringList{"Deconnect.mp3"});
        QVERIFY(rig.controls().enabled("Command11"));
        QVERIFY(!rig.controls().enabled("Command12"));
    }

    // Over the LAN the connection stays open after the mode, and the mode lamps wait for the
    // controller's answer.
    void mountModeOverLanKeepsTheConnection() {
        TestRig rig;
        rig.attachSimulator();
        prepare(rig, Route::Lan);
        for (const MountModeButton& b : mountModeButtons()) click(*rig.form, b.control);
        QCOMPARE(rig.log.of("lan"), (QStringList{":SXEM,1#", ":SXEM,2#", ":SXEM,3#"}));
        QCOMPARE(rig.tcp.state(), int(TcpClient::Connected));
        QCOMPARE(rig.controller->queryValue(":GXEm#"), QStringLiteral("3"));
        QVERIFY(changedLamps(rig.controls()).isEmpty());
    }

    // Any heading of the operation page shows the fine-trim panel, and it stays shown.
    void fineTrimPanelShowsForGood() {
        TestRig rig;
        QVERIFY(!rig.controls().visible("Picture9"));
        showFineTrimPanel(*rig.form, 4);
        QVERIFY(rig.controls().visible("Picture9"));
        showFineTrimPanel(*rig.form, 0);
        click(*rig.form, "Command54");
        QVERIFY(rig.controls().visible("Picture9"));
    }
};

QTEST_GUILESS_MAIN(OperationButtonsTest)
#include "tst_operation_buttons.moc"
