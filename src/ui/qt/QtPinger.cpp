#include "ui/qt/QtPinger.h"

#include "shell/Ipv4Address.h"
#include "ui/platform/Scheduler.h"
#include "ui/qt/IcmpMessages.h"
#include "ui/qt/PingProgram.h"
#include "ui/qt/SocketEcho.h"

#ifdef Q_OS_WIN
// clang-format off
#include <winsock2.h>
#include <iphlpapi.h>
#include <icmpapi.h>
// clang-format on

#include <QCoreApplication>
#include <atomic>
#include <thread>
#endif

namespace qx {

namespace {

#ifdef Q_OS_WIN
constexpr int kReplyBufferSize = 280;  // an echo reply record, the payload and room to spare

// IcmpSendEcho blocks for up to its time-out, so it runs on a thread of its own while the window
// keeps handling events.
int windowsEcho(quint32 address, Scheduler& scheduler) {
    const HANDLE handle = IcmpCreateFile();
    if (handle == INVALID_HANDLE_VALUE) return EchoStatus::kInvalidAddress;
    std::atomic<bool> done{false};
    int status = EchoStatus::kTimedOut;
    std::thread echo([&] {
        char payload[] = "hello";
        alignas(ICMP_ECHO_REPLY) char reply[kReplyBufferSize];
        const DWORD replies = IcmpSendEcho(handle, htonl(address), payload, sizeof payload - 1,
                                           nullptr, reply, sizeof reply, kEchoTimeoutMs);
        status = replies > 0 ? static_cast<int>(reinterpret_cast<ICMP_ECHO_REPLY*>(reply)->Status)
                             : static_cast<int>(GetLastError());
        done = true;
        // Wakes the waiting event loop.
        QMetaObject::invokeMethod(
            QCoreApplication::instance(), [] {}, Qt::QueuedConnection);
    });
    scheduler.waitUntil([&] { return done.load(); }, 3 * kEchoTimeoutMs);
    echo.join();
    IcmpCloseHandle(handle);
    return status;
}
#endif

}  // namespace

QtPinger::QtPinger(Scheduler& scheduler) : scheduler_(scheduler) {}

bool QtPinger::socketsInitialize() {
#ifdef Q_OS_WIN
    // Version 1.1. Qt's network module keeps the library started, so this start is ended again.
    WSADATA data;
    if (WSAStartup(MAKEWORD(1, 1), &data) != 0) return false;
    WSACleanup();
#endif
    return true;
}

int QtPinger::ping(const QString& address) {
    lastRoute_.reset();
    const std::optional<quint32> target = parseDottedIpv4(address);
    if (!target) return EchoStatus::kInvalidAddress;
#ifdef Q_OS_WIN
    return windowsEcho(*target, scheduler_);
#else
    for (const EchoRoute route : routes_) {
        std::optional<int> status;
        switch (route) {
            case EchoRoute::DatagramSocket:
                status = echoOverSocket(EchoSocket::Datagram, *target, scheduler_, kEchoTimeoutMs);
                break;
            case EchoRoute::RawSocket:
                status = echoOverSocket(EchoSocket::Raw, *target, scheduler_, kEchoTimeoutMs);
                break;
            case EchoRoute::PingProgram:
                status = echoThroughPingProgram(address, scheduler_);
                break;
        }
        if (status) {
            lastRoute_ = route;
            return *status;
        }
    }
    return EchoStatus::kInvalidAddress;
#endif
}

}  // namespace qx
