#include "ui/qt/QtSerialPort.h"

#include <QProcessEnvironment>
#include <QSerialPortInfo>

#include "ui/qt/ComPortMapping.h"

namespace qx {

namespace {

QStringList systemPortLocations() {
    QStringList locations;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        locations << info.systemLocation();
    }
    return locations;
}

bool isDeviceFailure(QSerialPort::SerialPortError error) {
    return error != QSerialPort::NoError && error != QSerialPort::TimeoutError;
}

}  // namespace

QtSerialPort::QtSerialPort(QObject* parent) : SerialPort(parent) {
    connect(&port_, &QSerialPort::readyRead, this, &SerialPort::readyRead);
    connect(&port_, &QSerialPort::errorOccurred, this, &QtSerialPort::onPortError);
}

void QtSerialPort::setPortNumber(int number) {
    portNumber_ = number;
}

int QtSerialPort::portNumber() const {
    return portNumber_;
}

bool QtSerialPort::open() {
    if (port_.isOpen()) {
        return true;
    }
    const std::optional<QString> device =
        comPortDevice(portNumber_, hostPortNaming(), systemPortLocations(),
                      QProcessEnvironment::systemEnvironment());
    if (!device) {
        return false;
    }
    port_.setPortName(*device);
    configureLine();
    ++openCount_;
    failureReported_ = false;
    const bool opened = port_.open(QIODevice::ReadWrite);
    port_.clearError();
    return opened;
}

void QtSerialPort::configureLine() {
    port_.setBaudRate(QSerialPort::Baud9600);
    port_.setDataBits(QSerialPort::Data8);
    port_.setParity(QSerialPort::NoParity);
    port_.setStopBits(QSerialPort::OneStop);
    port_.setFlowControl(QSerialPort::NoFlowControl);
}

void QtSerialPort::close() {
    if (!port_.isOpen()) {
        return;
    }
    // A command written just before the close (a restart, say) still has to leave.
    port_.flush();
    port_.close();
    port_.clearError();
    ++openCount_;
}

bool QtSerialPort::isOpen() const {
    return port_.isOpen();
}

void QtSerialPort::write(const QByteArray& bytes) {
    if (port_.isOpen()) {
        port_.write(bytes);
    }
}

QByteArray QtSerialPort::readAll() {
    return port_.readAll();
}

void QtSerialPort::onPortError(QSerialPort::SerialPortError error) {
    if (!port_.isOpen() || !isDeviceFailure(error) || failureReported_) {
        return;
    }
    // A vanished device keeps raising read errors; one report is enough, since the link closes
    // the port on it. The report is queued, so that the link closes the port from the event
    // loop and not from inside QSerialPort's own notification.
    failureReported_ = true;
    const quint64 failedOpen = openCount_;
    QMetaObject::invokeMethod(
        this,
        [this, failedOpen] {
            if (port_.isOpen() && openCount_ == failedOpen) {
                emit failed();
            }
        },
        Qt::QueuedConnection);
}

}  // namespace qx
