#pragma once

#include <QSerialPort>

#include "ui/platform/SerialPort.h"

namespace qx {

// The controller's serial port over QSerialPort: 9600 baud, 8 data bits, no parity, one stop bit,
// no flow control. Which device opens as COMn is told in ComPortMapping.h.
class QtSerialPort : public SerialPort {
    Q_OBJECT
public:
    explicit QtSerialPort(QObject* parent = nullptr);

    void setPortNumber(int number) override;
    int portNumber() const override;
    bool open() override;
    void close() override;
    bool isOpen() const override;
    void write(const QByteArray& bytes) override;
    QByteArray readAll() override;

private:
    void configureLine();
    void onPortError(QSerialPort::SerialPortError error);

    QSerialPort port_;
    int portNumber_ = 10;  // the serial control's number before any choice
    // Counts the opens, so that a failure report queued during one open is dropped when the
    // port has been closed or reopened meanwhile.
    quint64 openCount_ = 0;
    bool failureReported_ = false;
};

}  // namespace qx
