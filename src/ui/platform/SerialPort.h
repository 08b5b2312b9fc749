#pragma once

#include <QByteArray>
#include <QObject>

namespace qx {

// One serial port, 9600 baud, 8 data bits, no parity, one stop bit. The port is chosen by its
// number 1..19 ("COM1".."COM19"); how a number maps to a device is the adapter's business.
class SerialPort : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    virtual void setPortNumber(int number) = 0;  // takes effect at the next open
    virtual int portNumber() const = 0;
    virtual bool open() = 0;  // false when the device is missing or busy
    virtual void close() = 0;
    virtual bool isOpen() const = 0;
    virtual void write(const QByteArray& bytes) = 0;
    virtual QByteArray readAll() = 0;

Q_SIGNALS:
    void readyRead();
    // The device failed while open (unplugged adapter, closed pty peer, I/O error).
    void failed();
};

}  // namespace qx
