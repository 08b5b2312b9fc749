// The simulated controller's behaviour: answers, writes that change them, framing, faults.

#include <QTest>

#include "sim/Controller.h"
#include "sim/FaultOption.h"

using qx::sim::Controller;
using qx::sim::Fault;
using qx::sim::Output;

Q_DECLARE_METATYPE(Fault::Kind)

namespace {

QByteArray joined(const std::vector<Output>& outputs) {
    QByteArray bytes;
    for (const Output& output : outputs) bytes += output.bytes;
    return bytes;
}

// The answer to one command sent on its own.
QByteArray ask(Controller& controller, const QByteArray& command) {
    return joined(controller.receive(command, 0));
}

// The queries of the window's read, and whether its retry passes find a one-character reply short.
struct ReadQuery {
    const char* command;
    bool testedForShort;
};

const ReadQuery kReadQueries[] = {
    {":GVP#", false},  {":GXE1#", false}, {":GXE4#", false}, {":GXE5#", false}, {":GXE7#", false},
    {":GXEE#", false}, {":Gg#", true},    {":Gt#", true},    {":GG#", true},    {":%BR#", true},
    {":%BD#", true},   {":GXEA#", false}, {":GXE9#", false}, {":Go#", true},    {":Gh#", true},
    {":GX81#", true},  {":GX80#", true},  {":GXEF#", false}, {":GXEG#", false}, {":GXEH#", false},
    {":G1#", true},    {":G2#", true},    {":GXEL#", false}, {":GXEM#", true},  {":GXEN#", true},
    {":GXEI#", false}, {":GX95#", false}, {":GXEQ#", false}, {":GXEP#", false}, {":GXES#", true},
    {":GXET#", true},  {":GXEa#", false}, {":GXEb#", false}, {":GXEc#", false}, {":GXEd#", false},
    {":GXEe#", false}, {":GXEf#", false}, {":GXEm#", false}, {":GX97#", false}, {":GXEU#", false},
    {":GXA1#", false}, {":GXA2#", false},
};

}  // namespace

class TestSimController : public QObject {
    Q_OBJECT

private slots:
    void everyReadQueryGetsOneValueEndedByHash();
    void answers_data();
    void answers();
    void writeThenRead_data();
    void writeThenRead();
    void lx200SetCommandsAnswerBareOne_data();
    void lx200SetCommandsAnswerBareOne();
    void otherCommandsAreLoggedButNotAnswered_data();
    void otherCommandsAreLoggedButNotAnswered();
    void commandsArriveInAnyChunking();
    void clockFollowsPcClockFromWhereItWasSet();
    void factoryDefaultsRestoreWrittenValues();
    void faults_data();
    void faults();
    void faultAppliesOnlyAsOftenAsTold();
    void longestFaultPrefixWins();
    void faultOption_data();
    void faultOption();
};

void TestSimController::everyReadQueryGetsOneValueEndedByHash() {
    Controller controller;
    for (const ReadQuery& query : kReadQueries) {
        const QByteArray reply = ask(controller, query.command);
        QVERIFY2(reply.endsWith('#') && reply.count('#') == 1, query.command);
        const int minimum = query.testedForShort ? 2 : 1;
        QVERIFY2(reply.size() - 1 >= minimum, query.command);
    }
}

void TestSimController::answers_data() {
    QTest::addColumn<QByteArray>("query");
    QTest::addColumn<QByteArray>("reply");
    QTest::newRow("longitude") << QByteArray(":Gg#") << QByteArray("-139*45#");
    QTest::newRow("offset") << QByteArray(":GG#") << QByteArray("-09#");
    QTest::newRow("backlash") << QByteArray(":%BR#") << QByteArray("005#");
    QTest::newRow("zenith") << QByteArray(":Go#") << QByteArray("+85*#");
    QTest::newRow("model") << QByteArray(":GXEU#") << QByteArray("Kestrana-k192.168.4.1#");
    QTest::newRow("ra axis") << QByteArray(":GXA1#") << QByteArray("12800,-1x,-180,180,16.0#");
    QTest::newRow("dec axis") << QByteArray(":GXA2#") << QByteArray("12800,-2x,-180,180,16.0#");
    QTest::newRow("slew speed") << QByteArray(":GX97#") << QByteArray("2.0#");
}

void TestSimController::answers() {
    QFETCH(QByteArray, query);
    QFETCH(QByteArray, reply);
    Controller controller;
    QCOMPARE(ask(controller, query), reply);
}

