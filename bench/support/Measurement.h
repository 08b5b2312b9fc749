#pragma once

#include <QString>
#include <memory>

#include "Figures.h"
#include "MeasuredPlatform.h"
#include "Program.h"
#include "SimulatorProcess.h"

namespace bench {

// The simulator program on a pseudo-terminal only, which the program opens as COM10.
std::unique_ptr<SimulatorProcess> startSerialSimulator();

// A MeasuredPlatform put between one program and the real platform.
class Measurement {
public:
    // For Program or LanSession: the program gets the measured platform.
    Program::PlatformChoice choice();
    MeasuredPlatform& platform() { return *platform_; }

    // Clicks the program's control as the operator does and measures the sequence the click runs.
    SequenceCost click(Program& program, const QString& control);

private:
    std::unique_ptr<MeasuredPlatform> platform_;
};

}  // namespace bench
