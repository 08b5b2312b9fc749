// The motor gear write and the factory reset, over a real pseudo-terminal and over real TCP
// against the simulator program, through the real window and platform: their wall time against
// the waits they ask for, their CPU time and the bytes both ways. Every question is answered OK.

#include <QApplication>

#include "shell/ControlLocking.h"
#include "support/MeasuredProgram.h"

using namespace bench;

namespace {

// The gear page as a read leaves it.
void fillGearFields(qx::Controls& controls) {
    const std::pair<const char*, const char*> fields[] = {
        {"Text1(1)", "12800"}, {"Text1(100)", "1"}, {"Text1(101)", "16"},
        {"Text1(2)", "12800"}, {"Text1(102)", "0"}, {"Text1(103)", "32"}};
    for (const auto& [name, text] : fields)
        controls.setText(QLatin1String(name), QLatin1String(text));
}

// Connected as after a read-all: the port open, the settings controls unlocked.
void connectSerial(MeasuredProgram& program) {
    require(program.measured->serial.open(), "the pseudo-terminal did not open");
    qx::AllDispON(program.program.form->controls());
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const auto sim = startSimulator();
    MeasuredProgram program;
    qx::Controls& controls = program.program.form->controls();

    connectSerial(program);
    fillGearFields(controls);
    printSequenceCost(QStringLiteral("serial_gear_write"), program.click(QStringLiteral("Command52")));
    connectSerial(program);
    printSequenceCost(QStringLiteral("serial_factory_reset"),
                      program.click(QStringLiteral("Command6(27)")));

    program.chooseLan();
    qx::AllDispON(controls);
    fillGearFields(controls);
    printSequenceCost(QStringLiteral("lan_gear_write"), program.click(QStringLiteral("Command52")));
    qx::AllDispON(controls);
    printSequenceCost(QStringLiteral("lan_factory_reset"),
                      program.click(QStringLiteral("Command6(27)")));
    return 0;
}
