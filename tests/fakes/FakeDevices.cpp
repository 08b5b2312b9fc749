#include "fakes/FakeDevices.h"

#include <QFileInfo>

namespace qx::test {

bool FakeSerialPort::open() {
    open_ = availablePorts.contains(number_);
    log_.add(QStringLiteral("port"), open_ ? QStringLiteral("open COM%1").arg(number_)
                                           : QStringLiteral("cannot open COM%1").arg(number_));
    return open_;
}

void FakeSerialPort::close() {
    if (open_) log_.add(QStringLiteral("port"), QStringLiteral("close"));
    open_ = false;
    input_.clear();
}

void FakeSerialPort::write(const QByteArray& bytes) {
    log_.add(QStringLiteral("serial"), QString::fromLatin1(bytes));
    if (onWrite) onWrite(bytes);
}

void FakeSerialPort::deliver(const QByteArray& bytes) {
    if (!open_) return;
    input_ += bytes;
    Q_EMIT readyRead();
}

void FakeSerialPort::vanish() {
    if (open_) Q_EMIT failed();
}

void FakeTcpClient::setState(int s) {
    if (state_ == s) return;
    state_ = s;
    Q_EMIT stateChanged();
}

void FakeTcpClient::close() {
    ++attempt_;
    input_.clear();
    setState(Closed);
}

void FakeTcpClient::connectToHost(const QString& host, quint16 port) {
    ++connectAttempts;
    log_.add(QStringLiteral("tcp"), QStringLiteral("connect %1:%2").arg(host).arg(port));
    const quint64 attempt = ++attempt_;
    if (!reachable && refusesAtOnce) {
        setState(Error);
        clock_.post(0, [this, attempt] {
            if (attempt == attempt_) Q_EMIT errorOccurred();
        });
        return;
    }
    setState(Connecting);
    clock_.post(connectDelayMs, [this, attempt] {
        if (attempt != attempt_) return;
        if (reachable) {
            setState(Connected);
        } else {
            setState(Error);
            Q_EMIT errorOccurred();
        }
    });
}

void FakeTcpClient::send(const QByteArray& bytes) {
    log_.add(QStringLiteral("lan"), QString::fromLatin1(bytes));
    if (onSend) onSend(bytes);
}

void FakeTcpClient::deliver(const QByteArray& bytes) {
    if (state_ != Connected) return;
    input_ += bytes;
    Q_EMIT dataArrived();
}

void FakeTcpClient::peerCloses() {
    setState(Closing);
}

MessageBoxes::Answer ScriptedMessageBoxes::show(const QString& text, const QString& title,
                                                Buttons) {
    log_.add(QStringLiteral("message"), title + QLatin1Char('|') + text);
    return answers.isEmpty() ? Answer::Ok : answers.takeFirst();
}

void RecordingSound::play(const QString& filePath) {
    log_.add(QStringLiteral("sound"), QFileInfo(filePath).fileName());
}

void RecordingSound::prepare(const QString& filePath) {
    prepared << QStringLiteral("%1 %2")
                    .arg(qRound64(clock_.nowMs()))
                    .arg(QFileInfo(filePath).fileName());
}

}  // namespace qx::test
