#pragma once

#include <QtGlobal>
#include <functional>
#include <map>
#include <memory>
#include <utility>

#include "ui/platform/Scheduler.h"

namespace qx::test {

// A clock that jumps from one scheduled event to the next: waits cost no real time, and what
// happens at a given virtual millisecond is exactly reproducible.
class VirtualScheduler : public Scheduler {
public:
    double nowMs() const override { return now_; }
    void wait(double ms) override;
    bool waitUntil(const std::function<bool()>& done, double timeoutMs) override;
    void processPendingEvents() override;
    int nestingDepth() const override { return depth_; }
    std::unique_ptr<Timer> createTimer(std::function<void()> onTick) override;

    // Runs fn delayMs from now (0: at the next chance to handle events).
    void post(double delayMs, std::function<void()> fn);
    // Advances the clock by ms, running what falls due (as if the window sat idle).
    void advance(double ms) { wait(ms); }
    bool idle() const { return events_.empty(); }
    std::size_t pending() const { return events_.size(); }

private:
    bool runNextDueBy(double deadline);

    double now_ = 0;
    int depth_ = 0;
    quint64 sequence_ = 0;
    std::map<std::pair<double, quint64>, std::function<void()>> events_;
};

}  // namespace qx::test
