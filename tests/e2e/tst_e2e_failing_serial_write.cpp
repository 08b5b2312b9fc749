// "書き込み" (the motor gear write) and "工場出荷時設定" (the factory reset) on the serial link
// through the real window, over a real pseudo-terminal to a simulator that fails at one of their
// steps: the device vanishes at the first axis command (what follows is skipped), or it floods or
// streams at the first read-back (the write goes on sending, its commands unharmed).
//
// Each time the sequence runs to its end as for a link that is not ready: its sounds, questions
// and waits, the six gear fields emptied, the "書き込み中" panel hidden and the window
// disconnected; a model chosen in Combo2 meanwhile (which would run the model write) is refused;
// no buffer passes its cap; and a new connection answers.

#include <QtTest>

#include "BoxAnswerer.h"
#include "FailureRun.h"
#include "SimulatorProcess.h"
#include "link/ReceiveLimit.h"
#include "link/SerialLink.h"

using namespace qx;

class FailingSerialWriteTest : public QObject {
    Q_OBJECT
    std::unique_ptr<Program> program_;
    QList<FailureFigures> figures_;

private Q_SLOTS:
    void initTestCase() { program_ = std::make_unique<Program>(); }
    void cleanupTestCase() { printFigures(figures_); }

    void writeSurvives_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("lastCommand");  // the last one the controller gets
        QTest::addColumn<QStringList>("questions");
        const QStringList restart{"再起動|コントローラーを再起動しますか？"};
        const QStringList reset{"工場出荷設定|工場設定値に戻しますか？"};
        QTest::newRow("gear write: device vanishes at the RA axis command (step 4)")
            << "Command52"
            << ":SXA1,=drop"
            << ":SXA1,12800,-1,-180,180,16,-1,-1,-1,-1,-1#" << restart;
        QTest::newRow("gear write: streams from the first read-back (step 3)") << "Command52"
                                                                               << ":GXEm#=stream@1"
                                                                               << ":Pz#" << restart;
        QTest::newRow("factory reset: device vanishes at the RA reset (step b)")
            << "Command6(27)"
            << ":SXA1,R#=drop"
            << ":SXA1,R#" << reset;
        QTest::newRow("factory reset: 1 MB without # at the first read-back (step c)")
            << "Command6(27)"
            << ":GXEM#=flood@1"
            << ":Pz#" << reset;
    }
    void writeSurvives() {
        QFETCH(QString, button);
        QFETCH(QString, fault);
        QFETCH(QString, lastCommand);
        QFETCH(QStringList, questions);
        SimulatorProcess sim({QStringLiteral("--no-tcp"), QStringLiteral("--fault"), fault});
        QVERIFY(!sim.ptyPath().isEmpty());
        qputenv("QUORVELX_COM10", sim.ptyPath().toLocal8Bit());
        Program& program = *program_;
        Form1& form = *program.form;
        Controls& c = form.controls();

        form.comm().COMM1open();
        QVERIFY(form.comm().portOpen());
        showReadSettings(program);

        BoxAnswerer boxes;
        FailureRun run(program, QString::fromLatin1(QTest::currentDataTag()));
        run.during(2500, [&] { chooseModel(program, QStringLiteral("NJP")); });
        run.click(button);

        QVERIFY(run.actionsRanDuringTheSequence());
        QCOMPARE(boxes.seen, questions);
        QVERIFY(!form.comm().portOpen());
        QVERIFY(!c.visible(QStringLiteral("Picture7")));
        QVERIFY(motorGearFieldsEmpty(program));
        QVERIFY(c.enabled(QStringLiteral("Command11")));
        QVERIFY(!c.enabled(QStringLiteral("Command12")));
        const QStringList commands = sim.commands();
        QCOMPARE(commands.value(commands.size() - 1), lastCommand);
        QVERIFY(!commands.contains(QStringLiteral(":TA#")));  // the model write did not run

        const FailureFigures figures = run.finish();
        figures_ << figures;
        QVERIFY2(figures.mostBuffered <= kMaxReceiveBytes,
                 qPrintable(QString::number(figures.mostBuffered)));

        QVERIFY(serialConnectionAnswers(program, sim, fault.endsWith(QLatin1String("drop"))));
    }
};

QTEST_MAIN(FailingSerialWriteTest)
#include "tst_e2e_failing_serial_write.moc"
