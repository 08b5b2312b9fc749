#pragma once

#include <QString>
#include <QStringList>
#include <memory>

#include "ui/platform/Scheduler.h"

namespace qx {

class Form1;
class TcpClient;
enum class TrafficEvent;

// The LAN link (the object frmTerm): one TCP connection to port 9999 of the address in Text13,
// re-opened by every LAN action before it sends.
class FrmTerm {
public:
    static constexpr quint16 kControllerPort = 9999;
    // A controller that does not answer would otherwise keep the connect waiting for a minute.
    static constexpr double kConnectTimeLimitMs = 5000;
    static constexpr double kDisconnectTimeLimitMs = 2000;
    // Pause before a refused attempt is tried again inside the connect wait.
    static constexpr int kRetryPauseMs = 200;

    explicit FrmTerm(Form1& form);
    ~FrmTerm();

    TcpClient& Winsock1();
    bool connected() const;  // state 7

    void NETconnect1();
    void NETOffLine1();
    void NET_TX(const QString& command);

    void Winsock1_DataArrival();
    void Winsock1_Error();

    QString rxBuffer() const { return rxBuffer_; }
    QStringList statusLog() const { return statusLog_; }

private:
    bool connectAttemptEnded() const;
    void reconnect();
    // The traffic monitor's records; nothing is built while no monitor is open.
    void tellLinkEvent(TrafficEvent event);
    void tellReceived(TrafficEvent event, const QString& text);

    Form1& form_;
    QString rxBuffer_;
    QStringList statusLog_;  // frmTerm's Text2: written, never shown
    bool connectWaitRunning_ = false;
    QString host_;
    std::unique_ptr<Timer> retry_;
};

}  // namespace qx
