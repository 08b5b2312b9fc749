#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <memory>

#include "ui/platform/Scheduler.h"

namespace qx {

class Form1;
class SerialPort;
enum class TrafficEvent;

// The serial link (the object COMM): opening and closing the port, the guarded send and the
// framing of received text into replies.
//
// The controller answers bare values ended by "#". A fragment without "#" is dropped at the end of
// a receive event, which is how the bare "1"/"0" answers of LX200 set commands disappear. The port
// hands over one reply in several reads (a USB adapter passes on what it has every 16 or 32 ms),
// so a receive event is a burst: chunks that follow each other with pauses shorter than
// kBurstGapMs are joined before they are framed, and a burst whose last chunk ends with "#" holds
// whole replies and is framed at once. The gap is longer than the pauses within one reply through
// a slow adapter (40 ms) and, since a reply is framed as soon as its "#" arrives, a reply never
// waits for it and never joins the next one (bench/usb_burst_gap.cpp has the figures).
//
// A burst is capped by size (kMaxReceiveBytes) and by time (kMaxBurstMs): a device that never
// pauses still has its replies framed, up to the last "#" received, while the text after it goes
// on as the start of the next burst. Text of the size cap without any "#" holds no reply: it is
// dropped, and so is its rest, up to and including the next "#" or the next pause, so that no
// piece of it is ever taken for a reply.
class Comm {
public:
    static constexpr int kBurstGapMs = 50;
    static constexpr int kMaxBurstMs = 250;

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
    qsizetype burstSize() const { return burst_.size(); }  // received, waiting for its burst's end

private:
    void onReadyRead();
    void onPortFailed();
    void endBurst();
    void cutBurst();
    void frameThrough(qsizetype hash);
    void skipRestOfCutText();
    // The traffic monitor's records; nothing is built while no monitor is open.
    void tellPortEvent(TrafficEvent event);
    void tellDropped(QByteArrayView bytes);
    void tellDroppedText(const QString& text);

    Form1& form_;
    QString rxBuffer_;
    QByteArray burst_;
    double burstStartMs_ = 0;
    bool skippingCutText_ = false;  // the rest of a text cut at the size cap is still to come
    std::unique_ptr<Timer> burstGap_;
};

}  // namespace qx
