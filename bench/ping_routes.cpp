// How long one echo of 127.0.0.1 takes through each route this process may use, and which route
// the tool picks: 20 echoes per route, their median and slowest time.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "ui/qt/QtPinger.h"
#include "ui/qt/QtScheduler.h"

namespace {

constexpr int kEchoes = 20;

const char* nameOf(qx::EchoRoute route) {
    switch (route) {
        case qx::EchoRoute::DatagramSocket:
            return "datagram socket";
        case qx::EchoRoute::RawSocket:
            return "raw socket";
        case qx::EchoRoute::PingProgram:
            return "ping program";
    }
    return "?";
}

void measure(qx::QtScheduler& scheduler, qx::EchoRoute route) {
    qx::QtPinger pinger(scheduler);
    pinger.setRoutes({route});
    std::vector<double> ms;
    int failures = 0;
    for (int i = 0; i < kEchoes; ++i) {
        QElapsedTimer took;
        took.start();
        const int status = pinger.ping(QStringLiteral("127.0.0.1"));
        if (!pinger.lastRoute()) {
            std::printf("%-16s not available to this process\n", nameOf(route));
            return;
        }
        if (status != 0) ++failures;
        ms.push_back(took.nsecsElapsed() / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    std::printf("%-16s median %8.3f ms, slowest %8.3f ms, %d of %d without answer\n", nameOf(route),
                ms[ms.size() / 2], ms.back(), failures, kEchoes);
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    qx::QtScheduler scheduler;
    for (const qx::EchoRoute route :
         {qx::EchoRoute::DatagramSocket, qx::EchoRoute::RawSocket, qx::EchoRoute::PingProgram})
        measure(scheduler, route);
    qx::QtPinger chain(scheduler);
    chain.ping(QStringLiteral("127.0.0.1"));
    std::printf("the tool's choice: %s\n",
                chain.lastRoute() ? nameOf(*chain.lastRoute()) : "none (status -1)");
    return 0;
}
