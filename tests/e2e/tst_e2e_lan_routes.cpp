// Every button that talks to the controller over both links, clicked in the real window with the
// LAN link chosen: the click opens a TCP connection of its own to the simulator program and sends
// its commands over it, in order. The serial-only buttons send nothing over TCP and leave the
// connection as it was. All rows run in one window session; since every LAN click connects anew,
// the rows that end with the link closed (restart, Wi-Fi mode, factory reset, gear write) need no
// new session and simply come last.

#include <QAbstractButton>
#include <QApplication>
#include <QDateTime>
#include <QMessageBox>
#include <QTimer>
#include <QtTest>

#include "LanSession.h"
#include "link/LanLink.h"
#include "shell/ControlLocking.h"

using namespace qx;

namespace {

// The TCP connection after the click.
enum class Link {
    Stands,     // the click's own connection is still open
    Closed,     // the click ended by closing it (the controller restarts)
    Untouched,  // connected or not, as before the click
};

using Fields = QList<std::pair<QString, QString>>;

struct Route {
    QString control;
    Fields fields;  // texts the operator has entered
    // Received over TCP, in order; "{date}" and "{time}" stand for the PC's clock at the click.
    QStringList sent;
    int connections = 1;  // accepted by the simulator during the click
    Link after = Link::Stands;
    QString box;  // "title|text" of the confirmation answered OK
};

// The connection this click opened, then `sent` over it.
Route lan(const QString& control, QStringList sent, Fields fields = {}) {
    return {control, std::move(fields), std::move(sent), 1, Link::Stands, {}};
}

// Asked first and answered OK.
Route confirmed(const QString& control, const char* box, QStringList sent) {
    return {control, {}, std::move(sent), 1, Link::Stands, QString::fromUtf8(box)};
}

// The controller restarts: the click ends with the link closed.
Route closing(Route route) {
    route.after = Link::Closed;
    return route;
}

// A serial-only button: no connection, nothing over TCP.
Route serialOnly(const QString& control) {
    return {control, {}, {}, 0, Link::Untouched, {}};
}

const char* const kRestartBox = "再起動|コントローラーを再起動しますか？";

QList<Route> captionRoutes() {
    const char* const queries[] = {":GXE1#", ":GXE4#", ":GXE5#", ":GXE7#", ":GXEE#", ":Gg#",
                                   ":Gt#",   ":GG#",   ":%BR#",  ":%BD#",  ":GXEA#", ":GXE9#",
                                   ":Go#",   ":Gh#",   ":G1#",   ":G2#"};
    QList<Route> routes;
    for (int i = 0; i < 16; ++i) routes << lan(element("Command5", i), {QLatin1String(queries[i])});
    // The captions of the direction and microstep fields ask nothing, but connect all the same.
    for (int i = 16; i < 20; ++i) routes << lan(element("Command5", i), {});
    return routes;
}

QList<Route> setRoutes() {
    struct Set {
        const char* field;
        const char* typed;
        const char* sent;
    };
    const Set sets[] = {
        {"Text1(0)", "800", ":PA800#"},
        {"Text1(1)", "12800", ":PB12800#"},
        {"Text1(2)", "12800.7", ":PC12800#"},
        {"Text1(3)", "28800", ":PD28800#"},
        {"Text1(4)", "36000", ":PE36000#"},
        {"Text1(13)", "-10*", ":Sh-10#"},
        {"Text1(12)", "85*", ":So85#"},
        {"Text1(11)", "-20", ":SXE9,-20#"},
        {"Text1(10)", "20", ":SXEA,20#"},
        {"Text1(8)", "5", ":$BR005#"},
        {"Text1(9)", "1234", ":$BD234#"},
        {"Text1(5)", "+139*45", ":Sg-139*45#"},
        {"Text1(6)", " +35*40 ", ":St+35*40#"},
        {"Text1(7)", " +9 ", ":SG-9#"},
        {"Text1(20)", "40", ":PF40#"},
        {"Text1(21)", "90", ":PG90#"},
        {"Combo3", " 6", ":PH6#"},
        {"Text1(23)", "QuorvelAP", ":PmQuorvelAP#"},
        {"Text1(24)", "secret1", ":Pnsecret1#"},
        {"Text1(40)", "HomeNet", ":PpHomeNet#"},
        {"Text1(41)", "secret2", ":Pqsecret2#"},
        {"Combo4", " 16", ":$PJ16#"},
        {"Combo5", " 32", ":$PK32#"},
        {"Combo6", " 8", ":$PL8#"},
        {"Combo7", " 64", ":$PM64#"},
        {"Combo8", " 2", ":$PN2#"},
        {"Combo9", " 5", ":$PO5#"},
    };
    QList<Route> routes;
    for (int i = 0; i < int(std::size(sets)); ++i)
        routes << lan(element("Command6", i), {QLatin1String(sets[i].sent)},
                      {{QLatin1String(sets[i].field), QString::fromUtf8(sets[i].typed)}});
    return routes;
}

QList<Route> oneShotRoutes() {
    return {
        lan("Command10", {":Te#"}),
        lan("Command9", {":Td#"}),
        lan("Command27", {":TQ#"}),
        lan("Command49", {":TK#"}),
        lan("Command26", {":TL#"}),
        lan("Command25", {":TS#"}),
        lan("Command24", {":T0#"}),
        lan("Command43", {":R0#"}),
        lan("Command42", {":R1#"}),
        lan("Command41", {":R2#"}),
        lan("Command40", {":R3#"}),
        lan("Command47", {":R5#"}),
        lan("Command46", {":R6#"}),
        lan("Command45", {":R7#"}),
        lan("Command50", {":R8#"}),
        lan("Command23", {":T+#"}),
        lan("Command22", {":T-#"}),
        lan("Command54", {":TR#"}),
        lan("Command17", {":SX98,1#"}),
        lan("Command18", {":SX98,0#"}),
        lan("Command13", {":SX97,1#", ":GXEP#"}),
        lan("Command14", {":SX97,0#", ":GXEP#"}),
    };
}

QList<Route> operationRoutes() {
    QList<Route> routes{
        confirmed("Command51", "HOME|HOME位置に戻しますか？", {":hC#"}),
        confirmed("Command57", "PARK|PARK位置に戻しますか？", {":Te#", ":hP#"}),
        confirmed("Command58", "PARK|現在位置をPARK位置を設定しますか", {":hQ#"}),
        // The mount modes' TCP route: the mode alone, no ":Tr#" or ":Tn#", the link left open.
        lan("Command55", {":SXEM,1#"}),
        lan("Command53", {":SXEM,2#"}),
        lan("Command56", {":SXEM,3#"}),
        // "Set" sends no UTC offset over the LAN.
        lan("Command34", {":SC{date}#", ":SL{time}#", ":GX81#", ":GX80#"}),
        lan("Command59", {":SC{date}#", ":SL{time}#", ":hR#"}),
    };
    // The percentage buttons share one sequence of a second each: the ends of both runs of
    // letters, 50% and 100% ("K" back to "A"), 150% and 400% ("L" on to "Q").
    for (const auto& [button, letter] : {std::pair{0, 'K'}, {10, 'A'}, {11, 'L'}, {16, 'Q'}})
        routes << lan(element("Command48", button),
                      {QStringLiteral(":SX93,%1#").arg(QLatin1Char(letter)), ":GX97#"});
    // After the SET rows: it disables the SET buttons of the home position.
    routes << lan("Command29", {":TH#", ":G1#", ":G2#"});
    return routes;
}

QList<Route> serialOnlyRoutes() {
    QList<Route> routes;
    for (const char* control :
         {"Command1", "Command2", "Command3", "Command4", "Command7", "Command8", "Command15",
          "Command16", "Command20", "Command21", "Command30", "Command31", "Command32", "Command33",
          "Command37", "Command19"})
        routes << serialOnly(QLatin1String(control));
    return routes;
}

QList<Route> closingRoutes() {
    const QStringList factoryReset{":Pd#",     ":SXA1,R#", ":GXEM#", ":GXA1#", ":GXE7#", ":GXA2#",
                                   ":SXA2,R#", ":GXEM#",   ":GXA1#", ":GXE7#", ":GXA2#", ":Pz#"};
    const QStringList readBack{":GXEm#", ":GXA1#", ":GXE7#", ":GXA2#"};
    const QString ra = QStringLiteral(":SXA1,12800,-1,-180,180,16,-1,-1,-1,-1,-1#");
    const QString dec = QStringLiteral(":SXA2,12800,-2,-180,180,32,-1,-1,-1,-1,-1#");
    Route reset =
        closing(confirmed("Command6(27)", "工場出荷設定|工場設定値に戻しますか？", factoryReset));
    reset.connections = 2;  // the OK connects once more
    Route gearWrite = closing(confirmed(
        "Command52", kRestartBox,
        QStringList{":Pd#", ":SXAC,0#"} + readBack + QStringList{ra, ":SXE7,1#"} + readBack +
            readBack + QStringList{dec, ":SXE7,1#"} + readBack + QStringList{":Pz#"}));
    gearWrite.fields = {{"Text1(1)", "12800"}, {"Text1(100)", "1"}, {"Text1(101)", "16"},
                        {"Text1(2)", "12800"}, {"Text1(102)", "0"}, {"Text1(103)", "32"}};
    // The gear write last: it leaves the settings controls locked until the next read.
    return {
        closing(confirmed("Command6(28)", kRestartBox, {":Pz#"})),
        closing(lan("Command35", {":TG#", ":Pe#", ":Pz#"})),
        closing(lan("Command36", {":TF#", ":Pe#", ":Pz#"})),
        reset,
        gearWrite,
    };
}

// `expected` with its "{date}" and "{time}" filled from a second of the PC's clock between `from`
// and `to`, the one `got` was built from; `expected` itself when none fits.
QString resolved(const QString& expected, const QString& got, const QDateTime& from,
                 const QDateTime& to) {
    if (!expected.contains(QLatin1Char('{'))) return expected;
    QDateTime second = from.addMSecs(-from.time().msec());
    for (; second <= to; second = second.addSecs(1)) {
        QString filled = expected;
        filled.replace(QLatin1String("{date}"), second.toString(QStringLiteral("MM/dd/yy")));
        filled.replace(QLatin1String("{time}"), second.toString(QStringLiteral("HH:mm:ss")));
        if (filled == got) return filled;
    }
    return expected;
}

// Time for what a click sent to reach the simulator's log.
constexpr int kArrivalMs = 5000;
// A click that must send nothing is given this long to prove it.
constexpr int kSilenceMs = 100;

}  // namespace

