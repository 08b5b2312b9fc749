#include "sim/TcpServer.h"

#include <QTcpSocket>

#include "sim/OutputScheduler.h"

#ifdef Q_OS_UNIX
#include <sys/socket.h>
#endif

namespace qx::sim {

namespace {

// Output a client does not read is not kept beyond this; the rest is lost, as on a line.
constexpr qint64 kMaxUnsentBytes = 2 << 20;

// A reset instead of an orderly close: with a zero linger time the close sends RST.
void resetConnection(QTcpSocket* socket) {
#ifdef Q_OS_UNIX
    const linger immediately{1, 0};
    setsockopt(int(socket->socketDescriptor()), SOL_SOCKET, SO_LINGER, &immediately,
               sizeof immediately);
#endif
    socket->abort();
}

}  // namespace

TcpServer::TcpServer(Controller& controller, QObject* parent)
    : QObject(parent), controller_(controller) {
    connect(&server_, &QTcpServer::newConnection, this, &TcpServer::acceptConnections);
}

bool TcpServer::listen(quint16 port) {
    return listen(QHostAddress(QHostAddress::LocalHost), port);
}

bool TcpServer::listen(const QHostAddress& address, quint16 port) {
    clock_.start();
    return server_.listen(address, port);
}

void TcpServer::close() {
    server_.close();
}

void TcpServer::acceptConnections() {
    while (QTcpSocket* socket = server_.nextPendingConnection()) {
        emit connectionAccepted(clock_.elapsed());
        serve(socket);
    }
}

void TcpServer::serve(QTcpSocket* socket) {
    // The scheduler belongs to the socket, so answers still pending die with the connection.
    auto* scheduler = new OutputScheduler(socket);
    connect(scheduler, &OutputScheduler::send, socket, [socket](const QByteArray& bytes) {
        if (socket->bytesToWrite() < kMaxUnsentBytes) socket->write(bytes);
    });
    // Closed: data already sent still reaches the client, then the connection goes away. Reset:
    // it goes away at once.
    connect(scheduler, &OutputScheduler::drop, socket, [socket](bool reset) {
        if (reset)
            resetConnection(socket);
        else
            socket->disconnectFromHost();
    });
    connect(socket, &QTcpSocket::readyRead, this,
            [this, socket, scheduler] { receive(socket, scheduler); });
    connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
        controller_.clientLeft();
        socket->deleteLater();
    });
}

void TcpServer::receive(QTcpSocket* socket, OutputScheduler* scheduler) {
    // A connection being dropped hears nothing more.
    if (socket->state() != QAbstractSocket::ConnectedState) return;
    const size_t logged = controller_.log().size();
    const std::vector<Output> outputs = controller_.receive(socket->readAll(), clock_.elapsed());
    for (size_t i = logged; i < controller_.log().size(); ++i)
        emit commandLogged(controller_.log()[i].atMs, controller_.log()[i].command);
    scheduler->schedule(outputs);
}

}  // namespace qx::sim
