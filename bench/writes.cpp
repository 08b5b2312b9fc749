// The motor gear write and the factory reset, over a real pseudo-terminal and over real TCP
// against the simulator program, through the real window and platform: their wall time against
// the waits they ask for, their CPU time and the bytes both ways. Every question is answered OK.

#include <QApplication>

#include "LanSession.h"
#include "shell/ControlLocking.h"
#include "support/Measurement.h"

using namespace bench;

namespace {

// The gear page as a read leaves it, and the settings controls unlocked.
void fillGearFields(Program& program) {
    qx::Controls& controls = program.form->controls();
    const std::pair<const char*, const char*> fields[] = {
        {"Text1(1)", "12800"}, {"Text1(100)", "1"}, {"Text1(101)", "16"},
        {"Text1(2)", "12800"}, {"Text1(102)", "0"}, {"Text1(103)", "32"}};
    for (const auto& [name, text] : fields)
        controls.setText(QLatin1String(name), QLatin1String(text));
    qx::AllDispON(controls);
}

// Connected as after a read-all: the port open, the settings controls unlocked.
void connectSerial(Program& program) {
    require(program.form->platform().serial.open(), "the pseudo-terminal did not open");
    qx::AllDispON(program.form->controls());
}

void requireReceived(const SimulatorProcess& sim, const QString& command) {
    for (const SimulatorProcess::Received& r : sim.received())
        if (r.command == command) return;
    require(false, qPrintable(QStringLiteral("the simulator did not receive ") + command));
}

const QString kDecAxis = QStringLiteral(":SXA2,12800,-2,-180,180,32,-1,-1,-1,-1,-1#");

void measureSerialWrites() {
    const auto sim = startSerialSimulator();
    Measurement measurement;
    Program program(measurement.choice());
    connectSerial(program);
    fillGearFields(program);
    printSequenceCost(QStringLiteral("serial_gear_write"),
                      measurement.click(program, QStringLiteral("Command52")));
    requireReceived(*sim, kDecAxis);
    connectSerial(program);
    printSequenceCost(QStringLiteral("serial_factory_reset"),
                      measurement.click(program, QStringLiteral("Command6(27)")));
    requireReceived(*sim, QStringLiteral(":SXA2,R#"));
}

void measureLanWrites() {
    Measurement measurement;
    LanSession lan({}, measurement.choice());
    require(lan.problem().isEmpty(), qPrintable(lan.problem()));
    fillGearFields(lan.program());
    printSequenceCost(QStringLiteral("lan_gear_write"),
                      measurement.click(lan.program(), QStringLiteral("Command52")));
    requireReceived(lan.simulator(), kDecAxis);
    qx::AllDispON(lan.program().form->controls());
    printSequenceCost(QStringLiteral("lan_factory_reset"),
                      measurement.click(lan.program(), QStringLiteral("Command6(27)")));
    requireReceived(lan.simulator(), QStringLiteral(":SXA2,R#"));
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    return runBenchmark([] {
        measureSerialWrites();
        measureLanWrites();
    });
}
