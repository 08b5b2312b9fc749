#include "Figures.h"

#include <sys/resource.h>

#include <QElapsedTimer>
#include <QFile>
#include <cstdio>
#include <stdexcept>

#include "MeasuredPlatform.h"

namespace bench {

void printFigure(const QString& name, double value, const char* unit, const char* goal) {
    std::printf("%s %.6g %s %s\n", qPrintable(name), value, unit, goal);
    std::fflush(stdout);
}

double cpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) { return t.tv_sec + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

double peakRssMb() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:")) return line.mid(6).trimmed().split(' ')[0].toDouble() / 1024;
    }
    return 0;
}

SequenceCost measureSequence(MeasuredPlatform& measured, const std::function<void()>& sequence) {
    measured.scheduler.reset();
    measured.messages.reset();
    const qint64 sentBefore = measured.serial.sent + measured.tcp.sent;
    const qint64 receivedBefore = measured.serial.received + measured.tcp.received;
    const double cpuBefore = cpuSeconds();
    QElapsedTimer wall;
    wall.start();
    sequence();
    SequenceCost cost;
    cost.wallMs = wall.nsecsElapsed() / 1e6 - measured.messages.shownMs();
    cost.cpuS = cpuSeconds() - cpuBefore;
    cost.waitsMs = measured.scheduler.askedMs();
    cost.sent = measured.serial.sent + measured.tcp.sent - sentBefore;
    cost.received = measured.serial.received + measured.tcp.received - receivedBefore;
    return cost;
}

void printSequenceCost(const QString& name, const SequenceCost& cost) {
    printFigure(name + QStringLiteral("_wall"), cost.wallMs, "ms");
    printFigure(name + QStringLiteral("_waits"), cost.waitsMs, "ms");
    printFigure(name + QStringLiteral("_wall_per_waits"), cost.wallMs / cost.waitsMs, "ratio",
                "<=1.01");
    printFigure(name + QStringLiteral("_cpu"), cost.cpuS, "s");
    printFigure(name + QStringLiteral("_cpu_share"), 100 * cost.cpuS * 1000 / cost.wallMs, "%",
                "<=1");
    printFigure(name + QStringLiteral("_sent"), double(cost.sent), "bytes");
    printFigure(name + QStringLiteral("_received"), double(cost.received), "bytes");
}

void require(bool ok, const char* what) {
    if (!ok) throw std::runtime_error(what);
}

int runBenchmark(const std::function<void()>& body) {
    try {
        body();
        return 0;
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "benchmark failed: %s\n", failure.what());
        return 1;
    }
}

}  // namespace bench