void TestSimController::writeThenRead_data() {
    QTest::addColumn<QByteArray>("write");
    QTest::addColumn<QByteArray>("query");
    QTest::addColumn<QByteArray>("reply");
    const auto row = [](const char* name, const char* write, const char* query, const char* reply) {
        QTest::newRow(name) << QByteArray(write) << QByteArray(query) << QByteArray(reply);
    };
    row("max rate", ":PA1200#", ":GXE1#", "1200#");
    row("ra steps", ":PB5000#", ":GXE4#", "5000#");
    row("ra steps in axis", ":PB5000#", ":GXA1#", "5000,-1x,-180,180,16.0#");
    row("dec steps in axis", ":PC7000#", ":GXA2#", "7000,-2x,-180,180,16.0#");
    row("worm steps", ":PD40000#", ":GXE7#", "40000#");
    row("dec worm steps", ":PE41000#", ":GXEE#", "41000#");
    row("longitude as sent", ":Sg+75*10#", ":Gg#", "+75*10#");
    row("latitude", ":St-33*52#", ":Gt#", "-33*52#");
    row("offset with hundredths", ":SG-9.00#", ":GG#", "-09#");
    row("offset bare", ":SG+5#", ":GG#", "+05#");
    row("offset half hour", ":SG-5.5.00#", ":GG#", "-05.5#");
    row("backlash ra", ":$BR099#", ":%BR#", "099#");
    row("backlash dec", ":$BD234#", ":%BD#", "234#");
    row("meridian west", ":SXEA,7#", ":GXEA#", "7#");
    row("meridian east", ":SXE9,-3#", ":GXE9#", "-3#");
    row("zenith", ":So80#", ":Go#", "+80*#");
    row("horizon", ":Sh-5#", ":Gh#", "-05*#");
    row("home altitude", ":PF40#", ":G1#", "40#");
    row("home azimuth", ":PG270#", ":G2#", "270#");
    row("polar home", ":TH#", ":G1#", "+35#");
    row("channel", ":PH11#", ":GXEL#", "11#");
    row("ap ssid", ":PmMyMount#", ":GXEM#", "MyMount#");
    row("ap password", ":Pnsecret99#", ":GXEN#", "secret99#");
    row("station ssid", ":PpLab#", ":GXES#", "Lab#");
    row("station password", ":Pqpw#", ":GXET#", "pw#");
    row("ra tracking micro", ":$PJ32#", ":GXEa#", "32#");
    row("ra slewing micro", ":$PK4#", ":GXEb#", "4#");
    row("dec tracking micro", ":$PL64#", ":GXEc#", "64#");
    row("dec slewing micro", ":$PM2#", ":GXEd#", "2#");
    row("acceleration", ":$PN5#", ":GXEe#", "5#");
    row("deceleration", ":$PO1#", ":GXEf#", "1#");
    row("ra minus", ":TB#", ":GXEF#", "0#");
    row("dec minus", ":TD#", ":GXEG#", "0#");
    row("limit off", ":TW#", ":GXEH#", "0#");
    row("auto flip off", ":TY#", ":GXEI#", "0#");
    row("sidereal flip on", ":SX95,1#", ":GX95#", "1#");
    row("pause off", ":SX98,0#", ":GXEQ#", "0#");
    row("beep off", ":SX97,0#", ":GXEP#", "0#");
    row("fork mode", ":SXEM,2#", ":GXEm#", "2#");
    row("speed 50%", ":SX93,K#", ":GX97#", "1.0#");
    row("speed 55%", ":SX93,J#", ":GX97#", "1.1#");
    row("speed 150%", ":SX93,L#", ":GX97#", "3.0#");
    row("speed 400%", ":SX93,Q#", ":GX97#", "8.0#");
    row("ra axis", ":SXA1,9000,-2,-180,180,32,-1,-1,-1,-1,-1#", ":GXA1#",
        "9000,-2x,-180,180,32.0#");
    row("ra axis steps", ":SXA1,9000,-2,-180,180,32,-1,-1,-1,-1,-1#", ":GXE4#", "9000#");
    row("dec axis", ":SXA2,6400,-1,-180,180,8,-1,-1,-1,-1,-1#", ":GXA2#", "6400,-1x,-180,180,8.0#");
    row("axis without microsteps kept", ":SXA1,9000,-1,-180,180,,-1,-1,-1,-1,-1#", ":GXA1#",
        "12800,-1x,-180,180,16.0#");
}

void TestSimController::writeThenRead() {
    QFETCH(QByteArray, write);
    QFETCH(QByteArray, query);
    QFETCH(QByteArray, reply);
    Controller controller;
    controller.receive(write, 0);
    QCOMPARE(ask(controller, query), reply);
}

void TestSimController::lx200SetCommandsAnswerBareOne_data() {
    QTest::addColumn<QByteArray>("command");
    for (const char* command : {":SG-9.00#", ":SC03/05/24#", ":SL21:07:05#", ":St+35*40#",
                                ":Sg-139*45#", ":Sh-10#", ":So85#"})
        QTest::newRow(command) << QByteArray(command);
}

