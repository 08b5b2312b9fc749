#include "ui/qt/QtTcpClient.h"

namespace qx {

QtTcpClient::QtTcpClient(QObject* parent) : TcpClient(parent) {
    connect(&socket_, &QTcpSocket::readyRead, this, &TcpClient::dataArrived);
    connect(&socket_, &QTcpSocket::errorOccurred, this, &QtTcpClient::onSocketError);
    connect(&socket_, &QTcpSocket::stateChanged, this, &QtTcpClient::reportStateChange);
}

void QtTcpClient::close() {
    if (socket_.state() == QAbstractSocket::ConnectedState) {
        // The last command before a close (a restart, say) still has to leave.
        socket_.flush();
    }
    startNewAttempt();
}

void QtTcpClient::connectToHost(const QString& host, quint16 port) {
    startNewAttempt();
    socket_.connectToHost(host, port);
}

// Ends whatever the socket was doing and forgets how the last connection ended.
void QtTcpClient::startNewAttempt() {
    const bool wasShowingAnEnding = ending_ != TcpEnding::None;
    ++attempt_;
    ending_ = TcpEnding::None;
    socket_.abort();
    if (wasShowingAnEnding) {
        reportStateChange();
    }
}

int QtTcpClient::state() const {
    return tcpStateNumber(socket_.state(), ending_);
}

void QtTcpClient::send(const QByteArray& bytes) {
    if (socket_.state() != QAbstractSocket::ConnectedState) {
        return;
    }
    socket_.write(bytes);
    socket_.flush();  // out now, as the controller expects, not at the next event loop pass
}

QByteArray QtTcpClient::readAll() {
    return socket_.readAll();
}

void QtTcpClient::onSocketError(QAbstractSocket::SocketError error) {
    // The controller closing its side is an orderly end (state 8), not an error to react to.
    if (error == QAbstractSocket::RemoteHostClosedError) {
        ending_ = TcpEnding::PeerClosed;
        reportStateChange();
        return;
    }
    ending_ = TcpEnding::Failed;
    reportStateChange();
    const quint64 failedAttempt = attempt_;
    QMetaObject::invokeMethod(
        this,
        [this, failedAttempt] {
            if (attempt_ == failedAttempt) {
                emit errorOccurred();
            }
        },
        Qt::QueuedConnection);
}

void QtTcpClient::reportStateChange() {
    QMetaObject::invokeMethod(
        this, [this] { emit stateChanged(); }, Qt::QueuedConnection);
}

}  // namespace qx
