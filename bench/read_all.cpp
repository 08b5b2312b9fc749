// The read-all on connect, over a real pseudo-terminal and over real TCP against the simulator
// program, through the real window and platform: its wall time against the waits it asks for,
// its CPU time and the bytes both ways; and the peak memory of the program before and after it
// has read.

#include <QApplication>

#include "LanSession.h"
#include "support/Measurement.h"

using namespace bench;

namespace {

void measureSerial() {
    const auto sim = startSerialSimulator();
    Measurement measurement;
    Program program(measurement.choice());
    printFigure(QStringLiteral("peak_rss_after_activation"), peakRssMb(), "MB", "<=45");
    printSequenceCost(QStringLiteral("serial_read_all"),
                      measurement.click(program, QStringLiteral("Command11")));
    require(!program.text(QStringLiteral("Text1(0)")).isEmpty(), "the read-all read nothing");
    printFigure(QStringLiteral("peak_rss_after_read_all"), peakRssMb(), "MB", "<=45");
}

void measureLan() {
    Measurement measurement;
    LanSession lan({}, measurement.choice());
    require(lan.problem().isEmpty(), qPrintable(lan.problem()));
    printSequenceCost(QStringLiteral("lan_read_all"),
                      measurement.click(lan.program(), QStringLiteral("Command61")));
    require(!lan.program().text(QStringLiteral("Text1(0)")).isEmpty(),
            "the LAN read-all read nothing");
}

}  // namespace

// "serial" or "lan" as the argument runs that link only (for a profiler).
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QString only = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    return runBenchmark([&only] {
        if (only.isEmpty() || only == QLatin1String("serial")) measureSerial();
        if (only.isEmpty() || only == QLatin1String("lan")) measureLan();
    });
}
