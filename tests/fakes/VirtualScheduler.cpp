#include "fakes/VirtualScheduler.h"

#include <algorithm>

namespace qx::test {

namespace {

class VirtualTimer : public Timer {
public:
    VirtualTimer(VirtualScheduler& scheduler, std::function<void()> onTick)
        : scheduler_(scheduler), onTick_(std::move(onTick)), alive_(std::make_shared<bool>(true)) {}
    ~VirtualTimer() override { *alive_ = false; }

    void start(int intervalMs) override {
        interval_ = intervalMs;
        active_ = true;
        schedule(++generation_);
    }
    void stop() override {
        active_ = false;
        ++generation_;
    }
    bool isActive() const override { return active_; }
    void setSingleShot(bool singleShot) override { singleShot_ = singleShot; }

private:
    void schedule(quint64 generation) {
        std::weak_ptr<bool> alive = alive_;
        scheduler_.post(interval_, [this, alive, generation] {
            if (alive.expired() || generation != generation_ || !active_) return;
            if (singleShot_)
                active_ = false;
            else
                schedule(generation);
            onTick_();
        });
    }

    VirtualScheduler& scheduler_;
    std::function<void()> onTick_;
    std::shared_ptr<bool> alive_;
    int interval_ = 0;
    bool active_ = false;
    bool singleShot_ = false;
    quint64 generation_ = 0;
};

}  // namespace

void VirtualScheduler::post(double delayMs, std::function<void()> fn) {
    events_.emplace(std::make_pair(now_ + std::max(0.0, delayMs), ++sequence_), std::move(fn));
}

bool VirtualScheduler::runNextDueBy(double deadline) {
    if (events_.empty() || events_.begin()->first.first > deadline) return false;
    auto node = events_.extract(events_.begin());
    now_ = std::max(now_, node.key().first);
    node.mapped()();
    return true;
}

void VirtualScheduler::wait(double ms) {
    NestingLevel level(depth_);
    const double deadline = now_ + ms;
    while (runNextDueBy(deadline)) {
    }
    now_ = std::max(now_, deadline);
}

bool VirtualScheduler::waitUntil(const std::function<bool()>& done, double timeoutMs) {
    NestingLevel level(depth_);
    const double deadline = now_ + timeoutMs;
    while (!done()) {
        if (!runNextDueBy(deadline)) {
            now_ = std::max(now_, deadline);
            return done();
        }
    }
    return true;
}

void VirtualScheduler::processPendingEvents() {
    NestingLevel level(depth_);
    // Only what is already due; events posted meanwhile wait for the next pass.
    const quint64 last = sequence_;
    for (auto it = events_.begin(); it != events_.end() && it->first.first <= now_;) {
        if (it->first.second > last) {
            ++it;
            continue;
        }
        auto node = events_.extract(it);
        node.mapped()();
        it = events_.begin();
    }
}

std::unique_ptr<Timer> VirtualScheduler::createTimer(std::function<void()> onTick) {
    return std::make_unique<VirtualTimer>(*this, std::move(onTick));
}

}  // namespace qx::test
