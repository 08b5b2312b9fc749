#pragma once

#include <QByteArray>
#include <QString>
#include <memory>

#include "ui/platform/Scheduler.h"

namespace qx {

class Form1;
class SerialPort;

// The serial link (the object COMM): opening and closing the port, the guarded send and the
// framing of received text into replies.
//
// The controller answers bare values ended by "#". A fragment without "#" is dropped at the end of
// a receive event, which is how the bare "1"/"0" answers of LX200 set commands disappear. The port
// hands over one reply in several reads, so a receive event is a burst: chunks that follow each
// other with gaps shorter than kBurstGapMs are joined before they are framed.
class Comm {
public:
    static constexpr int kBurstGapMs = 20;

    explicit Comm(Form1& form);
    ~Comm();

    SerialPort& MSComm1();
    bool portOpen() const;

    void COMM1open();
    void COMM1close();
    // Writes the command unchanged when the port is open; otherwise does nothing.
    void send(const QString& command);

    // One receive event: the text of one burst.
    void MSComm1_OnComm(const QByteArray& burst);

    QString rxBuffer() const { return rxBuffer_; }

private:
    void onReadyRead();
    void onPortFailed();

    Form1& form_;
    QString rxBuffer_;
    QByteArray burst_;
    std::unique_ptr<Timer> burstGap_;
};

}  // namespace qx
