#pragma once

#include <QByteArray>
#include <QList>
#include <QSet>
#include <QString>
#include <functional>

#include "fakes/EventLog.h"
#include "fakes/VirtualScheduler.h"
#include "ui/platform/Platform.h"

namespace qx::test {

// A serial port whose far end is the test: writes are logged (and handed to `onWrite`), input is
// delivered with deliver().
class FakeSerialPort : public SerialPort {
public:
    explicit FakeSerialPort(EventLog& log) : log_(log) {}

    void setPortNumber(int number) override { number_ = number; }
    int portNumber() const override { return number_; }
    bool open() override;
    void close() override;
    bool isOpen() const override { return open_; }
    void write(const QByteArray& bytes) override;
    QByteArray readAll() override { return std::exchange(input_, {}); }

    void deliver(const QByteArray& bytes);
    void vanish();  // the device goes away: the port reports a failure

    QSet<int> availablePorts{10};
    std::function<void(const QByteArray&)> onWrite;

private:
    EventLog& log_;
    int number_ = 10;
    bool open_ = false;
    QByteArray input_;
};

// A TCP client that connects after a short virtual delay when the host is reachable, and
// otherwise reports an error.
class FakeTcpClient : public TcpClient {
public:
    FakeTcpClient(VirtualScheduler& clock, EventLog& log) : clock_(clock), log_(log) {}

    void close() override;
    void connectToHost(const QString& host, quint16 port) override;
    int state() const override { return state_; }
    void send(const QByteArray& bytes) override;
    QByteArray readAll() override { return std::exchange(input_, {}); }

    void deliver(const QByteArray& bytes);
    void peerCloses();

    bool reachable = true;
    // An unreachable host refuses before connectToHost returns (as on this machine); its error
    // event still comes from the event loop.
    bool refusesAtOnce = false;
    double connectDelayMs = 2;
    int connectAttempts = 0;
    std::function<void(const QByteArray&)> onSend;

private:
    void setState(int s);

    VirtualScheduler& clock_;
    EventLog& log_;
    int state_ = Closed;
    quint64 attempt_ = 0;
    QByteArray input_;
};

// 2024-03-05 09:07:05.042 in Japan unless a test says otherwise.
class FakeClock : public Clock {
public:
    SystemTime local{2024, 3, 5, 9, 7, 5, 42};
    SystemTime universal{2024, 3, 5, 0, 7, 5, 42};
    int standardBias = -540;
    int currentBias = -540;

    SystemTime localTime() const override { return local; }
    SystemTime universalTime() const override { return universal; }
    int standardBiasMinutes() const override { return standardBias; }
    int currentBiasMinutes() const override { return currentBias; }
};

// Answers message boxes from a script (OK when the script is empty) and logs them.
class ScriptedMessageBoxes : public MessageBoxes {
public:
    explicit ScriptedMessageBoxes(EventLog& log) : log_(log) {}
    Answer show(const QString& text, const QString& title, Buttons buttons) override;

    QList<Answer> answers;

private:
    EventLog& log_;
};

class RecordingSound : public Sound {
public:
    RecordingSound(const VirtualScheduler& clock, EventLog& log) : clock_(clock), log_(log) {}

    // The files prepared, "<ms> <file name>" each; kept out of the log, which tells what the
    // operator hears.
    QStringList prepared;

    void play(const QString& filePath) override;
    void prepare(const QString& filePath) override;
    void beep() override { log_.add(QStringLiteral("beep"), QStringLiteral("-")); }

private:
    const VirtualScheduler& clock_;
    EventLog& log_;
};

class FakePinger : public Pinger {
public:
    explicit FakePinger(EventLog& log) : log_(log) {}
    bool socketsInitialize() override { return socketsAvailable; }
    int ping(const QString& address) override {
        log_.add(QStringLiteral("ping"), address);
        return status;
    }
    bool socketsAvailable = true;
    int status = 11010;

private:
    EventLog& log_;
};

class FakeDesktop : public Desktop {
public:
    explicit FakeDesktop(EventLog& log) : log_(log) {}
    bool openUrl(const QString& url) override {
        log_.add(QStringLiteral("url"), url);
        return browserStarts;
    }
    bool openDeviceList() override {
        log_.add(QStringLiteral("devices"), QStringLiteral("-"));
        return true;
    }
    void endProgram() override { log_.add(QStringLiteral("end"), QStringLiteral("-")); }
    bool browserStarts = true;

private:
    EventLog& log_;
};

class FakeFolders : public Folders {
public:
    QString settings;
    QString program = QStringLiteral("/opt/quorvelx");
    QString settingsFolder() const override { return settings; }
    QString programFolder() const override { return program; }
};

}  // namespace qx::test
