// How exact and how cheap the wait of the sequences is on the real platform: waits of 10 ms to
// 6000 ms, the lengths the sequences use, asked by the window connected to the simulator program
// over a pseudo-terminal, with its clock display ticking. First quiet, then busy: a read-all's
// queries going out every 100 ms and their replies filling the fields. For each length: the mean
// and the largest error (how much later than asked the wait returned), the CPU time of one wait
// and as a share of the wall time; when busy, most of it is the window's work on the replies.

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>

#include "link/SerialLink.h"
#include "read/QueryIndex.h"
#include "read/ReadAllTables.h"
#include "support/Measurement.h"

using namespace bench;

namespace {

struct Length {
    double ms;
    int repeats;
};
constexpr Length kLengths[] = {{10, 10}, {30, 10}, {50, 10},  {100, 10}, {200, 5},  {250, 5},
                               {300, 5}, {500, 3}, {1000, 2}, {2000, 1}, {3000, 1}, {6000, 1}};
constexpr int kQueryEveryMs = 100;

void measureLength(qx::Scheduler& scheduler, const QString& condition, const Length& length) {
    double sumErrorMs = 0, maxErrorMs = 0, wallMs = 0;
    const double cpuBefore = cpuSeconds();
    for (int i = 0; i < length.repeats; ++i) {
        QElapsedTimer wall;
        wall.start();
        scheduler.wait(length.ms);
        const double measuredMs = wall.nsecsElapsed() / 1e6;
        wallMs += measuredMs;
        sumErrorMs += measuredMs - length.ms;
        maxErrorMs = std::max(maxErrorMs, measuredMs - length.ms);
    }
    const double cpuMs = (cpuSeconds() - cpuBefore) * 1e3;
    const QString name = QStringLiteral("wait_%1_%2ms").arg(condition).arg(length.ms);
    printFigure(name + QStringLiteral("_error_mean"), sumErrorMs / length.repeats, "ms");
    printFigure(name + QStringLiteral("_error_max"), maxErrorMs, "ms");
    printFigure(name + QStringLiteral("_cpu_per_wait"), cpuMs / length.repeats, "ms");
    printFigure(name + QStringLiteral("_cpu_share"), 100 * cpuMs / wallMs, "%");
}

void measureWaits() {
    const auto sim = startSerialSimulator();
    Measurement measurement;
    Program program(measurement.choice());
    qx::Form1& form = *program.form;
    require(form.platform().serial.open(), "the pseudo-terminal did not open");

    // The read-all's queries, one after the other, round and round.
    std::size_t next = 0;
    QTimer queries;
    queries.setTimerType(Qt::PreciseTimer);
    QObject::connect(&queries, &QTimer::timeout, [&form, &next] {
        const qx::ReadAllQuery& q = qx::kFirstPass[next++ % qx::kFirstPass.size()];
        qx::QueryIndex = q.index;
        form.comm().send(QLatin1String(q.command));
    });
    qx::Scheduler& scheduler = measurement.platform().scheduler;
    for (const Length& length : kLengths) measureLength(scheduler, QStringLiteral("quiet"), length);
    queries.start(kQueryEveryMs);
    for (const Length& length : kLengths) measureLength(scheduler, QStringLiteral("busy"), length);
    require(!program.text(QStringLiteral("Text1(0)")).isEmpty(), "no reply arrived");
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    return runBenchmark(measureWaits);
}
