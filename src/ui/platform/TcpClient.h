#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

namespace qx {

// The controller link's TCP client, with the state numbers the link logic tests:
// 0 closed, 1 open, 2 listening, 3 connection pending, 4 resolving host, 5 host resolved,
// 6 connecting, 7 connected, 8 closing (peer has closed), 9 error.
class TcpClient : public QObject {
    Q_OBJECT
public:
    enum State {
        Closed = 0,
        Open = 1,
        Listening = 2,
        ConnectionPending = 3,
        ResolvingHost = 4,
        HostResolved = 5,
        Connecting = 6,
        Connected = 7,
        Closing = 8,
        Error = 9
    };

    using QObject::QObject;

    virtual void close() = 0;  // pending output is flushed first; the state becomes 0 at once
    virtual void connectToHost(const QString& host, quint16 port) = 0;
    virtual int state() const = 0;
    virtual void send(const QByteArray& bytes) = 0;
    virtual QByteArray readAll() = 0;

Q_SIGNALS:
    void dataArrived();
    void errorOccurred();
    void stateChanged();
};

}  // namespace qx