void TestSimController::lx200SetCommandsAnswerBareOne() {
    QFETCH(QByteArray, command);
    Controller controller;
    QCOMPARE(ask(controller, command), QByteArray("1"));
}

void TestSimController::otherCommandsAreLoggedButNotAnswered_data() {
    QTest::addColumn<QByteArray>("command");
    for (const char* command :
         {":Pe#", ":Pz#", ":$PP#", ":Q#", ":Te#", ":hC#", ":=SG#", ":PA900#", ":SXAC,0#", ":XYZ#"})
        QTest::newRow(command) << QByteArray(command);
}

void TestSimController::otherCommandsAreLoggedButNotAnswered() {
    QFETCH(QByteArray, command);
    Controller controller;
    QVERIFY(controller.receive(command, 42).empty());
    QCOMPARE(controller.log().size(), size_t(1));
    QCOMPARE(controller.log()[0].command, QString::fromLatin1(command));
    QCOMPARE(controller.log()[0].atMs, qint64(42));
}

void TestSimController::commandsArriveInAnyChunking() {
    Controller controller;
    QVERIFY(controller.receive(":GX", 1).empty());
    QCOMPARE(joined(controller.receive("EL#\r\n:SL21:", 2)), QByteArray("6#"));
    // The bare "1" of ":SL" and then the answer to ":GXE1#".
    QCOMPARE(joined(controller.receive("07:05#:GXE1#", 3)), QByteArray("1800#"));
    QCOMPARE(controller.log().size(), size_t(3));
    QCOMPARE(controller.log()[0].command, QStringLiteral(":GXEL#"));
    QCOMPARE(controller.log()[0].atMs, qint64(2));
    QCOMPARE(controller.log()[1].command, QStringLiteral(":SL21:07:05#"));
    QCOMPARE(controller.log()[2].atMs, qint64(3));
}

void TestSimController::clockFollowsPcClockFromWhereItWasSet() {
    QDateTime pcNow(QDate(2030, 1, 2), QTime(10, 0, 0));
    Controller controller;
    controller.setPcClock([&pcNow] { return pcNow; });
    QCOMPARE(ask(controller, ":GX81#"), QByteArray("01/02/30#"));
    QCOMPARE(ask(controller, ":GX80#"), QByteArray("10:00:00#"));

    controller.receive(":SC03/05/24#:SL21:07:05#", 0);
    pcNow = pcNow.addSecs(10);
    QCOMPARE(ask(controller, ":GX81#"), QByteArray("03/05/24#"));
    QCOMPARE(ask(controller, ":GX80#"), QByteArray("21:07:15#"));

    QCOMPARE(ask(controller, ":SC13/45/24#"), QByteArray("0"));
    QCOMPARE(ask(controller, ":GX81#"), QByteArray("03/05/24#"));
}

void TestSimController::factoryDefaultsRestoreWrittenValues() {
    Controller controller;
    controller.receive(":PA1500#:SXA1,9000,-2,-180,180,32,-1,-1,-1,-1,-1#:TB#", 0);
    controller.receive(":Pd#", 0);
    QCOMPARE(ask(controller, ":GXE1#"), QByteArray("800#"));
    QCOMPARE(ask(controller, ":GXA1#"), QByteArray("12800,-1x,-180,180,16.0#"));
    QCOMPARE(ask(controller, ":GXEF#"), QByteArray("1#"));

    controller.receive(":SXA2,9000,-1,-180,180,32,-1,-1,-1,-1,-1#:SXA2,R#", 0);
    QCOMPARE(ask(controller, ":GXA2#"), QByteArray("12800,-2x,-180,180,16.0#"));
}

void TestSimController::faults_data() {
    QTest::addColumn<Fault::Kind>("kind");
    QTest::addColumn<QByteArray>("command");
    QTest::addColumn<QList<int>>("delays");
    QTest::addColumn<QList<QByteArray>>("pieces");
    QTest::addColumn<bool>("drop");
    using K = Fault::Kind;
    QTest::newRow("no answer") << K::NoAnswer << QByteArray(":GXE1#") << QList<int>{}
                               << QList<QByteArray>{} << false;
    QTest::newRow("late") << K::Late << QByteArray(":GXE1#") << QList<int>{305}
                          << QList<QByteArray>{"800#"} << false;
    QTest::newRow("split") << K::Split << QByteArray(":GXEU#") << QList<int>{5, 45, 85}
                           << QList<QByteArray>{"Kestrana", "-k192.16", "8.4.1#"} << false;
    QTest::newRow("garbage") << K::Garbage << QByteArray(":GXE1#") << QList<int>{5}
                             << QList<QByteArray>{"x?"} << false;
    QTest::newRow("garbage without answer")
        << K::Garbage << QByteArray(":Pe#") << QList<int>{5} << QList<QByteArray>{"x?"} << false;
    QTest::newRow("drop") << K::Drop << QByteArray(":GXE1#") << QList<int>{5}
                          << QList<QByteArray>{""} << true;
    QTest::newRow("drop without answer")
        << K::Drop << QByteArray(":Pz#") << QList<int>{5} << QList<QByteArray>{""} << true;
}

