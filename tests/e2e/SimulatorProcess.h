#pragma once

#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

// The simulator program, started for one test: its pseudo-terminal, its TCP port and the commands
// it received ("<ms> <command>" per line of its log).
class SimulatorProcess {
public:
    explicit SimulatorProcess(const QStringList& arguments);
    ~SimulatorProcess();

    bool started() const { return !ptyPath_.isEmpty() || tcpPort_ != 0; }
    QString ptyPath() const { return ptyPath_; }
    quint16 tcpPort() const { return tcpPort_; }

    struct Received {
        qint64 atMs;
        QString command;
    };
    QList<Received> received() const;

private:
    QTemporaryDir dir_;
    QProcess process_;
    QString ptyPath_;
    quint16 tcpPort_ = 0;
};
