#pragma once

#include "ui/platform/Network.h"

namespace qx {

// Stands in for the ICMP echo until it is built: the socket library always starts, and every
// valid address times out (11010), so the tool behaves as with a controller that is switched
// off.
class QtPinger : public Pinger {
public:
    static constexpr int kInvalidAddress = -1;
    static constexpr int kRequestTimedOut = 11010;

    bool socketsInitialize() override;
    int ping(const QString& address) override;
};

}  // namespace qx
