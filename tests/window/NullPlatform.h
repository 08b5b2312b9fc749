#pragma once

#include <QStringList>
#include <QTemporaryDir>

#include "ui/platform/Platform.h"

namespace qx::windowtest {

// Platform doubles for the window tests: no device answers, waits return at once, timers never
// fire; what the window logic asks of the platform is recorded where the tests look at it.
class IdleTimer : public Timer {
  public:
    void start(int) override { active_ = true; }
    void stop() override { active_ = false; }
    bool isActive() const override { return active_; }
    void setSingleShot(bool) override {}

  private:
    bool active_ = false;
};

class InstantScheduler : public Scheduler {
  public:
    double nowMs() const override { return now_; }
    void wait(double ms) override { now_ += ms; }
    bool waitUntil(const std::function<bool()>& done, double timeoutMs) override {
        if (!done()) now_ += timeoutMs;
        return done();
    }
    void processPendingEvents() override {}
    std::unique_ptr<Timer> createTimer(std::function<void()>) override {
        return std::make_unique<IdleTimer>();
    }

  private:
    double now_ = 0;
};

class FixedClock : public Clock {
  public:
    SystemTime localTime() const override { return {2024, 3, 5, 9, 7, 5, 42}; }
    SystemTime universalTime() const override { return {2024, 3, 5, 0, 7, 5, 42}; }
    int standardBiasMinutes() const override { return -540; }
    int currentBiasMinutes() const override { return -540; }
};

// A serial port with no device behind it: it never opens.
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

class RecordingMessageBoxes : public MessageBoxes {
  public:
    Answer show(const QString& text, const QString&, Buttons) override {
        shown << text;
        return Answer::Ok;
    }
    QStringList shown;
};

class SilentSound : public Sound {
  public:
    void play(const QString&) override {}
    void beep() override {}
};

class NoSocketsPinger : public Pinger {
  public:
    bool socketsInitialize() override { return false; }
    int ping(const QString&) override { return -1; }
};

class RecordingDesktop : public Desktop {
  public:
    bool openUrl(const QString&) override { return false; }
    bool openDeviceList() override { return false; }
    void endProgram() override { ++endings; }
    int endings = 0;
};

class TemporaryFolders : public Folders {
  public:
    QString settingsFolder() const override { return dir.path(); }
    QString programFolder() const override { return dir.path(); }
    QTemporaryDir dir;
};

struct NullPlatform {
    InstantScheduler scheduler;
    FixedClock clock;
    AbsentSerialPort serial;
    AbsentTcpClient tcp;
    RecordingMessageBoxes messages;
    SilentSound sound;
    NoSocketsPinger pinger;
    RecordingDesktop desktop;
    TemporaryFolders folders;
    Platform platform{scheduler, clock, serial, tcp, messages, sound, pinger, desktop, folders};
};

}  // namespace qx::windowtest
