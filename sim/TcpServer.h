#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTcpServer>

#include "sim/Controller.h"

class QTcpSocket;

namespace qx::sim {

class OutputScheduler;

// The controller's network side: a TCP server (on 127.0.0.1 unless told another address) whose
// connections all talk to one Controller. Answers go out after their delays; a dropped answer
// closes that connection.
class TcpServer : public QObject {
    Q_OBJECT
public:
    static constexpr quint16 kDefaultPort = 9999;

    explicit TcpServer(Controller& controller, QObject* parent = nullptr);

    // Listens on 127.0.0.1, or on `address`; port 0 takes any free port (port() tells which).
    bool listen(quint16 port = kDefaultPort);
    bool listen(const QHostAddress& address, quint16 port);
    QHostAddress address() const { return server_.serverAddress(); }
    void close();
    quint16 port() const { return server_.serverPort(); }
    QString errorString() const { return server_.errorString(); }

signals:
    // Every command the controller received through this server, with its time in ms since
    // listen().
    void commandLogged(qint64 atMs, const QString& command);
    // A client connected, at this time in ms since listen().
    void connectionAccepted(qint64 atMs);

private:
    void acceptConnections();
    void serve(QTcpSocket* socket);
    void receive(QTcpSocket* socket, OutputScheduler* scheduler);

    Controller& controller_;
    QTcpServer server_;
    QElapsedTimer clock_;
};

}  // namespace qx::sim
