#pragma once

#include <QtGlobal>
#include <optional>

namespace qx {

class Scheduler;

enum class EchoSocket {
    Datagram,  // the kernel's unprivileged ping socket, for the groups of ping_group_range
    Raw        // a raw ICMP socket, for root or a process holding CAP_NET_RAW
};

// Sends one echo request to `address` (a the highest byte of a.b.c.d) over an ICMP socket of this
// kind and handles events until the answer or the time-out: the echo status. Nothing when this
// process may not open or use such a socket. Linux only; elsewhere always nothing.
std::optional<int> echoOverSocket(EchoSocket kind, quint32 address, Scheduler& scheduler,
                                  int timeoutMs);

}  // namespace qx
