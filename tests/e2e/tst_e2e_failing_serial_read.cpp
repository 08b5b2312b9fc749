// "接続" on the serial link through the real window, over a real pseudo-terminal to a simulator
// that fails at one step of the read-all. The fault comes at a step late enough in the first pass
// that the retry passes have little to re-ask (each run stays near the read-all's own 9 s), yet
// before the queries whose replies it spoils; a fault that goes on after its step keeps spoiling
// every later reply until the port is closed.
//
// Each time the read runs to its end as for a link that is not ready (the sends after a vanished
// device are skipped, the retry passes re-ask what is missing, the controls are unlocked and the
// poll starts), the window handles the operator's clicks while it waits (a model chosen in
// Combo2, and "接続" pressed again with the keyboard once the vanished device has made it
// clickable: both are refused, since a read is running), no buffer passes its cap, and once the
// port is closed a new connection answers.

#include <QtTest>

#include "BoxAnswerer.h"
#include "FailureRun.h"
#include "SimulatorProcess.h"
#include "link/ReceiveLimit.h"
#include "link/SerialLink.h"
#include "shell/ControlLocking.h"

using namespace qx;

class FailingSerialReadTest : public QObject {
    Q_OBJECT
    std::unique_ptr<Program> program_;
    QList<FailureFigures> figures_;

private Q_SLOTS:
    void initTestCase() { program_ = std::make_unique<Program>(); }
    void cleanupTestCase() { printFigures(figures_); }

    void readAllSurvives_data() {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<bool>("vanishes");
        // Rows of the first pass: 7 ":Gg#", 12 ":GXEA#", 13 ":GXE9#", 38 ":GXEm#", 41 ":GXA1#".
        QTest::newRow("device vanishes at :GXA1# (row 41)") << ":GXA1#=drop" << true;
        QTest::newRow("stops answering from :GXEm# (row 38)") << ":GXEm#=noanswer@onward" << false;
        QTest::newRow("answers binary from :Gg# (row 7)") << ":Gg#=binary@onward" << false;
        QTest::newRow("1 MB without # at :GXEA# (row 12)") << ":GXEA#=flood@1" << false;
        QTest::newRow("trickles 1 byte/100 ms from :GXEm# (row 38)")
            << ":GXEm#=trickle:100@onward" << false;
        QTest::newRow("streams without pause from :GXE9# (row 13)") << ":GXE9#=stream@1" << false;
    }
    void readAllSurvives() {
        QFETCH(QString, fault);
        QFETCH(bool, vanishes);
        SimulatorProcess sim({QStringLiteral("--no-tcp"), QStringLiteral("--fault"), fault});
        QVERIFY(!sim.ptyPath().isEmpty());
        qputenv("QUORVELX_COM10", sim.ptyPath().toLocal8Bit());
        Program& program = *program_;
        Form1& form = *program.form;
        BoxAnswerer boxes;

        FailureRun run(program, QString::fromLatin1(QTest::currentDataTag()));
        run.during(3000, [&] { chooseModel(program, QStringLiteral("GP")); });
        run.during(7000, [&] { pressWithKeyboard(program, QStringLiteral("Command11")); });
        run.click(QStringLiteral("Command11"));

        // The read ended as it does: controls unlocked, the poll started; the second "接続" and
        // the model write were refused.
        for (const QString& name : settingsControls())
            QVERIFY2(form.controls().enabled(name), qPrintable(name));
        QCOMPARE(form.timer1Interval(), 1000);
        QVERIFY(run.actionsRanDuringTheSequence());
        QVERIFY(boxes.seen.isEmpty());
        const QStringList commands = sim.commands();
        QCOMPARE(commands.filter(QRegularExpression(QStringLiteral("^:SG"))).size(), 1);
        QVERIFY(!commands.contains(QStringLiteral(":TB#")));
        QCOMPARE(form.comm().portOpen(), !vanishes);

        // The operator disconnects (the port closes, the poll stops); the program goes idle.
        form.setTimer1Interval(0);
        form.comm().COMM1close();
        const FailureFigures figures = run.finish();
        figures_ << figures;
        QVERIFY2(figures.mostBuffered <= kMaxReceiveBytes,
                 qPrintable(QString::number(figures.mostBuffered)));

        QVERIFY(serialConnectionAnswers(program, sim, vanishes));
    }
};

QTEST_MAIN(FailingSerialReadTest)
#include "tst_e2e_failing_serial_read.moc"