Q_DECLARE_METATYPE(Route)

class EndToEndLanRoutesTest : public QObject {
    Q_OBJECT
    std::unique_ptr<LanSession> lan_;
    QTimer boxAnswerer_;
    QStringList boxesSeen_;

    // Presses OK in every message box and notes what it said.
    void answerBoxes() {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        boxesSeen_ << box->windowTitle() + QLatin1Char('|') + box->text();
        box->button(QMessageBox::Ok)->click();
    }

private Q_SLOTS:
    void initTestCase() {
        lan_ = std::make_unique<LanSession>();
        QVERIFY2(lan_->problem().isEmpty(), qPrintable(lan_->problem()));
        Program& program = lan_->program();
        // The buttons as a read-all leaves them (that read is shown by its own test).
        AllDispON(program.form->controls());
        // The fine-trim buttons sit on a panel that a row heading of the page shows.
        QVERIFY(program.click(QStringLiteral("Label1(0)")));
        QVERIFY(program.form->controls().visible(QStringLiteral("Picture9")));
        connect(&boxAnswerer_, &QTimer::timeout, this, &EndToEndLanRoutesTest::answerBoxes);
        boxAnswerer_.start(20);
    }
    void cleanupTestCase() {
        boxAnswerer_.stop();
        lan_.reset();
    }

