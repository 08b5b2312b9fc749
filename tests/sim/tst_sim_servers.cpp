// The simulator's servers: TCP on loopback and the pseudo-terminal, each with a real client.

#include <QElapsedTimer>
#include <QSerialPort>
#include <QSignalSpy>
#include <QTcpSocket>
#include <QTest>
#include <memory>

#include "sim/Controller.h"
#include "sim/TcpServer.h"
#ifdef Q_OS_UNIX
#include "sim/PtyServer.h"
#endif

using qx::sim::Controller;
using qx::sim::Fault;

namespace {

constexpr int kWaitMs = 5000;

Fault dropFault() {
    Fault fault;
    fault.kind = Fault::Kind::Drop;
    return fault;
}

// Reads from `device` until `expected` has arrived (or the wait runs out) and returns what came.
// The servers live on this thread, so the wait keeps the event loop running.
QByteArray readUntil(QIODevice& device, const QByteArray& expected) {
    QByteArray received;
    QElapsedTimer waited;
    waited.start();
    while (!received.contains(expected) && waited.elapsed() < kWaitMs) {
        QTest::qWait(5);
        received += device.readAll();
    }
    return received;
}

std::unique_ptr<QTcpSocket> connectedSocket(const qx::sim::TcpServer& server) {
    auto socket = std::make_unique<QTcpSocket>();
    socket->connectToHost(QHostAddress::LocalHost, server.port());
    // The kernel completes the handshake; the server accepts it when its event loop runs.
    if (!socket->waitForConnected(kWaitMs)) return nullptr;
    return socket;
}

}  // namespace

class TestSimServers : public QObject {
    Q_OBJECT

private slots:
    void tcpConnectionsShareOneController();
    void tcpDropClosesThatConnectionOnly();
#ifdef Q_OS_UNIX
    void ptyAnswersASerialPort();
    void ptyOutlivesItsClients();
    void ptyDropMakesTheClientPortFail();
#endif
};

void TestSimServers::tcpConnectionsShareOneController() {
    Controller controller;
    qx::sim::TcpServer server(controller);
    QVERIFY(server.listen(0));
    QVERIFY(server.port() != 0);
    QSignalSpy logged(&server, &qx::sim::TcpServer::commandLogged);

    auto writer = connectedSocket(server);
    auto reader = connectedSocket(server);
    QVERIFY(writer && reader);
    writer->write(":PA1234#");
    QTRY_COMPARE_WITH_TIMEOUT(logged.size(), 1, kWaitMs);
    QCOMPARE(logged[0][1].toString(), QStringLiteral(":PA1234#"));

    // The query in two pieces that reach the server one after the other.
    reader->write(":GX");
    reader->flush();
    QTest::qWait(50);
    reader->write("E1#");
    QCOMPARE(readUntil(*reader, "#"), QByteArray("1234#"));
}

void TestSimServers::tcpDropClosesThatConnectionOnly() {
    Controller controller;
    controller.setFault(QStringLiteral(":Pz#"), dropFault());
    qx::sim::TcpServer server(controller);
    QVERIFY(server.listen(0));

    auto dropped = connectedSocket(server);
    auto other = connectedSocket(server);
    QVERIFY(dropped && other);
    QSignalSpy closed(dropped.get(), &QTcpSocket::disconnected);
    dropped->write(":GXEL#:Pz#");
    QTRY_COMPARE_WITH_TIMEOUT(closed.size(), 1, kWaitMs);
    QCOMPARE(dropped->readAll(), QByteArray("6#"));

    other->write(":GXEL#");
    QCOMPARE(readUntil(*other, "#"), QByteArray("6#"));
    QCOMPARE(other->state(), QAbstractSocket::ConnectedState);
}

#ifdef Q_OS_UNIX

void TestSimServers::ptyAnswersASerialPort() {
    Controller controller;
    qx::sim::PtyServer server(controller);
    QVERIFY2(server.open(), qPrintable(server.errorString()));
    QVERIFY(server.devicePath().startsWith(QStringLiteral("/dev/")));
    QSignalSpy logged(&server, &qx::sim::PtyServer::commandLogged);

    QSerialPort port(server.devicePath());
    port.setBaudRate(QSerialPort::Baud9600);
    QVERIFY2(port.open(QIODevice::ReadWrite), qPrintable(port.errorString()));
    port.write(":SG-9.00#:GG#");
    QCOMPARE(readUntil(port, "#"), QByteArray("1-09#"));
    QCOMPARE(logged.size(), 2);
    QCOMPARE(logged[1][1].toString(), QStringLiteral(":GG#"));
}

// The device stays usable while no client has it open, and what the controller sends meanwhile is
// lost as on a real line: a client that left without reading leaves nothing for the next one.
void TestSimServers::ptyOutlivesItsClients() {
    Controller controller;
    qx::sim::PtyServer server(controller);
    QVERIFY(server.open());
    {
        QSerialPort leaving(server.devicePath());
        QVERIFY(leaving.open(QIODevice::ReadWrite));
        leaving.write(":GXE1#");
        QVERIFY(leaving.waitForBytesWritten(kWaitMs));
    }
    QTRY_COMPARE_WITH_TIMEOUT(controller.log().size(), size_t(1), kWaitMs);
    QTest::qWait(50);  // past the answer's delay

    QSerialPort port(server.devicePath());
    QVERIFY2(port.open(QIODevice::ReadWrite), qPrintable(port.errorString()));
    port.write(":GXEL#");
    QCOMPARE(readUntil(port, "#"), QByteArray("6#"));
    QVERIFY(server.isOpen());
}

void TestSimServers::ptyDropMakesTheClientPortFail() {
    Controller controller;
    controller.setFault(QStringLiteral(":Pz#"), dropFault());
    qx::sim::PtyServer server(controller);
    QVERIFY(server.open());
    QSignalSpy dropped(&server, &qx::sim::PtyServer::dropped);

    QSerialPort port(server.devicePath());
    QVERIFY(port.open(QIODevice::ReadWrite));
    QSignalSpy failed(&port, &QSerialPort::errorOccurred);
    port.write(":Pz#");
    QTRY_COMPARE_WITH_TIMEOUT(dropped.size(), 1, kWaitMs);
    QVERIFY(!server.isOpen());
    QVERIFY(server.devicePath().isEmpty());
    QTRY_COMPARE_WITH_TIMEOUT(port.error(), QSerialPort::ResourceError, kWaitMs);
    QVERIFY(!failed.isEmpty());
}

#endif

QTEST_GUILESS_MAIN(TestSimServers)
#include "tst_sim_servers.moc"
