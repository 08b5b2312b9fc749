// The simulator program's options for the LAN tests: its own loopback address, replies set from
// the command line, and an answer cut into two packets at a chosen byte.

#include <QElapsedTimer>
#include <QProcess>
#include <QTcpSocket>
#include <QTest>

#include "sim/FaultOption.h"
#include "sim/FaultShaping.h"

using qx::sim::Fault;

namespace {

constexpr int kWaitMs = 5000;

// Reads until `count` "#" have arrived; each read is one arrival.
QList<QByteArray> arrivals(QTcpSocket& socket, int count) {
    QList<QByteArray> chunks;
    while (chunks.join().count('#') < count && socket.waitForReadyRead(kWaitMs))
        chunks << socket.readAll();
    return chunks;
}

}  // namespace

class TestSimProgramOptions : public QObject {
    Q_OBJECT

private slots:
    void cutAfterTheFirstBytes() {
        const auto parsed = qx::sim::parseFaultOption(QStringLiteral(":GXA1#=split:40,23@1"));
        QVERIFY(parsed);
        QCOMPARE(parsed->second.gapMs, 40);
        QCOMPARE(parsed->second.firstPieceBytes, 23);
        QCOMPARE(parsed->second.times, 1);
        QVERIFY(!qx::sim::parseFaultOption(QStringLiteral(":GXA1#=split:40,0")));
        QVERIFY(!qx::sim::parseFaultOption(QStringLiteral(":GXA1#=split:40,x")));

        const std::vector<qx::sim::Output> outputs =
            qx::sim::shapeAnswer("12800,-1x,-180,180,16.0#", 5, parsed->second);
        QCOMPARE(outputs.size(), size_t(2));
        QCOMPARE(outputs[0].bytes, QByteArray("12800,-1x,-180,180,16.0"));
        QCOMPARE(outputs[1].bytes, QByteArray("#"));
        QCOMPARE(outputs[1].delayMs, 45);
    }

    void listensOnItsOwnAddressWithGivenReplies() {
        QProcess sim;
        sim.start(QStringLiteral(QX_SIM_PROGRAM),
                  {"--no-pty", "--listen", "127.0.0.3", "--tcp-port", "0", "--value",
                   ":Gt#= +35*40", "--fault", ":GXEU#=split:30,8"});
        QVERIFY(sim.waitForReadyRead(kWaitMs));
        const QList<QByteArray> announced = sim.readLine().trimmed().split(' ');
        QCOMPARE(announced.value(0), QByteArray("tcp"));
        QCOMPARE(announced.value(1), QByteArray("127.0.0.3"));

        QTcpSocket socket;
        socket.connectToHost(QStringLiteral("127.0.0.3"), announced.value(2).toUShort());
        QVERIFY(socket.waitForConnected(kWaitMs));
        socket.write(":Gt#");
        QCOMPARE(arrivals(socket, 1).join(), QByteArray(" +35*40#"));
        socket.write(":GXEU#");
        QCOMPARE(arrivals(socket, 1), (QList<QByteArray>{"Kestrana", "-k192.168.4.1#"}));

        sim.terminate();
        QVERIFY(sim.waitForFinished(kWaitMs));
    }

    void refusesABadAddressOrValue_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("address") << QStringList{"--listen", "controller"};
        QTest::newRow("value without its query") << QStringList{"--value", "Gt=1"};
    }
    void refusesABadAddressOrValue() {
        QFETCH(QStringList, arguments);
        QProcess sim;
        sim.start(QStringLiteral(QX_SIM_PROGRAM), QStringList{"--no-pty"} + arguments);
        QVERIFY(sim.waitForFinished(kWaitMs));
        QCOMPARE(sim.exitCode(), 2);
    }
};

QTEST_GUILESS_MAIN(TestSimProgramOptions)
#include "tst_sim_program_options.moc"
