#pragma once

#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

// The simulator program, started for one test: its pseudo-terminal, its TCP address and port, the
// commands it received ("<ms> <command>" per line of its log) and the TCP connections it accepted
// ("<ms> connected").
class SimulatorProcess {
public:
    explicit SimulatorProcess(const QStringList& arguments);
    ~SimulatorProcess();

    // A simulator without pseudo-terminal on TCP port 9999 of a loopback address that no other
    // test has taken (127.0.0.2 and up), so that tests run side by side while the tool keeps its
    // fixed port. Null when no such address could be had.
    static std::unique_ptr<SimulatorProcess> onOwnLoopbackAddress(const QStringList& arguments);

    bool started() const { return !ptyPath_.isEmpty() || tcpPort_ != 0; }
    QString ptyPath() const { return ptyPath_; }
    // After a dropped answer has taken the device away, the simulator opens a new one: its path,
    // once announced (empty if none came within the time).
    QString waitForNewPty(int timeoutMs = 5000);
    quint16 tcpPort() const { return tcpPort_; }
    QString tcpAddress() const { return tcpAddress_; }

    struct Received {
        qint64 atMs;
        QString command;
        int connection;  // TCP connections accepted before it (0 for the pseudo-terminal)
    };
    QList<Received> received() const { return readLog().received; }
    QStringList commands() const;  // received(), without their times
    // TCP connections accepted so far.
    int connections() const { return readLog().connections; }

private:
    struct Log {
        QList<Received> received;
        int connections = 0;
    };
    Log readLog() const;
    void takeAnnouncements();

    QTemporaryDir dir_;
    QProcess process_;
    QByteArray output_;  // printed, not yet read as whole lines
    QString ptyPath_;
    quint16 tcpPort_ = 0;
    QString tcpAddress_;
};
