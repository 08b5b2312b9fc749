#pragma once

#include <QString>
#include <QStringList>
#include <memory>

#include "Figures.h"
#include "MeasuredPlatform.h"
#include "Program.h"
#include "SimulatorProcess.h"

namespace bench {

// The simulator program with its pseudo-terminal as COM10 and, unless `arguments` say --no-tcp,
// its TCP server on port 9999, where the LAN link looks for the controller. Another program may
// hold that port for a while (a test running meanwhile); the simulator is started again until
// the port is free.
std::unique_ptr<SimulatorProcess> startSimulator(const QStringList& arguments = {});

// The whole program on the measured platform, shown and past its first blink.
struct MeasuredProgram {
    std::unique_ptr<MeasuredPlatform> measured;
    Program program;

    MeasuredProgram();

    // Clicks the button and measures the sequence that the click runs.
    SequenceCost click(const QString& button);
    // Chooses the LAN link, with the simulator's address.
    void chooseLan();
};

}  // namespace bench
