#pragma once

#include <QList>
#include <QProcessEnvironment>
#include <QString>
#include <optional>

#include "ui/qt/ComPortMapping.h"

namespace qx {

// A serial port as the system lists it.
struct SerialPortInfo {
    QString location;  // "/dev/ttyUSB0", "\\.\COM3"
    QString portName;  // "ttyUSB0", "COM3"
    QString description;
    std::optional<quint16> vendorId;
    std::optional<quint16> productId;
};

// One line of the device list: the COM number the tool opens the device as, and the device.
struct SerialPortRow {
    QString com;  // "COM1", "COM3 (QUORVELX_COM3)"; "-" for a port no COM number reaches
    QString device;
    QString description;
    QString usbId;  // "0403:6001"; empty when the port is no USB device
};

// The lines of the list: COM1..COM19 as the tool maps them (with the QUORVELX_COM<n> overrides,
// also to devices the system does not list), then the system's ports that no COM number reaches.
QList<SerialPortRow> serialPortRows(const QList<SerialPortInfo>& ports, PortNaming naming,
                                    const QProcessEnvironment& environment);

// The serial ports of this system now.
QList<SerialPortInfo> systemSerialPorts();

}  // namespace qx
