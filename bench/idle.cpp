// The idle cost of the program once connected: after a serial read-all against the simulator
// program, a minute with the one-second MaxRate poll and the clock display running, through the
// real window and platform. The CPU time of that minute as a share of one core.

#include <QApplication>
#include <QEventLoop>
#include <QTimer>

#include "support/Measurement.h"

using namespace bench;

namespace {
constexpr int kIdleMs = 60000;

void measureIdleMinute() {
    const auto sim = startSerialSimulator();
    Measurement measurement;
    Program program(measurement.choice());
    measurement.click(program, QStringLiteral("Command11"));
    require(program.form->timer1Interval() == 1000, "the poll did not start");

    const qsizetype receivedBefore = sim->received().size();
    const double cpuBefore = cpuSeconds();
    QEventLoop idle;
    QTimer::singleShot(kIdleMs, Qt::PreciseTimer, &idle, &QEventLoop::quit);
    idle.exec();
    const double cpuS = cpuSeconds() - cpuBefore;

    printFigure(QStringLiteral("idle_polls"), double(sim->received().size() - receivedBefore),
                "queries");
    printFigure(QStringLiteral("idle_cpu"), cpuS, "s");
    printFigure(QStringLiteral("idle_cpu_share"), 100 * cpuS * 1000 / kIdleMs, "%", "<=0.5");
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    return runBenchmark(measureIdleMinute);
}
