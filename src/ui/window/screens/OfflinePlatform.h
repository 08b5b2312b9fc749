#pragma once

#include <QDateTime>
#include <QElapsedTimer>

#include "ui/platform/Platform.h"

namespace qx::screens {

// A platform with no devices, for drawing the window: nothing connects, nothing plays, time does
// not pass in waits, timers never fire.
class IdleTimer : public Timer {
  public:
    void start(int) override { active_ = true; }
    void stop() override { active_ = false; }
    bool isActive() const override { return active_; }
    void setSingleShot(bool) override {}

  private:
    bool active_ = false;
};

class IdleScheduler : public Scheduler {
  public:
    IdleScheduler() { clock_.start(); }
    double nowMs() const override { return double(clock_.elapsed()); }
    void wait(double) override {}
    bool waitUntil(const std::function<bool()>& done, double) override { return done(); }
    void processPendingEvents() override {}
    std::unique_ptr<Timer> createTimer(std::function<void()>) override {
        return std::make_unique<IdleTimer>();
    }

  private:
    QElapsedTimer clock_;
};

class SystemClock : public Clock {
  public:
    SystemTime localTime() const override { return from(QDateTime::currentDateTime()); }
    SystemTime universalTime() const override { return from(QDateTime::currentDateTimeUtc()); }
    int standardBiasMinutes() const override { return currentBiasMinutes(); }
    int currentBiasMinutes() const override {
        return -QDateTime::currentDateTime().offsetFromUtc() / 60;
    }

  private:
    static SystemTime from(const QDateTime& t) {
        const QDate d = t.date();
        const QTime h = t.time();
        return {d.year(), d.month(), d.day(), h.hour(), h.minute(), h.second(), h.msec()};
    }
};

class AbsentSerialPort : public SerialPort {
  public:
    void setPortNumber(int number) override { number_ = number; }
    int portNumber() const override { return number_; }
    bool open() override { return false; }
    void close() override {}
    bool isOpen() const override { return false; }
    void write(const QByteArray&) override {}
    QByteArray readAll() override { return {}; }

  private:
    int number_ = 10;
};

class AbsentTcpClient : public TcpClient {
  public:
    void close() override {}
    void connectToHost(const QString&, quint16) override {}
    int state() const override { return Closed; }
    void send(const QByteArray&) override {}
    QByteArray readAll() override { return {}; }
};

class SilentMessageBoxes : public MessageBoxes {
  public:
    Answer show(const QString&, const QString&, Buttons) override { return Answer::Cancel; }
};

class SilentSound : public Sound {
  public:
    void play(const QString&) override {}
    void beep() override {}
};

class UnreachablePinger : public Pinger {
  public:
    bool socketsInitialize() override { return false; }
    int ping(const QString&) override { return -1; }
};

class IdleDesktop : public Desktop {
  public:
    bool openUrl(const QString&) override { return false; }
    bool openDeviceList() override { return false; }
    void endProgram() override {}
};

class FixedFolders : public Folders {
  public:
    explicit FixedFolders(QString folder) : folder_(std::move(folder)) {}
    QString settingsFolder() const override { return folder_; }
    QString programFolder() const override { return folder_; }

  private:
    QString folder_;
};

// All of the above, put together.
struct OfflinePlatform {
    explicit OfflinePlatform(const QString& folder) : folders(folder) {}

    IdleScheduler scheduler;
    SystemClock clock;
    AbsentSerialPort serial;
    AbsentTcpClient tcp;
    SilentMessageBoxes messages;
    SilentSound sound;
    UnreachablePinger pinger;
    IdleDesktop desktop;
    FixedFolders folders;
    Platform platform{scheduler, clock, serial, tcp, messages, sound, pinger, desktop, folders};
};

}  // namespace qx::screens
