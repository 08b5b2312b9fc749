#pragma once

#include <QTcpSocket>

#include "ui/platform/TcpClient.h"
#include "ui/qt/TcpStateNumber.h"

namespace qx {

// The LAN link's TCP client over QTcpSocket. errorOccurred and stateChanged come from the event
// loop (queued), so that their handlers may close the socket and connect again at once.
class QtTcpClient : public TcpClient {
    Q_OBJECT
public:
    explicit QtTcpClient(QObject* parent = nullptr);

    void close() override;
    void connectToHost(const QString& host, quint16 port) override;
    int state() const override;
    void send(const QByteArray& bytes) override;
    QByteArray readAll() override;

private:
    void startNewAttempt();
    void onSocketError(QAbstractSocket::SocketError error);
    void reportStateChange();

    QTcpSocket socket_;
    TcpEnding ending_ = TcpEnding::None;
    // Counts connects and closes, so that an error report queued for an earlier attempt is
    // dropped instead of making the link reconnect once more.
    quint64 attempt_ = 0;
};

}  // namespace qx
