#pragma once

#include <QStringList>
#include <memory>

#include "Program.h"
#include "SimulatorProcess.h"

// The real window talking over real TCP to the simulator program on port 9999 of a loopback
// address of its own: the address typed into Text13 and the LAN link chosen by a click on
// Option8, whose real ping of the address must have shown "OK".
class LanSession {
public:
    // The simulator's own options (faults, values) come in `simulatorArguments`.
    // The program's platform is chosen by `choosePlatform` (see Program).
    explicit LanSession(const QStringList& simulatorArguments = {},
                        const Program::PlatformChoice& choosePlatform = {});

    // Why the session could not be set up; empty when it stands.
    QString problem() const { return problem_; }

    SimulatorProcess& simulator() { return *simulator_; }
    Program& program() { return *program_; }
    QString address() const { return simulator_ ? simulator_->tcpAddress() : QString(); }

    // The commands the simulator has received so far, in order.
    QStringList commands() const;
    // Waits (handling events) until the simulator has received `count` commands.
    bool waitForCommands(int count, int timeoutMs = 5000) const;

private:
    std::unique_ptr<SimulatorProcess> simulator_;
    std::unique_ptr<Program> program_;
    QString problem_;
};