void TestSimController::faults() {
    QFETCH(Fault::Kind, kind);
    QFETCH(QByteArray, command);
    QFETCH(QList<int>, delays);
    QFETCH(QList<QByteArray>, pieces);
    QFETCH(bool, drop);
    Controller controller;
    controller.setFault(QString::fromLatin1(command),
                        Fault{kind, 300, 3, 40, QByteArray("x?"), -1});
    const std::vector<Output> outputs = controller.receive(command, 0);
    QCOMPARE(outputs.size(), size_t(delays.size()));
    for (qsizetype i = 0; i < delays.size(); ++i) {
        QCOMPARE(outputs[i].delayMs, delays[i]);
        QCOMPARE(outputs[i].bytes, pieces[i]);
        QCOMPARE(outputs[i].drop, drop);
    }
    QCOMPARE(controller.log().size(), size_t(1));
}

void TestSimController::faultAppliesOnlyAsOftenAsTold() {
    Controller controller;
    Fault once;
    once.kind = Fault::Kind::NoAnswer;
    once.times = 1;
    controller.setFault(QStringLiteral(":GXEL#"), once);
    QCOMPARE(ask(controller, ":GXEL#"), QByteArray());
    QCOMPARE(ask(controller, ":GXEL#"), QByteArray("6#"));

    controller.setFault(QStringLiteral(":GXEL#"), once);
    controller.clearFaults();
    QCOMPARE(ask(controller, ":GXEL#"), QByteArray("6#"));
}

void TestSimController::longestFaultPrefixWins() {
    Controller controller;
    Fault garbage;
    garbage.kind = Fault::Kind::Garbage;
    garbage.text = "junk#";
    Fault silent;
    silent.kind = Fault::Kind::NoAnswer;
    controller.setFault(QStringLiteral(":GXE"), garbage);
    controller.setFault(QStringLiteral(":GXEL#"), silent);
    QCOMPARE(ask(controller, ":GXEL#:GXE1#:Gt#"), QByteArray("junk#+35*40#"));
}

void TestSimController::faultOption_data() {
    QTest::addColumn<QString>("option");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<Fault::Kind>("kind");
    QTest::addColumn<int>("ms");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("times");
    const auto row = [](const char* option, const char* prefix, Fault::Kind kind, int ms = 0,
                        const char* text = "", int times = -1) {
        QTest::newRow(option) << QString::fromLatin1(option) << (prefix != nullptr)
                              << QString::fromLatin1(prefix) << kind << ms << QByteArray(text)
                              << times;
    };
    using K = Fault::Kind;
    row(":GXEL#=noanswer", ":GXEL#", K::NoAnswer);
    row(":Gt#=LATE:300", ":Gt#", K::Late, 300);
    row(":Gt#=late", ":Gt#", K::Late, 1000);
    row(":GXA1#=split:40@2", ":GXA1#", K::Split, 40, "", 2);
    row(":GG#=garbage:a=b#@1", ":GG#", K::Garbage, 0, "a=b#", 1);
    row(":GG#=garbage", ":GG#", K::Garbage, 0, "garbage#");
    row(":=SG#=drop", ":=SG#", K::Drop);
    row(":Gt#=slow", nullptr, K::None);
    row(":Gt#=late:soon", nullptr, K::None);
    row("=drop", nullptr, K::None);
}

void TestSimController::faultOption() {
    QFETCH(QString, option);
    QFETCH(bool, valid);
    const auto parsed = qx::sim::parseFaultOption(option);
    QCOMPARE(parsed.has_value(), valid);
    if (!valid) return;
    QFETCH(QString, prefix);
    QFETCH(Fault::Kind, kind);
    QFETCH(int, ms);
    QFETCH(QByteArray, text);
    QFETCH(int, times);
    QCOMPARE(parsed->first, prefix);
    QCOMPARE(parsed->second.kind, kind);
    QCOMPARE(kind == Fault::Kind::Split ? parsed->second.gapMs : parsed->second.delayMs,
             kind == Fault::Kind::Split || kind == Fault::Kind::Late ? ms : 0);
    QCOMPARE(parsed->second.text, text);
    QCOMPARE(parsed->second.times, times);
}

QTEST_GUILESS_MAIN(TestSimController)
#include "tst_sim_controller.moc"
