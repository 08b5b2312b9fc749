#include "sim/TcpServer.h"

#include <QTcpSocket>

#include "sim/OutputScheduler.h"

namespace qx::sim {

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
    connect(scheduler, &OutputScheduler::send, socket,
            [socket](const QByteArray& bytes) { socket->write(bytes); });
    // Data already sent still reaches the client; then the connection goes away.
    connect(scheduler, &OutputScheduler::drop, socket, [socket] { socket->disconnectFromHost(); });
    connect(socket, &QTcpSocket::readyRead, this,
            [this, socket, scheduler] { receive(socket, scheduler); });
    connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
        controller_.discardPartialInput();
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
