#include "SimulatorProcess.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>

SimulatorProcess::SimulatorProcess(const QStringList& arguments) {
    process_.start(
        QStringLiteral(QX_SIM_PROGRAM),
        arguments + QStringList{QStringLiteral("--log"), dir_.filePath(QStringLiteral("sim.log")),
                                QStringLiteral("--log-connections")});
    QDeadlineTimer deadline(10000);
    while (!deadline.hasExpired() && process_.state() != QProcess::NotRunning) {
        process_.waitForReadyRead(100);
        takeAnnouncements();
        const bool wantsPty = !arguments.contains(QStringLiteral("--no-pty"));
        const bool wantsTcp = !arguments.contains(QStringLiteral("--no-tcp"));
        if ((!wantsPty || !ptyPath_.isEmpty()) && (!wantsTcp || tcpPort_ != 0)) break;
    }
}

std::unique_ptr<SimulatorProcess> SimulatorProcess::onOwnLoopbackAddress(
    const QStringList& arguments) {
    constexpr int kFirstOctet = 2;
    constexpr int kOctets = 250;
    // Tests started together begin their search at different addresses.
    const int start = int(QCoreApplication::applicationPid() % kOctets);
    for (int i = 0; i < kOctets; ++i) {
        const QString address =
            QStringLiteral("127.0.0.%1").arg(kFirstOctet + (start + i) % kOctets);
        auto sim = std::make_unique<SimulatorProcess>(
            arguments + QStringList{QStringLiteral("--no-pty"), QStringLiteral("--listen"), address,
                                    QStringLiteral("--tcp-port"), QStringLiteral("9999")});
        if (sim->tcpPort() == 9999) return sim;
    }
    return nullptr;
}

// The lines "pty PATH" and "tcp ADDRESS PORT" printed so far; a partial line waits for its end.
void SimulatorProcess::takeAnnouncements() {
    output_ += process_.readAllStandardOutput();
    const qsizetype end = output_.lastIndexOf('\n');
    if (end < 0) return;
    for (const QByteArray& line : output_.left(end).split('\n')) {
        const QList<QByteArray> parts = line.trimmed().split(' ');
        if (parts.size() >= 2 && parts[0] == "pty") ptyPath_ = QString::fromLatin1(parts[1]);
        if (parts.size() >= 3 && parts[0] == "tcp") {
            tcpAddress_ = QString::fromLatin1(parts[1]);
            tcpPort_ = parts[2].toUShort();
        }
    }
    output_.remove(0, end + 1);
}

QString SimulatorProcess::waitForNewPty(int timeoutMs) {
    const QString old = ptyPath_;
    QDeadlineTimer deadline(timeoutMs);
    while (ptyPath_ == old && !deadline.hasExpired() && process_.state() == QProcess::Running) {
        process_.waitForReadyRead(50);
        takeAnnouncements();
    }
    return ptyPath_ == old ? QString() : ptyPath_;
}

SimulatorProcess::~SimulatorProcess() {
    process_.terminate();
    if (!process_.waitForFinished(3000)) process_.kill();
}

QStringList SimulatorProcess::commands() const {
    QStringList out;
    for (const Received& r : received()) out << r.command;
    return out;
}

SimulatorProcess::Log SimulatorProcess::readLog() const {
    Log out;
    QFile file(dir_.filePath(QStringLiteral("sim.log")));
    if (!file.open(QIODevice::ReadOnly)) return out;
    for (const QByteArray& line : file.readAll().split('\n')) {
        const int blank = line.indexOf(' ');
        if (blank <= 0) continue;
        const QByteArray text = line.mid(blank + 1);
        if (text == "connected")
            ++out.connections;
        else
            out.received.append(
                {line.left(blank).toLongLong(), QString::fromLatin1(text), out.connections});
    }
    return out;
}
