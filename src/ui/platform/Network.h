#pragma once

#include <QString>

namespace qx {

// ICMP echo. Returns the echo status: 0 success, 11001..11050 the platform's failure codes,
// -1 for an address that is not a dotted IPv4 text or an echo service that cannot be used.
class Pinger {
public:
    virtual ~Pinger() = default;
    virtual bool socketsInitialize() = 0;
    virtual int ping(const QString& address) = 0;
};

}  // namespace qx
