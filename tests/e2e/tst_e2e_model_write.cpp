// The controller model write through the real window, over a real pseudo-terminal to the
// simulator program: "NJP" chosen from the model list programs the controller, and a reconnect
// reads the written values back.

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QtTest>

#include "BoxAnswerer.h"
#include "Program.h"
#include "SimulatorProcess.h"

using namespace qx;

namespace {

QStringList commandsOf(const QList<SimulatorProcess::Received>& received) {
    QStringList out;
    for (const auto& r : received) out << r.command;
    return out;
}

}  // namespace

class EndToEndModelWriteTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void njpProgramsTheController() {
        SimulatorProcess sim({QStringLiteral("--no-tcp")});
        QVERIFY(!sim.ptyPath().isEmpty());
        qputenv("QUORVELX_COM10", sim.ptyPath().toLocal8Bit());
        Program program;
        Controls& c = program.form->controls();
        program.platform->serial().setPortNumber(10);
        QVERIFY(program.platform->serial().open());

        BoxAnswerer boxes;
        auto* models = program.widget<QComboBox>(QStringLiteral("Combo2"));
        QVERIFY(models);
        models->setCurrentIndex(models->findText(QStringLiteral("NJP")));
        Q_EMIT models->activated(models->currentIndex());  // returns when the write has ended

        QCOMPARE(boxes.seen, QStringList{"QuorvelX|書き込みが終了しました。"});
        QVERIFY(!program.platform->serial().isOpen());
        QTRY_COMPARE_WITH_TIMEOUT(sim.received().size(), 14, 3000);
        const QList<SimulatorProcess::Received> received = sim.received();
        QCOMPARE(
            commandsOf(received),
            (QStringList{":TA#", ":TD#", ":TA#", ":TD#", ":PA400#", ":PB3200#", ":PC1920#",
                         ":PD4800#", ":PE4800#", ":$PJ8#", ":$PK1#", ":$PL8#", ":$PM1#", ":$PP#"}));
        // The waits: 300 ms after the RA direction, 500 ms after the DEC one and each setting
        // (a little less where the earlier command was late through the terminal).
        for (int i = 3; i < received.size(); ++i) {
            const qint64 gap = received[i].atMs - received[i - 1].atMs;
            const qint64 wait = i == 3 ? 300 : 500;
            QVERIFY2(gap >= wait - 20 && gap < wait + 400,
                     qPrintable(QStringLiteral("%1: %2 ms").arg(received[i].command).arg(gap)));
        }

        // Reconnect on an emptied window: the read-all shows what was written.
        QTest::mouseClick(program.widget<QAbstractButton>(QStringLiteral("Command12")),
                          Qt::LeftButton);
        for (const char* selector : {"Combo4", "Combo5", "Combo6", "Combo7"})
            c.setText(QLatin1String(selector), QString());
        QTest::mouseClick(program.widget<QAbstractButton>(QStringLiteral("Command11")),
                          Qt::LeftButton);
        QStringList shown;
        for (const char* field : {"Text1(0)", "Text1(1)", "Text1(2)", "Text1(3)", "Text1(4)",
                                  "Combo4", "Combo5", "Combo6", "Combo7"})
            shown << program.text(QLatin1String(field));
        QCOMPARE(shown, (QStringList{"400", "3200", "1920", "4800", "4800", "8", "1", "8", "1"}));
        QCOMPARE(c.backColor(QStringLiteral("Shape1")), kLampLit);
        QCOMPARE(c.backColor(QStringLiteral("Shape4")), kLampLit);
        QCOMPARE(c.text(QStringLiteral("Text12")), QStringLiteral(" 478"));  // slew speed 2.0
    }
};

QTEST_MAIN(EndToEndModelWriteTest)
#include "tst_e2e_model_write.moc"
