#include "link/SerialLink.h"

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
    burstGap_ = form_.platform().scheduler.createTimer([this] {
        const QByteArray burst = std::exchange(burst_, {});
        MSComm1_OnComm(burst);
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
    burstGap_->stop();
    burst_.clear();
    Controls& c = form_.controls();
    c.setEnabled(QStringLiteral("Command11"), true);
    c.setEnabled(QStringLiteral("Command12"), false);
    form_.PlaySound(QStringLiteral("Deconnect.mp3"));
}

void Comm::send(const QString& command) {
    if (portOpen()) MSComm1().write(command.toLatin1());
}

void Comm::onReadyRead() {
    burst_ += MSComm1().readAll();
    burstGap_->start(kBurstGapMs);
}

// A device that vanished keeps reporting errors; the port is closed on the first one.
void Comm::onPortFailed() {
    COMM1close();
}

void Comm::MSComm1_OnComm(const QByteArray& burst) {
    rxBuffer_ += QString::fromLatin1(burst);
    while (!rxBuffer_.isEmpty()) {
        form_.platform().scheduler.processPendingEvents();
        const int hash = rxBuffer_.indexOf(QLatin1Char('#'));
        if (hash < 0) {  // a fragment without "#" is dropped, not kept for the next event
            rxBuffer_.clear();
            return;
        }
        const QString reply = rxBuffer_.left(hash);
        rxBuffer_.remove(0, hash + 1);
        // A rejected reply ends the event; what follows it waits for the next one.
        if (!parseReply(form_.controls(), reply, QueryIndex, Link::Serial)) return;
    }
}

}  // namespace qx
