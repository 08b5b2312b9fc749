#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QtTest>

#include "ui/qt/QtScheduler.h"
#include "ui/qt/QtTcpClient.h"

using namespace qx;

static const QString kLocalHost = QStringLiteral("127.0.0.1");
static constexpr double kLimitMs = 5000;

// A controller stand-in on 127.0.0.1 and the client under test, with their signals recorded.
class TcpFixture {
public:
    TcpFixture()
        : dataArrived(&client, &TcpClient::dataArrived),
          errors(&client, &TcpClient::errorOccurred),
          stateChanges(&client, &TcpClient::stateChanged) {
        server.listen(QHostAddress::LocalHost, 0);
    }

    quint16 port() const { return server.serverPort(); }

    // Connects the client and returns the server's end of the connection.
    QTcpSocket* connectClient() {
        client.connectToHost(kLocalHost, port());
        if (!scheduler.waitUntil([&] { return server.hasPendingConnections(); }, kLimitMs)) {
            return nullptr;
        }
        QTcpSocket* peer = server.nextPendingConnection();
        scheduler.waitUntil([&] { return client.state() == TcpClient::Connected; }, kLimitMs);
        return peer;
    }

    QByteArray receiveAtPeer(QTcpSocket& peer, qsizetype size) {
        QByteArray received;
        scheduler.waitUntil(
            [&] {
                received += peer.readAll();
                return received.size() >= size;
            },
            kLimitMs);
        return received;
    }

    QByteArray receiveAtClient(qsizetype size) {
        QByteArray received;
        scheduler.waitUntil(
            [&] {
                received += client.readAll();
                return received.size() >= size;
            },
            kLimitMs);
        return received;
    }

    // A port on which nobody listens.
    static quint16 refusingPort() {
        QTcpServer probe;
        probe.listen(QHostAddress::LocalHost, 0);
        return probe.serverPort();
    }

    QtScheduler scheduler;
    QTcpServer server;
    QtTcpClient client;
    QSignalSpy dataArrived;
    QSignalSpy errors;
    QSignalSpy stateChanges;
};

class TcpClientTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void connectsExchangesDataAndCloses() {
        TcpFixture f;
        QCOMPARE(f.client.state(), int(TcpClient::Closed));
        f.client.connectToHost(kLocalHost, f.port());
        const int starting = f.client.state();
        QVERIFY2(starting == TcpClient::ResolvingHost || starting == TcpClient::Connecting ||
                     starting == TcpClient::Connected,
                 qPrintable(QString::number(starting)));

        QVERIFY(f.scheduler.waitUntil([&] { return f.server.hasPendingConnections(); }, kLimitMs));
        QTcpSocket* peer = f.server.nextPendingConnection();
        QVERIFY(f.scheduler.waitUntil([&] { return f.client.state() == TcpClient::Connected; },
                                      kLimitMs));
        QVERIFY(f.stateChanges.count() > 0);

        f.client.send(":GVP#");
        QCOMPARE(f.receiveAtPeer(*peer, 5), QByteArray(":GVP#"));

        peer->write("12#\xB0");  // bytes pass unchanged, whatever they are
        QCOMPARE(f.receiveAtClient(4), QByteArray("12#\xB0"));
        QVERIFY(f.dataArrived.count() > 0);

        f.client.close();
        QCOMPARE(f.client.state(), int(TcpClient::Closed));
        QCOMPARE(f.errors.count(), 0);
    }

    void whatIsSentJustBeforeCloseStillLeaves() {
        TcpFixture f;
        QTcpSocket* peer = f.connectClient();
        QVERIFY(peer);
        f.client.send(":RESTART#");
        f.client.close();
        QCOMPARE(f.client.state(), int(TcpClient::Closed));
        QCOMPARE(f.receiveAtPeer(*peer, 9), QByteArray(":RESTART#"));
    }

    void peerClosingShowsClosingUntilClosedHere() {
        TcpFixture f;
        QTcpSocket* peer = f.connectClient();
        QVERIFY(peer);
        peer->close();
        QVERIFY(f.scheduler.waitUntil([&] { return f.client.state() != TcpClient::Connected; },
                                      kLimitMs));
        f.scheduler.wait(50);  // later events do not change it
        QCOMPARE(f.client.state(), int(TcpClient::Closing));
        QCOMPARE(f.errors.count(), 0);  // an orderly end, not an error to reconnect on

        f.client.close();
        QCOMPARE(f.client.state(), int(TcpClient::Closed));
    }

    void refusedConnectReportsAnError() {
        TcpFixture f;
        f.client.connectToHost(kLocalHost, TcpFixture::refusingPort());
        QVERIFY(f.scheduler.waitUntil([&] { return f.errors.count() > 0; }, kLimitMs));
        QCOMPARE(f.client.state(), int(TcpClient::Error));
        f.scheduler.wait(50);
        QCOMPARE(f.errors.count(), 1);

        f.client.close();
        QCOMPARE(f.client.state(), int(TcpClient::Closed));
    }

    void nextConnectForgetsTheError() {
        TcpFixture f;
        f.client.connectToHost(kLocalHost, TcpFixture::refusingPort());
        QVERIFY(f.scheduler.waitUntil([&] { return f.errors.count() > 0; }, kLimitMs));
        QTcpSocket* peer = f.connectClient();
        QVERIFY(peer);
        QCOMPARE(f.client.state(), int(TcpClient::Connected));
    }

    // The link reacts to an error by closing and connecting again inside the error handler.
    void errorHandlerMayReconnectAtOnce() {
        TcpFixture f;
        const quint16 port = TcpFixture::refusingPort();
        QTcpServer lateServer;
        connect(&f.client, &TcpClient::errorOccurred, this, [&] {
            if (f.errors.count() == 2) {
                lateServer.listen(QHostAddress::LocalHost, port);
            }
            f.client.close();
            f.client.connectToHost(kLocalHost, port);
        });
        f.client.connectToHost(kLocalHost, port);
        QVERIFY(f.scheduler.waitUntil([&] { return f.client.state() == TcpClient::Connected; },
                                      kLimitMs));
        QVERIFY(lateServer.isListening());
        QCOMPARE(f.errors.count(), 2);
    }
};

QTEST_GUILESS_MAIN(TcpClientTest)
#include "tst_tcp_client.moc"
