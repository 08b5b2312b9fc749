#include "ui/qt/TcpStateNumber.h"

#include <utility>

#include "ui/platform/TcpClient.h"

namespace qx {

namespace {

constexpr std::pair<QAbstractSocket::SocketState, int> kStateNumbers[] = {
    {QAbstractSocket::UnconnectedState, TcpClient::Closed},
    {QAbstractSocket::BoundState, TcpClient::Open},
    {QAbstractSocket::ListeningState, TcpClient::Listening},
    {QAbstractSocket::HostLookupState, TcpClient::ResolvingHost},
    {QAbstractSocket::ConnectingState, TcpClient::Connecting},
    {QAbstractSocket::ConnectedState, TcpClient::Connected},
    {QAbstractSocket::ClosingState, TcpClient::Closing},
};

constexpr std::pair<TcpEnding, int> kEndingNumbers[] = {
    {TcpEnding::None, TcpClient::Closed},
    {TcpEnding::PeerClosed, TcpClient::Closing},
    {TcpEnding::Failed, TcpClient::Error},
};

template <typename Key, std::size_t N>
int lookUp(const std::pair<Key, int> (&table)[N], Key key) {
    for (const auto& [k, number] : table) {
        if (k == key) {
            return number;
        }
    }
    return TcpClient::Closed;
}

}  // namespace

int tcpStateNumber(QAbstractSocket::SocketState state, TcpEnding ending) {
    if (state == QAbstractSocket::UnconnectedState) {
        return lookUp(kEndingNumbers, ending);
    }
    return lookUp(kStateNumbers, state);
}

}  // namespace qx
