#include "link/LanLink.h"

#include "link/ReceiveLimit.h"
#include "link/TrafficObserver.h"
#include "read/Conversions.h"
#include "read/QueryIndex.h"
#include "read/ReplyParser.h"
#include "shell/Form1.h"
#include "ui/platform/TcpClient.h"

namespace qx {

namespace {
constexpr int kRaAxisIndex = 53;
constexpr int kDecAxisIndex = 55;
}  // namespace

FrmTerm::FrmTerm(Form1& form) : form_(form) {
    retry_ = form_.platform().scheduler.createTimer([this] { reconnect(); });
    retry_->setSingleShot(true);
    QObject::connect(&Winsock1(), &TcpClient::dataArrived, &form_,
                     [this] { Winsock1_DataArrival(); });
    QObject::connect(&Winsock1(), &TcpClient::errorOccurred, &form_, [this] { Winsock1_Error(); });
}

FrmTerm::~FrmTerm() = default;

TcpClient& FrmTerm::Winsock1() {
    return form_.platform().tcp;
}

bool FrmTerm::connected() const {
    return form_.platform().tcp.state() == TcpClient::Connected;
}

bool FrmTerm::connectAttemptEnded() const {
    const int state = form_.platform().tcp.state();
    if (state == TcpClient::Connected) return true;
    // A failed attempt (9) is tried again by its error event, which comes after the state has
    // changed; a refusal on this machine comes even before the connect call has returned.
    const bool inProgress =
        (state > TcpClient::Closed && state < TcpClient::Connected) || state == TcpClient::Error;
    return !inProgress && !retry_->isActive();
}

void FrmTerm::NETconnect1() {
    if (connected()) tellLinkEvent(TrafficEvent::Close);
    Winsock1().close();
    host_ = trimmedText(form_.controls().text(QStringLiteral("Text13")));
    Winsock1().connectToHost(host_, kControllerPort);
    statusLog_ << QStringLiteral("Port:9999接続中\r\n");

    // A refused or unanswered attempt is retried until the time limit; the window keeps working.
    connectWaitRunning_ = true;
    form_.platform().scheduler.waitUntil([this] { return connectAttemptEnded(); },
                                         kConnectTimeLimitMs);
    connectWaitRunning_ = false;
    retry_->stop();
    if (!connected()) Winsock1().close();
    tellLinkEvent(connected() ? TrafficEvent::Connect : TrafficEvent::Close);

    form_.PlaySound(QStringLiteral("connect.mp3"));
    statusLog_ << QStringLiteral("コントロール盤(9999)接続しました。\r\n");
    form_.controls().setEnabled(QStringLiteral("Command61"), false);
    form_.controls().setEnabled(QStringLiteral("Command12"), true);
}

void FrmTerm::NETOffLine1() {
    tellLinkEvent(TrafficEvent::Close);
    Winsock1().close();
    form_.platform().scheduler.waitUntil(
        [this] { return form_.platform().tcp.state() == TcpClient::Closed; },
        kDisconnectTimeLimitMs);
    form_.PlaySound(QStringLiteral("Deconnect.mp3"));
    form_.controls().setEnabled(QStringLiteral("Command61"), true);
    form_.controls().setEnabled(QStringLiteral("Command12"), false);
}

void FrmTerm::NET_TX(const QString& command) {
    if (!connected()) return;
    Winsock1().send(command.toLatin1());
    if (TrafficObserver* observer = form_.trafficObserver())
        observer->record({Link::Lan, TrafficEvent::Sent, command});
}

void FrmTerm::tellLinkEvent(TrafficEvent event) {
    if (TrafficObserver* observer = form_.trafficObserver())
        observer->record(
            {Link::Lan, event, QStringLiteral("%1:%2").arg(host_).arg(kControllerPort)});
}

void FrmTerm::tellReceived(TrafficEvent event, const QString& text) {
    if (text.isEmpty()) return;
    if (TrafficObserver* observer = form_.trafficObserver())
        observer->record({Link::Lan, event, text, QueryIndex});
}

// While a connect waits, a failed attempt is tried again shortly after; outside that wait the
// link just stays closed, and the next LAN action connects anew.
void FrmTerm::Winsock1_Error() {
    tellLinkEvent(TrafficEvent::Close);
    Winsock1().close();
    if (connectWaitRunning_) retry_->start(kRetryPauseMs);
}

void FrmTerm::reconnect() {
    if (connectWaitRunning_) Winsock1().connectToHost(host_, kControllerPort);
}

void FrmTerm::Winsock1_DataArrival() {
    // At most one reply is taken from an arrival, and none is longer than the cap: text beyond it
    // is dropped as the text after the first "#" is.
    const QByteArray arrival = Winsock1().readAll();
    if (form_.trafficObserver() && arrival.size() > kMaxReceiveBytes)
        tellReceived(TrafficEvent::Dropped, QString::fromLatin1(arrival.mid(kMaxReceiveBytes)));
    rxBuffer_ += QString::fromLatin1(arrival.left(kMaxReceiveBytes));
    if (form_.trafficObserver() && rxBuffer_.size() > kMaxReceiveBytes)
        tellReceived(TrafficEvent::Dropped, rxBuffer_.mid(kMaxReceiveBytes));
    rxBuffer_.truncate(kMaxReceiveBytes);
    bool replied = false;  // after a reply the buffer holds that reply's text once more
    while (!rxBuffer_.isEmpty()) {
        const int hash = rxBuffer_.indexOf(QLatin1Char('#'));
        if (hash < 0) {
            if (!replied) tellReceived(TrafficEvent::Dropped, rxBuffer_);
            // Text left without "#" is offered to the composite axis parse, then dropped.
            if (QueryIndex == kRaAxisIndex || QueryIndex == kDecAxisIndex)
                parseCompositeAxis(form_.controls(), rxBuffer_, QueryIndex);
            rxBuffer_.clear();
            return;
        }
        // One reply per arrival: what follows its "#" is dropped.
        const QString lost = form_.trafficObserver() ? rxBuffer_.mid(hash + 1) : QString();
        rxBuffer_ = rxBuffer_.left(hash);
        replied = true;
        const bool accepted =
            parseReply(form_.controls(), rxBuffer_, QueryIndex, Link::Lan, form_.trafficObserver());
        tellReceived(TrafficEvent::LostAfterHash, lost);
        if (!accepted) {
            rxBuffer_.clear();
            return;
        }
        form_.platform().scheduler.processPendingEvents();
    }
}

}  // namespace qx
