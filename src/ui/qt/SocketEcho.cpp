#include "ui/qt/SocketEcho.h"

#include "ui/platform/Scheduler.h"
#include "ui/qt/IcmpMessages.h"

#ifdef Q_OS_LINUX
#include <arpa/inet.h>
#include <linux/errqueue.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QRandomGenerator>
#include <QSocketNotifier>
#include <cerrno>
#endif

namespace qx {

#ifdef Q_OS_LINUX

namespace {

constexpr int kMaxDatagram = 1500;

class SocketFd {
public:
    explicit SocketFd(int fd) : fd_(fd) {}
    ~SocketFd() {
        if (fd_ >= 0) ::close(fd_);
    }
    SocketFd(const SocketFd&) = delete;
    SocketFd& operator=(const SocketFd&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

struct EchoId {
    EchoSocket kind;
    quint16 id;
    quint16 sequence;
};

std::optional<int> statusOfMessage(const QByteArray& received, const EchoId& echo) {
    // A raw socket hands over the whole IP datagram; a datagram socket only the ICMP message,
    // whose identifier the kernel has set and already matched.
    if (echo.kind == EchoSocket::Datagram)
        return echoStatusOf(received, echo.id, echo.sequence, false);
    const std::optional<QByteArray> icmp = icmpOfDatagram(received);
    return icmp ? echoStatusOf(*icmp, echo.id, echo.sequence, true) : std::nullopt;
}

// An ICMP error that the kernel queued for the socket (IP_RECVERR): the echo status it means.
std::optional<int> statusOfQueuedError(int fd) {
    char data[kMaxDatagram];
    char control[512];
    iovec io{data, sizeof data};
    msghdr message{};
    message.msg_iov = &io;
    message.msg_iovlen = 1;
    message.msg_control = control;
    message.msg_controllen = sizeof control;
    if (::recvmsg(fd, &message, MSG_ERRQUEUE | MSG_DONTWAIT) < 0) return std::nullopt;
    for (cmsghdr* c = CMSG_FIRSTHDR(&message); c; c = CMSG_NXTHDR(&message, c)) {
        if (c->cmsg_level != IPPROTO_IP || c->cmsg_type != IP_RECVERR) continue;
        const auto* error = reinterpret_cast<const sock_extended_err*>(CMSG_DATA(c));
        if (error->ee_origin == SO_EE_ORIGIN_ICMP)
            return icmpErrorStatus(error->ee_type, error->ee_code);
        return sendErrorStatus(static_cast<int>(error->ee_errno))
            .value_or(EchoStatus::kGeneralFailure);
    }
    return std::nullopt;
}

// Reads whatever has arrived; the status once something is about our echo.
std::optional<int> readAnswers(int fd, const EchoId& echo) {
    if (std::optional<int> status = statusOfQueuedError(fd)) return status;
    char buffer[kMaxDatagram];
    for (;;) {
        const ssize_t n = ::recv(fd, buffer, sizeof buffer, MSG_DONTWAIT);
        if (n < 0) return std::nullopt;
        const std::optional<int> status =
            statusOfMessage(QByteArray(buffer, static_cast<qsizetype>(n)), echo);
        if (status) return status;
    }
}

// Fresh numbers for every echo, so that a late answer to an earlier one is not taken for it.
quint16 randomWord() {
    return static_cast<quint16>(QRandomGenerator::global()->bounded(1, 0x10000));
}

}  // namespace

std::optional<int> echoOverSocket(EchoSocket kind, quint32 address, Scheduler& scheduler,
                                  int timeoutMs) {
    const int type = kind == EchoSocket::Datagram ? SOCK_DGRAM : SOCK_RAW;
    const SocketFd fd(::socket(AF_INET, type | SOCK_NONBLOCK | SOCK_CLOEXEC, IPPROTO_ICMP));
    if (fd.get() < 0) return std::nullopt;
    const int on = 1;
    ::setsockopt(fd.get(), IPPROTO_IP, IP_RECVERR, &on, sizeof on);

    const EchoId echo{kind, randomWord(), randomWord()};
    const QByteArray request = echoRequest(echo.id, echo.sequence, QByteArray(kEchoPayload));
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_addr.s_addr = htonl(address);
    if (::sendto(fd.get(), request.constData(), static_cast<size_t>(request.size()), 0,
                 reinterpret_cast<const sockaddr*>(&to), sizeof to) < 0)
        return sendErrorStatus(errno);

    std::optional<int> status;
    QSocketNotifier notifier(static_cast<qintptr>(fd.get()), QSocketNotifier::Read);
    QObject::connect(&notifier, &QSocketNotifier::activated, [&] {
        if (!status) status = readAnswers(fd.get(), echo);
    });
    scheduler.waitUntil([&] { return status.has_value(); }, timeoutMs);
    return status.value_or(EchoStatus::kTimedOut);
}

#else

std::optional<int> echoOverSocket(EchoSocket, quint32, Scheduler&, int) {
    return std::nullopt;
}

#endif

}  // namespace qx
