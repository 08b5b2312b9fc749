// The read-all on connect, over a real pseudo-terminal and over real TCP against the simulator
// program, through the real window and platform: its wall time against the waits it asks for,
// its CPU time and the bytes both ways; and the peak memory of the program before and after it
// has read. Then the receive path of the serial link alone, the replies of the first pass handed
// to it again and again, with the traffic monitor closed and open: what the monitor costs while
// it records, and that it costs nothing while it is closed.

#include <QApplication>
#include <QElapsedTimer>
#include <utility>
#include <vector>

#include "LanSession.h"
#include "link/SerialLink.h"
#include "link/TrafficLog.h"
#include "read/QueryIndex.h"
#include "read/ReadAllTables.h"
#include "sim/Controller.h"
#include "support/Measurement.h"
#include "ui/window/TrafficMonitorWindow.h"

using namespace bench;

namespace {

// 11 000 replies: an open log fills up and drops its oldest rows.
constexpr int kReceiveRounds = 250;
// The open window repaints its table at every reply (the receive event lets the paint run), a few
// milliseconds each: fewer rounds.
constexpr int kWindowRounds = 10;

using Reply = std::pair<qint16, QByteArray>;  // the query's index and its answer with "#"

std::vector<Reply> firstPassReplies() {
    const qx::sim::Controller controller;
    std::vector<Reply> replies;
    for (const qx::ReadAllQuery& query : qx::kFirstPass)
        replies.emplace_back(
            query.index, (controller.queryValue(QLatin1String(query.command)) + u'#').toLatin1());
    return replies;
}

// Microseconds per reply of the link's receive event, parse and stores included.
double receiveMicroseconds(Program& program, const std::vector<Reply>& replies, int rounds) {
    qx::Comm& comm = program.form->comm();
    QElapsedTimer elapsed;
    elapsed.start();
    for (int round = 0; round < rounds; ++round) {
        for (const auto& [index, answer] : replies) {
            qx::QueryIndex = index;
            comm.MSComm1_OnComm(answer);
        }
    }
    return elapsed.nsecsElapsed() / 1000.0 / double(rounds * replies.size());
}

double withMonitorWindow(Program& program, const std::vector<Reply>& replies) {
    require(program.click(QLatin1String(qx::kTrafficMonitorButton)), "no traffic monitor");
    auto* monitor = program.window->findChild<qx::TrafficMonitorWindow*>();
    require(monitor, "the traffic monitor did not open");
    const double us = receiveMicroseconds(program, replies, kWindowRounds);
    monitor->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    require(!program.form->trafficObserver(), "the closed monitor still records");
    return us;
}

// The monitor closed (twice, before and after it was open: the lower figure), its log alone
// recording, and its window open.
void measureReceivePath(Program& program) {
    const std::vector<Reply> replies = firstPassReplies();
    receiveMicroseconds(program, replies, kReceiveRounds);  // the first stores cost more
    const double closed = receiveMicroseconds(program, replies, kReceiveRounds);
    qx::Scheduler& scheduler = program.form->platform().scheduler;
    qx::TrafficLog log([&scheduler] { return scheduler.nowMs(); });
    program.form->setTrafficObserver(&log);
    const double recording = receiveMicroseconds(program, replies, kReceiveRounds);
    program.form->setTrafficObserver(nullptr);
    require(log.rowCount() == qx::TrafficLog::kDefaultCapacity, "the log is not full");
    const double window = withMonitorWindow(program, replies);
    const double closedAgain = receiveMicroseconds(program, replies, kReceiveRounds);
    printFigure(QStringLiteral("serial_receive_monitor_closed"), qMin(closed, closedAgain),
                "us/reply");
    printFigure(QStringLiteral("serial_receive_monitor_recording"), recording, "us/reply");
    printFigure(QStringLiteral("serial_receive_monitor_window"), window, "us/reply");
}

void measureSerial() {
    const auto sim = startSerialSimulator();
    Measurement measurement;
    Program program(measurement.choice());
    printFigure(QStringLiteral("peak_rss_after_activation"), peakRssMb(), "MB", "<=45");
    printSequenceCost(QStringLiteral("serial_read_all"),
                      measurement.click(program, QStringLiteral("Command11")));
    require(!program.text(QStringLiteral("Text1(0)")).isEmpty(), "the read-all read nothing");
    printFigure(QStringLiteral("peak_rss_after_read_all"), peakRssMb(), "MB", "<=45");
    measureReceivePath(program);
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
