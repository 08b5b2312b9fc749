#include "ui/qt/IcmpMessages.h"

#include <array>
#include <cerrno>

namespace qx {

namespace {

constexpr quint8 kEchoReply = 0;
constexpr quint8 kDestinationUnreachable = 3;
constexpr quint8 kSourceQuenchType = 4;
constexpr quint8 kEchoRequest = 8;
constexpr quint8 kTimeExceeded = 11;
constexpr quint8 kParameterProblemType = 12;
constexpr int kIcmpHeaderSize = 8;
constexpr int kMinIpHeaderSize = 20;
constexpr quint8 kIcmpProtocol = 1;

quint8 byteAt(const QByteArray& data, qsizetype i) {
    return static_cast<quint8>(data.at(i));
}

quint16 wordAt(const QByteArray& data, qsizetype i) {
    return static_cast<quint16>(byteAt(data, i) << 8 | byteAt(data, i + 1));
}

void putWord(QByteArray& data, qsizetype i, quint16 value) {
    data[i] = static_cast<char>(value >> 8);
    data[i + 1] = static_cast<char>(value & 0xFF);
}

bool isOurEcho(const QByteArray& icmp, quint16 id, quint16 sequence, bool checkId) {
    return icmp.size() >= kIcmpHeaderSize && (!checkId || wordAt(icmp, 4) == id) &&
           wordAt(icmp, 6) == sequence;
}

struct ErrorStatus {
    quint8 type;
    int code;  // -1: any code
    int status;
};

constexpr std::array kErrorStatuses = {
    ErrorStatus{kDestinationUnreachable, 0, EchoStatus::kNetUnreachable},
    ErrorStatus{kDestinationUnreachable, 1, EchoStatus::kHostUnreachable},
    ErrorStatus{kDestinationUnreachable, 2, EchoStatus::kProtocolUnreachable},
    ErrorStatus{kDestinationUnreachable, 3, EchoStatus::kPortUnreachable},
    ErrorStatus{kDestinationUnreachable, 4, EchoStatus::kPacketTooBig},
    ErrorStatus{kDestinationUnreachable, -1, EchoStatus::kHostUnreachable},
    ErrorStatus{kSourceQuenchType, -1, EchoStatus::kSourceQuench},
    ErrorStatus{kTimeExceeded, 0, EchoStatus::kTtlExpiredTransit},
    ErrorStatus{kTimeExceeded, 1, EchoStatus::kTtlExpiredReassembly},
    ErrorStatus{kParameterProblemType, -1, EchoStatus::kParameterProblem},
};

}  // namespace

quint16 internetChecksum(const QByteArray& data) {
    quint32 sum = 0;
    for (qsizetype i = 0; i + 1 < data.size(); i += 2) sum += wordAt(data, i);
    if (data.size() % 2 != 0) sum += static_cast<quint32>(byteAt(data, data.size() - 1)) << 8;
    while (sum >> 16) sum = (sum & 0xFFFF) + (sum >> 16);
    return static_cast<quint16>(~sum);
}

QByteArray echoRequest(quint16 id, quint16 sequence, const QByteArray& payload) {
    QByteArray message(kIcmpHeaderSize, '\0');
    message[0] = static_cast<char>(kEchoRequest);
    putWord(message, 4, id);
    putWord(message, 6, sequence);
    message += payload;
    putWord(message, 2, internetChecksum(message));
    return message;
}

std::optional<QByteArray> icmpOfDatagram(const QByteArray& datagram) {
    if (datagram.size() < kMinIpHeaderSize || byteAt(datagram, 9) != kIcmpProtocol)
        return std::nullopt;
    const int headerSize = (byteAt(datagram, 0) & 0x0F) * 4;
    if (headerSize < kMinIpHeaderSize || datagram.size() < headerSize + kIcmpHeaderSize)
        return std::nullopt;
    return datagram.mid(headerSize);
}

std::optional<int> echoStatusOf(const QByteArray& icmp, quint16 id, quint16 sequence,
                                bool checkId) {
    if (icmp.size() < kIcmpHeaderSize) return std::nullopt;
    const quint8 type = byteAt(icmp, 0);
    if (type == kEchoReply)
        return isOurEcho(icmp, id, sequence, checkId) ? std::optional<int>(EchoStatus::kSuccess)
                                                      : std::nullopt;
    if (type == kEchoRequest) return std::nullopt;
    // An error report quotes the IP header and the first 8 bytes of the message it is about.
    const std::optional<QByteArray> quoted = icmpOfDatagram(icmp.mid(kIcmpHeaderSize));
    if (!quoted || byteAt(*quoted, 0) != kEchoRequest || !isOurEcho(*quoted, id, sequence, checkId))
        return std::nullopt;
    return icmpErrorStatus(type, byteAt(icmp, 1));
}

int icmpErrorStatus(int type, int code) {
    for (const ErrorStatus& e : kErrorStatuses)
        if (e.type == type && (e.code == code || e.code == -1)) return e.status;
    return EchoStatus::kGeneralFailure;
}

std::optional<int> sendErrorStatus(int error) {
    switch (error) {
        case EPERM:
        case EACCES:
            return std::nullopt;
        case ENETUNREACH:
            return EchoStatus::kNetUnreachable;
        case EHOSTUNREACH:
            return EchoStatus::kHostUnreachable;
        case EMSGSIZE:
            return EchoStatus::kPacketTooBig;
        case ENOBUFS:
        case ENOMEM:
            return EchoStatus::kNoResources;
        default:
            return EchoStatus::kGeneralFailure;
    }
}

}  // namespace qx
