#include "ui/devices/SerialPortRows.h"

#include <QSerialPortInfo>
#include <QStringList>

namespace qx {

namespace {

constexpr int kFirstComPort = 1;
constexpr int kLastComPort = 19;

QString usbId(const SerialPortInfo& port) {
    if (!port.vendorId || !port.productId) return {};
    return QStringLiteral("%1:%2")
        .arg(*port.vendorId, 4, 16, QLatin1Char('0'))
        .arg(*port.productId, 4, 16, QLatin1Char('0'));
}

SerialPortRow rowOf(const QString& com, const SerialPortInfo& port) {
    return {com, port.location, port.description, usbId(port)};
}

}  // namespace

QList<SerialPortRow> serialPortRows(const QList<SerialPortInfo>& ports, PortNaming naming,
                                    const QProcessEnvironment& environment) {
    QStringList locations;
    for (const SerialPortInfo& port : ports) locations << port.location;

    QList<SerialPortRow> rows;
    QList<bool> reached(ports.size(), false);
    for (int n = kFirstComPort; n <= kLastComPort; ++n) {
        const std::optional<QString> device = comPortDevice(n, naming, locations, environment);
        if (!device) continue;
        const QString variable = QStringLiteral("QUORVELX_COM%1").arg(n);
        const bool overridden =
            naming == PortNaming::Unix && !environment.value(variable).isEmpty();
        const QString com = overridden ? QStringLiteral("COM%1 (%2)").arg(n).arg(variable)
                                       : QStringLiteral("COM%1").arg(n);
        qsizetype i = 0;
        while (i < ports.size() && ports[i].location != *device && ports[i].portName != *device)
            ++i;
        if (i < ports.size()) {
            reached[i] = true;
            rows << rowOf(com, ports[i]);
        } else if (overridden) {
            rows << SerialPortRow{com, *device, QStringLiteral("システムの一覧にない装置"), {}};
        }
    }
    for (qsizetype i = 0; i < ports.size(); ++i)
        if (!reached[i]) rows << rowOf(QStringLiteral("-"), ports[i]);
    return rows;
}

QList<SerialPortInfo> systemSerialPorts() {
    QList<SerialPortInfo> ports;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        SerialPortInfo port{info.systemLocation(), info.portName(), info.description(), {}, {}};
        if (info.hasVendorIdentifier()) port.vendorId = info.vendorIdentifier();
        if (info.hasProductIdentifier()) port.productId = info.productIdentifier();
        ports << port;
    }
    return ports;
}

}  // namespace qx
