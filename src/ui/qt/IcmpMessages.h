#pragma once

#include <QByteArray>
#include <QtGlobal>
#include <optional>

namespace qx {

// The echo statuses the tool knows, with the numbers of the platform's ICMP echo service.
struct EchoStatus {
    static constexpr int kSuccess = 0;
    static constexpr int kInvalidAddress = -1;  // not a dotted IPv4 address, or no echo service
    static constexpr int kNetUnreachable = 11002;
    static constexpr int kHostUnreachable = 11003;
    static constexpr int kProtocolUnreachable = 11004;
    static constexpr int kPortUnreachable = 11005;
    static constexpr int kNoResources = 11006;
    static constexpr int kPacketTooBig = 11009;
    static constexpr int kTimedOut = 11010;
    static constexpr int kTtlExpiredTransit = 11013;
    static constexpr int kTtlExpiredReassembly = 11014;
    static constexpr int kParameterProblem = 11015;
    static constexpr int kSourceQuench = 11016;
    static constexpr int kGeneralFailure = 11050;
};

inline constexpr int kEchoTimeoutMs = 1000;
inline constexpr char kEchoPayload[] = "hello";  // sent as its 5 characters

// An ICMP echo request (type 8) carrying `payload`, with its checksum.
QByteArray echoRequest(quint16 id, quint16 sequence, const QByteArray& payload);

// The ones' complement sum of the data as 16-bit big-endian words, complemented.
quint16 internetChecksum(const QByteArray& data);

// The ICMP message inside a received IPv4 datagram (raw sockets get the IP header too); nothing
// when the datagram is cut short or does not carry ICMP.
std::optional<QByteArray> icmpOfDatagram(const QByteArray& datagram);

// What a received ICMP message says about our echo: the echo status when it is the reply to it
// or an error report about it, nothing when it is about something else (another program's ping,
// our own request seen on the loopback). With `checkId` false the identifier is not compared:
// a datagram socket's kernel sets and matches it.
std::optional<int> echoStatusOf(const QByteArray& icmp, quint16 id, quint16 sequence, bool checkId);

// The echo status of an ICMP error report of this type and code.
int icmpErrorStatus(int type, int code);

// The echo status when sending the request failed with this errno; nothing when the error means
// that this process may not send echoes this way (another way may work).
std::optional<int> sendErrorStatus(int error);

}  // namespace qx
