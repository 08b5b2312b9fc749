// The read-all on connect, over a real pseudo-terminal against the simulator program, through the
// real window and platform: its wall time against the waits it asks for, its CPU time and the
// bytes both ways; and the peak memory of the program before and after it has read.

#include <QApplication>

#include "support/MeasuredProgram.h"

using namespace bench;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const auto sim = startSimulator({QStringLiteral("--no-tcp")});
    MeasuredProgram program;

    printFigure(QStringLiteral("peak_rss_after_start"), peakRssMb(), "MB", "<=45");
    printSequenceCost(QStringLiteral("serial_read_all"), program.click(QStringLiteral("Command11")));
    require(!program.program.text(QStringLiteral("Text1(0)")).isEmpty(), "the read-all read nothing");
    printFigure(QStringLiteral("peak_rss_after_read_all"), peakRssMb(), "MB", "<=45");
    return 0;
}
