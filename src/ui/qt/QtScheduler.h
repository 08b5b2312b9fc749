#pragma once

#include <QElapsedTimer>

#include "ui/platform/Scheduler.h"

namespace qx {

// Time on Qt's event loop. A wait is a nested event loop that sleeps in the event dispatcher until
// a precise single-shot timer ends it, so a waiting sequence costs no CPU while clicks, timer ticks
// and received data are handled inside it. Once the application has been told to quit, waits
// return at once.
class QtScheduler : public Scheduler {
public:
    QtScheduler();

    double nowMs() const override;
    void wait(double ms) override;
    bool waitUntil(const std::function<bool()>& done, double timeoutMs) override;
    void processPendingEvents() override;
    std::unique_ptr<Timer> createTimer(std::function<void()> onTick) override;

    // Above 0, the code that runs is nested inside a handler, and leaving the main event loop
    // would not unwind that handler.
    int nestingDepth() const override { return nestingDepth_; }

private:
    // Runs the events of ms milliseconds; false when the application quit meanwhile.
    bool runEventLoopFor(double ms);

    QElapsedTimer clock_;
    int nestingDepth_ = 0;
};

}  // namespace qx
