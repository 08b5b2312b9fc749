// The quorvelx-sim program as a user or a test script runs it: its announcement lines, its log
// file and its faults from the command line, and a clean end on SIGTERM.

#include <QFile>
#include <QProcess>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>

namespace {

constexpr int kWaitMs = 5000;

}  // namespace

class TestSimProgram : public QObject {
    Q_OBJECT

private slots:
    void servesLogsAndEndsOnTerm();
};

void TestSimProgram::servesLogsAndEndsOnTerm() {
    QTemporaryDir dir;
    const QString logPath = dir.filePath(QStringLiteral("commands.log"));
    QProcess sim;
    sim.start(QStringLiteral(QX_SIM_PROGRAM),
              {QStringLiteral("--tcp-port"), QStringLiteral("0"), QStringLiteral("--no-pty"),
               QStringLiteral("--log"), logPath, QStringLiteral("--fault"),
               QStringLiteral(":GXEL#=noanswer")});
    QVERIFY(sim.waitForStarted(kWaitMs));
    QVERIFY(sim.waitForReadyRead(kWaitMs));
    const QList<QByteArray> announced = sim.readLine().trimmed().split(' ');
    QCOMPARE(announced.size(), 3);
    QCOMPARE(announced[0], QByteArray("tcp"));
    QCOMPARE(announced[1], QByteArray("127.0.0.1"));

    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, announced[2].toUShort());
    QVERIFY(socket.waitForConnected(kWaitMs));
    socket.write(":GXEL#:GXE1#");
    QByteArray received;
    while (!received.contains('#') && socket.waitForReadyRead(kWaitMs))
        received += socket.readAll();
    QCOMPARE(received, QByteArray("800#"));

    sim.terminate();
    QVERIFY(sim.waitForFinished(kWaitMs));
    QCOMPARE(sim.exitStatus(), QProcess::NormalExit);
    QCOMPARE(sim.exitCode(), 0);

    QFile log(logPath);
    QVERIFY(log.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = log.readAll().trimmed().split('\n');
    QCOMPARE(lines.size(), 2);
    QCOMPARE(lines[0].split(' ').value(1), QByteArray(":GXEL#"));
    QCOMPARE(lines[1].split(' ').value(1), QByteArray(":GXE1#"));
    bool isNumber = false;
    lines[0].split(' ').value(0).toLongLong(&isNumber);
    QVERIFY(isNumber);
}

QTEST_GUILESS_MAIN(TestSimProgram)
#include "tst_sim_program.moc"
