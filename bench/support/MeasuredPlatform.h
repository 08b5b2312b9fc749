#pragma once

#include "ui/platform/Platform.h"
#include "ui/qt/QtMessageBoxes.h"
#include "ui/qt/QtPlatform.h"

namespace bench {

// The real scheduler, keeping the sum of the waits that a sequence asks for. Only the outermost
// waits count: a wait asked by a handler that runs inside another wait passes within it.
class WaitLedger : public qx::Scheduler {
public:
    explicit WaitLedger(qx::Scheduler& real) : real_(real) {}

    double askedMs() const { return askedMs_; }
    void reset() { askedMs_ = 0; }

    double nowMs() const override { return real_.nowMs(); }
    void wait(double ms) override;
    bool waitUntil(const std::function<bool()>& done, double timeoutMs) override;
    void processPendingEvents() override;
    int nestingDepth() const override { return real_.nestingDepth(); }
    std::unique_ptr<qx::Timer> createTimer(std::function<void()> onTick) override {
        return real_.createTimer(std::move(onTick));
    }

private:
    qx::Scheduler& real_;
    double askedMs_ = 0;
    int depth_ = 0;
};

// The real serial port, counting the bytes written and read.
class CountingSerialPort : public qx::SerialPort {
    Q_OBJECT
public:
    explicit CountingSerialPort(qx::SerialPort& real);

    qint64 sent = 0;
    qint64 received = 0;

    void setPortNumber(int number) override { real_.setPortNumber(number); }
    int portNumber() const override { return real_.portNumber(); }
    bool open() override { return real_.open(); }
    void close() override { real_.close(); }
    bool isOpen() const override { return real_.isOpen(); }
    void write(const QByteArray& bytes) override;
    QByteArray readAll() override;

private:
    qx::SerialPort& real_;
};

// The real TCP client, counting the bytes sent and read.
class CountingTcpClient : public qx::TcpClient {
    Q_OBJECT
public:
    explicit CountingTcpClient(qx::TcpClient& real);

    qint64 sent = 0;
    qint64 received = 0;

    void close() override { real_.close(); }
    void connectToHost(const QString& host, quint16 port) override {
        real_.connectToHost(host, port);
    }
    int state() const override { return real_.state(); }
    void send(const QByteArray& bytes) override;
    QByteArray readAll() override;

private:
    qx::TcpClient& real_;
};

// The real message boxes, answered OK as soon as they show, as by an operator who does not
// hesitate. The time they are up is the operator's, not the sequence's, and is kept apart.
class AnsweringMessageBoxes : public qx::MessageBoxes {
public:
    double shownMs() const { return shownMs_; }
    void reset() { shownMs_ = 0; }

    Answer show(const QString& text, const QString& title, Buttons buttons) override;

private:
    qx::QtMessageBoxes real_;
    double shownMs_ = 0;
};

// The facilities of the real platform with the ones above in place of the scheduler, the links
// and the message boxes.
struct MeasuredPlatform {
    explicit MeasuredPlatform(qx::QtPlatform& real);

    WaitLedger scheduler;
    CountingSerialPort serial;
    CountingTcpClient tcp;
    AnsweringMessageBoxes messages;
    qx::Platform platform;
};

}  // namespace bench
