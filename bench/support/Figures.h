#pragma once

#include <QString>
#include <functional>

namespace bench {

struct MeasuredPlatform;

// One figure per line: "name value unit goal" ("-" where the figure has no goal of its own).
void printFigure(const QString& name, double value, const char* unit, const char* goal = "-");

// User and system CPU seconds of this process so far.
double cpuSeconds();
// The peak resident set of this process so far, in megabytes (VmHWM).
double peakRssMb();

// What one timed sequence cost: its wall time (less the time its message boxes were up), the
// waits it asked for, its CPU time and the bytes over both links.
struct SequenceCost {
    double wallMs = 0;
    double waitsMs = 0;
    double cpuS = 0;
    qint64 sent = 0;
    qint64 received = 0;
};

// Runs `sequence` (a click that returns when its sequence has ended) and measures it.
SequenceCost measureSequence(MeasuredPlatform& measured, const std::function<void()>& sequence);

// The figures of one sequence, named after it ("serial_read_all_wall" ...), with the goals:
// wall at most 1.01 times the waits, CPU at most 1 % of the wall time.
void printSequenceCost(const QString& name, const SequenceCost& cost);

// Stops the benchmark with a message when `ok` is false (throws; see runBenchmark).
void require(bool ok, const char* what);

// Runs a benchmark's body: 0 when it ran through, 1 with its message on standard error when a
// requirement failed. What the body started (a simulator, a program) ends as it unwinds.
int runBenchmark(const std::function<void()>& body);

}  // namespace bench