    void clickOverLan_data() {
        QTest::addColumn<Route>("route");
        for (const QList<Route>& group : {captionRoutes(), setRoutes(), oneShotRoutes(),
                                          operationRoutes(), serialOnlyRoutes(), closingRoutes()})
            for (const Route& route : group) QTest::newRow(qPrintable(route.control)) << route;
    }
    void clickOverLan() {
        QFETCH(Route, route);
        Program& program = lan_->program();
        SimulatorProcess& sim = lan_->simulator();
        Controls& controls = program.form->controls();
        for (const auto& [field, text] : route.fields) QVERIFY(controls.setText(field, text));
        auto* button = program.widget<QWidget>(route.control);
        QVERIFY2(button && button->isEnabled(), qPrintable(route.control));

        const qsizetype commandsBefore = sim.received().size();
        const int connectionsBefore = sim.connections();
        const bool connectedBefore = program.form->frmTerm().connected();
        boxesSeen_.clear();
        const QDateTime from = QDateTime::currentDateTime();
        QVERIFY(program.click(route.control));  // returns when the click's sequence has ended
        const QDateTime to = QDateTime::currentDateTime();
        // Some buttons restart the poll, which would re-read MaxRate over a connection of its own.
        program.form->setTimer1Interval(0);

        const int connections = connectionsBefore + route.connections;
        // What has not arrived by then shows in the comparisons below.
        (void)QTest::qWaitFor(
            [&] {
                return sim.connections() >= connections &&
                       sim.received().size() >= commandsBefore + route.sent.size();
            },
            kArrivalMs);
        if (route.connections == 0) QTest::qWait(kSilenceMs);

        const QList<SimulatorProcess::Received> received = sim.received().mid(commandsBefore);
        QStringList got;
        for (const SimulatorProcess::Received& r : received) got << r.command;
        QStringList expected;
        for (qsizetype i = 0; i < route.sent.size(); ++i)
            expected << resolved(route.sent[i], got.value(i), from, to);
        QCOMPARE(got.join(QLatin1Char(' ')), expected.join(QLatin1Char(' ')));
        QCOMPARE(sim.connections(), connections);
        // All over the connection the click opened last, none older.
        for (const SimulatorProcess::Received& r : received) QCOMPARE(r.connection, connections);

        const bool connected = program.form->frmTerm().connected();
        switch (route.after) {
            case Link::Stands:
                QVERIFY(connected);
                break;
            case Link::Closed:
                QVERIFY(!connected);
                break;
            case Link::Untouched:
                QCOMPARE(connected, connectedBefore);
                break;
        }
        QCOMPARE(boxesSeen_, route.box.isEmpty() ? QStringList() : QStringList{route.box});
        const qint64 tookMs = from.msecsTo(to);
        if (tookMs > 1000) qInfo("%s took %lld ms", qPrintable(route.control), tookMs);
    }
};

QTEST_MAIN(EndToEndLanRoutesTest)
#include "tst_e2e_lan_routes.moc"
