#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <optional>

namespace qx {

enum class PortNaming {
    Windows,  // the system itself names its ports COM1, COM2, ...
    Unix      // devices such as /dev/ttyUSB0; COMn is looked up
};

// How the system running this build names its serial ports.
PortNaming hostPortNaming();

// The device that opens as COMn (n = 1..19), or nothing when no device takes that place.
// Unix: the variable QUORVELX_COM<n> (for example QUORVELX_COM3=/dev/pts/7) names the device;
// without it COMn is the n-th of the system's serial ports in natural order of their locations
// (/dev/ttyUSB2 before /dev/ttyUSB10), so a single USB adapter is COM1.
std::optional<QString> comPortDevice(int number, PortNaming naming,
                                     const QStringList& systemPortLocations,
                                     const QProcessEnvironment& environment);

}  // namespace qx
