#pragma once

#include <optional>
#include <vector>

#include "ui/platform/Network.h"

namespace qx {

class Scheduler;

// The ways a Linux process can send an ICMP echo, from the least privileged.
enum class EchoRoute {
    DatagramSocket,  // allowed to the groups of net.ipv4.ping_group_range
    RawSocket,       // allowed to root and to holders of CAP_NET_RAW
    PingProgram      // the system's ping, which holds that capability itself
};

// One ICMP echo with a 1000 ms time-out, handling events meanwhile as a wait does. Windows: the
// system's ICMP echo service. Linux: the first of the routes that this process may use.
class QtPinger : public Pinger {
public:
    explicit QtPinger(Scheduler& scheduler);

    bool socketsInitialize() override;
    int ping(const QString& address) override;

    // The routes tried, in order (all three unless a test pins one).
    void setRoutes(std::vector<EchoRoute> routes) { routes_ = std::move(routes); }
    // The route that sent the last echo on Linux; nothing when none could (and on Windows).
    std::optional<EchoRoute> lastRoute() const { return lastRoute_; }

private:
    Scheduler& scheduler_;
    std::vector<EchoRoute> routes_{EchoRoute::DatagramSocket, EchoRoute::RawSocket,
                                   EchoRoute::PingProgram};
    std::optional<EchoRoute> lastRoute_;
};

}  // namespace qx
