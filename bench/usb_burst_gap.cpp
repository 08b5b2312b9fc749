// The serial link's burst gap against USB serial adapters. The first pass of the read-all is
// played many times through the simulator's model of an adapter (sim/FaultShaping.h: the answer
// at 9600 baud, packets of up to 62 bytes each time the latency timer runs out, every interval
// moved by up to ±8 ms), with the tool's own queries and waits. It prints, for each adapter:
//   - the longest pause between two packets of one reply (a gap shorter than this splits a reply),
//   - the shortest pause between the last packet of a reply and the first of the next one (a gap
//     longer than this joins two replies),
//   - the least time left between the last packet of a reply and the next query (a reply framed
//     after that lands under the next query's index);
// then, for each gap tried, how many replies of all the runs would have been split, joined to the
// next one, or framed after the next query went out: when a burst ends only at a pause of the gap,
// and when a burst whose last packet ends with "#" is framed at once (the link's rule).
//
//   bench_usb_burst_gap [runs]        (default 2000 read-alls per adapter)

#include <QByteArray>
#include <QString>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "link/SerialLink.h"
#include "read/ReadAllTables.h"
#include "sim/Controller.h"
#include "sim/FaultShaping.h"

namespace {

constexpr double kByteMs = 10.0 * 1000.0 / 9600.0;
constexpr int kControllerAnswerMs = 5;  // the simulator's delay between a command and its answer

struct Adapter {
    const char* name;
    int periodMs;
    int jitterMs;
};

// One reply as the PC receives it: its packets' times (ms since the read began) and when the next
// query goes out.
struct ReplyTimes {
    std::vector<double> packets;
    double nextQueryAt;
};

std::vector<QByteArray> firstPassAnswers() {
    qx::sim::Controller controller;
    std::vector<QByteArray> answers;
    for (const qx::ReadAllQuery& query : qx::kFirstPass)
        answers.push_back((controller.queryValue(QLatin1String(query.command)) + u'#').toLatin1());
    return answers;
}

std::vector<ReplyTimes> oneReadAll(const std::vector<QByteArray>& answers, const Adapter& adapter,
                                   quint32& seed) {
    std::vector<ReplyTimes> replies;
    double queryAt = 0;
    for (size_t i = 0; i < qx::kFirstPass.size(); ++i) {
        const qx::ReadAllQuery& query = qx::kFirstPass[i];
        // The command itself takes its time on the line before the controller answers.
        const int answerAfter = int(qstrlen(query.command) * kByteMs + 0.5) + kControllerAnswerMs;
        ReplyTimes reply{{}, queryAt + query.waitMs};
        for (const qx::sim::Output& packet : qx::sim::usbPackets(
                 answers[i], answerAfter, adapter.periodMs, adapter.jitterMs, ++seed))
            reply.packets.push_back(queryAt + packet.delayMs);
        replies.push_back(reply);
        queryAt += query.waitMs;
    }
    return replies;
}

struct Counts {
    long split = 0;
    long joined = 0;
    long late = 0;
};

// A burst ends when no packet has come for gapMs, or, with framedAtHash, at once when its last
// packet ends with "#"; it is framed then. A reply's last packet ends with its "#".
Counts countFor(const std::vector<std::vector<ReplyTimes>>& runs, double gapMs, bool framedAtHash) {
    Counts counts;
    for (const std::vector<ReplyTimes>& run : runs) {
        for (size_t i = 0; i < run.size(); ++i) {
            const std::vector<double>& p = run[i].packets;
            for (size_t k = 1; k < p.size(); ++k)
                if (p[k] - p[k - 1] >= gapMs) {
                    ++counts.split;
                    break;
                }
            // Framed at its "#", a reply is joined only by a next one that has begun by then.
            const double framedAt = framedAtHash ? p.back() : p.back() + gapMs;
            const bool nextBegun =
                i + 1 < run.size() && (framedAtHash ? run[i + 1].packets.front() <= framedAt
                                                    : run[i + 1].packets.front() < framedAt);
            if (nextBegun) ++counts.joined;
            if (framedAt >= run[i].nextQueryAt) ++counts.late;
        }
    }
    return counts;
}

void report(const Adapter& adapter, int runCount, const std::vector<QByteArray>& answers) {
    quint32 seed = 0;
    std::vector<std::vector<ReplyTimes>> runs;
    for (int r = 0; r < runCount; ++r) runs.push_back(oneReadAll(answers, adapter, seed));

    double longestWithin = 0, shortestBetween = 1e9, leastLeft = 1e9;
    long replies = 0, inPieces = 0;
    for (const std::vector<ReplyTimes>& run : runs) {
        for (size_t i = 0; i < run.size(); ++i) {
            const std::vector<double>& p = run[i].packets;
            ++replies;
            if (p.size() > 1) ++inPieces;
            for (size_t k = 1; k < p.size(); ++k)
                longestWithin = std::max(longestWithin, p[k] - p[k - 1]);
            if (i + 1 < run.size())
                shortestBetween = std::min(shortestBetween, run[i + 1].packets.front() - p.back());
            leastLeft = std::min(leastLeft, run[i].nextQueryAt - p.back());
        }
    }
    std::printf(
        "\n%s: latency timer %d ms, intervals moved by up to ±%d ms, %d read-alls, "
        "%ld replies (%ld in more than one packet)\n",
        adapter.name, adapter.periodMs, adapter.jitterMs, runCount, replies, inPieces);
    std::printf("  longest pause within a reply     %6.1f ms\n", longestWithin);
    std::printf("  shortest pause between replies   %6.1f ms\n", shortestBetween);
    std::printf("  least time left before the next query %6.1f ms\n", leastLeft);
    std::printf("            framed after a pause only      framed at once at a final \"#\"\n");
    std::printf("  gap ms   split  joined    late           split  joined    late\n");
    for (int gap = 20; gap <= 80; gap += 5) {
        const Counts pause = countFor(runs, gap, false);
        const Counts hash = countFor(runs, gap, true);
        std::printf("  %5d %8ld %7ld %7ld        %8ld %7ld %7ld%s\n", gap, pause.split,
                    pause.joined, pause.late, hash.split, hash.joined, hash.late,
                    gap == qx::Comm::kBurstGapMs ? "   <- Comm::kBurstGapMs" : "");
    }
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, QString::fromLatin1(argv[1]).toInt()) : 2000;
    const std::vector<QByteArray> answers = firstPassAnswers();
    for (const Adapter& adapter : {Adapter{"usual adapter", 16, 8}, Adapter{"slow adapter", 32, 8}})
        report(adapter, runs, answers);
    return 0;
}
