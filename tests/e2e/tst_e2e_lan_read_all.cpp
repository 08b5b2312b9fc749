// "接続" on the LAN link through the real window, over real TCP to the simulator program.

#include <QtTest>

#include "LanSession.h"
#include "shell/ControlLocking.h"

using namespace qx;

namespace {

const QStringList kFirstPass{
    ":GVP#",  ":GXE1#", ":GXE4#", ":GXE5#", ":GXE7#", ":GXEE#", ":Gg#",   ":Gt#",   ":GG#",
    ":%BR#",  ":%BD#",  ":GXEA#", ":GXE9#", ":Go#",   ":Gh#",   ":GX81#", ":GX80#", ":GXEF#",
    ":GXEG#", ":GXEH#", ":G1#",   ":G2#",   ":GXEL#", ":GXEM#", ":GXEN#", ":GXEI#", ":GX95#",
    ":GXEQ#", ":GXEP#", ":GXES#", ":GXET#", ":GXEa#", ":GXEb#", ":GXEc#", ":GXEd#", ":GXEe#",
    ":GXEf#", ":GXEm#", ":GX97#", ":GXEU#", ":GXA1#", ":GXA2#", ":GXA1#", ":GXA2#"};

// The simulator stamps a command when it reads it: a first command read a little late (a busy
// machine, a sanitizer build) makes the span it sees a little shorter than the waits.
constexpr int kEarlinessMs = 25;

// The RA axis reply of the example, sent as the text and then its "#" in a packet of its own.
const QString kAxisReply = QStringLiteral("12000,-1x,a,b,16.0");

}  // namespace

class EndToEndLanReadAllTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void readAllOverTcp() {
        LanSession lan({"--value", ":Gt#= +35*40", "--value", ":GXA1#=" + kAxisReply, "--fault",
                        QStringLiteral(":GXA1#=split:40,%1").arg(kAxisReply.size())});
        QVERIFY2(lan.problem().isEmpty(), qPrintable(lan.problem()));
        Program& program = lan.program();

        QElapsedTimer took;
        took.start();
        QVERIFY(program.click(QStringLiteral("Command61")));  // returns when the read has ended
        qInfo("LAN read-all took %lld ms", took.elapsed());

        // The first pass in order, nothing asked again, ":Pe#" last.
        QVERIFY(lan.waitForCommands(kFirstPass.size() + 1));
        QCOMPARE(lan.commands(), kFirstPass + QStringList{":Pe#"});
        const QList<SimulatorProcess::Received> received = lan.simulator().received();
        const qint64 afterVersion = received[1].atMs - received[0].atMs;
        const qint64 shortQueries = received[40].atMs - received[1].atMs;  // 39 waits of 100 ms
        const qint64 beforeEnd = received[44].atMs - received[43].atMs;    // 1000 ms and 250 ms
        qInfo("after :GVP# %lld ms; 39 short waits %lld ms; last wait and pause %lld ms",
              afterVersion, shortQueries, beforeEnd);
        QVERIFY2(afterVersion >= 500 - kEarlinessMs && afterVersion < 650,
                 qPrintable(QString::number(afterVersion)));
        QVERIFY2(shortQueries >= 3900 - kEarlinessMs && shortQueries < 4500,
                 qPrintable(QString::number(shortQueries)));
        QVERIFY2(beforeEnd >= 1250 - kEarlinessMs && beforeEnd < 1450,
                 qPrintable(QString::number(beforeEnd)));

        // The LAN reply differences.
        QCOMPARE(program.text(QStringLiteral("Text1(99)")), QStringLiteral("Kestrana"));
        QCOMPARE(program.text(QStringLiteral("Text1(6)")), QStringLiteral("+35*40"));
        // The axis text arrived without its "#" and was still parsed as it stood.
        QCOMPARE(program.text(QStringLiteral("Text1(1)")), QStringLiteral("12000"));
        QCOMPARE(program.text(QStringLiteral("Text1(100)")), QStringLiteral("1"));
        QCOMPARE(program.text(QStringLiteral("Text1(101)")), QStringLiteral("16"));

        QCOMPARE(program.form->timer1Interval(), 0);
        for (const QString& name : settingsControls())
            QVERIFY2(program.form->controls().enabled(name), qPrintable(name));
        QVERIFY(!program.form->controls().enabled(QStringLiteral("Command61")));
        QVERIFY(program.form->controls().enabled(QStringLiteral("Command12")));
    }
};

QTEST_MAIN(EndToEndLanReadAllTest)
#include "tst_e2e_lan_read_all.moc"
