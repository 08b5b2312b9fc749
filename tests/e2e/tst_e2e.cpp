#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QtTest>

#include "LanSession.h"
#include "Program.h"
#include "SimulatorProcess.h"

using namespace qx;

namespace {

// The simulator may read the first command a little late, which shortens the span it measures.
constexpr int kEarlinessMs = 25;

const QStringList kFirstPass{
    ":GVP#",  ":GXE1#", ":GXE4#", ":GXE5#", ":GXE7#", ":GXEE#", ":Gg#",   ":Gt#",   ":GG#",
    ":%BR#",  ":%BD#",  ":GXEA#", ":GXE9#", ":Go#",   ":Gh#",   ":GX81#", ":GX80#", ":GXEF#",
    ":GXEG#", ":GXEH#", ":G1#",   ":G2#",   ":GXEL#", ":GXEM#", ":GXEN#", ":GXEI#", ":GX95#",
    ":GXEQ#", ":GXEP#", ":GXES#", ":GXET#", ":GXEa#", ":GXEb#", ":GXEc#", ":GXEd#", ":GXEe#",
    ":GXEf#", ":GXEm#", ":GX97#", ":GXEU#", ":GXA1#", ":GXA2#", ":GXA1#", ":GXA2#"};

}  // namespace

class EndToEndTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // "接続" on the serial link, through a pseudo-terminal, against a controller that answers
    // everything: the time is set, then the 44 queries of the first pass in order with their
    // waits, nothing asked twice, ":Pe#" last.
    void serialReadAllThroughPty() {
        SimulatorProcess sim({QStringLiteral("--no-tcp")});
        QVERIFY(!sim.ptyPath().isEmpty());
        qputenv("QUORVELX_COM10", sim.ptyPath().toLocal8Bit());
        Program program;

        auto* connect = program.widget<QAbstractButton>(QStringLiteral("Command11"));
        QVERIFY(connect);
        QElapsedTimer elapsed;
        elapsed.start();
        connect->click();  // returns when the read-all has ended
        const qint64 tookMs = elapsed.elapsed();

        // The simulator logs ":Pe#" a moment after the window has sent it.
        QTRY_COMPARE_WITH_TIMEOUT(sim.received().size(), 5 + 44 + 1, 3000);
        const QList<SimulatorProcess::Received> received = sim.received();
        QStringList commands;
        for (const auto& r : received) commands << r.command;
        const QStringList expected = commands.mid(0, 5) + kFirstPass + QStringList{":Pe#"};
        QVERIFY(commands[0].startsWith(QLatin1String(":SG")));
        QVERIFY(commands[1].startsWith(QLatin1String(":SC")));
        QVERIFY(commands[2].startsWith(QLatin1String(":SL")));
        QCOMPARE(commands.mid(3, 2), (QStringList{":GX81#", ":GX80#"}));
        QCOMPARE(commands, expected);

        // The waits: 100 ms after each query, 1000 ms after each composite query.
        const qint64 firstPassMs = received[49].atMs - received[5].atMs;
        qInfo("read-all took %lld ms; first pass %lld ms", tookMs, firstPassMs);
        QVERIFY2(firstPassMs >= 8000 - kEarlinessMs && firstPassMs < 8800,
                 qPrintable(QString::number(firstPassMs)));

        for (const char* field :
             {"Text1(0)", "Text1(1)", "Text1(3)", "Text1(5)", "Text1(6)", "Text1(8)", "Text1(14)",
              "Text1(15)", "Text1(21)", "Text1(41)", "Text1(100)", "Text1(103)", "Combo3"})
            QVERIFY2(!program.text(QLatin1String(field)).isEmpty(), field);
        auto* longitude = program.widget<QLineEdit>(QStringLiteral("Text1(5)"));
        QVERIFY(longitude);
        QCOMPARE(longitude->text(), program.text(QStringLiteral("Text1(5)")));
        QVERIFY(program.widget<QAbstractButton>(QStringLiteral("Command34"))->isEnabled());
        QCOMPARE(program.form->timer1Interval(), 1000);
    }

    // A device that goes away while open closes the port, as a disconnect would.
    void vanishingPtyClosesThePort() {
        SimulatorProcess sim(
            {QStringLiteral("--no-tcp"), QStringLiteral("--fault"), QStringLiteral(":GXE1#=drop")});
        QVERIFY(!sim.ptyPath().isEmpty());
        qputenv("QUORVELX_COM10", sim.ptyPath().toLocal8Bit());
        Program program;
        program.platform->serial().setPortNumber(10);
        QTRY_VERIFY_WITH_TIMEOUT(program.platform->serial().open(), 3000);
        program.form->controls().setEnabled(QStringLiteral("Command11"), false);
        program.form->Command5_Click(0);  // the simulator drops its device instead of answering
        QTRY_VERIFY_WITH_TIMEOUT(!program.platform->serial().isOpen(), 5000);
        QVERIFY(program.form->controls().enabled(QStringLiteral("Command11")));
        QVERIFY(!program.form->controls().enabled(QStringLiteral("Command12")));
    }

    // Over the LAN a caption button connects to port 9999 and its reply lands in the field.
    void lanCaptionButtonOverTcp() {
        LanSession lan;
        QVERIFY2(lan.problem().isEmpty(), qPrintable(lan.problem()));
        QVERIFY(lan.program().click(QStringLiteral("Command5(0)")));
        QTRY_VERIFY_WITH_TIMEOUT(!lan.program().text(QStringLiteral("Text1(0)")).isEmpty(), 5000);
        // The simulator logs a command a moment after it has answered it.
        QVERIFY(lan.waitForCommands(1));
        QCOMPARE(lan.commands(), QStringList{":GXE1#"});
    }
};

QTEST_MAIN(EndToEndTest)
#include "tst_e2e.moc"
