#include "ui/qt/QtScheduler.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>
#include <chrono>
#include <climits>
#include <cmath>
#include <thread>

#include "ui/qt/QtTimer.h"

namespace qx {

namespace {

// The event dispatcher sleeps in whole milliseconds, rounded up, so its timers fire up to a
// millisecond late. A wait lets the events run until this much before its end and sleeps the rest
// precisely: a sequence of fifty waits would otherwise run some thirty milliseconds long.
constexpr double kDispatcherGrainMs = 1.0;

// Qt timers take whole milliseconds; rounding up keeps a wait from ending early.
int timerIntervalFor(double ms) {
    const double rounded = std::ceil(ms);
    return rounded >= INT_MAX ? INT_MAX : static_cast<int>(rounded);
}

}  // namespace

QtScheduler::QtScheduler() {
    clock_.start();
}

double QtScheduler::nowMs() const {
    return clock_.nsecsElapsed() / 1e6;
}

void QtScheduler::wait(double ms) {
    if (ms <= 0) {
        processPendingEvents();
        return;
    }
    const double deadline = nowMs() + ms;
    NestingLevel level(nestingDepth_);
    // The timer's own clock and ours can differ by a fraction of a millisecond; run the events
    // again for what is left rather than end before the deadline.
    for (double left = ms; left > kDispatcherGrainMs; left = deadline - nowMs()) {
        if (!runEventLoopFor(left - kDispatcherGrainMs)) {
            return;
        }
    }
    if (ms <= kDispatcherGrainMs) {
        QCoreApplication::processEvents();  // too short for a loop; what is pending still runs
    }
    const double left = deadline - nowMs();
    if (left > 0) {
        std::this_thread::sleep_for(std::chrono::duration<double, std::milli>(left));
    }
}

bool QtScheduler::runEventLoopFor(double ms) {
    QEventLoop loop;
    QTimer end;
    end.setTimerType(Qt::PreciseTimer);
    end.setSingleShot(true);
    QObject::connect(&end, &QTimer::timeout, &loop, &QEventLoop::quit);
    end.start(timerIntervalFor(ms));
    loop.exec();
    // Still active: the application is quitting; its loops refuse to run until the main loop has
    // returned, so waiting on would only spin.
    return !end.isActive();
}

bool QtScheduler::waitUntil(const std::function<bool()>& done, double timeoutMs) {
    const double deadline = nowMs() + timeoutMs;
    NestingLevel level(nestingDepth_);
    // The limit timer has no receiver: its expiry only wakes the dispatcher so that the deadline
    // is looked at. Should it ever fire before our clock reaches the deadline, it is started
    // again; otherwise the dispatcher could sleep on with nothing left to wake it.
    QTimer limit;
    limit.setTimerType(Qt::PreciseTimer);
    limit.setSingleShot(true);
    while (!done()) {
        const double left = deadline - nowMs();
        if (left <= 0) {
            return false;
        }
        if (!limit.isActive()) {
            limit.start(timerIntervalFor(left));
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    }
    return true;
}

void QtScheduler::processPendingEvents() {
    NestingLevel level(nestingDepth_);
    QCoreApplication::processEvents();
}

std::unique_ptr<Timer> QtScheduler::createTimer(std::function<void()> onTick) {
    return std::make_unique<QtTimer>(std::move(onTick));
}

}  // namespace qx
