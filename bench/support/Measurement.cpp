#include "Measurement.h"

namespace bench {

std::unique_ptr<SimulatorProcess> startSerialSimulator() {
    auto sim = std::make_unique<SimulatorProcess>(QStringList{QStringLiteral("--no-tcp")});
    require(!sim->ptyPath().isEmpty(), "the simulator did not start");
    qputenv("QUORVELX_COM10", sim->ptyPath().toLocal8Bit());
    return sim;
}

Program::PlatformChoice Measurement::choice() {
    return [this](qx::QtPlatform& real) -> qx::Platform& {
        platform_ = std::make_unique<MeasuredPlatform>(real);
        return platform_->platform;
    };
}

SequenceCost Measurement::click(Program& program, const QString& control) {
    const QWidget* widget = program.widget<QWidget>(control);
    require(widget && widget->isEnabled(),
            qPrintable(control + QStringLiteral(" cannot be clicked")));
    return measureSequence(*platform_, [&program, control] { program.click(control); });
}

}  // namespace bench
