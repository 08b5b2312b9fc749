#pragma once

#include <QAbstractSocket>

namespace qx {

// How the last connection ended, as far as the state number still shows it.
enum class TcpEnding {
    None,        // no connection has ended since the last connect or close
    PeerClosed,  // the controller closed the connection
    Failed       // an error ended the attempt or the connection
};

// The link's state number (see TcpClient.h) for a socket state. An unconnected socket reads 8
// after the peer closed and 9 after an error, until the next connect or close.
int tcpStateNumber(QAbstractSocket::SocketState state, TcpEnding ending);

}  // namespace qx
