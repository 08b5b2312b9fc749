// How exact and how cheap QtScheduler::wait is: waits of 0.1 to 5 s with a 1 s timer ticking
// alongside (as the clock display does), each with its measured length, its error and the CPU
// time the process used meanwhile as a share of one core.

#include <sys/resource.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <cstdio>

#include "ui/qt/QtScheduler.h"

namespace {

double cpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) { return t.tv_sec + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

void measureWait(qx::QtScheduler& scheduler, double askedMs) {
    QElapsedTimer wall;
    const double cpuBefore = cpuSeconds();
    wall.start();
    scheduler.wait(askedMs);
    const double measuredMs = wall.nsecsElapsed() / 1e6;
    const double cpuMs = (cpuSeconds() - cpuBefore) * 1e3;
    const double errorMs = measuredMs - askedMs;
    std::printf("%8.0f %12.3f %10.3f %9.3f %10.2f\n", askedMs, measuredMs, errorMs,
                100.0 * errorMs / askedMs, 100.0 * cpuMs / measuredMs);
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    qx::QtScheduler scheduler;
    int ticks = 0;
    const std::unique_ptr<qx::Timer> clockDisplay = scheduler.createTimer([&] { ++ticks; });
    clockDisplay->start(1000);

    std::printf("%8s %12s %10s %9s %10s\n", "wait ms", "measured ms", "error ms", "error %",
                "CPU %");
    for (const double askedMs : {100.0, 1000.0, 2000.0, 5000.0}) {
        measureWait(scheduler, askedMs);
    }
    std::printf("timer ticks meanwhile: %d\n", ticks);
    return 0;
}
