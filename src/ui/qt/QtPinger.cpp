#include "ui/qt/QtPinger.h"

#include "ui/qt/Ipv4Address.h"

namespace qx {

bool QtPinger::socketsInitialize() {
    return true;
}

int QtPinger::ping(const QString& address) {
    return parseDottedIpv4(address) ? kRequestTimedOut : kInvalidAddress;
}

}  // namespace qx
