// The soak of the one-second poll (tests/reliability/Soak.h) with its memory: the resident set
// after each virtual hour, its growth from the first hour to the last, and the peak.
//   bench_soak [hours]   (default 24)

#include "Soak.h"

#include <sys/resource.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <cstdio>

namespace {

// The resident set now, from /proc/self/status (kB).
long residentKb() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}

long peakResidentKb() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    qx::test::SoakOptions options;
    if (argc > 1) options.hours = QByteArray(argv[1]).toDouble();
    QElapsedTimer wall;
    wall.start();
    long firstHourKb = -1;
    long lastKb = -1;
    std::printf("%5s %8s %6s %8s %10s %10s %10s\n", "hour", "polls", "faults", "RSS kB",
                "rx buffer", "scheduled", "wrong");
    const qx::test::SoakFigures f = qx::test::runSoak(options, [&](int hour,
                                                                   const qx::test::SoakFigures& s) {
        lastKb = residentKb();
        if (hour == 1) firstHourKb = lastKb;
        std::printf("%5d %8lld %6lld %8ld %10lld %10zu %10lld\n", hour, s.polls, s.late + s.garbled,
                    lastKb, qlonglong(s.peakRxBuffer), s.peakScheduled, s.wrongLandings);
        std::fflush(stdout);
    });
    std::printf("polls %lld (late %lld, garbled %lld), replies outside the rules %lld\n", f.polls,
                f.late, f.garbled, f.wrongLandings);
    std::printf(
        "receive buffer: peak %lld, end %lld characters; scheduled events: peak %zu, end "
        "%zu; status log lines %lld\n",
        qlonglong(f.peakRxBuffer), qlonglong(f.endRxBuffer), f.peakScheduled, f.endScheduled,
        qlonglong(f.endStatusLog));
    std::printf("RSS after hour 1: %ld kB, at the end: %ld kB, growth %ld kB; peak RSS %ld kB\n",
                firstHourKb, lastKb, lastKb - firstHourKb, peakResidentKb());
    std::printf("wall time %.1f s\n", wall.elapsed() / 1000.0);
    return f.wrongLandings == 0 ? 0 : 1;
}
