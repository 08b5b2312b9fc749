#include "link/SerialLink.h"

#include "link/ReceiveLimit.h"
#include "link/TrafficObserver.h"
#include "read/QueryIndex.h"
#include "read/ReplyParser.h"
#include "shell/Form1.h"
#include "ui/platform/MessageBoxes.h"
#include "ui/platform/SerialPort.h"

namespace qx {

namespace {
const QString kNoPortText = QStringLiteral("現在使用できるポートがありません。");
const QString kNoPortTitle = QStringLiteral("通信エラー");
}  // namespace

Comm::Comm(Form1& form) : form_(form) {
    // A pause ends the burst, and with it the skipping of a text cut at the size cap.
    burstGap_ = form_.platform().scheduler.createTimer([this] {
        skippingCutText_ = false;
        endBurst();
    });
    burstGap_->setSingleShot(true);
    QObject::connect(&MSComm1(), &SerialPort::readyRead, &form_, [this] { onReadyRead(); });
    QObject::connect(&MSComm1(), &SerialPort::failed, &form_, [this] { onPortFailed(); });
}

Comm::~Comm() = default;

SerialPort& Comm::MSComm1() {
    return form_.platform().serial;
}

bool Comm::portOpen() const {
    return form_.platform().serial.isOpen();
}

void Comm::COMM1open() {
    Controls& c = form_.controls();
    if (portOpen()) return;
    MSComm1().open();
    tellPortEvent(portOpen() ? TrafficEvent::Connect : TrafficEvent::Close);
    // The connect sound is heard before the outcome is known.
    c.setEnabled(QStringLiteral("Command11"), false);
    c.setEnabled(QStringLiteral("Command12"), true);
    form_.PlaySound(QStringLiteral("connect.mp3"));
    if (portOpen()) return;
    form_.platform().messages.show(kNoPortText, kNoPortTitle, MessageBoxes::Buttons::Ok);
    c.setEnabled(QStringLiteral("Command11"), true);
    c.setEnabled(QStringLiteral("Command12"), false);
    c.setEnabled(QStringLiteral("Command61"), false);
}

void Comm::COMM1close() {
    if (!portOpen()) return;
    MSComm1().close();
    tellPortEvent(TrafficEvent::Close);
    burstGap_->stop();
    tellDropped(burst_);
    burst_.clear();
    skippingCutText_ = false;
    Controls& c = form_.controls();
    c.setEnabled(QStringLiteral("Command11"), true);
    c.setEnabled(QStringLiteral("Command12"), false);
    form_.PlaySound(QStringLiteral("Deconnect.mp3"));
}

void Comm::send(const QString& command) {
    if (!portOpen()) return;
    MSComm1().write(command.toLatin1());
    if (TrafficObserver* observer = form_.trafficObserver())
        observer->record({Link::Serial, TrafficEvent::Sent, command});
}

void Comm::tellPortEvent(TrafficEvent event) {
    if (TrafficObserver* observer = form_.trafficObserver())
        observer->record(
            {Link::Serial, event, QStringLiteral("COM%1").arg(MSComm1().portNumber())});
}

void Comm::tellDropped(QByteArrayView bytes) {
    if (!bytes.isEmpty() && form_.trafficObserver())
        tellDroppedText(QString::fromLatin1(bytes.data(), bytes.size()));
}

void Comm::tellDroppedText(const QString& text) {
    if (text.isEmpty()) return;
    if (TrafficObserver* observer = form_.trafficObserver())
        observer->record({Link::Serial, TrafficEvent::Dropped, text, QueryIndex});
}

void Comm::onReadyRead() {
    const double now = form_.platform().scheduler.nowMs();
    if (burst_.isEmpty()) burstStartMs_ = now;
    burst_ += MSComm1().readAll();
    skipRestOfCutText();
    if (burst_.size() >= kMaxReceiveBytes || now - burstStartMs_ >= kMaxBurstMs)
        cutBurst();
    else if (burst_.endsWith('#'))
        endBurst();
    else if (!burst_.isEmpty() || skippingCutText_)
        burstGap_->start(kBurstGapMs);
}

void Comm::endBurst() {
    burstGap_->stop();
    if (!burst_.isEmpty()) frameThrough(burst_.size() - 1);
}

// Hands the burst up to `hash` over as one receive event; what follows stays in the burst. It is
// taken out first: the event lets other events run, which may add to the burst.
void Comm::frameThrough(qsizetype hash) {
    const QByteArray event = burst_.left(hash + 1);
    burst_.remove(0, hash + 1);
    MSComm1_OnComm(event);
}

void Comm::cutBurst() {
    while (burst_.size() >= kMaxReceiveBytes) {
        const qsizetype lastHash = burst_.left(kMaxReceiveBytes).lastIndexOf('#');
        if (lastHash >= 0) {
            frameThrough(lastHash);
            continue;
        }
        tellDropped(QByteArrayView(burst_).first(kMaxReceiveBytes));
        burst_.remove(0, kMaxReceiveBytes);
        skippingCutText_ = true;
        skipRestOfCutText();
    }
    const qsizetype lastHash = burst_.lastIndexOf('#');
    if (lastHash >= 0) frameThrough(lastHash);
    burstStartMs_ = form_.platform().scheduler.nowMs();
    if (!burst_.isEmpty()) burstGap_->start(kBurstGapMs);
}

void Comm::skipRestOfCutText() {
    if (!skippingCutText_) return;
    const qsizetype hash = burst_.indexOf('#');
    const qsizetype skipped = hash < 0 ? burst_.size() : hash + 1;
    tellDropped(QByteArrayView(burst_).first(skipped));
    burst_.remove(0, skipped);
    skippingCutText_ = hash < 0;
}

// A device that vanished keeps reporting errors; the port is closed on the first one.
void Comm::onPortFailed() {
    COMM1close();
}

void Comm::MSComm1_OnComm(const QByteArray& burst) {
    // Text held back after a rejected reply answers queries long past: it goes first when the
    // buffer would pass its cap.
    if (rxBuffer_.size() + burst.size() > kMaxReceiveBytes) {
        tellDroppedText(rxBuffer_);
        rxBuffer_.clear();
    }
    rxBuffer_ += QString::fromLatin1(burst.left(kMaxReceiveBytes));
    tellDropped(QByteArrayView(burst).sliced(qMin(burst.size(), kMaxReceiveBytes)));
    while (!rxBuffer_.isEmpty()) {
        form_.platform().scheduler.processPendingEvents();
        const int hash = rxBuffer_.indexOf(QLatin1Char('#'));
        if (hash < 0) {  // a fragment without "#" is dropped, not kept for the next event
            tellDroppedText(rxBuffer_);
            rxBuffer_.clear();
            return;
        }
        const QString reply = rxBuffer_.left(hash);
        rxBuffer_.remove(0, hash + 1);
        // A rejected reply ends the event; what follows it waits for the next one.
        if (!parseReply(form_.controls(), reply, QueryIndex, Link::Serial, form_.trafficObserver()))
            return;
    }
}

}  // namespace qx
