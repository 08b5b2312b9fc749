#include "MeasuredPlatform.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QTimer>

namespace bench {

namespace {

// Counts one level of nesting for as long as it lives.
struct Nested {
    explicit Nested(int& depth) : depth_(depth) { ++depth_; }
    ~Nested() { --depth_; }
    int& depth_;
};

// Presses OK in the modal message box as soon as there is one.
void pressOkWhenShown() {
    QTimer::singleShot(5, [] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return pressOkWhenShown();
        box->button(QMessageBox::Ok)->click();
    });
}

}  // namespace

void WaitLedger::wait(double ms) {
    if (depth_ == 0) askedMs_ += ms;
    Nested nested(depth_);
    real_.wait(ms);
}

bool WaitLedger::waitUntil(const std::function<bool()>& done, double timeoutMs) {
    Nested nested(depth_);
    return real_.waitUntil(done, timeoutMs);
}

void WaitLedger::processPendingEvents() {
    Nested nested(depth_);
    real_.processPendingEvents();
}

CountingSerialPort::CountingSerialPort(qx::SerialPort& real) : real_(real) {
    connect(&real_, &qx::SerialPort::readyRead, this, &qx::SerialPort::readyRead);
    connect(&real_, &qx::SerialPort::failed, this, &qx::SerialPort::failed);
}

void CountingSerialPort::write(const QByteArray& bytes) {
    if (real_.isOpen()) sent += bytes.size();
    real_.write(bytes);
}

QByteArray CountingSerialPort::readAll() {
    QByteArray bytes = real_.readAll();
    received += bytes.size();
    return bytes;
}

CountingTcpClient::CountingTcpClient(qx::TcpClient& real) : real_(real) {
    connect(&real_, &qx::TcpClient::dataArrived, this, &qx::TcpClient::dataArrived);
    connect(&real_, &qx::TcpClient::errorOccurred, this, &qx::TcpClient::errorOccurred);
    connect(&real_, &qx::TcpClient::stateChanged, this, &qx::TcpClient::stateChanged);
}

void CountingTcpClient::send(const QByteArray& bytes) {
    if (real_.state() == Connected) sent += bytes.size();
    real_.send(bytes);
}

QByteArray CountingTcpClient::readAll() {
    QByteArray bytes = real_.readAll();
    received += bytes.size();
    return bytes;
}

qx::MessageBoxes::Answer AnsweringMessageBoxes::show(const QString& text, const QString& title,
                                                     Buttons buttons) {
    QElapsedTimer shown;
    shown.start();
    pressOkWhenShown();
    const Answer answer = real_.show(text, title, buttons);
    shownMs_ += shown.nsecsElapsed() / 1e6;
    return answer;
}

MeasuredPlatform::MeasuredPlatform(qx::QtPlatform& real)
    : scheduler(real.scheduler()),
      serial(real.serial()),
      tcp(real.tcp()),
      platform{scheduler,
               real.platform().clock,
               serial,
               tcp,
               messages,
               real.platform().sound,
               real.platform().pinger,
               real.platform().desktop,
               real.platform().folders,
               real.platform().files} {}

}  // namespace bench
